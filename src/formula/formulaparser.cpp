#include "formula/formulaparser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <utility>

#include "formula/formulafunctions.h"
#include "formula/formulascanner.h"
#include "util/errors.h"

namespace ashtally {

namespace {

// The built-in calls: an identifier of this list followed by "(" hands its raw argument texts
// to the call, which evaluates them as formulas of their own.
enum BuiltIn : int {
    biIf,
    biEmpty,
    biLen,
    biAnd,
    biOr,
    biConcatenate,
    biRepl,
    biLeft,
    biRight,
    biSubstr,
    biCompare,
    biRound,
    biIsVarNa,
    biIsStrVarNa,
    biIsFormulaNa,
    biNot,
    biEvaluate,
};

// The built-in call of an upper-cased name (an exact, case-sensitive match), or -1. Asked for
// every name followed by "(", so it looks at the length and a letter before comparing.
int FindBuiltIn(std::string_view name) {
    const auto is = [name](std::string_view candidate, BuiltIn function) {
        return name == candidate ? static_cast<int>(function) : -1;
    };
    switch (name.size()) {
    case 2:
        return name[0] == 'I' ? is("IF", biIf) : is("OR", biOr);
    case 3:
        return name[0] == 'L'   ? is("LEN", biLen)
               : name[0] == 'A' ? is("AND", biAnd)
                                : is("NOT", biNot);
    case 4:
        return name[0] == 'R' ? is("REPL", biRepl) : is("LEFT", biLeft);
    case 5:
        return name[0] == 'E'   ? is("EMPTY", biEmpty)
               : name[1] == 'I' ? is("RIGHT", biRight)
                                : is("ROUND", biRound);
    case 6:
        return is("SUBSTR", biSubstr);
    case 7:
        return name[0] == 'C' ? is("COMPARE", biCompare) : is("ISVARNA", biIsVarNa);
    case 8:
        return is("EVALUATE", biEvaluate);
    case 10:
        return is("ISSTRVARNA", biIsStrVarNa);
    case 11:
        return name[0] == 'C' ? is("CONCATENATE", biConcatenate) : is("ISFORMULANA", biIsFormulaNa);
    default:
        return -1;
    }
}

// The binary operators by level, loosest first; 0 for every other token.
constexpr int kBitwiseLevel = 1;
constexpr int kComparisonLevel = 2;
constexpr int kSumLevel = 3;
constexpr int kTermLevel = 4;

int BinaryLevel(TokenKind kind) {
    switch (kind) {
    case TokenKind::BitAnd:
    case TokenKind::BitOr:
    case TokenKind::BitXor:
        return kBitwiseLevel;
    case TokenKind::Equal:
    case TokenKind::NotEqual:
    case TokenKind::Less:
    case TokenKind::LessEqual:
    case TokenKind::Greater:
    case TokenKind::GreaterEqual:
        return kComparisonLevel;
    case TokenKind::Plus:
    case TokenKind::Minus:
        return kSumLevel;
    case TokenKind::Times:
    case TokenKind::Divide:
    case TokenKind::Modulo:
    case TokenKind::PercentOf:
        return kTermLevel;
    default:
        return 0;
    }
}

double ApplyBinary(TokenKind op, double left, double right) {
    switch (op) {
    case TokenKind::BitAnd:
        return static_cast<double>(formula::TruncToInt64(left) & formula::TruncToInt64(right));
    case TokenKind::BitOr:
        return static_cast<double>(formula::TruncToInt64(left) | formula::TruncToInt64(right));
    case TokenKind::BitXor:
        return static_cast<double>(formula::TruncToInt64(left) ^ formula::TruncToInt64(right));
    case TokenKind::Equal:
        return left == right ? 1.0 : 0.0;
    case TokenKind::NotEqual:
        return left != right ? 1.0 : 0.0;
    case TokenKind::Less:
        return left < right ? 1.0 : 0.0;
    case TokenKind::LessEqual:
        return left <= right ? 1.0 : 0.0;
    case TokenKind::Greater:
        return left > right ? 1.0 : 0.0;
    case TokenKind::GreaterEqual:
        return left >= right ? 1.0 : 0.0;
    case TokenKind::Plus:
        return formula::Checked(left + right);
    case TokenKind::Minus:
        return formula::Checked(left - right);
    case TokenKind::Times:
        return formula::Checked(left * right);
    case TokenKind::Divide:
        return formula::Divide(left, right);
    case TokenKind::Modulo:
        return formula::Modulo(left, right);
    default:
        return formula::PercentOf(left, right);
    }
}

// A name kept on the stack (only very long ones go to the heap), as it is or upper-cased (ASCII
// letters only): a name must outlive the tokens read after it.
class NameBuffer {
public:
    enum Mode { AsIs, UpperCase };

    NameBuffer(std::string_view text, Mode mode) {
        char* target = m_buffer.data();
        if (text.size() > m_buffer.size()) {
            m_long.resize(text.size());
            target = m_long.data();
        }
        if (mode == AsIs) {
            Copy(text, target);
        } else {
            for (std::size_t i = 0; i < text.size(); ++i) {
                const char c = text[i];
                target[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
            }
        }
        m_view = std::string_view(target, text.size());
    }
    NameBuffer(const NameBuffer&) = delete;
    NameBuffer& operator=(const NameBuffer&) = delete;

    operator std::string_view() const { return m_view; }

private:
    // Word by word with an overlapping tail: names are short, and a call to memcpy would cost
    // more than the copy.
    static void Copy(std::string_view text, char* target) {
        const std::size_t size = text.size();
        if (size < 8) {
            for (std::size_t i = 0; i < size; ++i) {
                target[i] = text[i];
            }
            return;
        }
        for (std::size_t i = 0; i + 8 <= size; i += 8) {
            std::memcpy(target + i, text.data() + i, 8);
        }
        std::memcpy(target + size - 8, text.data() + size - 8, 8);
    }

    std::array<char, 64> m_buffer;
    std::string m_long;
    std::string_view m_view;
};

void RequireCount(std::size_t count, std::size_t least, std::size_t most) {
    if (count < least || count > most) {
        throw ECalculate::ParameterCount();
    }
}

constexpr std::size_t kAnyCount = static_cast<std::size_t>(-1);

void CheckTextLength(std::size_t length) {
    if (length > TFormulaParser::kMaxTextLength) {
        throw ECalculate::TextTooLong(TFormulaParser::kMaxTextLength);
    }
}

} // namespace

// The state a built-in call keeps while it evaluates its argument texts: a copy of the formula
// (Expression is set to each argument in turn), into which the argument texts point.
class TFormulaParser::TContext {
public:
    TContext(const std::string& expression, std::vector<std::string_view>& arguments)
        : m_saved(expression) {
        for (auto& argument : arguments) {
            const auto offset = static_cast<std::size_t>(argument.data() - expression.data());
            argument = std::string_view(m_saved.data() + offset, argument.size());
        }
    }
    TContext(const TContext&) = delete;
    TContext& operator=(const TContext&) = delete;

    // Puts the formula back, and lets the scanner go on reading it where it stopped.
    void Restore(std::string& expression, FormulaScanner& scanner) {
        expression.swap(m_saved);
        scanner.Rebase(expression.c_str());
    }

private:
    std::string m_saved;
};

// Counts one level of nesting for as long as it lives, and refuses one level too many: a
// recursive-descent evaluator would otherwise exhaust the stack on a deep enough formula.
class TFormulaParser::NestingGuard {
public:
    explicit NestingGuard(int& depth) : m_depth(depth) {
        if (m_depth >= kMaxNesting) {
            throw ECalculate::NestedTooDeeply(kMaxNesting);
        }
        ++m_depth;
    }
    ~NestingGuard() { --m_depth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& m_depth;
};

TFormulaParser::TFormulaParser() = default;

TFormulaParser::~TFormulaParser() = default;

void TFormulaParser::SetVar(std::string_view name, double value) {
    m_vars.Obtain(NameBuffer(name, NameBuffer::UpperCase)) = value;
    m_cache.clear();
}

void TFormulaParser::SetStrVar(std::string_view name, std::string_view value) {
    m_strVars.Obtain(NameBuffer(name, NameBuffer::UpperCase)).assign(value);
    m_cache.clear();
}

double TFormulaParser::GetVar(std::string_view name) const {
    if (const double* value = m_vars.Find(name)) {
        return *value;
    }
    throw ECalculate::UnknownName(name);
}

std::string TFormulaParser::GetStrVar(std::string_view name) const {
    if (const std::string* value = m_strVars.Find(name)) {
        return *value;
    }
    throw ECalculate::UnknownName(name);
}

void TFormulaParser::SetExpression(std::string_view expression) {
    m_expression.assign(expression);
}

double TFormulaParser::Calculate() {
    if (m_maxExpCache > 0) {
        for (auto entry = m_cache.rbegin(); entry != m_cache.rend(); ++entry) {
            if (entry->Expr == m_expression) {
                return entry->Value;
            }
        }
    }
    const double value = EvalFormula();
    if (m_maxExpCache > 0) {
        m_cache.push_back(TExpVal{m_expression, value});
        while (m_cache.size() > m_maxExpCache) {
            m_cache.pop_front();
        }
    }
    return value;
}

std::string TFormulaParser::CalculateStr() {
    return EvalStrFormula();
}

void TFormulaParser::SetMaxExpCache(std::uint16_t capacity) {
    m_maxExpCache = capacity;
    while (m_cache.size() > m_maxExpCache) {
        m_cache.pop_front();
    }
}

bool TFormulaParser::CalcBuiltIn(TCalcType request, std::string_view name, double& value) {
    switch (request) {
    case TCalcType::ctGetValue:
        if (name == "PI") {
            value = 3.141592653589793;
        } else if (name == "E") {
            value = 2.718281828;
        } else if (name == "TRUE") {
            value = 1.0;
        } else if (name == "FALSE") {
            value = 0.0;
        } else {
            return false;
        }
        return true;
    case TCalcType::ctSetValue:
        return false;
    case TCalcType::ctFunction:
        return formula::CallMathFunction(name, value);
    }
    return false;
}

bool TFormulaParser::CalcStrBuiltIn(TCalcType request, std::string_view name, std::string& value) {
    if (request != TCalcType::ctFunction) {
        return false;
    }
    std::string_view trimmed;
    if (name == "TRIM") {
        trimmed = formula::Trim(value);
    } else if (name == "LTRIM") {
        trimmed = formula::TrimLeft(value);
    } else if (name == "RTRIM") {
        trimmed = formula::TrimRight(value);
    } else {
        return false;
    }
    value = std::string(trimmed);
    return true;
}

bool TFormulaParser::CalcIdent(TCalcType request, std::string_view name, double& value) {
    // A fault inside a built-in function is not reported as such: the name then counts as
    // unknown, which is what the user sees.
    try {
        if (CalcBuiltIn(request, name, value)) {
            return true;
        }
    } catch (const std::exception&) {
    }
    switch (request) {
    case TCalcType::ctGetValue:
        if (const double* stored = m_vars.Find(name)) {
            value = *stored;
            return true;
        }
        break;
    case TCalcType::ctSetValue:
        SetVar(name, value);
        return true;
    case TCalcType::ctFunction:
        break;
    }
    throw ECalculate::UnknownName(name);
}

bool TFormulaParser::CalcStrIdent(TCalcType request, std::string_view name, std::string& value) {
    try {
        if (CalcStrBuiltIn(request, name, value)) {
            return true;
        }
    } catch (const std::exception&) {
    }
    switch (request) {
    case TCalcType::ctGetValue:
        if (const std::string* stored = m_strVars.Find(name)) {
            value = *stored;
            return true;
        }
        break;
    case TCalcType::ctSetValue:
        SetStrVar(name, value);
        return true;
    case TCalcType::ctFunction:
        break;
    }
    throw ECalculate::UnknownName(name);
}

// ---- The numeric language ----

// statements = expression {";" expression} end
double TFormulaParser::EvalFormula() {
    FormulaScanner scanner(m_expression.c_str());
    scanner.Next();
    double value = ParseExpression(scanner);
    while (scanner.Kind() == TokenKind::Semicolon) {
        scanner.Next();
        value = ParseExpression(scanner);
    }
    if (scanner.Kind() != TokenKind::End) {
        throw ECalculate::SyntaxError();
    }
    return value;
}

// expression = comparison {("&" | "|" | "^") comparison}
double TFormulaParser::ParseExpression(FormulaScanner& scanner) {
    const NestingGuard guard(m_depth);
    return ParseBinary(scanner, kBitwiseLevel);
}

// The four binary levels, loosest first, each grouping to the left:
//   expression = comparison {("&" | "|" | "^") comparison}
//   comparison = sum {("<" | "<=" | "==" | "!=" | "<>" | "><" | ">=" | ">") sum}
//   sum        = term {("+" | "-") term}
//   term       = unary {("*" | "/" | "%" | "%%") unary}
// read by precedence climbing: one loop serves all four, each operand is computed as soon as it
// is read, and a right operand takes only the operators that bind tighter than its own.
double TFormulaParser::ParseBinary(FormulaScanner& scanner, int minLevel) {
    double value = ParseUnary(scanner);
    for (;;) {
        const TokenKind op = scanner.Kind();
        const int level = BinaryLevel(op);
        if (level < minLevel) { // also for every token that is no binary operator
            return value;
        }
        scanner.Next();
        const double right = ParseBinary(scanner, level + 1);
        value = ApplyBinary(op, value, right);
    }
}

// unary = ("~" | "!" | "+" | "-") unary | power
double TFormulaParser::ParseUnary(FormulaScanner& scanner) {
    const TokenKind op = scanner.Kind();
    if (op != TokenKind::Complement && op != TokenKind::Not && op != TokenKind::Plus &&
        op != TokenKind::Minus) {
        return ParsePower(scanner);
    }
    const NestingGuard guard(m_depth);
    scanner.Next();
    const double value = ParseUnary(scanner);
    switch (op) {
    case TokenKind::Complement:
        return static_cast<double>(~formula::TruncToInt64(value));
    case TokenKind::Not:
        return formula::TruncToInt64(value) == 0 ? 1.0 : 0.0;
    case TokenKind::Minus:
        return -value;
    default:
        return value;
    }
}

// power = primary ["**" primary]
double TFormulaParser::ParsePower(FormulaScanner& scanner) {
    const double base = ParsePrimary(scanner);
    if (scanner.Kind() != TokenKind::Power) {
        return base;
    }
    scanner.Next();
    return formula::Power(base, ParsePrimary(scanner));
}

// primary = "(" expression ")" | number
//         | builtin "(" rawarguments ")"
//         | identifier "(" expression ")"
//         | identifier "=" expression
//         | identifier
double TFormulaParser::ParsePrimary(FormulaScanner& scanner) {
    switch (scanner.Kind()) {
    case TokenKind::LeftParen: {
        scanner.Next();
        const double value = ParseExpression(scanner);
        if (scanner.Kind() != TokenKind::RightParen) {
            throw ECalculate::SyntaxError();
        }
        scanner.Next();
        return value;
    }
    case TokenKind::Number: {
        const double value = scanner.Number();
        scanner.Next();
        return value;
    }
    case TokenKind::Identifier:
        break;
    default:
        throw ECalculate::SyntaxError();
    }

    // The scanner keeps this name while one more name is read; where more may follow before it
    // is used, it is copied.
    const std::string_view name = scanner.Identifier();
    scanner.Next();
    double value = 0.0;
    switch (scanner.Kind()) {
    case TokenKind::LeftParen: {
        if (const int function = FindBuiltIn(name); function >= 0) {
            value = CallBuiltIn(function, name, scanner);
            scanner.Next();
            return value;
        }
        const NameBuffer function(name, NameBuffer::AsIs);
        scanner.Next();
        value = ParseExpression(scanner);
        if (scanner.Kind() != TokenKind::RightParen) {
            throw ECalculate::UnknownName(function);
        }
        scanner.Next();
        if (!CalcIdent(TCalcType::ctFunction, function, value)) {
            throw ECalculate::UnknownName(function);
        }
        return formula::Checked(value);
    }
    case TokenKind::Assign: {
        const NameBuffer variable(name, NameBuffer::AsIs);
        scanner.Next();
        value = ParseExpression(scanner);
        if (!CalcIdent(TCalcType::ctSetValue, variable, value)) {
            throw ECalculate::UnknownName(variable);
        }
        return value;
    }
    default:
        if (!CalcIdent(TCalcType::ctGetValue, name, value)) {
            throw ECalculate::UnknownName(name);
        }
        return formula::Checked(value);
    }
}

// builtin "(" argument {"," argument} ")", in a numeric formula
double TFormulaParser::CallBuiltIn(int function, std::string_view name, FormulaScanner& scanner) {
    std::string_view raw;
    if (!scanner.ReadRawArguments(raw)) {
        throw ECalculate::UnknownName(name);
    }
    std::vector<std::string_view> args = FormulaScanner::SplitArguments(raw);
    const std::size_t count = args.size();

    // The name tests take their argument as a name and evaluate nothing; the text functions
    // mean nothing in a numeric formula.
    switch (function) {
    case biIsVarNa:
        RequireCount(count, 1, 1);
        if (m_vars.Find(NameBuffer(args[0], NameBuffer::UpperCase)) == nullptr) {
            throw ECalculate::UnknownName(args[0]);
        }
        return 0.0;
    case biIsStrVarNa:
        RequireCount(count, 1, 1);
        if (m_strVars.Find(NameBuffer(args[0], NameBuffer::UpperCase)) == nullptr) {
            throw ECalculate::UnknownName(args[0]);
        }
        return 0.0;
    case biIsFormulaNa:
        RequireCount(count, 1, 1);
        throw ECalculate::UnknownName(args[0]);
    case biConcatenate:
    case biRepl:
    case biLeft:
    case biRight:
    case biSubstr:
        return 0.0;
    case biIf:
        RequireCount(count, 3, 3);
        break;
    case biAnd:
    case biOr:
        RequireCount(count, 2, kAnyCount);
        break;
    case biCompare:
    case biRound:
        RequireCount(count, 2, 2);
        break;
    default: // NOT, LEN, EMPTY, EVALUATE
        RequireCount(count, 1, 1);
        break;
    }

    TContext context(m_expression, args);
    double result = 0.0;
    switch (function) {
    case biIf:
        result = EvalArgument(args[0]) >= 1.0 ? EvalArgument(args[1]) : EvalArgument(args[2]);
        break;
    case biAnd:
        result = EvalArgument(args[0]);
        for (std::size_t i = 1; i < count; ++i) {
            result = formula::Checked(result * EvalArgument(args[i]));
        }
        result = result > 0.0 ? 1.0 : result;
        break;
    case biOr:
        result = EvalArgument(args[0]);
        for (std::size_t i = 1; i < count; ++i) {
            result = formula::Checked(result + EvalArgument(args[i]));
        }
        result = result > 0.0 ? 1.0 : result;
        break;
    case biNot:
        result = formula::TruncToInt64(EvalArgument(args[0])) == 0 ? 1.0 : 0.0;
        break;
    case biLen:
        result = static_cast<double>(formula::Utf8Length(EvalStrArgument(args[0])));
        break;
    case biEmpty:
        result = formula::Trim(EvalStrArgument(args[0])).empty() ? 1.0 : 0.0;
        break;
    case biCompare: {
        const std::string first = EvalStrArgument(args[0]);
        result = first == EvalStrArgument(args[1]) ? 1.0 : 0.0;
        break;
    }
    case biRound: {
        const double x = EvalArgument(args[0]);
        result = formula::RoundDecimals(x, EvalArgument(args[1]));
        break;
    }
    default: // EVALUATE
        result = EvalArgument(args[0]);
        break;
    }
    context.Restore(m_expression, scanner);
    return result;
}

double TFormulaParser::EvalArgument(std::string_view text) {
    m_expression.assign(text);
    return Calculate();
}

std::string TFormulaParser::EvalStrArgument(std::string_view text) {
    m_expression.assign(text);
    return CalculateStr();
}

// ---- The text language ----

// statements = concatenation {";" concatenation} end
std::string TFormulaParser::EvalStrFormula() {
    FormulaScanner scanner(m_expression.c_str());
    scanner.Next();
    std::string value = ParseConcatenation(scanner);
    while (scanner.Kind() == TokenKind::Semicolon) {
        scanner.Next();
        value = ParseConcatenation(scanner);
    }
    if (scanner.Kind() != TokenKind::End) {
        throw ECalculate::SyntaxError();
    }
    return value;
}

// concatenation = textprimary {"+" textprimary}
std::string TFormulaParser::ParseConcatenation(FormulaScanner& scanner) {
    const NestingGuard guard(m_depth);
    std::string value = ParseStrPrimary(scanner);
    while (scanner.Kind() == TokenKind::Plus) {
        scanner.Next();
        const std::string right = ParseStrPrimary(scanner);
        CheckTextLength(value.size() + right.size());
        value += right;
    }
    return value;
}

// textprimary = "(" concatenation ")" | text
//             | builtin "(" rawarguments ")"
//             | identifier "(" concatenation ")"
//             | identifier "=" concatenation
//             | identifier
std::string TFormulaParser::ParseStrPrimary(FormulaScanner& scanner) {
    switch (scanner.Kind()) {
    case TokenKind::LeftParen: {
        scanner.Next();
        std::string value = ParseConcatenation(scanner);
        if (scanner.Kind() != TokenKind::RightParen) {
            throw ECalculate::SyntaxError();
        }
        scanner.Next();
        return value;
    }
    case TokenKind::Text: {
        std::string value = std::move(scanner.Text());
        scanner.Next();
        return value;
    }
    case TokenKind::Identifier:
        break;
    default:
        throw ECalculate::SyntaxError();
    }

    const std::string_view name = scanner.Identifier(); // as in the numeric primary
    scanner.Next();
    std::string value;
    switch (scanner.Kind()) {
    case TokenKind::LeftParen: {
        if (const int function = FindBuiltIn(name); function >= 0) {
            value = CallStrBuiltIn(function, name, scanner);
            scanner.Next();
            return value;
        }
        const NameBuffer function(name, NameBuffer::AsIs);
        scanner.Next();
        value = ParseConcatenation(scanner);
        if (scanner.Kind() != TokenKind::RightParen) {
            throw ECalculate::UnknownName(function);
        }
        scanner.Next();
        if (!CalcStrIdent(TCalcType::ctFunction, function, value)) {
            throw ECalculate::UnknownName(function);
        }
        return value;
    }
    case TokenKind::Assign: {
        const NameBuffer variable(name, NameBuffer::AsIs);
        scanner.Next();
        value = ParseConcatenation(scanner);
        if (!CalcStrIdent(TCalcType::ctSetValue, variable, value)) {
            throw ECalculate::UnknownName(variable);
        }
        return value;
    }
    default:
        if (!CalcStrIdent(TCalcType::ctGetValue, name, value)) {
            throw ECalculate::UnknownName(name);
        }
        return value;
    }
}

// builtin "(" argument {"," argument} ")", in a text formula
std::string TFormulaParser::CallStrBuiltIn(int function, std::string_view name,
                                           FormulaScanner& scanner) {
    std::string_view raw;
    if (!scanner.ReadRawArguments(raw)) {
        throw ECalculate::UnknownName(name);
    }
    std::vector<std::string_view> args = FormulaScanner::SplitArguments(raw);
    const std::size_t count = args.size();
    switch (function) {
    case biIf:
    case biSubstr:
        RequireCount(count, 3, 3);
        break;
    case biConcatenate:
        RequireCount(count, 2, kAnyCount);
        break;
    case biRepl:
    case biLeft:
    case biRight:
        RequireCount(count, 2, 2);
        break;
    default:
        return {}; // the numeric functions mean nothing in a text formula
    }

    TContext context(m_expression, args);
    std::string result;
    switch (function) {
    case biIf:
        result = EvalArgument(args[0]) >= 1.0 ? EvalStrArgument(args[1]) : EvalStrArgument(args[2]);
        break;
    case biConcatenate:
        for (const std::string_view arg : args) {
            const std::string piece = EvalStrArgument(arg);
            CheckTextLength(result.size() + piece.size());
            result += piece;
        }
        break;
    case biRepl: {
        result = EvalStrArgument(args[0]);
        const std::int64_t more = formula::RoundToInt64(EvalArgument(args[1]));
        if (more > 0 && !result.empty()) {
            if (static_cast<std::uint64_t>(more) >= kMaxTextLength / result.size()) {
                throw ECalculate::TextTooLong(kMaxTextLength);
            }
            // Doubling what is there already: a few large copies instead of many small ones.
            const std::size_t total = result.size() * static_cast<std::size_t>(more + 1);
            result.reserve(total);
            while (result.size() < total) {
                result.append(result.data(), std::min(result.size(), total - result.size()));
            }
        }
        break;
    }
    case biLeft:
    case biRight: {
        const std::string text = EvalStrArgument(args[0]);
        const std::int64_t chars = formula::RoundToInt64(EvalArgument(args[1]));
        result =
            function == biLeft ? formula::Utf8Left(text, chars) : formula::Utf8Right(text, chars);
        break;
    }
    default: { // SUBSTR
        const std::string text = EvalStrArgument(args[0]);
        const double start = EvalArgument(args[1]);
        const double chars = EvalArgument(args[2]);
        result =
            formula::Utf8Substr(text, formula::RoundToInt64(start), formula::RoundToInt64(chars));
        break;
    }
    }
    context.Restore(m_expression, scanner);
    return result;
}

} // namespace ashtally
