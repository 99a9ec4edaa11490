#include "util/errors.h"
#include "util/numconv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ashtally {
namespace {

TEST(FloatToStr, GeneralFormWithFifteenSignificantDigits) {
    struct Case {
        double Value;
        const char* Point;
        const char* Comma;
    };
    const std::vector<Case> cases = {
        {38353.5, "38353.5", "38353,5"},
        {38353, "38353", "38353"},
        {100, "100", "100"},
        {0.1 + 0.2, "0.3", "0,3"},
        {1.2345, "1.2345", "1,2345"},
        {3.5, "3.5", "3,5"},
        {-2.5, "-2.5", "-2,5"},
        {0, "0", "0"},
        {-0.0, "0", "0"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3, "0.666666666666667", "0,666666666666667"},
        {38353.123456789012, "38353.123456789", "38353,123456789"},
        // Plain from 1E-4 up to 15 integer digits, an exponent beyond.
        {0.0001, "0.0001", "0,0001"},
        {0.00012345, "0.00012345", "0,00012345"},
        {0.00001, "1E-5", "1E-5"},
        {1e-7, "1E-7", "1E-7"},
        {-1.5e-7, "-1.5E-7", "-1,5E-7"},
        {1e14, "100000000000000", "100000000000000"},
        {123456789012345, "123456789012345", "123456789012345"},
        {1e15, "1E15", "1E15"},
        {1234567890123456, "1.23456789012346E15", "1,23456789012346E15"},
        {999999999999999.9, "1E15", "1E15"}, // rounding to 15 digits moves the exponent
        {1e20, "1E20", "1E20"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308", "1,79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324",
         "4,94065645841247E-324"},
        {std::nan(""), "NAN", "NAN"},
        {HUGE_VAL, "INF", "INF"},
        {-HUGE_VAL, "-INF", "-INF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Point);
        EXPECT_EQ(c.Point, FloatToStr(c.Value));
        EXPECT_EQ(c.Comma, FloatToStr(c.Value, ","));
    }
}

TEST(FloatToStr, ReadsBackToWithinAFractionOfAMillisecond) {
    for (double moment = -693593.123; moment < 2958465; moment += 12345.6789012345) {
        for (const char* separator : {".", ","}) {
            const double back = StrToFloat(FloatToStr(moment, separator), separator);
            ASSERT_NEAR(moment, back, 0.5 / 86400000) << FloatToStr(moment);
        }
    }
}

TEST(StrToFloat, AcceptsEitherSeparatorSignsExponentsAndBlanks) {
    struct Case {
        const char* Text;
        double Value;
    };
    const std::vector<Case> cases = {
        {"38353.5", 38353.5},
        {"38353,5", 38353.5},
        {" 1.5 ", 1.5},
        {"\t2\t", 2},
        {"+1.5", 1.5},
        {"-1,5", -1.5},
        {"1e3", 1000},
        {"1E-7", 1e-7},
        {"1,5E-7", 1.5e-7},
        {"2.5e+2", 250},
        {".5", 0.5},
        {"5.", 5},
        {"0", 0},
        {"00012", 12},
        {"1e-400", 0},
        {"-1e-400", -0.0},
        {"1.2345", 1.2345},
        {"0.3", 0.3},
        {"1E0300", 1e300},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"0.000000000000000000000000000000000000000000000000000000000001e60", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Value, StrToFloat(c.Text));
        EXPECT_EQ(c.Value, StrToFloat(c.Text, ","));
    }
    // A locale's own separator of more than one byte (the Arabic decimal separator).
    EXPECT_EQ(1.5, StrToFloat("1\u066B5", "\u066B"));
    EXPECT_EQ(1.5, StrToFloat("1.5", "\u066B"));
}

TEST(StrToFloat, RejectsAnythingElseWithTheTextInTheMessage) {
    const std::vector<std::string> bad = {
        "",     " ",        "abc",   "1.2.3",  "1,2.3", "1.2,3", "nan", "NaN", "inf",
        "-inf", "infinity", "1e",    "1e+",    "e5",    ".",     "-",   "+-1", "1 2",
        "1.5x", "0x10",     "1e400", "-1e400", "1'000", "1_000", "١",   "--1", "1e5.5",
    };
    for (const auto& text : bad) {
        SCOPED_TRACE(text);
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ("'" + text + "' is not a valid floating point value", e.what());
        }
    }
}

TEST(StrToFloat, IgnoresTheProcessLocale) {
    // A program running under a comma locale must read and write the same as under "C".
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma locale installed";
    }
    EXPECT_EQ(1.5, StrToFloat("1.5"));
    EXPECT_EQ("1.5", FloatToStr(1.5));
    EXPECT_EQ(42, StrToInt("42"));
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(StrToInt, ReadsSigned32BitIntegers) {
    struct Case {
        const char* Text;
        std::int32_t Value;
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"42", 42},
        {"-42", -42},
        {"+7", 7},
        {" 12 ", 12},
        {"0007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Value, StrToInt(c.Text));
    }
}

TEST(StrToInt, RejectsAnythingElseWithTheTextInTheMessage) {
    const std::vector<std::string> bad = {
        "",    "  ",  "abc", "2147483648", "-2147483649", "99999999999999999999",
        "1.0", "1,0", "1e3", "0x10",       "--1",         "+-1",
        "- 1", "1 2", "+",   "-",          "abc1",        "1abc",
    };
    for (const auto& text : bad) {
        SCOPED_TRACE(text);
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ("'" + text + "' is not a valid integer value", e.what());
        }
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double Value;
        std::int64_t Rounded;
    };
    const std::vector<Case> cases = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},
        {1000000000000000.5, 1000000000000000},
        {4503599627370497.0, 4503599627370497}, // odd, and too large to have a fraction
        {-9223372036854775808.0, std::numeric_limits<std::int64_t>::min()},
        {9223372036854774784.0, 9223372036854774784}, // the largest double below 2^63
        // Money read from a file: the amount times 10000.
        {StrToFloat("1.2345") * 10000, 12345},
        {StrToFloat("3,5") * 10000, 35000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_EQ(c.Rounded, RoundHalfEven(c.Value));
    }
}

TEST(RoundHalfEven, OutsideThe64BitRangeIsAnInvalidOperation) {
    for (const double value : {9223372036854775808.0, -9223372036854777856.0, 1e300, -1e300,
                               HUGE_VAL, -HUGE_VAL, std::nan("")}) {
        SCOPED_TRACE(value);
        try {
            RoundHalfEven(value);
            ADD_FAILURE() << "accepted";
        } catch (const EInvalidOp& e) {
            EXPECT_STREQ("Invalid floating point operation", e.what());
        }
    }
}

} // namespace
} // namespace ashtally
