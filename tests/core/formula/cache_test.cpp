// The result cache, observed through a formula that counts its own evaluations.
#include <string>

#include "formulacases.h"

namespace ashtally::test {
namespace {

constexpr const char* kCounter = "X = X + 1";

class FormulaCache : public testing::Test {
protected:
    FormulaCache() { parser.SetVar("X", 0); }

    double Eval(const std::string& formula) {
        parser.SetExpression(formula);
        return parser.Calculate();
    }

    // How often the counter formula has really been evaluated so far.
    double Count() const { return parser.GetVar("X"); }

    TFormulaParser parser;
};

TEST_F(FormulaCache, ARepeatedFormulaIsAnsweredWithoutEvaluating) {
    EXPECT_EQ(Eval(kCounter), 1);
    EXPECT_EQ(Eval(kCounter), 1);
    EXPECT_EQ(Count(), 1);
}

TEST_F(FormulaCache, CapacityZeroEvaluatesEveryTime) {
    EXPECT_EQ(parser.MaxExpCache(), 100);
    parser.SetMaxExpCache(0);
    EXPECT_EQ(Eval(kCounter), 1);
    EXPECT_EQ(Eval(kCounter), 2);
}

TEST_F(FormulaCache, TheOldestEntryGoesWhenTheCacheIsFull) {
    Eval(kCounter);
    for (int i = 0; i < 99; ++i) {
        Eval(std::to_string(i));
    }
    Eval(kCounter); // 100 entries: still there
    EXPECT_EQ(Count(), 1);
    for (int i = 0; i < 100; ++i) {
        Eval(std::to_string(i) + ".0");
    }
    Eval(kCounter); // 100 newer entries: evicted
    EXPECT_EQ(Count(), 2);
}

TEST_F(FormulaCache, EntriesAreKeyedByTheExactText) {
    parser.SetMaxExpCache(2);
    Eval(kCounter);
    Eval("x");
    Eval("X"); // a second entry, which pushes the counter out
    Eval(kCounter);
    EXPECT_EQ(Count(), 2);
}

TEST_F(FormulaCache, ShrinkingTheCapacityDropsTheOldestEntries) {
    Eval(kCounter);
    Eval("1");
    parser.SetMaxExpCache(1);
    Eval(kCounter);
    EXPECT_EQ(Count(), 2);
}

TEST_F(FormulaCache, EveryStoredVariableEmptiesIt) {
    Eval(kCounter);
    parser.SetVar("Other", 1);
    Eval(kCounter);
    parser.SetStrVar("Text", "t");
    Eval(kCounter);
    Eval("Y = 1"); // an assignment inside a formula too
    Eval(kCounter);
    EXPECT_EQ(Count(), 4);
}

TEST_F(FormulaCache, AFailedFormulaLeavesNoEntryButKeepsItsAssignments) {
    const std::string failing = std::string(kCounter) + "; 1/0";
    for (int attempt = 1; attempt <= 2; ++attempt) {
        parser.SetExpression(failing);
        EXPECT_THROW(parser.Calculate(), EZeroDivide);
        EXPECT_EQ(Count(), attempt);
    }
}

TEST_F(FormulaCache, ArgumentsOfBuiltInCallsAreCachedUnderTheirOwnText) {
    EXPECT_EQ(Eval("IF(1, X = X + 1, 0)"), 1);
    EXPECT_EQ(Eval(kCounter), 1);
    EXPECT_EQ(Count(), 1);
}

TEST_F(FormulaCache, TextFormulasAreNeverCached) {
    parser.SetStrVar("T", "");
    parser.SetExpression("T = T + 'a'");
    parser.CalculateStr();
    EXPECT_EQ(parser.CalculateStr(), "aa");
}

TEST_F(FormulaCache, ExpressionIsTheFormulaAgainAfterABuiltInCall) {
    const std::string formula = "IF(1, 2, 3) + LEN('ab')";
    EXPECT_EQ(Eval(formula), 4);
    EXPECT_EQ(parser.Expression(), formula);
}

} // namespace
} // namespace ashtally::test
