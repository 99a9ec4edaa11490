#include "settings/quittersfile.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "settings/ovcsvparser.h"
#include "settings/textlines.h"
#include "util/errors.h"
#include "util/fileio.h"
#include "util/numconv.h"
#include "util/regional.h"

namespace ashtally {

namespace {

constexpr std::size_t kFieldCount = 6;

// Quit dates from 0001-01-01 up to the end of 9999-12-31; beyond them no calendar works.
constexpr double kFirstQuitDate = -693593.0;
constexpr double kLastQuitDate = 2958466.0;

// A price whose amount times 10000 fits the money type with room for the sums made of it.
constexpr double kMostPerPack = 1.0e14;

// How many unread lines the message lists one by one.
constexpr std::size_t kListedUnreadLines = 10;

bool IsBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// count = blanks [sign] digits blanks, from 0 up to the unsigned 32-bit limit: every count the
// program writes reads back, even one above the signed range.
std::uint32_t ReadCount(const std::string& text) {
    std::int32_t count = 0;
    try {
        count = StrToInt(text);
    } catch (const EConvertError&) {
        std::string_view digits = text;
        while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t')) {
            digits.remove_prefix(1);
        }
        while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) {
            digits.remove_suffix(1);
        }
        if (digits.starts_with('+')) {
            digits.remove_prefix(1);
        }
        std::uint32_t large = 0;
        const char* end = digits.data() + digits.size();
        const auto [ptr, ec] = std::from_chars(digits.data(), end, large);
        if (digits.empty() || ec != std::errc{} || ptr != end) {
            throw;
        }
        return large;
    }
    if (count < 0) {
        throw EConvertError("'" + text + "' is not a valid number of cigarettes");
    }
    return static_cast<std::uint32_t>(count);
}

TDateTime ReadQuitDate(const std::string& text, std::string_view decimalSeparator) {
    const double date = StrToFloat(text, decimalSeparator);
    if (!(date >= kFirstQuitDate && date <= kLastQuitDate)) {
        throw EConvertError("'" + text + "' is not a valid quit date");
    }
    return date;
}

Money ReadPrice(const std::string& text, std::string_view decimalSeparator) {
    const double amount = StrToFloat(text, decimalSeparator);
    if (!(std::fabs(amount) <= kMostPerPack)) {
        throw EConvertError("'" + text + "' is not a valid price");
    }
    return RoundHalfEven(amount * static_cast<double>(kMoneyScale));
}

// row = name "," e-mail "," quit date "," per day "," per pack "," price { "," ignored }
Quitter QuitterFromFields(const std::vector<std::string>& fields,
                          std::string_view decimalSeparator) {
    if (fields.size() < kFieldCount) {
        throw EConvertError("it has " + std::to_string(fields.size()) +
                            (fields.size() == 1 ? " field" : " fields") + " where " +
                            std::to_string(kFieldCount) + " are needed");
    }
    Quitter quitter;
    quitter.Name = fields[0];
    quitter.EMail = fields[1];
    quitter.QuitDate = ReadQuitDate(fields[2], decimalSeparator);
    quitter.CigPerDay = ReadCount(fields[3]);
    quitter.CigPerPack = ReadCount(fields[4]);
    quitter.CostPerPack = ReadPrice(fields[5], decimalSeparator);
    return quitter;
}

// A line break would split the quitter's line in two, and neither half would read back.
std::string OnOneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

QuittersFileContents ReadQuittersFile(const std::string& path, const RegionalSettings& regional) {
    // A missing file holds no quitters; anything else in its place that cannot be read (a
    // folder, a file without permission) is an error, so that it is never taken for empty.
    return ReadQuittersText(ReadFileBytes(path, /*missingIsEmpty=*/true), regional);
}

QuittersFileContents ReadQuittersText(std::string_view text, const RegionalSettings& regional) {
    QuittersFileContents contents;
    TOVCSVParser csv;
    const std::string* currentLine = nullptr;
    int currentNumber = 0;
    csv.OnReadNewLine = [&](TOVCSVParser& sender, std::string& line, int lineNum) {
        currentLine = &sender.Lines[static_cast<std::size_t>(lineNum)];
        currentNumber = lineNum + 1;
        return !IsBlankLine(line);
    };
    csv.OnSetData = [&](TOVCSVParser&, const std::vector<std::string>& fields) {
        try {
            contents.Quitters.push_back(QuitterFromFields(fields, regional.DecimalSeparator));
        } catch (const Exception& e) {
            contents.UnreadLines.push_back(UnreadLine{currentNumber, *currentLine, e.what()});
        }
    };
    csv.SetText(text);
    csv.ParseLines();
    return contents;
}

std::string QuittersText(const std::vector<Quitter>& quitters,
                         const std::vector<UnreadLine>& unreadLines,
                         const RegionalSettings& regional) {
    TOVCSVParser csv;
    const std::string& separator = regional.DecimalSeparator;
    for (const Quitter& quitter : quitters) {
        csv.AddRow(
            {OnOneLine(quitter.Name), OnOneLine(quitter.EMail),
             FloatToStr(quitter.QuitDate, separator), std::to_string(quitter.CigPerDay),
             std::to_string(quitter.CigPerPack),
             FloatToStr(static_cast<double>(quitter.CostPerPack) / static_cast<double>(kMoneyScale),
                        separator)});
    }
    for (const UnreadLine& line : unreadLines) {
        csv.Lines.push_back(line.Text);
    }
    std::string text = csv.Text();
    // Reading drops a byte order mark at the start; a kept line that begins with those bytes
    // would lose them, unless one more mark goes in front.
    if (text.starts_with(kByteOrderMark)) {
        text.insert(0, kByteOrderMark);
    }
    return text;
}

void WriteQuittersFile(const std::string& path, const std::vector<Quitter>& quitters,
                       const std::vector<UnreadLine>& unreadLines,
                       const RegionalSettings& regional) {
    WriteFileAtomically(path, QuittersText(quitters, unreadLines, regional));
}

std::string UnreadLinesMessage(const std::vector<UnreadLine>& unreadLines,
                               std::string_view fileName) {
    if (unreadLines.empty()) {
        return {};
    }
    std::string message = "Some lines of ";
    message.append(fileName).append(" could not be read and will be kept as they are:");
    const std::size_t listed = std::min(unreadLines.size(), kListedUnreadLines);
    for (std::size_t i = 0; i < listed; ++i) {
        message.append("\n line ")
            .append(std::to_string(unreadLines[i].LineNumber))
            .append(": ")
            .append(unreadLines[i].Reason);
    }
    if (unreadLines.size() > listed) {
        message.append("\n and ")
            .append(std::to_string(unreadLines.size() - listed))
            .append(" more");
    }
    return message;
}

} // namespace ashtally
