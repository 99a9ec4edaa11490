#include "util/textutils.h"

#include <array>
#include <utility>

namespace ashtally {

namespace {

// The length of the match of the pattern starting at pos, or kNotFound.
std::size_t MatchAt(std::string_view text, std::string_view pattern, std::size_t pos) {
    std::size_t at = pos;
    for (char p : pattern) {
        if (at >= text.size()) {
            return kNotFound;
        }
        if (p == '?') {
            at += Utf8CharLength(text, at);
        } else if (AsciiUpper(text[at]) == AsciiUpper(p)) {
            ++at;
        } else {
            return kNotFound;
        }
    }
    return at - pos;
}

constexpr std::array<const char*, 20> kOnes{
    "",         "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<const char*, 10> kTens{"",      "",      "Twenty",  "Thirty", "Forty",
                                            "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
// A signed 64-bit number has at most seven groups of three digits.
constexpr std::array<const char*, 7> kScales{"",         "Thousand",    "Million",    "Billion",
                                             "Trillion", "Quadrillion", "Quintillion"};

void AppendWord(std::string& out, const char* word) {
    if (!out.empty()) {
        out += ' ';
    }
    out += word;
}

// One group of three digits, 1 to 999.
void AppendGroup(std::string& out, unsigned group) {
    if (group >= 100) {
        AppendWord(out, kOnes[group / 100]);
        AppendWord(out, "Hundred");
        group %= 100;
    }
    if (group >= 20) {
        AppendWord(out, kTens[group / 10]);
        group %= 10;
    }
    if (group > 0) {
        AppendWord(out, kOnes[group]);
    }
}

} // namespace

void AsciiUpperInPlace(std::string& text) {
    for (char& c : text) {
        c = AsciiUpper(c);
    }
}

void AsciiLowerInPlace(std::string& text) {
    for (char& c : text) {
        c = AsciiLower(c);
    }
}

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (pos + length > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

std::string_view FirstChar(std::string_view text) {
    return text.empty() ? text : text.substr(0, Utf8CharLength(text, 0));
}

std::size_t FindWild(std::string_view text, std::string_view pattern, std::size_t from) {
    if (pattern.empty()) {
        return from <= text.size() ? from : kNotFound;
    }
    const char first = pattern.front();
    if (first != '?' && static_cast<unsigned char>(first) < 0x80) {
        // An ASCII byte is always a character of its own, never part of a longer one, so the
        // candidates can be found by a plain search for the first byte in either case.
        const char lower = AsciiLower(first);
        const char upper = AsciiUpper(first);
        for (std::size_t pos = from; pos < text.size(); ++pos) {
            if (lower == upper) {
                pos = text.find(lower, pos); // a fast scan for a byte without case ("<")
                if (pos == std::string_view::npos) {
                    return kNotFound;
                }
            } else if (text[pos] != lower && text[pos] != upper) {
                continue;
            }
            if (MatchAt(text, pattern, pos) != kNotFound) {
                return pos;
            }
        }
        return kNotFound;
    }
    for (std::size_t pos = from; pos < text.size(); pos += Utf8CharLength(text, pos)) {
        if (MatchAt(text, pattern, pos) != kNotFound) {
            return pos;
        }
    }
    return kNotFound;
}

std::size_t WildMatchLength(std::string_view text, std::string_view pattern, std::size_t pos) {
    return MatchAt(text, pattern, pos);
}

std::size_t ReplaceAllWild(std::string& text, std::string_view pattern,
                           std::string_view replacement) {
    if (pattern.empty()) {
        return 0;
    }
    std::size_t count = 0;
    std::size_t pos = FindWild(text, pattern);
    if (pos == kNotFound) {
        return 0;
    }
    std::string result;
    result.reserve(text.size() + replacement.size());
    std::size_t copied = 0;
    while (pos != kNotFound) {
        const std::size_t length = MatchAt(text, pattern, pos);
        result.append(text, copied, pos - copied);
        result += replacement;
        copied = pos + length;
        ++count;
        pos = FindWild(text, pattern, copied);
    }
    result.append(text, copied, std::string::npos);
    text = std::move(result);
    return count;
}

std::size_t LastCharPos(std::string_view text, char c) {
    return text.rfind(c);
}

bool SplitAtChar(std::string_view text, char c, std::string& left, std::string& right) {
    const std::size_t pos = text.find(c);
    if (pos == std::string_view::npos) {
        return false;
    }
    left.assign(text.substr(0, pos));
    right.assign(text.substr(pos + 1));
    return true;
}

std::vector<std::string> SplitAtDelimiters(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(delimiters, start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            pieces.emplace_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return pieces;
}

std::string_view TrimControl(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string NumberToWords(std::int64_t number) {
    if (number == 0) {
        return "Zero";
    }
    std::string out;
    if (number < 0) {
        out = "Minus";
    }
    // The magnitude as unsigned, so that the smallest 64-bit number has one too.
    std::uint64_t magnitude =
        number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    std::array<unsigned, kScales.size()> groups{};
    std::size_t count = 0;
    while (magnitude > 0) {
        groups[count++] = static_cast<unsigned>(magnitude % 1000);
        magnitude /= 1000;
    }
    for (std::size_t i = count; i-- > 0;) {
        if (groups[i] == 0) {
            continue;
        }
        AppendGroup(out, groups[i]);
        if (i > 0) {
            AppendWord(out, kScales[i]);
        }
    }
    return out;
}

void AppendInteger(std::string& out, std::int64_t number) {
    char digits[24];
    std::size_t count = 0;
    std::uint64_t magnitude =
        number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (number < 0) {
        out += '-';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace ashtally
