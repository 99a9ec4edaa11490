// Arbitrary bytes as "buddies.csv": the lines are split into fields and rebuilt, and the
// quitters file is read and written back, in memory. Besides not crashing: a rebuilt line
// splits into the same fields, and the written file reads back to the same quitters and the
// same unreadable lines.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ovcsvparser.h"
#include "settings/quittersfile.h"
#include "util/regional.h"

namespace {

using namespace ashtally;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Close(double a, double b) {
    return std::fabs(a - b) <= 1e-14 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-300;
}

void RoundTripQuitters(std::string_view text, const char* decimalSeparator) {
    RegionalSettings regional;
    regional.DecimalSeparator = decimalSeparator;
    const QuittersFileContents first = ReadQuittersText(text, regional);
    const std::string written = QuittersText(first.Quitters, first.UnreadLines, regional);
    const QuittersFileContents second = ReadQuittersText(written, regional);

    Check(second.Quitters.size() == first.Quitters.size());
    for (std::size_t i = 0; i < first.Quitters.size(); ++i) {
        const Quitter& a = first.Quitters[i];
        const Quitter& b = second.Quitters[i];
        Check(a.Name == b.Name && a.EMail == b.EMail);
        Check(a.CigPerDay == b.CigPerDay && a.CigPerPack == b.CigPerPack);
        Check(Close(a.QuitDate, b.QuitDate));
        Check(Close(static_cast<double>(a.CostPerPack), static_cast<double>(b.CostPerPack)) ||
              std::llabs(a.CostPerPack - b.CostPerPack) <= 1);
    }
    Check(second.UnreadLines.size() == first.UnreadLines.size());
    for (std::size_t i = 0; i < first.UnreadLines.size(); ++i) {
        Check(second.UnreadLines[i].Text == first.UnreadLines[i].Text);
        Check(second.UnreadLines[i].Reason == first.UnreadLines[i].Reason);
    }
    (void)UnreadLinesMessage(first.UnreadLines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    TOVCSVParser csv;
    TOVCSVParser rebuilt;
    csv.OnSetData = [&](TOVCSVParser&, const std::vector<std::string>& fields) {
        rebuilt.AddRow(fields);
        Check(csv.SplitLine(rebuilt.Lines.back()) == fields);
    };
    csv.SetText(text);
    csv.ParseLines();

    RoundTripQuitters(text, ".");
    RoundTripQuitters(text, ",");
    return 0;
}
