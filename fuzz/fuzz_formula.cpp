// Feeds arbitrary bytes to the formula evaluator as a numeric and as a text formula. Every
// outcome must be a value or one of the program's own errors; a numeric value is never an
// infinity or not-a-number, and asking again (answered from the cache) gives the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formula/formulaparser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view formula(reinterpret_cast<const char*>(data), size);
    ashtally::TFormulaParser parser;
    parser.SetVar("DiffInDays", 123.25);
    parser.SetVar("CigPerDay", 20);
    parser.SetVar("X", -2.5);
    parser.SetStrVar("Name", "Ann");
    parser.SetStrVar("Country", "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1");

    try {
        parser.SetExpression(formula);
        const double first = parser.Calculate();
        parser.SetExpression(formula);
        const double again = parser.Calculate();
        if (!std::isfinite(first) || again != first) {
            __builtin_trap();
        }
    } catch (const ashtally::Exception&) {
    }
    try {
        parser.SetExpression(formula);
        parser.CalculateStr();
    } catch (const ashtally::Exception&) {
    }
    return 0;
}
