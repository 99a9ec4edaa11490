#include "formula/formulascanner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "formula/ecalculate.h"
#include "formula/formulafunctions.h"
#include "util/errors.h"

namespace ashtally {

namespace {

using formula::IsDigit;

// The value of a hexadecimal digit, or -1.
int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The run of a hexadecimal number after "0x" or "$" also takes G and H, which then spoil it.
bool IsHexRunChar(char c) {
    return HexDigit(c) >= 0 || c == 'G' || c == 'H' || c == 'g' || c == 'h';
}

// Digits accumulated as value × radix + digit, in doubles.
double Accumulate(const char* begin, const char* end, int radix) {
    double value = 0.0;
    for (const char* p = begin; p < end; ++p) {
        value = value * radix + HexDigit(*p);
    }
    return formula::Checked(value);
}

// The powers of ten that doubles hold exactly.
constexpr double kExactPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The decimal digits [begin, end) (no sign, no point) as a double; EOverflow past the range.
double WholeNumber(const char* begin, const char* end) {
    if (end - begin <= 15) {
        std::uint64_t value = 0;
        for (const char* p = begin; p < end; ++p) {
            value = value * 10 + static_cast<std::uint64_t>(*p - '0');
        }
        return static_cast<double>(value);
    }
    double value = 0.0;
    if (std::from_chars(begin, end, value).ec != std::errc()) {
        throw EOverflow();
    }
    return value;
}

// A decimal number with fraction and exponent, [begin, end), read as the double nearest to it:
// digits, optionally a point and digits, optionally e or E, a sign and digits.
double DecimalNumber(const char* begin, const char* pointOrEnd, const char* end) {
    // Up to 15 significant digits and no exponent: the quotient of two exact doubles, which the
    // division rounds correctly. Everything else goes to the library's exact conversion.
    if (end - begin <= 16 && (pointOrEnd == end || *pointOrEnd == '.')) {
        bool hasExponent = false;
        for (const char* p = pointOrEnd; p < end; ++p) {
            hasExponent = hasExponent || *p == 'e' || *p == 'E';
        }
        if (!hasExponent) {
            std::uint64_t mantissa = 0;
            int fractionDigits = 0;
            for (const char* p = begin; p < end; ++p) {
                if (*p != '.') {
                    mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
                    fractionDigits += p > pointOrEnd ? 1 : 0;
                }
            }
            return static_cast<double>(mantissa) / kExactPowersOfTen[fractionDigits];
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc()) {
        return value;
    }
    // Out of range: too large, or so small that it reads as 0. Find the decimal exponent of the
    // first significant digit to tell which.
    std::int64_t magnitude = 0;
    bool found = false;
    const char* p = begin;
    for (; p < end && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            continue;
        }
        if (!found && *p != '0') {
            found = true;
            magnitude = p < pointOrEnd ? pointOrEnd - p : -(p - pointOrEnd - 1);
        }
    }
    if (p < end) {
        ++p;
        const bool negative = *p == '-';
        p += (*p == '-' || *p == '+') ? 1 : 0;
        std::int64_t exponent = 0;
        for (; p < end; ++p) {
            exponent = std::min<std::int64_t>(exponent * 10 + (*p - '0'), 1000000000);
        }
        magnitude += negative ? -exponent : exponent;
    }
    if (magnitude > 0) {
        throw EOverflow();
    }
    return 0.0;
}

} // namespace

FormulaScanner::Rare& FormulaScanner::Extras() {
    if (!m_rare) {
        m_rare = std::make_unique<Rare>();
    }
    return *m_rare;
}

char* FormulaScanner::LongName(std::size_t turn, std::size_t length) {
    std::string& name = Extras().LongNames[turn];
    name.resize(length);
    return name.data();
}

void FormulaScanner::ScanOther(const char* p) {
    m_cursor = p;
    const char c = *p;
    if (IsDigit(c)) {
        ScanNumber();
        return;
    }
    // An operator of one character, or of two when the second follows the first immediately.
    const auto token = [this, p](TokenKind kind, int length) {
        m_kind = kind;
        m_cursor = p + length;
    };
    switch (c) {
    case '$':
        ScanHexRun(p + 1);
        return;
    case '\'':
        ScanText();
        return;
    case '=':
        return p[1] == '=' ? token(TokenKind::Equal, 2) : token(TokenKind::Assign, 1);
    case '!':
        return p[1] == '=' ? token(TokenKind::NotEqual, 2) : token(TokenKind::Not, 1);
    case '<':
        return p[1] == '='   ? token(TokenKind::LessEqual, 2)
               : p[1] == '>' ? token(TokenKind::NotEqual, 2)
                             : token(TokenKind::Less, 1);
    case '>':
        return p[1] == '='   ? token(TokenKind::GreaterEqual, 2)
               : p[1] == '<' ? token(TokenKind::NotEqual, 2)
                             : token(TokenKind::Greater, 1);
    case '*':
        return p[1] == '*' ? token(TokenKind::Power, 2) : token(TokenKind::Times, 1);
    case '%':
        return p[1] == '%' ? token(TokenKind::PercentOf, 2) : token(TokenKind::Modulo, 1);
    default:
        m_kind = TokenKind::Invalid; // the cursor stays on the character
        return;
    }
}

// number = "0" ("x" | "X") hexrun | "0" ("b" | "B") binrun
//        | hexrun ("h" | "H")
//        | digits "`" [digits] ["`" digits]
//        | digits ["." digits] [("e" | "E") ["+" | "-"] digit digits]
void FormulaScanner::ScanNumber() {
    const char* p = m_cursor;
    if (ScanPlainDecimal(p)) {
        return;
    }
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        ScanHexRun(p + 2);
        return;
    }
    if (p[0] == '0' && (p[1] == 'b' || p[1] == 'B')) {
        const char* end = p + 2;
        while (*end == '0' || *end == '1') {
            ++end;
        }
        SetNumber(Accumulate(p + 2, end, 2), end);
        return;
    }
    // The run of hexadecimal digits from the first digit: a hexadecimal number when an "h"
    // follows, otherwise it must be all decimal digits.
    const char* runEnd = p;
    bool decimal = true;
    while (HexDigit(*runEnd) >= 0) {
        decimal = decimal && IsDigit(*runEnd);
        ++runEnd;
    }
    if (*runEnd == 'h' || *runEnd == 'H') {
        SetNumber(Accumulate(p, runEnd, 16), runEnd + 1);
        return;
    }
    if (!decimal) {
        m_kind = TokenKind::Invalid;
        return;
    }
    if (*runEnd == '`') {
        ScanAngle(runEnd);
        return;
    }
    const char* end = runEnd;
    if (*end == '.') {
        ++end;
        while (IsDigit(*end)) {
            ++end;
        }
    }
    if (*end == 'e' || *end == 'E') {
        const char* exponent = end + 1;
        if (*exponent == '+' || *exponent == '-') {
            ++exponent;
        }
        if (!IsDigit(*exponent)) {
            m_kind = TokenKind::Invalid; // an exponent needs at least one digit
            return;
        }
        while (IsDigit(*exponent)) {
            ++exponent;
        }
        end = exponent;
    }
    if (end == runEnd) {
        SetNumber(WholeNumber(p, runEnd), end);
    } else {
        SetNumber(DecimalNumber(p, runEnd, end), end);
    }
}

// The numbers formulas are made of: digits, optionally a point and digits, up to 15 digits in
// all, with nothing after them that makes another kind of number (a hexadecimal digit or "h",
// an "x" or "b" after a leading zero, a backquote, an exponent). Read in one pass as the
// quotient of two exact doubles, which the division rounds correctly; false, and nothing read,
// for every other number.
bool FormulaScanner::ScanPlainDecimal(const char* p) {
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X' || p[1] == 'b' || p[1] == 'B')) {
        return false;
    }
    std::uint64_t mantissa = 0;
    const char* q = p;
    while (IsDigit(*q)) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*q - '0');
        ++q;
    }
    if (HexDigit(*q) >= 0 || *q == 'h' || *q == 'H' || *q == '`') {
        return false;
    }
    int fractionDigits = 0;
    const bool point = *q == '.';
    if (point) {
        ++q;
        while (IsDigit(*q)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*q - '0');
            ++fractionDigits;
            ++q;
        }
        if (*q == 'e' || *q == 'E') {
            return false;
        }
    }
    const auto digits = (q - p) - (point ? 1 : 0);
    if (digits > 15) {
        return false;
    }
    const double value = static_cast<double>(mantissa);
    SetNumber(fractionDigits == 0 ? value : value / kExactPowersOfTen[fractionDigits], q);
    return true;
}

// hexnumber = ("0x" | "0X" | "$") {hexdigit}; "G" and "H" in the run spoil it
void FormulaScanner::ScanHexRun(const char* run) {
    const char* end = run;
    bool valid = true;
    while (IsHexRunChar(*end)) {
        valid = valid && HexDigit(*end) >= 0;
        ++end;
    }
    if (!valid) {
        m_kind = TokenKind::Invalid;
        return;
    }
    SetNumber(Accumulate(run, end, 16), end);
}

// angle = degrees "`" [minutes] ["`" seconds], in radians reduced to one turn
void FormulaScanner::ScanAngle(const char* degreesEnd) {
    const double degrees = WholeNumber(m_cursor, degreesEnd);
    const char* p = degreesEnd + 1;
    const char* minutesBegin = p;
    while (IsDigit(*p)) {
        ++p;
    }
    const double minutes = WholeNumber(minutesBegin, p);
    double seconds = 0.0;
    if (*p == '`') {
        const char* secondsBegin = ++p;
        while (IsDigit(*p)) {
            ++p;
        }
        seconds = WholeNumber(secondsBegin, p);
    }
    // In extended precision with pi to full precision, as the floating-point unit does it.
    constexpr long double pi = 3.141592653589793238462643383279502884L;
    const long double radians =
        (static_cast<long double>(degrees) + minutes / 60.0L + seconds / 3600.0L) * pi / 180.0L;
    const long double turn = 2.0L * pi;
    const long double reduced = radians - turn * std::trunc(radians / turn);
    SetNumber(formula::Checked(static_cast<double>(reduced)), p);
}

// text = "'" {any byte but zero, CR, LF, and "''" for a quote} "'"
void FormulaScanner::ScanText() {
    std::string& literal = Extras().Literal;
    literal.clear();
    const char* p = m_cursor + 1;
    const char* chunk = p;
    for (;;) {
        const char c = *p;
        if (c == '\0' || c == '\r' || c == '\n') {
            throw ECalculate::InvalidString();
        }
        if (c == '\'') {
            literal.append(chunk, static_cast<std::size_t>(p - chunk));
            if (p[1] == '\'') {
                literal += '\'';
                p += 2;
                chunk = p;
                continue;
            }
            ++p;
            break;
        }
        ++p;
    }
    m_kind = TokenKind::Text;
    m_cursor = p;
}

void FormulaScanner::SetNumber(double value, const char* end) {
    m_kind = TokenKind::Number;
    m_number = value;
    m_cursor = end;
}

bool FormulaScanner::ReadRawArguments(std::string_view& arguments) {
    std::size_t depth = 1;
    const char* p = m_cursor;
    for (;; ++p) {
        if (*p == '\0') {
            return false;
        }
        if (*p == '(') {
            ++depth;
        } else if (*p == ')' && --depth == 0) {
            break;
        }
    }
    arguments = std::string_view(m_cursor, static_cast<std::size_t>(p - m_cursor));
    m_cursor = p + 1;
    return true;
}

std::vector<std::string_view> FormulaScanner::SplitArguments(std::string_view arguments) {
    std::vector<std::string_view> pieces;
    std::size_t depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const char c = arguments[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            pieces.push_back(formula::Trim(arguments.substr(start, i - start)));
            start = i + 1;
        }
    }
    pieces.push_back(formula::Trim(arguments.substr(start)));
    return pieces;
}

} // namespace ashtally
