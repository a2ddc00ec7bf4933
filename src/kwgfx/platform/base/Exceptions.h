// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Error classes of the platform layer. Every error the library lets through to its
/// caller derives from Exception, which is a std::exception with a message.

#include <exception>
#include <string>

namespace kw::platform {

/// The root of the library's error classes: a std::exception with a message.
class Exception : public std::exception {
public:
    /// An error with the message.
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    /// The message.
    const char* what() const noexcept override { return FMessage.c_str(); }
    /// The message.
    const std::string& Message() const noexcept { return FMessage; }

private:
    std::string FMessage;
};

/// Text that does not convert to the requested value (numbers, colours, enumerations).
class EConvertError : public Exception {
    using Exception::Exception;
};

/// Integer division by zero.
class EDivByZero : public Exception {
    using Exception::Exception;
};

/// Integer arithmetic whose result does not fit its type (the one overflowing integer
/// division, INT64_MIN / -1).
class EIntOverflow : public Exception {
    using Exception::Exception;
};

/// A value or an index outside the range an operation accepts (the largest or smallest
/// value of an empty list, for instance).
class ERangeError : public Exception {
    using Exception::Exception;
};

/// Floating-point division by zero (x / 0 with x != 0).
class EZeroDivide : public Exception {
    using Exception::Exception;
};

/// Floating-point operation without a defined result (0 / 0 and similar).
class EInvalidOp : public Exception {
    using Exception::Exception;
};

/// Base of the stream errors.
class EStreamError : public Exception {
    using Exception::Exception;
};

class EReadError : public EStreamError {
    using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

/// A file that cannot be opened or created.
class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};

/// TPersistent::Assign between classes that do not support each other.
class EAssignError : public Exception {
    using Exception::Exception;
};

/// A call that the object's current state does not allow, or that it cannot carry out at
/// all (moving the clock of a message loop that runs on the system clock; inserting into a
/// list of fixed length).
class EInvalidOperation : public Exception {
    using Exception::Exception;
};

/// Throws EZeroDivide (or EInvalidOp for 0/0) when Divisor is zero; otherwise returns
/// Dividend / Divisor. C++ does not trap on float division, so callers that must not
/// divide silently by zero go through these.
///@{
double CheckedDivide(double Dividend, double Divisor);
long double CheckedDivide(long double Dividend, long double Divisor);
///@}

} // namespace kw::platform
