#include "cli/evalcommand.h"

namespace ashtally::cli {

int RunEval(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "error: eval is not available yet\n";
    return 2;
}

} // namespace ashtally::cli
