#include "error.h"

namespace values {

const char* Error::what() const noexcept
{
    switch (kind_) {
    case ErrorKind::TypeMismatch:
        return "type mismatch";
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::DivisionByZero:
        return "division by zero";
    case ErrorKind::InvalidArgument:
        return "invalid argument";
    }
    return "value error";
}

} // namespace values
