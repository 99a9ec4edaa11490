#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// Small text routines shared by the templates, the milestones and the mail hand-off. Texts are
// UTF-8; case conversion and case-insensitive matching touch only the ASCII letters, and
// whatever counts "characters" counts whole UTF-8 characters, so a Greek letter is never cut.

inline constexpr std::size_t kNotFound = std::string_view::npos;

inline char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}
inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
inline bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

void AsciiUpperInPlace(std::string& text);
void AsciiLowerInPlace(std::string& text);

// The byte length of the UTF-8 character that starts at text[pos]: 1 to 4, or 1 for a byte
// that starts no well-formed character (a stray continuation byte, a cut-off sequence), so that
// walking a text character by character always advances and never reads past its end.
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// The first whole character of the text (empty for an empty text).
std::string_view FirstChar(std::string_view text);

// Where the pattern first matches in the text, at or after byte position `from`, or kNotFound.
// In the pattern "?" stands for any one character; ASCII letters match without regard to case;
// every other byte must be equal.
std::size_t FindWild(std::string_view text, std::string_view pattern, std::size_t from = 0);

// The length in bytes of the match of the pattern at byte position pos, which FindWild found.
std::size_t WildMatchLength(std::string_view text, std::string_view pattern, std::size_t pos);

inline bool ContainsWild(std::string_view text, std::string_view pattern) {
    return FindWild(text, pattern) != kNotFound;
}

// Replaces every match of the pattern (matching as FindWild) from left to right. Matches do not
// overlap and the inserted text is not searched again. Returns the number of replacements.
std::size_t ReplaceAllWild(std::string& text, std::string_view pattern,
                           std::string_view replacement);

// The byte position of the last occurrence of the character, or kNotFound.
std::size_t LastCharPos(std::string_view text, char c);

// Splits at the first occurrence of the character: returns false, leaving left and right
// untouched, when it does not occur.
bool SplitAtChar(std::string_view text, char c, std::string& left, std::string& right);

// Splits at every occurrence of any of the delimiter characters; empty pieces are dropped and
// the others kept exactly as written.
std::vector<std::string> SplitAtDelimiters(std::string_view text, std::string_view delimiters);

// The text without the bytes of code 32 or less at either end.
std::string_view TrimControl(std::string_view text);

// Spaces and tabs, and the text without them at both ends.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
std::string_view TrimBlanks(std::string_view text);

// A whole number in English words, each word capitalised and separated by single blanks, with
// no "and" and no hyphens: 21 "Twenty One", 105 "One Hundred Five", 2345 "Two Thousand Three
// Hundred Forty Five", 0 "Zero", -7 "Minus Seven". The words are English in every language.
std::string NumberToWords(std::int64_t number);

// Appends the decimal digits of the number, with a leading "-" when it is negative.
void AppendInteger(std::string& out, std::int64_t number);

} // namespace ashtally
