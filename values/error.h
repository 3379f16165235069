#pragma once

#include <exception>

namespace values {

// The ways a value operation can fail. Each failing step raises one of these
// and nothing after it happens, so a caller can always leave its display as it was.
enum class ErrorKind {
    TypeMismatch,    // text that is not a number
    Overflow,        // a result beyond the range of its kind
    DivisionByZero,  // a zero divisor
    InvalidArgument, // an argument outside the operation's domain (a negative root)
};

class Error : public std::exception {
public:
    explicit Error(ErrorKind kind) noexcept : kind_(kind) {}

    [[nodiscard]] ErrorKind kind() const noexcept { return kind_; }
    [[nodiscard]] const char* what() const noexcept override;

private:
    ErrorKind kind_;
};

} // namespace values
