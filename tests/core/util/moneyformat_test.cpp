#include "util/moneyformat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ashtally {
namespace {

TEST(FormatMoney, RoundsFourDecimalsToTwoHalvesAwayFromZero) {
    const RegionalSettings us; // "$1,234.56", negative "-$1"
    struct Case {
        std::int64_t fixedPoint;
        std::string expected;
    };
    const std::vector<Case> cases{
        {0, "$0.00"},
        {50002, "$5.00"},
        {12345, "$1.23"},
        {12350, "$1.24"},
        {12250, "$1.23"}, // away from zero, not to even
        {-12350, "-$1.24"},
        {-49, "$0.00"}, // rounds to nothing: no sign
        {12345678900, "$1,234,567.89"},
        {9999950, "$1,000.00"},
        {INT64_MIN, "-$922,337,203,685,477.58"},
        {INT64_MAX, "$922,337,203,685,477.58"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatMoney(c.fixedPoint, us), c.expected) << c.fixedPoint;
    }
}

TEST(FormatMoney, FollowsTheRegionalPatterns) {
    RegionalSettings euro;
    euro.DecimalSeparator = ",";
    euro.ThousandSeparator = ".";
    euro.CurrencySymbol = "\xE2\x82\xAC";
    euro.CurrencyFormat = 3;
    euro.NegCurrFormat = 8;
    EXPECT_EQ(FormatMoney(12345600, euro), "1.234,56 \xE2\x82\xAC");
    EXPECT_EQ(FormatMoney(-12345600, euro), "-1.234,56 \xE2\x82\xAC");

    RegionalSettings r;
    r.CurrencySymbol = "$";
    const std::vector<std::string> positive{"$1.50", "1.50$", "$ 1.50", "1.50 $"};
    for (int format = 0; format < 4; ++format) {
        r.CurrencyFormat = format;
        EXPECT_EQ(FormatMoney(15000, r), positive[static_cast<std::size_t>(format)]) << format;
    }
    const std::vector<std::string> negative{
        "($1.50)", "-$1.50",  "$-1.50",  "$1.50-",  "(1.50$)", "-1.50$",  "1.50-$",   "1.50$-",
        "-1.50 $", "-$ 1.50", "1.50 $-", "$ 1.50-", "$ -1.50", "1.50- $", "($ 1.50)", "(1.50 $)"};
    for (int format = 0; format < 16; ++format) {
        r.NegCurrFormat = format;
        EXPECT_EQ(FormatMoney(-15000, r), negative[static_cast<std::size_t>(format)]) << format;
    }
    // A pattern number out of range falls back to the first pattern.
    r.CurrencyFormat = 9;
    r.NegCurrFormat = -1;
    EXPECT_EQ(FormatMoney(15000, r), "$1.50");
    EXPECT_EQ(FormatMoney(-15000, r), "($1.50)");
}

} // namespace
} // namespace ashtally
