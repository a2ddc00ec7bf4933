// SPDX-License-Identifier: MIT
#include "kwgfx/platform/base/Exceptions.h"

namespace kw::platform {

namespace {
template <typename F>
F Divide(F Dividend, F Divisor) {
    if (Divisor == 0) {
        if (Dividend == 0 || Dividend != Dividend)
            throw EInvalidOp("Invalid floating point operation");
        throw EZeroDivide("Floating point division by zero");
    }
    return Dividend / Divisor;
}
} // namespace

double CheckedDivide(double Dividend, double Divisor) {
    return Divide(Dividend, Divisor);
}
long double CheckedDivide(long double Dividend, long double Divisor) {
    return Divide(Dividend, Divisor);
}

} // namespace kw::platform
