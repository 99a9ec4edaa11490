// Arbitrary bytes as "options.ini": the option set loads from them and saves back, in memory.
// Besides not crashing, what the program writes must read back as it was written: the layout
// is stable, the options come back with the same values and without a message, and the file's
// other sections keep their lines.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "settings/inifile.h"
#include "settings/options.h"
#include "util/numberedstrings.h"

namespace {

using namespace ashtally;

bool SameValue(const OptionValue& a, const OptionValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const double* x = std::get_if<double>(&a)) {
        // Reals are written with 15 significant digits.
        const double y = std::get<double>(b);
        return std::fabs(*x - y) <= 1e-14 * std::fmax(std::fabs(*x), std::fabs(y)) ||
               (std::fabs(*x) < 1e-300 && std::fabs(y) < 1e-300);
    }
    return a == b;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void RoundTrip(std::string_view text, const char* decimalSeparator) {
    IniFile ini = IniFile::FromText(text);
    const IniFile original = ini;
    Check(IniFile::FromText(ini.Text()).Text() == ini.Text());

    TOptions options(EnglishStrings(), "/opt/ashtally/");
    options.SetDecimalSeparator(decimalSeparator);
    options.SetMessageHandler([](const std::string&) {});
    options.LoadFromIni(ini);
    options.SaveToIni(ini);

    const std::string saved = ini.Text();
    const IniFile again = IniFile::FromText(saved);
    Check(again.Text() == saved);

    TOptions reloaded(EnglishStrings(), "/elsewhere/");
    reloaded.SetDecimalSeparator(decimalSeparator);
    bool complained = false;
    reloaded.SetMessageHandler([&](const std::string&) { complained = true; });
    IniFile reread = again;
    reloaded.LoadFromIni(reread);
    Check(!complained);
    for (const OptionDeclaration& option : options.Declarations()) {
        Check(SameValue(options.OptionValueOf(option), reloaded.OptionValueOf(option)));
    }

    for (const std::string& section : original.Sections()) {
        if (!SameKey(section, options.Section())) {
            Check(original.ReadSection(section) == again.ReadSection(section));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RoundTrip(text, ".");
    RoundTrip(text, ",");
    return 0;
}
