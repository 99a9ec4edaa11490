// The built-in constants, the one-argument functions and the seventeen built-in calls, each
// with its argument count.
#include "formulacases.h"

namespace ashtally::test {
namespace {

TEST(FormulaBuiltIns, Constants) {
    ExpectValues(TFormulaParser(),
                 {
                     {"PI", 3.141592653589793},
                     {"pi", 3.141592653589793},
                     {"Pi", 3.141592653589793},
                     {"E", 2.718281828}, // exactly as written, not the double nearest to e
                     {"LN(E) == 1", 0},
                     {"TRUE", 1},
                     {"false", 0},
                 });
}

TEST(FormulaBuiltIns, OneArgumentFunctions) {
    ExpectValues(TFormulaParser(), {
                                       {"TRUNC(-2.7)", -2},
                                       {"TRUNC(2.7)", 2},
                                       {"INT(-2.7)", -2},
                                       {"INT(1.0e30)", 1e30}, // no 64-bit limit
                                       {"FRAC(-2.7)", -0.7, 1e-12},
                                       {"FRAC(2.5)", 0.5},
                                       {"SIN(0)", 0},
                                       {"SIN(PI / 2)", 1},
                                       {"SIN(1.0e19)", 0},
                                       {"COS(0)", 1},
                                       {"COS(-1.0e19)", 0},
                                       {"TAN(0)", 0},
                                       {"TAN(PI / 4)", 1, 1e-15},
                                       {"ATAN(1) * 4", 3.141592653589793, 1e-15},
                                       {"LN(1)", 0},
                                       {"LN(E)", 1, 1e-9},
                                       {"EXP(0)", 1},
                                       {"EXP(1)", 2.718281828459045, 1e-15},
                                       {"EXP(-1000)", 0},
                                       {"SIGN(-3)", -1},
                                       {"SIGN(2.5)", 1},
                                       {"SIGN(0)", 0},
                                       {"SGN(-3)", 0},
                                       {"SGN(3)", 1},
                                       {"XSGN(-3)", 0},
                                       {"XSGN(2.5)", 2.5},
                                       {"trunc(DiffInDays = 3.5)", 3},
                                       {"TRUNC(2.5) * 2", 4},
                                   });
}

TEST(FormulaBuiltIns, OneArgumentFunctionErrors) {
    ExpectMessages(TFormulaParser(),
                   {
                       // A fault inside the function is reported as its name being unknown.
                       {"LN(0)", UnknownName("LN")},
                       {"LN(-1)", UnknownName("LN")},
                       {"EXP(1000)", UnknownName("EXP")},
                       {"TRUNC(1.0e30)", UnknownName("TRUNC")},
                       {"TAN(1.0e19)", UnknownName("TAN")},
                       // No comma-separated arguments, no missing parenthesis, no unknown function.
                       {"SIN(1,2)", UnknownName("SIN")},
                       {"SIN(1", UnknownName("SIN")},
                       {"foo(1)", UnknownName("FOO")},
                       {"SIN", UnknownName("SIN")},
                       {"SIN()", kSyntaxError},
                       // A fault in the argument itself is not the function's.
                       {"SIN(1/0)", kZeroDivide},
                   });
}

TEST(FormulaBuiltIns, NumericCalls) {
    TFormulaParser parser;
    parser.SetVar("X", 7);
    parser.SetStrVar("S", "text");
    ExpectValues(
        parser,
        {
            {"IF(1, 2, 3)", 2},
            {"IF(2, 2, 3)", 2},
            {"IF(0.5, 2, 3)", 3},
            {"IF(-1, 2, 3)", 3},
            {"IF(1, 2, 1/0)", 2}, // the branch not taken is never evaluated
            {"if(1, 2, 3)", 2},
            {"2 * IF(1, 3, 4) * 5", 30},
            {"IF(1, IF(0, 1, 2), 3)", 2},
            {"IF(1, AND(1, 1), 3)", 1},
            {"IF((1), (2), 3)", 2},
            {"IF(X = 1; 0, 2, 3)", 3}, // an argument may hold statements
            {"AND(2, 3)", 1},
            {"AND(1, 0)", 0},
            {"AND(-1, 2)", -2},
            {"AND(1, 1, 1)", 1},
            {"OR(0, 0)", 0},
            {"OR(-1, -2)", -3},
            {"OR(0.5, 0)", 1},
            {"NOT(0)", 1},
            {"NOT(0.9)", 1},
            {"NOT(3)", 0},
            {"LEN('abc')", 3},
            {"LEN('')", 0},
            {"LEN(S + 's')", 5},
            {"LEN(CONCATENATE('ab', 'cd'))", 4},
            {"LEN(REPL('ab', 2))", 6},
            {"LEN(LEN('a'))", 0}, // the inner call stands in a text formula, where LEN is empty
            {"EMPTY('   ')", 1},
            {"EMPTY('')", 1},
            {"EMPTY(' a ')", 0},
            {"COMPARE('a', 'A')", 0},
            {"COMPARE('ab', 'a' + 'b')", 1},
            {"ROUND(1234.5678, -1)", 1234.57}, // decimals outside 0..18 mean 2
            {"ROUND(1234.5678, 19)", 1234.57},
            {"ROUND(1234.5678, 2.5)", 1234.57}, // decimals rounded half to even
            {"ROUND(1234.5678, 3.5)", 1234.5678},
            {"ROUND(1234.5678, 0)", 1235},
            {"ROUND(0.125, 2)", 0.13}, // halves away from zero...
            {"ROUND(2.5, 0)", 3},
            {"ROUND(-2.5, 0)", -3},
            {"ROUND(1.005, 2)", 1}, // ...judged on the 18-digit form: 1.005 is slightly less
            {"ROUND(99.5, 0)", 100},
            {"ROUND(-0.0004, 2)", 0},
            {"ROUND(1.0e20, 2)", 1e20},
            {"EVALUATE(5)", 5},
            {"EVALUATE(1; 2)", 2},
            {"ISVARNA(X)", 0},
            {"ISVARNA( x )", 0},
            {"ISSTRVARNA(s)", 0},
            // The text functions mean nothing here: 0, arguments neither counted nor evaluated.
            {"CONCATENATE('a', 'b')", 0},
            {"REPL(1/0)", 0},
            {"LEFT(1, 2, 3, 4, 5)", 0},
            {"RIGHT()", 0},
            {"SUBSTR('abc', 1, 1)", 0},
        });
}

TEST(FormulaBuiltIns, NumericCallErrors) {
    TFormulaParser parser;
    parser.SetVar("X", 7);
    ExpectMessages(parser,
                   {
                       {"IF(1, 2)", kParameterCount},
                       {"IF(1, 2, 3, 4)", kParameterCount},
                       {"IF()", kParameterCount},
                       {"IF(1/0, 2)", kParameterCount}, // counted before anything is evaluated
                       {"AND(1)", kParameterCount},
                       {"OR(1)", kParameterCount},
                       {"NOT(1, 2)", kParameterCount},
                       {"LEN('a', 'b')", kParameterCount},
                       {"EMPTY('a', 'b')", kParameterCount},
                       {"COMPARE('a')", kParameterCount},
                       {"ROUND(1)", kParameterCount},
                       {"EVALUATE(1, 2)", kParameterCount},
                       {"ISVARNA(X, X)", kParameterCount},
                       {"ISSTRVARNA(a, b)", kParameterCount},
                       {"ISSTRVARNA()", UnknownName("")}, // one empty argument text
                       {"ISFORMULANA(a, b)", kParameterCount},
                       // Name tests show the name as written; ISFORMULANA always fails.
                       {"ISVARNA(cigsperday)", UnknownName("cigsperday")},
                       {"ISVARNA( Nobody )", UnknownName("Nobody")},
                       {"ISSTRVARNA(X)", UnknownName("X")},
                       {"ISFORMULANA(x)", UnknownName("x")},
                       // Arguments are formulas of their own.
                       {"IF(1, 2, 3", UnknownName("IF")},
                       {"LEN('(')", UnknownName("LEN")}, // quotes do not hide parentheses
                       {"LEN(CONCATENATE('a,b', 'c'))", kInvalidString}, // nor commas
                       {"EMPTY()", kSyntaxError},
                       {"IF(, 1, 2)", kSyntaxError},
                       {"EVALUATE('1')", kSyntaxError},
                       {"IF(1, 1/0, 2)", kZeroDivide},
                       {"IF(0, Y = 5, 3); ISVARNA(Y)",
                        UnknownName("Y")}, // the branch not taken assigns nothing
                       {"ROUND(1, 1.0e30)", kInvalidOp},
                       {"NOT(1.0e19)", kInvalidOp},
                       {"AND(1.0e200, 1.0e200)", kOverflow},
                       {"OR(1.0e308, 1.0e308)", kOverflow},
                       {"IF(1, 2, 3) 4", kSyntaxError},
                   });
}

TEST(FormulaBuiltIns, TextCalls) {
    TFormulaParser parser;
    parser.SetStrVar("S", "abc");
    ExpectTexts(parser,
                {
                    {"IF(1, 'a', 'b')", "a"},
                    {"IF(0.5, 'a', 'b')", "b"},
                    {"IF(1, 'a', 1/0)", "a"},
                    {"CONCATENATE('a', 'b', 'c')", "abc"},
                    {"CONCATENATE(S, ' ', s)", "abc abc"},
                    {"REPL('ab', 2)", "ababab"}, // n further copies
                    {"REPL('ab', 0)", "ab"},
                    {"REPL('ab', -1)", "ab"},
                    {"REPL('ab', 1.5)", "ababab"}, // counts rounded half to even
                    {"REPL('ab', 2.5)", "ababab"},
                    {"REPL('', 5)", ""},
                    {"LEFT('abc', 2)", "ab"},
                    {"LEFT('abc', 5)", "abc"},
                    {"LEFT('abc', 0)", ""},
                    {"LEFT('abc', -1)", ""},
                    {"LEFT('abc', 0.5)", ""},
                    {"RIGHT('abc', 2)", "bc"},
                    {"RIGHT('abc', 5)", "abc"},
                    {"RIGHT('abc', 0)", ""},
                    {"SUBSTR('abcdef', 2, 3)", "bcd"},
                    {"SUBSTR('abcdef', 0, 2)", "ab"}, // a start below 1 counts as 1, count kept
                    {"SUBSTR('abcdef', -5, 2)", "ab"},
                    {"SUBSTR('abc', 3, 1)", "c"},
                    {"SUBSTR('abc', 4, 1)", ""},
                    {"SUBSTR('abc', 5, 1)", ""},
                    {"SUBSTR('abc', 2, 0)", ""},
                    {"SUBSTR('abc', 2, 10)", "bc"},
                    {"LEFT(S, 1) + RIGHT(S, 1)", "ac"},
                    // The numeric functions mean nothing here: empty, arguments neither counted nor
                    // evaluated.
                    {"LEN('abc')", ""},
                    {"ROUND(1/0)", ""},
                    {"AND()", ""},
                    {"'<' + EVALUATE(1) + '>'", "<>"},
                });
    ExpectMessages(parser,
                   {
                       {"IF(1, 'a')", kParameterCount},
                       {"CONCATENATE('a')", kParameterCount},
                       {"REPL('a')", kParameterCount},
                       {"LEFT('a', 1, 2, 3, 4)", kParameterCount},
                       {"RIGHT('a')", kParameterCount},
                       {"SUBSTR('a', 1)", kParameterCount},
                       {"IF('1', 'a', 'b')", kSyntaxError}, // the condition is numeric
                       {"LEFT('abc', 'x')", kSyntaxError},
                       {"LEFT('abc', 1.0e30)", kInvalidOp},
                       {"CONCATENATE('a', 'b'", UnknownName("CONCATENATE")},
                   },
                   Language::Text);
}

} // namespace
} // namespace ashtally::test
