#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/formulaparser.h"

// Tables of formulas and what they must give. Each row runs on its own copy of the prototype
// evaluator (of its own class), so an assignment in one row never leaks into the next.
namespace ashtally::test {

struct ValueCase {
    std::string Formula;
    double Value;
    double Tolerance = 0.0; // 0: the very same double
};

struct TextCase {
    std::string Formula;
    std::string Text;
};

struct MessageCase {
    std::string Formula;
    std::string Message;
};

template <typename Parser>
void ExpectValues(const Parser& prototype, const std::vector<ValueCase>& cases) {
    for (const ValueCase& row : cases) {
        SCOPED_TRACE("formula: " + row.Formula);
        Parser parser = prototype;
        parser.SetExpression(row.Formula);
        try {
            const double value = parser.Calculate();
            if (row.Tolerance == 0.0) {
                EXPECT_EQ(value, row.Value);
            } else {
                EXPECT_NEAR(value, row.Value, row.Tolerance);
            }
        } catch (const Exception& error) {
            ADD_FAILURE() << "raised: " << error.what();
        }
    }
}

template <typename Parser>
void ExpectTexts(const Parser& prototype, const std::vector<TextCase>& cases) {
    for (const TextCase& row : cases) {
        SCOPED_TRACE("formula: " + row.Formula);
        Parser parser = prototype;
        parser.SetExpression(row.Formula);
        try {
            EXPECT_EQ(parser.CalculateStr(), row.Text);
        } catch (const Exception& error) {
            ADD_FAILURE() << "raised: " << error.what();
        }
    }
}

enum class Language { Numeric, Text };

// Every error is one of the program's own exceptions, carrying the message the user sees.
template <typename Parser>
void ExpectMessages(const Parser& prototype, const std::vector<MessageCase>& cases,
                    Language language = Language::Numeric) {
    for (const MessageCase& row : cases) {
        SCOPED_TRACE("formula: " + row.Formula);
        Parser parser = prototype;
        parser.SetExpression(row.Formula);
        try {
            if (language == Language::Numeric) {
                ADD_FAILURE() << "gave " << parser.Calculate();
            } else {
                ADD_FAILURE() << "gave \"" << parser.CalculateStr() << '"';
            }
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), row.Message);
        }
    }
}

inline const std::string kSyntaxError = "Syntax error.";
inline const std::string kInvalidString = "Invalid string";
inline const std::string kParameterCount = "Incorrect parameter count for function!";
inline const std::string kZeroDivide = "Floating point division by zero";
inline const std::string kInvalidOp = "Invalid floating point operation";
inline const std::string kOverflow = "Floating point overflow";
inline const std::string kDivByZero = "Division by zero";

inline std::string UnknownName(const std::string& name) {
    return "Unknown function or variable \"" + name + "\".";
}

} // namespace ashtally::test
