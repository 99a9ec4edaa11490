// Where the evaluator is sounder than a byte-counting, unbounded one: texts are UTF-8 and counted
// in characters, and nesting and text results are bounded with a clear message.
#include <string>

#include "formulacases.h"

namespace ashtally::test {
namespace {

TEST(FormulaMends, TextFunctionsCountWholeUtf8Characters) {
    ExpectValues(TFormulaParser(),
                 {
                     {"LEN('\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1')", 6}, // Ελλάδα
                     {"LEN('h\xC3\xA9llo')", 5},
                     {"LEN('\xE2\x82\xAC')", 1},     // a three-byte character
                     {"LEN('\xF0\x9F\x98\x80')", 1}, // a four-byte character
                     {"LEN('\xFF\xFE')", 2},         // bytes that start no character count one each
                     {"LEN('a\xC3')", 2},            // a sequence cut off
                     {"LEN('\xC0\x80')", 2},         // an overlong form
                     {"LEN('\xED\xA0\x80')", 3},     // a surrogate
                     {"LEN('\x80\xCE\x95')", 2},     // a stray continuation byte, then a character
                 });
    ExpectTexts(
        TFormulaParser(),
        {
            {"LEFT('\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1', 2)", "\xCE\x95\xCE\xBB"},
            {"RIGHT('\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1', 2)", "\xCE\xB4\xCE\xB1"},
            {"SUBSTR('\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1', 2, 3)",
             "\xCE\xBB\xCE\xBB\xCE\xAC"},
            {"LEFT('\xF0\x9F\x98\x80x', 1)", "\xF0\x9F\x98\x80"},
            {"LEFT('\xFF"
             "ab', 1)",
             "\xFF"},
            {"RIGHT('ab\xC3', 1)", "\xC3"},
        });
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string Nested(const std::string& open, const std::string& inner, const std::string& close,
                   int levels) {
    return Repeat(open, levels) + inner + Repeat(close, levels);
}

TEST(FormulaMends, NestingIsBounded) {
    constexpr int limit = TFormulaParser::kMaxNesting;
    const std::string tooDeep = "Formula nested too deeply (more than " + std::to_string(limit) +
                                " levels of brackets, operators or calls).";
    // The whole formula is one level, every bracket one more.
    ExpectValues(TFormulaParser(), {
                                       {Nested("(", "1", ")", limit - 1), 1},
                                       {Nested("-", "1", "", limit - 1), -1},
                                       {Nested("IF(1, ", "7", ", 0)", limit - 1), 7},
                                   });
    ExpectMessages(TFormulaParser(), {
                                         {Nested("(", "1", ")", limit), tooDeep},
                                         {Nested("(", "1", ")", 100000), tooDeep},
                                         {Nested("-", "1", "", 100000), tooDeep},
                                         {Nested("SIN(", "1", ")", limit), tooDeep},
                                         {Nested("X = ", "1", "", limit), tooDeep},
                                         {Nested("IF(1, ", "7", ", 0)", limit), tooDeep},
                                     });
    ExpectTexts(TFormulaParser(), {{Nested("(", "'a'", ")", limit - 1), "a"}});
    ExpectMessages(TFormulaParser(),
                   {
                       {Nested("(", "'a'", ")", limit), tooDeep},
                       {Nested("TRIM(", "'a'", ")", 100000), tooDeep},
                       {Nested("CONCATENATE('a', ", "'a'", ")", limit), tooDeep},
                   },
                   Language::Text);
}

TEST(FormulaMends, TheEvaluatorIsWholeAgainAfterTheNestingError) {
    TFormulaParser parser;
    parser.SetExpression(Nested("(", "1", ")", 100000));
    EXPECT_THROW(parser.Calculate(), ECalculate);
    parser.SetExpression(Nested("(", "2", ")", TFormulaParser::kMaxNesting - 1));
    EXPECT_EQ(parser.Calculate(), 2);
}

TEST(FormulaMends, TextResultsAreBounded) {
    constexpr auto limit = TFormulaParser::kMaxTextLength;
    const std::string tooLong =
        "Text result too long (more than " + std::to_string(limit) + " bytes).";
    const std::string half = "REPL('ab', " + std::to_string(limit / 2 - 1) + ")";
    ExpectValues(TFormulaParser(), {
                                       {"LEN(REPL('a', " + std::to_string(limit - 1) + "))",
                                        static_cast<double>(limit)},
                                       {"LEN(" + half + ")", static_cast<double>(limit)},
                                   });
    ExpectMessages(TFormulaParser(),
                   {
                       {"REPL('a', " + std::to_string(limit) + ")", tooLong},
                       {"REPL('ab', 1.0e18)", tooLong},
                       {half + " + 'x'", tooLong},
                       {"CONCATENATE(" + half + ", 'x')", tooLong},
                       {"REPL('ab', 1.0e30)", kInvalidOp},
                   },
                   Language::Text);
}

TEST(FormulaMends, RemainderOfTheSmallestIntegerByMinusOneIsZero) {
    ExpectValues(TFormulaParser(), {{"-9223372036854775808 % -1", 0}});
}

} // namespace
} // namespace ashtally::test
