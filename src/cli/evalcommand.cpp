#include "cli/evalcommand.h"

#include <array>
#include <charconv>
#include <cmath>
#include <exception>
#include <string_view>
#include <utility>

#include "formula/formulaparser.h"

namespace ashtally::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: ashtally-cli eval [--var NAME=NUMBER]... [--text] FORMULA...";

// A name a formula can write: a letter or underscore, then letters, digits and underscores.
bool IsName(std::string_view name) {
    const auto isLetter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (name.empty() || !isLetter(name.front())) {
        return false;
    }
    for (const char c : name) {
        if (!isLetter(c) && !(c >= '0' && c <= '9')) {
            return false;
        }
    }
    return true;
}

// "NAME=NUMBER", the number with a "." decimal point whatever the locale.
bool ParseVariable(std::string_view text, std::string& name, double& value) {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    name = std::string(text.substr(0, equals));
    const std::string_view number = text.substr(equals + 1);
    const char* begin = number.data();
    const char* end = begin + number.size();
    if (begin != end && *begin == '+') {
        ++begin; // from_chars takes no plus sign
    }
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    return IsName(name) && !number.empty() && result.ec == std::errc() && result.ptr == end &&
           std::isfinite(value);
}

struct Options {
    std::vector<std::pair<std::string, double>> Variables;
    bool Text = false;
    std::vector<std::string> Formulas;
};

// Options come before the formulas; "--" ends them, so that a formula may start with "--".
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& err) {
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--") {
            ++i;
            break;
        }
        if (word == "--text") {
            options.Text = true;
            continue;
        }
        if (word == "--var" || word.starts_with("--var=")) {
            std::string_view assignment;
            if (word == "--var") {
                if (i + 1 == args.size()) {
                    err << "ashtally-cli eval: --var needs NAME=NUMBER\n" << kUsage << '\n';
                    return false;
                }
                assignment = args[++i];
            } else {
                assignment = std::string_view(word).substr(6);
            }
            std::string name;
            double value = 0.0;
            if (!ParseVariable(assignment, name, value)) {
                err << "ashtally-cli eval: --var expects NAME=NUMBER (a \".\" decimal point), not "
                       "\""
                    << assignment << "\"\n"
                    << kUsage << '\n';
                return false;
            }
            options.Variables.emplace_back(std::move(name), value);
            continue;
        }
        if (word.starts_with("--")) {
            err << "ashtally-cli eval: unknown option \"" << word << "\"\n" << kUsage << '\n';
            return false;
        }
        break;
    }
    options.Formulas.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (options.Formulas.empty()) {
        err << "ashtally-cli eval: no FORMULA given\n" << kUsage << '\n';
        return false;
    }
    return true;
}

} // namespace

std::string FormatNumber(double value) {
    std::array<char, 64> buffer{};
    const double magnitude = std::fabs(value);
    if (magnitude != 0.0 && (magnitude < 1e-5 || magnitude > 1e15)) {
        // "1.5e+20" and "1e-07" become "1.5e20" and "1e-7".
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::scientific);
        const std::string_view text(buffer.data(),
                                    static_cast<std::size_t>(result.ptr - buffer.data()));
        const auto mark = text.find('e');
        std::string_view exponent = text.substr(mark + 1);
        const bool negative = exponent.front() == '-';
        exponent.remove_prefix(1);
        while (exponent.size() > 1 && exponent.front() == '0') {
            exponent.remove_prefix(1);
        }
        std::string written(text.substr(0, mark + 1));
        if (negative) {
            written += '-';
        }
        written += exponent;
        return written;
    }
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

int RunEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseOptions(args, options, err)) {
        return 2;
    }
    TFormulaParser parser;
    for (const auto& [name, value] : options.Variables) {
        parser.SetVar(name, value);
    }
    bool allSucceeded = true;
    for (const std::string& formula : options.Formulas) {
        parser.SetExpression(formula);
        try {
            if (options.Text) {
                out << parser.CalculateStr() << '\n';
            } else {
                out << FormatNumber(parser.Calculate()) << '\n';
            }
        } catch (const std::exception& error) {
            out << "error: " << error.what() << '\n';
            allSucceeded = false;
        }
    }
    out.flush();
    return allSucceeded ? 0 : 1;
}

} // namespace ashtally::cli
