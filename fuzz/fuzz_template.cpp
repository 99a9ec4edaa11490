// Feeds arbitrary bytes to the template expansion as a Today text, for a quitter whose name is
// taken from the same bytes. Every outcome must be a text or one of the program's own errors.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formula/formulaparser.h"
#include "stats/quitter.h"
#include "stats/statistics.h"
#include "stats/statscontext.h"
#include "stats/templates.h"
#include "util/datetime.h"
#include "util/errors.h"
#include "util/numberedstrings.h"
#include "util/regional.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first line names the quitter, as a name typed into the editor would.
    const std::size_t lineEnd = bytes.find('\n');
    const std::string_view name =
        lineEnd == std::string_view::npos ? std::string_view() : bytes.substr(0, lineEnd);
    const std::string_view text =
        lineEnd == std::string_view::npos ? bytes : bytes.substr(lineEnd + 1);

    static ashtally::TFormulaParser parser;
    static const ashtally::RegionalSettings regional;
    ashtally::StatsContext context(parser, ashtally::EnglishStrings(), regional);

    ashtally::Quitter quitter;
    quitter.Name = std::string(name);
    quitter.QuitDate = ashtally::EncodeDateTime({2024, 1, 31, 10, 0, 0, 0});
    quitter.CigPerDay = 20;
    quitter.CigPerPack = 20;
    quitter.CostPerPack = 55000;
    const ashtally::TDateTime now = ashtally::EncodeDateTime({2026, 12, 11, 10, 30, 15, 0});
    try {
        ashtally::SetStatistics(context, quitter, now);
        ashtally::ExpandTemplate(context, quitter, text, now);
    } catch (const ashtally::Exception&) {
    }
    return 0;
}
