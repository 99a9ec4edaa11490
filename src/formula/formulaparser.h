#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "formula/ecalculate.h"
#include "formula/namedvalues.h"

namespace ashtally {

class FormulaScanner;

// What a resolver is asked to do with a name.
enum class TCalcType {
    ctGetValue, // give the value of the name
    ctSetValue, // store the value under the name
    ctFunction, // apply the one-argument function of that name to the value
};

// The formula evaluator: named numbers and texts, built-in constants and functions, and a cache
// of results. Every placeholder of a text template is one formula evaluated here, so evaluating
// allocates nothing for ordinary numeric formulas: the scanner reads straight from the text and
// names are upper-cased into a buffer on the stack.
//
// Errors of the formula are ECalculate; faults of the arithmetic are EZeroDivide, EInvalidOp,
// EOverflow and EDivByZero. No infinity and no not-a-number ever comes out of Calculate.
class TFormulaParser {
public:
    // How deep brackets, unary operators, function arguments and built-in calls may nest.
    static constexpr int kMaxNesting = 256;
    // The longest text a text formula may build (concatenation, CONCATENATE, REPL).
    static constexpr std::size_t kMaxTextLength = 8u * 1024u * 1024u;

    TFormulaParser();
    virtual ~TFormulaParser();
    TFormulaParser(const TFormulaParser&) = default;
    TFormulaParser& operator=(const TFormulaParser&) = default;
    TFormulaParser(TFormulaParser&&) = default;
    TFormulaParser& operator=(TFormulaParser&&) = default;

    // Creates or replaces a number (SetVar) or a text (SetStrVar) under the upper-cased name, and
    // empties the cache. Numbers and texts are separate name spaces.
    void SetVar(std::string_view name, double value);
    void SetStrVar(std::string_view name, std::string_view value);
    // The value stored under exactly this name (stored names are upper case); the unknown-name
    // error otherwise.
    double GetVar(std::string_view name) const;
    std::string GetStrVar(std::string_view name) const;

    // The formula the next Calculate or CalculateStr evaluates. A built-in call sets it to each
    // of its argument texts for a while; after an error it may still hold one, so a caller sets
    // it before every evaluation.
    const std::string& Expression() const { return m_expression; }
    void SetExpression(std::string_view expression);

    // Evaluates Expression as a numeric formula, answering from the cache when the same text was
    // evaluated since the last change of a variable (an assignment in it is then not repeated).
    double Calculate();
    // Evaluates Expression as a text formula; never cached.
    std::string CalculateStr();

    // The capacity of the result cache (100 by default); 0 switches it off.
    std::uint16_t MaxExpCache() const { return m_maxExpCache; }
    void SetMaxExpCache(std::uint16_t capacity);

protected:
    // The built-in constants (PI, E, TRUE, FALSE) and one-argument functions (TRUNC, INT, FRAC,
    // SIN, COS, TAN, ATAN, LN, EXP, SIGN, SGN, XSGN). Returns whether it handled the request.
    virtual bool CalcBuiltIn(TCalcType request, std::string_view name, double& value);
    // The built-in one-argument text functions TRIM, LTRIM and RTRIM.
    virtual bool CalcStrBuiltIn(TCalcType request, std::string_view name, std::string& value);
    // The resolvers the grammars use for every name: the built-ins first (an error inside one
    // counts as not handled), then the variables. They handle the request or raise; `name` is
    // upper case. An override must leave Expression as it found it.
    virtual bool CalcIdent(TCalcType request, std::string_view name, double& value);
    virtual bool CalcStrIdent(TCalcType request, std::string_view name, std::string& value);

private:
    struct TExpVal {
        std::string Expr; // the formula exactly as evaluated
        double Value = 0.0;
    };
    class TContext;
    class NestingGuard;

    // The numeric language.
    double EvalFormula();
    double ParseExpression(FormulaScanner& scanner);
    double ParseBinary(FormulaScanner& scanner, int minLevel);
    double ParseUnary(FormulaScanner& scanner);
    double ParsePower(FormulaScanner& scanner);
    double ParsePrimary(FormulaScanner& scanner);
    double CallBuiltIn(int function, std::string_view name, FormulaScanner& scanner);

    // The text language.
    std::string EvalStrFormula();
    std::string ParseConcatenation(FormulaScanner& scanner);
    std::string ParseStrPrimary(FormulaScanner& scanner);
    std::string CallStrBuiltIn(int function, std::string_view name, FormulaScanner& scanner);

    // An argument text of a built-in call, evaluated as a formula of its own.
    double EvalArgument(std::string_view text);
    std::string EvalStrArgument(std::string_view text);

    std::string m_expression;
    std::uint16_t m_maxExpCache = 100;
    NamedValues<double> m_vars;         // the numeric variables, names upper case
    NamedValues<std::string> m_strVars; // the text variables, a name space of their own
    std::deque<TExpVal> m_cache;        // oldest first
    int m_depth = 0;                    // the nesting of the evaluation under way
};

} // namespace ashtally
