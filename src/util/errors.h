#pragma once

#include <stdexcept>
#include <string>

namespace ashtally {

// Every error of the program is an exception that carries the message the user sees.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arithmetic faults. Floating-point faults never turn into infinities or not-a-numbers:
// they are raised as these, with the messages users of the program know.
class EZeroDivide : public Exception {
public:
    EZeroDivide() : Exception("Floating point division by zero") {}
};

class EInvalidOp : public Exception {
public:
    EInvalidOp() : Exception("Invalid floating point operation") {}
};

class EOverflow : public Exception {
public:
    EOverflow() : Exception("Floating point overflow") {}
};

class EDivByZero : public Exception {
public:
    EDivByZero() : Exception("Division by zero") {}
};

// A text that does not read as the number it should be.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be opened, read or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list, such as a pick from an empty list.
class EListError : public Exception {
public:
    explicit EListError(long long index)
        : Exception("List index out of bounds (" + std::to_string(index) + ")") {}
};

} // namespace ashtally
