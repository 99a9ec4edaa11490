// Variables and the name rules: case, separate name spaces, constants that hide variables, and
// resolvers a derived evaluator overrides.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "formulacases.h"

namespace ashtally::test {
namespace {

TEST(FormulaVariables, NamesAreStoredUpperCaseAndMatchedExactlyByGetVar) {
    TFormulaParser parser;
    parser.SetVar("cigperday", 20);
    parser.SetVar("CigPerDay", 25); // the same variable
    EXPECT_EQ(parser.GetVar("CIGPERDAY"), 25);
    ExpectValues(parser, {{"CIGPERDAY", 25}, {"cigPerDay", 25}});
    EXPECT_THROW(
        {
            try {
                parser.GetVar("CigPerDay");
            } catch (const ECalculate& error) {
                EXPECT_STREQ(error.what(), "Unknown function or variable \"CigPerDay\".");
                throw;
            }
        },
        ECalculate);
}

TEST(FormulaVariables, NamesOfEveryLengthAreKeptApart) {
    // Names that differ only at the start, the end or in the middle, at every length the
    // lookup treats in its own way.
    const std::vector<std::string> names{"A",
                                         "B",
                                         "AB",
                                         "BA",
                                         "ABC",
                                         "ACB",
                                         "ABCD",
                                         "ABDD",
                                         "ABCDEFG",
                                         "ABCDEFH",
                                         "XBCDEFG",
                                         "ABCDEFGH",
                                         "ABCDEFGI",
                                         "ABCDEFGHIJKLMNOP",
                                         "ABCDEFGHIJKLMNOQ",
                                         "BBCDEFGHIJKLMNOP",
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                         "ABCDEFGHIJKLMXOPQRSTUVWXYZ",
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYY",
                                         std::string(64, 'L'),
                                         std::string(65, 'L'),
                                         std::string(300, 'L') + "A",
                                         std::string(300, 'L') + "B"};
    TFormulaParser parser;
    for (std::size_t i = 0; i < names.size(); ++i) {
        parser.SetVar(names[i], static_cast<double>(i));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(parser.GetVar(names[i]), static_cast<double>(i));
        parser.SetExpression(names[i] + " + 0");
        EXPECT_EQ(parser.Calculate(), static_cast<double>(i));
    }
    EXPECT_THROW(parser.GetVar("ABCDEFGHIJKLMNOPQRSTUVWXYX"), ECalculate);
    EXPECT_THROW(parser.GetVar(""), ECalculate);
}

TEST(FormulaVariables, NumbersAndTextsAreSeparateNameSpaces) {
    TFormulaParser parser;
    parser.SetVar("N", 1);
    parser.SetStrVar("n", "one");
    EXPECT_EQ(parser.GetVar("N"), 1);
    EXPECT_EQ(parser.GetStrVar("N"), "one");
    ExpectValues(parser, {{"N", 1}});
    ExpectTexts(parser, {{"N", "one"}});
    EXPECT_THROW(parser.GetStrVar("M"), ECalculate);
}

TEST(FormulaVariables, AssignmentsInFormulasStoreVariables) {
    TFormulaParser parser;
    parser.SetExpression("total = 2 * 3");
    EXPECT_EQ(parser.Calculate(), 6);
    EXPECT_EQ(parser.GetVar("TOTAL"), 6);
    parser.SetExpression("Greeting = 'hi'");
    EXPECT_EQ(parser.CalculateStr(), "hi");
    EXPECT_EQ(parser.GetStrVar("GREETING"), "hi");
}

TEST(FormulaVariables, BuiltInConstantsHideVariablesOfTheSameName) {
    TFormulaParser parser;
    parser.SetExpression("PI = 4");
    EXPECT_EQ(parser.Calculate(), 4);
    EXPECT_EQ(parser.GetVar("PI"), 4);
    ExpectValues(parser, {{"PI", 3.141592653589793}, {"pi + 0", 3.141592653589793}});
}

TEST(FormulaVariables, AVariableThatIsNotFiniteFailsWhenRead) {
    TFormulaParser parser;
    parser.SetVar("Big", std::numeric_limits<double>::infinity());
    parser.SetVar("Nan", std::nan(""));
    ExpectMessages(parser, {{"Big", kOverflow}, {"NAN * 0", kInvalidOp}});
}

// An evaluator that knows more names, the way a program extends it.
class ExtendedParser : public TFormulaParser {
public:
    int Lookups = 0;

protected:
    bool CalcBuiltIn(TCalcType request, std::string_view name, double& value) override {
        if (request == TCalcType::ctGetValue && name == "TAU") {
            value = 6.25;
            return true;
        }
        if (request == TCalcType::ctFunction && name == "TWICE") {
            value *= 2;
            return true;
        }
        if (request == TCalcType::ctFunction && name == "BROKEN") {
            throw EOverflow();
        }
        return TFormulaParser::CalcBuiltIn(request, name, value);
    }

    bool CalcIdent(TCalcType request, std::string_view name, double& value) override {
        ++Lookups;
        if (request == TCalcType::ctGetValue && name == "SILENT") {
            return false; // not handled
        }
        return TFormulaParser::CalcIdent(request, name, value);
    }
};

TEST(FormulaVariables, DerivedEvaluatorsExtendTheResolvers) {
    ExtendedParser parser;
    ExpectValues(parser, {
                             {"tau", 6.25},
                             {"TWICE(tau) + PI", 12.5 + 3.141592653589793},
                             {"TAU = 1; TAU", 6.25},
                         });
    ExpectMessages(parser, {
                               {"BROKEN(1)", UnknownName("BROKEN")},
                               {"silent", UnknownName("SILENT")},
                           });
    parser.SetExpression("TWICE(2) + TAU");
    parser.Calculate();
    EXPECT_EQ(parser.Lookups, 2);
}

} // namespace
} // namespace ashtally::test
