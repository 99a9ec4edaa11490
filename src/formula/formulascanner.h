#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// The kinds of token of the formula language.
enum class TokenKind : unsigned char {
    End,        // the terminating zero byte
    Invalid,    // a character that starts no token, or a malformed number
    Number,     // decimal, hexadecimal, binary or angle
    Identifier, // a letter or underscore, then letters, digits and underscores
    Text,       // a literal in single quotes
    LeftParen,
    RightParen,
    Semicolon,
    Assign,       // =
    Equal,        // ==
    NotEqual,     // != <> ><
    Less,         // <
    LessEqual,    // <=
    Greater,      // >
    GreaterEqual, // >=
    Plus,
    Minus,
    Times,      // *
    Divide,     // /
    Modulo,     // %
    PercentOf,  // %%
    Power,      // **
    Complement, // ~
    Not,        // !
    BitAnd,     // &
    BitOr,      // |
    BitXor,     // ^
};

namespace formula {

// The character classes of the scanner, looked up rather than computed: the scanner reads every
// byte of every formula.
enum CharClass : unsigned char {
    ccDigit = 1,
    ccLetter = 2, // A-Z, a-z and the underscore: what starts an identifier
};

inline constexpr std::array<unsigned char, 256> kCharClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = '0'; c <= '9'; ++c) {
        classes[c] = ccDigit;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        classes[c] = ccLetter;
        classes[c - 'A' + 'a'] = ccLetter;
    }
    classes['_'] = ccLetter;
    return classes;
}();

inline bool IsDigit(char c) {
    return (kCharClasses[static_cast<unsigned char>(c)] & ccDigit) != 0;
}

inline bool IsIdentifierChar(char c) {
    return (kCharClasses[static_cast<unsigned char>(c)] & (ccDigit | ccLetter)) != 0;
}

// The tokens the scanner reads without looking further: one character that is always a token
// of its own, the zero byte that ends the text, the letters that start an identifier and the
// digits that start a number.
inline constexpr unsigned char kOtherToken = 0xFF;
inline constexpr unsigned char kIdentifierStart = 0xFE;
inline constexpr unsigned char kNumberStart = 0xFD;

inline constexpr std::array<unsigned char, 256> kQuickTokens = [] {
    std::array<unsigned char, 256> tokens{};
    tokens.fill(kOtherToken);
    const auto set = [&tokens](char c, TokenKind kind) {
        tokens[static_cast<unsigned char>(c)] = static_cast<unsigned char>(kind);
    };
    set('\0', TokenKind::End);
    set('(', TokenKind::LeftParen);
    set(')', TokenKind::RightParen);
    set(';', TokenKind::Semicolon);
    set('+', TokenKind::Plus);
    set('-', TokenKind::Minus);
    set('/', TokenKind::Divide);
    set('~', TokenKind::Complement);
    set('&', TokenKind::BitAnd);
    set('|', TokenKind::BitOr);
    set('^', TokenKind::BitXor);
    for (int c = 0; c < 256; ++c) {
        if ((kCharClasses[c] & ccLetter) != 0) {
            tokens[c] = kIdentifierStart;
        } else if ((kCharClasses[c] & ccDigit) != 0) {
            tokens[c] = kNumberStart;
        }
    }
    return tokens;
}();

// Eight identifier characters (letters, digits, underscores) upper-cased at once: adding 0x1F
// to each byte sets its top bit exactly for a-z (0x61 and up), without a carry into the next
// byte, and that bit shifted down is the 0x20 that tells a lower-case letter from its capital.
inline void UpperCaseWord(const char* source, char* target) {
    std::uint64_t word = 0;
    std::memcpy(&word, source, sizeof word);
    word ^= ((word + 0x1F1F1F1F1F1F1F1Full) & 0x8080808080808080ull) >> 2;
    std::memcpy(target, &word, sizeof word);
}

} // namespace formula

// Reads a formula token by token, straight from the text: numbers, names and operators cost no
// allocation. The text is a zero-terminated byte string; a zero byte ends it even when the
// string it comes from goes on.
class FormulaScanner {
public:
    explicit FormulaScanner(const char* text) : m_text(text), m_cursor(text) {}

    // Reads the next token. An unterminated text literal raises ECalculate("Invalid string"), a
    // number past the range of a double raises EOverflow. The common tokens are read right here,
    // inline in the grammar: every formula is mostly names and one-character operators.
    void Next() {
        const char* p = m_cursor;
        while (static_cast<unsigned char>(*p) - 1u < 32u) { // the bytes 1 to 32
            ++p;
        }
        const unsigned char c = static_cast<unsigned char>(*p);
        const unsigned char quick = formula::kQuickTokens[c];
        if (quick == formula::kIdentifierStart) {
            ScanIdentifier(p);
        } else if (quick == formula::kNumberStart) {
            m_cursor = p;
            ScanNumber();
        } else if (quick != formula::kOtherToken) {
            m_kind = static_cast<TokenKind>(quick);
            m_cursor = c == 0 ? p : p + 1; // at the end the cursor stays, so End keeps coming
        } else {
            ScanOther(p);
        }
    }

    TokenKind Kind() const { return m_kind; }
    // The value of a number token.
    double Number() const { return m_number; }
    // An identifier, upper-cased (only the letters a-z change). It stays valid while one more
    // identifier is read, and is overwritten by the one after that.
    std::string_view Identifier() const { return m_identifier; }
    // The content of a text literal, doubled quotes collapsed. The caller may take it.
    std::string& Text() { return Extras().Literal; }

    // Right after a "(" token: the raw text up to the matching ")", parentheses counted and
    // quotes not recognised; the cursor then stands after that ")". False, and nothing moves,
    // when the text ends first.
    bool ReadRawArguments(std::string_view& arguments);

    // The same text now lives at `text` (it was copied away and back): go on reading there.
    void Rebase(const char* text) {
        m_cursor = text + (m_cursor - m_text);
        m_text = text;
    }

    // Splits the raw argument text of a built-in call at every comma outside parentheses and
    // trims every piece; there is always at least one piece.
    static std::vector<std::string_view> SplitArguments(std::string_view arguments);

private:
    // identifier = (letter | "_") {letter | digit | "_"}, upper-cased into the name buffer whose
    // turn it is, eight characters at a time
    void ScanIdentifier(const char* p) {
        const char* end = p + 1;
        while (formula::IsIdentifierChar(*end)) {
            ++end;
        }
        const auto length = static_cast<std::size_t>(end - p);
        const std::size_t turn = m_nextName;
        m_nextName ^= 1;
        char* target =
            length <= m_names[turn].size() ? m_names[turn].data() : LongName(turn, length);
        if (length >= 8) {
            for (std::size_t i = 0; i + 8 <= length; i += 8) {
                formula::UpperCaseWord(p + i, target + i);
            }
            formula::UpperCaseWord(end - 8, target + length - 8); // the tail, overlapping
        } else {
            for (std::size_t i = 0; i < length; ++i) {
                const char c = p[i];
                target[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
            }
        }
        m_identifier = std::string_view(target, length);
        m_kind = TokenKind::Identifier;
        m_cursor = end;
    }

    // Every other token: numbers, text literals, the operators of one or two characters, and
    // the characters that start no token.
    void ScanOther(const char* p);
    char* LongName(std::size_t turn, std::size_t length);
    void ScanNumber();
    bool ScanPlainDecimal(const char* p);
    void ScanHexRun(const char* run);
    void ScanAngle(const char* degreesEnd);
    void ScanText();
    void SetNumber(double value, const char* end);

    const char* m_text;
    const char* m_cursor; // the next unread byte
    TokenKind m_kind = TokenKind::End;
    double m_number = 0.0;
    // What only some formulas need lives on the heap, made when first needed: evaluating a
    // formula of numbers and names costs no allocation and no string set-up.
    struct Rare {
        std::array<std::string, 2> LongNames; // identifiers too long for m_names
        std::string Literal;
    };
    Rare& Extras();

    // Two buffers for upper-cased identifiers, used in turn, so that a name read just before
    // stays valid.
    std::array<std::array<char, 64>, 2> m_names;
    std::size_t m_nextName = 0;
    std::string_view m_identifier;
    std::unique_ptr<Rare> m_rare;
};

} // namespace ashtally
