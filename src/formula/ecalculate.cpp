#include "formula/ecalculate.h"

#include <string>

namespace ashtally {

ECalculate ECalculate::SyntaxError() {
    return ECalculate("Syntax error.");
}

ECalculate ECalculate::UnknownName(std::string_view name) {
    std::string message = "Unknown function or variable \"";
    message.append(name);
    message += "\".";
    return ECalculate(message);
}

ECalculate ECalculate::InvalidString() {
    return ECalculate("Invalid string");
}

ECalculate ECalculate::ParameterCount() {
    return ECalculate("Incorrect parameter count for function!");
}

ECalculate ECalculate::NestedTooDeeply(int limit) {
    return ECalculate("Formula nested too deeply (more than " + std::to_string(limit) +
                      " levels of brackets, operators or calls).");
}

ECalculate ECalculate::TextTooLong(std::size_t limit) {
    return ECalculate("Text result too long (more than " + std::to_string(limit) + " bytes).");
}

} // namespace ashtally
