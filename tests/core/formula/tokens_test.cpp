// The token rules: numbers in every notation, names, text literals, blanks, operators, and the
// characters that start no token.
#include <string>

#include "formulacases.h"

namespace ashtally::test {
namespace {

TEST(FormulaTokens, NumbersInEveryNotation) {
    ExpectValues(TFormulaParser(),
                 {
                     {"42", 42},
                     {"007", 7},
                     {"3.25", 3.25},
                     {"5.", 5},
                     {"0.0015", 0.0015},
                     {"1.0e5", 100000},
                     {"1.5E+2", 150},
                     {"1.5e-3", 0.0015},
                     {"2.5e0", 2.5},
                     {"5.e2", 500},
                     // Decimal literals are the doubles nearest to what is written.
                     {"0.7", 0.7},
                     {"0.3", 0.3},
                     {"2.718281828", 2.718281828},
                     {"123456789012345678901234567890", 123456789012345678901234567890.0},
                     {"0.1234567890123456789", 0.1234567890123456789},
                     {"1.0e-400", 0},
                     // Hexadecimal and binary.
                     {"0x1F", 31},
                     {"0X1f", 31},
                     {"$1F", 31},
                     {"$ff", 255},
                     {"1Fh", 31},
                     {"1fH", 31},
                     {"0ABh", 171},
                     {"0x", 0},
                     {"$", 0},
                     {"0b101", 5},
                     {"0B11", 3},
                     {"0b", 0},
                     // Angles: degrees, minutes, seconds in radians, reduced to one turn.
                     {"90`", 1.5707963267948966},
                     {"30`30", 30.5 * 3.141592653589793 / 180, 1e-15},
                     {"45`30`36", 0.7942993, 1e-7},
                     {"400`", 40 * 3.141592653589793 / 180, 1e-15},
                     {"360`", 0},
                 });
}

TEST(FormulaTokens, BlanksAndControlCharactersSeparateTokens) {
    ExpectValues(TFormulaParser(), {
                                       {"  42  ", 42},
                                       {"\t1\r\n+\n2\x1f", 3},
                                       {"1\x01-\x02 1", 0},
                                       // A zero byte ends the formula even when the text goes on.
                                       {std::string("1\0+2", 4), 1},
                                   });
}

TEST(FormulaTokens, TwoCharacterOperatorsOnlyWhenAdjacent) {
    ExpectValues(TFormulaParser(), {
                                       {"2**3", 8},
                                       {"50 %% 8", 4},
                                       {"1 == 1", 1},
                                       {"1 != 1", 0},
                                       {"1 <> 2", 1},
                                       {"1 >< 1", 0},
                                       {"2 <= 2", 1},
                                       {"2 >= 3", 0},
                                   });
    ExpectMessages(TFormulaParser(), {
                                         {"2* *3", kSyntaxError},
                                         {"1 = = 1", kSyntaxError},
                                         {"1 < = 1", kSyntaxError},
                                     });
}

TEST(FormulaTokens, MalformedNumbersAndStrayCharactersAreSyntaxErrors) {
    ExpectMessages(TFormulaParser(),
                   {
                       {"1e5", kSyntaxError}, // an exponent comes only after a fraction point
                       {"2e", kSyntaxError},   {"12AB", kSyntaxError},
                       {"1.5e", kSyntaxError}, {"1.5e+", kSyntaxError},
                       {"0x1G", kSyntaxError}, {"0x1h", kSyntaxError},
                       {"$1g", kSyntaxError},  {".5", kSyntaxError},
                       {"0B1h", kSyntaxError}, // the number 1, then the name H
                       {"1,2", kSyntaxError},  {"\"1\"", kSyntaxError},
                       {"#1", kSyntaxError},   {"1?", kSyntaxError},
                       {"[1]", kSyntaxError},  {"{1}", kSyntaxError},
                       {"1:2", kSyntaxError},  {"\\1", kSyntaxError},
                       {"`1", kSyntaxError},   {"\xC3\xA9", kSyntaxError},
                       {"1 2", kSyntaxError},
                   });
}

TEST(FormulaTokens, NumbersPastTheRangeOfADoubleOverflow) {
    ExpectMessages(TFormulaParser(), {
                                         {"1" + std::string(400, '0'), kOverflow},
                                         {"1.0e400", kOverflow},
                                         {"0.5e310", kOverflow},
                                         {"$" + std::string(300, 'F'), kOverflow},
                                         {"0b1" + std::string(1100, '0'), kOverflow},
                                         {std::string(400, '9') + "`", kOverflow},
                                     });
}

TEST(FormulaTokens, NamesAreLettersDigitsAndUnderscoresInAnyCase) {
    TFormulaParser parser;
    parser.SetVar("X_1", 5);
    parser.SetVar("_a", 6);
    parser.SetVar("CigPerDay", 20);
    ExpectValues(parser, {
                             {"x_1", 5},
                             {"_A", 6},
                             {"cigperday", 20},
                             {"CIGPERDAY", 20},
                             {"CigPerDay + x_1", 25},
                         });
    ExpectMessages(parser,
                   {
                       {"FFh", UnknownName("FFH")}, // a hexadecimal number must begin with a digit
                       {"caf\xC3\xA9", UnknownName("CAF")}, // only A-Z and a-z are letters
                       {"cigsperday", UnknownName("CIGSPERDAY")},
                       {std::string(100, 'q'), UnknownName(std::string(100, 'Q'))},
                   });
}

TEST(FormulaTokens, TextLiterals) {
    ExpectTexts(TFormulaParser(), {
                                      {"'abc'", "abc"},
                                      {"''", ""},
                                      {"'it''s'", "it's"},
                                      {"''''", "'"},
                                      {"'a\tb\x7f\xC3\xA9'", "a\tb\x7f\xC3\xA9"},
                                      {"'(1, 2)'", "(1, 2)"},
                                  });
    ExpectMessages(TFormulaParser(),
                   {
                       {"'abc", kInvalidString},
                       {"'ab\ncd'", kInvalidString},
                       {"'ab\rcd'", kInvalidString},
                       {std::string("'ab\0cd'", 7), kInvalidString},
                       {"'it''s", kInvalidString},
                   },
                   Language::Text);
    // Scanning fails at once, before the grammar judges the token.
    ExpectMessages(TFormulaParser(), {
                                         {"1 'abc", kInvalidString},
                                         {"1 + 'abc'", kSyntaxError},
                                     });
}

} // namespace
} // namespace ashtally::test
