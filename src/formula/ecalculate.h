#pragma once

#include <cstddef>
#include <string_view>

#include "util/errors.h"

namespace ashtally {

// The error of a formula: what the user wrote cannot be evaluated. It carries only its message;
// the factories below give the messages users of the program know.
class ECalculate : public Exception {
public:
    using Exception::Exception;

    // "Syntax error.": a token that cannot stand where it stands.
    static ECalculate SyntaxError();
    // "Unknown function or variable "NAME".": a name that means nothing here.
    static ECalculate UnknownName(std::string_view name);
    // "Invalid string": a text literal that is not closed on its line.
    static ECalculate InvalidString();
    // "Incorrect parameter count for function!": a built-in call with the wrong number of
    // arguments.
    static ECalculate ParameterCount();
    // A formula nested deeper than the evaluator allows (it would otherwise exhaust the stack).
    static ECalculate NestedTooDeeply(int limit);
    // A text result larger than the evaluator allows (it would otherwise exhaust memory).
    static ECalculate TextTooLong(std::size_t limit);
};

} // namespace ashtally
