// The numeric and text grammars: every precedence level, how each level groups, statements and
// assignments.
#include "formulacases.h"

namespace ashtally::test {
namespace {

TEST(FormulaGrammar, OperatorsOfEachLevel) {
    ExpectValues(TFormulaParser(), {
                                       // Bitwise, on operands truncated toward zero.
                                       {"6 & 3", 2},
                                       {"5 | 2", 7},
                                       {"6 ^ 3", 5},
                                       {"-1.9 & 3", 3},
                                       {"6.9 | 0.9", 6},
                                       // Comparison: 1 or 0, exact.
                                       {"1 < 2", 1},
                                       {"2 < 2", 0},
                                       {"2 <= 2", 1},
                                       {"3 > 4", 0},
                                       {"4 >= 4", 1},
                                       {"2 == 2", 1},
                                       {"0.1 + 0.2 == 0.3", 0},
                                       {"2 != 2", 0},
                                       // Sum and term.
                                       {"1 + 2", 3},
                                       {"1 - 2", -1},
                                       {"2 * 3.5", 7},
                                       {"7 / 2", 3.5},
                                       {"-7 % 3", -1},
                                       {"7 % -3", 1},
                                       {"7.9 % 2", 1},
                                       {"50 %% 8", 4},
                                       // Unary.
                                       {"-3", -3},
                                       {"+3", 3},
                                       {"--3", 3},
                                       {"+-3", -3},
                                       {"~0", -1},
                                       {"~5", -6},
                                       {"~-1.5", 0},
                                       {"!0.5", 1},
                                       {"!2", 0},
                                       {"!0", 1},
                                       // Power: e^(y ln x), a zero base always 1.
                                       {"2**10", 1024},
                                       {"2**(3**2)", 512},
                                       {"2**(-1)", 0.5},
                                       {"4**0.5", 2},
                                       {"10**2", 100},
                                       {"0**0", 1},
                                       {"0**3", 1},
                                       {"0**(-1)", 1},
                                       // Parentheses.
                                       {"(1 + 2) * 3", 9},
                                       {"((2))", 2},
                                   });
}

TEST(FormulaGrammar, PrecedenceFromLoosestToTightest) {
    ExpectValues(TFormulaParser(),
                 {
                     {"1 | 2 == 2", 1},  // comparison binds tighter than bitwise
                     {"1 + 1 == 2", 1},  // sum tighter than comparison
                     {"1 + 2 * 3", 7},   // term tighter than sum
                     {"2 * 3 ** 2", 18}, // power tighter than term
                     {"!1 + 1", 1},      // unary tighter than sum
                     {"3 * -2", -6},
                     {"2 - -1", 3},
                     {"-2**2", -4}, // unary looser than power: the same as -(2**2)
                     {"-(2**2)", -4},
                     {"~1 ** 2", -2},
                 });
}

TEST(FormulaGrammar, EachLoopingLevelGroupsToTheLeft) {
    ExpectValues(TFormulaParser(), {
                                       {"1 | 2 & 4", 0}, // & | ^ share one level: (1 | 2) & 4
                                       {"6 ^ 3 & 1", 1},
                                       {"1 < 2 < 3", 1}, // (1 < 2) < 3
                                       {"3 > 2 > 1", 0},
                                       {"1 - 2 - 3", -4},
                                       {"12 / 3 / 2", 2},
                                       {"2 * 3 % 4", 2},
                                       {"7 % 3 * 2", 2},
                                       {"200 %% 10 %% 50", 10},
                                   });
}

TEST(FormulaGrammar, StatementsAndAssignments) {
    ExpectValues(TFormulaParser(),
                 {
                     {"1; 2; 3", 3},
                     {"X = 3; X * 2", 6},
                     {"Y = 2 + 3", 5},
                     {"A = B = 4; A + B", 8},
                     {"(Z = 2) * 3", 6},
                     {"1 + Z = 4", 5}, // the assignment is a primary
                     {"X = 1; X = X + 1; X", 2},
                     {"IF(X = 1, 10, 20)", 10}, // "=" always assigns; equality is "=="
                     {"IF(X = 1, 10, 20); X", 1},
                 });
}

TEST(FormulaGrammar, SyntaxErrors) {
    ExpectMessages(TFormulaParser(),
                   {
                       {"", kSyntaxError},
                       {"   ", kSyntaxError},
                       {"3 4", kSyntaxError},
                       {"1;", kSyntaxError},
                       {";1", kSyntaxError},
                       {"(1;2)", kSyntaxError}, // statements only at the outermost level
                       {"(1", kSyntaxError},
                       {"1)", kSyntaxError},
                       {"()", kSyntaxError},
                       {"2**3**2", kSyntaxError}, // one power per power expression
                       {"2**-1", kSyntaxError},   // its right side is a primary
                       {"1 +", kSyntaxError},
                       {"* 2", kSyntaxError},
                       {"X = ", kSyntaxError},
                       {"'a'", kSyntaxError},
                       // The name is resolved before the stray token is judged.
                       {"undefined #", UnknownName("UNDEFINED")},
                   });
}

TEST(FormulaGrammar, TextFormulas) {
    TFormulaParser parser;
    parser.SetStrVar("Name", "Ann");
    ExpectTexts(parser, {
                            {"'a' + 'b' + 'c'", "abc"},
                            {"('a' + 'b') + 'c'", "abc"},
                            {"'a' + ('b' + 'c')", "abc"},
                            {"'a'; 'b'", "b"},
                            {"name", "Ann"},
                            {"'Hi ' + NAME", "Hi Ann"},
                            {"T = 'x'; T + T", "xx"},
                            {"(T = 'y') + T", "yy"},
                            {"TRIM('  a b  ')", "a b"},
                            {"LTRIM('  a b  ')", "a b  "},
                            {"RTRIM('  a b  ')", "  a b"},
                            {"trim(' x' + ' ')", "x"},
                        });
    ExpectMessages(parser,
                   {
                       {"", kSyntaxError},
                       {"'a' + 1", kSyntaxError}, // a text formula has no way to write a number
                       {"1", kSyntaxError},
                       {"'a' 'b'", kSyntaxError},
                       {"'a' - 'b'", kSyntaxError},
                       {"('a'", kSyntaxError},
                       {"'a';", kSyntaxError},
                       {"Nobody", UnknownName("NOBODY")},
                       {"FOO('a')", UnknownName("FOO")},
                       {"TRIM('a'", UnknownName("TRIM")},
                       {"TRIM('a', 'b')", UnknownName("TRIM")},
                   },
                   Language::Text);
}

} // namespace
} // namespace ashtally::test
