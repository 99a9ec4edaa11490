#include "util/textutils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ashtally {
namespace {

TEST(FindWild, MatchesWithWildcardsAndAsciiCaseOnly) {
    struct Case {
        std::string text;
        std::string pattern;
        std::size_t from;
        std::size_t expected;
    };
    const std::vector<Case> cases{
        {"Hello <Name>!", "<name>", 0, 6},
        {"<NAME><name>", "<name>", 1, 6},
        {"no placeholder", "<name>", 0, kNotFound},
        {"x<spantext01110001>",
         "<spantext????????"
         ">",
         0, 1},
        // seven mask characters are not a masked placeholder
        {"<spantext0111000>",
         "<spantext????????"
         ">",
         0, kNotFound},
        {"abc", "", 0, 0},
        {"ab", "abc", 0, kNotFound},
        // only ASCII letters fold: the Greek capital does not match the small letter
        {"\xCE\x91", "\xCE\xB1", 0, kNotFound},
        // "?" takes one whole character, so a Greek letter counts once
        {"<\xCE\xB1\xCE\xB2>",
         "<??"
         ">",
         0, 0},
        {"<\xCE\xB1\xCE\xB2>",
         "<????"
         ">",
         0, kNotFound},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindWild(c.text, c.pattern, c.from), c.expected) << c.text << " / " << c.pattern;
    }
}

TEST(ReplaceAllWild, ReplacesLeftToRightWithoutRescanningInsertedText) {
    struct Case {
        std::string text;
        std::string pattern;
        std::string replacement;
        std::string expected;
        std::size_t count;
    };
    const std::vector<Case> cases{
        {"<name> and <NAME> and <Name>", "<name>", "Ann", "Ann and Ann and Ann", 3},
        // the inserted text holds the pattern again: it is not replaced a second time
        {"<name>!", "<name>", "<name><name>", "<name><name>!", 1},
        // matches do not overlap: "aaa" holds one "aa" from the left, then "a" is left
        {"aaa", "aa", "b", "ba", 1},
        {"a?c", "a?c", "x", "x", 1},
        {"abc ABC", "a?c", "x", "x x", 2},
        {"nothing", "<name>", "Ann", "nothing", 0},
        {"", "<name>", "Ann", "", 0},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceAllWild(text, c.pattern, c.replacement), c.count) << c.text;
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(NumberToWords, GroupsOfThreeWithScaleWords) {
    struct Case {
        std::int64_t number;
        std::string expected;
    };
    const std::vector<Case> cases{
        {1, "One"},
        {12, "Twelve"},
        {19, "Nineteen"},
        {20, "Twenty"},
        {21, "Twenty One"},
        {99, "Ninety Nine"},
        {100, "One Hundred"},
        {105, "One Hundred Five"},
        {110, "One Hundred Ten"},
        {999, "Nine Hundred Ninety Nine"},
        {1000, "One Thousand"},
        {2345, "Two Thousand Three Hundred Forty Five"},
        {1000001, "One Million One"},
        {3000000000LL, "Three Billion"},
        {1002003004005LL, "One Trillion Two Billion Three Million Four Thousand Five"},
        {0, "Zero"},
        {-7, "Minus Seven"},
        {INT64_MIN,
         "Minus Nine Quintillion Two Hundred Twenty Three Quadrillion Three Hundred Seventy Two "
         "Trillion Thirty Six Billion Eight Hundred Fifty Four Million Seven Hundred Seventy Five "
         "Thousand Eight Hundred Eight"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToWords(c.number), c.expected) << c.number;
    }
}

TEST(TextRoutines, SplittingTrimmingAndCharacters) {
    std::string left = "keep";
    std::string right = "keep";
    EXPECT_FALSE(SplitAtChar("no bar", '|', left, right));
    EXPECT_EQ(left, "keep");
    EXPECT_TRUE(SplitAtChar("short|long|more", '|', left, right));
    EXPECT_EQ(left, "short");
    EXPECT_EQ(right, "long|more");

    EXPECT_EQ(SplitAtDelimiters("a@x.org; b@y.org,,c@z.org;", ";,"),
              (std::vector<std::string>{"a@x.org", " b@y.org", "c@z.org"}));
    EXPECT_TRUE(SplitAtDelimiters(";,", ";,").empty());

    EXPECT_EQ(TrimControl("\r\n\t x y \x01"), "x y");
    EXPECT_EQ(TrimControl("   "), "");
    EXPECT_EQ(LastCharPos("a,b,c", ','), 3u);
    EXPECT_EQ(LastCharPos("abc", ','), kNotFound);

    EXPECT_EQ(FirstChar("\xCE\xB7\xCE\xBC"), "\xCE\xB7"); // a whole Greek letter
    EXPECT_EQ(FirstChar("\xCE"), "\xCE");                 // a cut-off sequence is one byte
    EXPECT_EQ(FirstChar(""), "");

    std::string mixed = "Ab\xCE\x91z";
    AsciiUpperInPlace(mixed);
    EXPECT_EQ(mixed, "AB\xCE\x91Z");
    AsciiLowerInPlace(mixed);
    EXPECT_EQ(mixed, "ab\xCE\x91z");

    std::string digits;
    AppendInteger(digits, -42);
    AppendInteger(digits, 0);
    AppendInteger(digits, INT64_MIN);
    EXPECT_EQ(digits, "-420-9223372036854775808");
}

} // namespace
} // namespace ashtally
