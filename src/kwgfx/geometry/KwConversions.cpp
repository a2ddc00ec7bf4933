// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwConversions.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <algorithm>

namespace kw {

using platform::RoundToPixel;

namespace {

// Round or truncate to 64 bits; NaN and values outside the range raise EInvalidOp.
int64_t ToInt64(long double Integral) {
    if (!(Integral >= -9223372036854775808.0L && Integral < 9223372036854775808.0L))
        throw platform::EInvalidOp("Invalid floating point operation");
    return static_cast<int64_t>(Integral);
}

[[noreturn]] void ThrowEmptyList(const char* Function) {
    throw platform::ERangeError(std::string(Function) + ": the list of values is empty");
}

} // namespace

TRect CanvasRect(const TKwRect& R) {
    return {RoundToPixel(R.Left), RoundToPixel(R.Top), RoundToPixel(R.Right),
            RoundToPixel(R.Bottom)};
}

TRect CanvasRect(const TRect& R) {
    return R;
}

TRect CanvasRect(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) {
    return {ALeft, ATop, ARight, ABottom};
}

TRect CanvasRect(float ALeft, float ATop, float ARight, float ABottom) {
    return {RoundToPixel(ALeft), RoundToPixel(ATop), RoundToPixel(ARight), RoundToPixel(ABottom)};
}

TPoint CanvasPoint(int32_t X, int32_t Y) {
    return {X, Y};
}

TPoint CanvasPoint(float X, float Y) {
    return {RoundToPixel(X), RoundToPixel(Y)};
}

int64_t CanvasRound(double Value) {
    return ToInt64(std::nearbyint(static_cast<long double>(Value)));
}

int64_t CanvasTrunc(double Value) {
    return ToInt64(std::trunc(static_cast<long double>(Value)));
}

int64_t CanvasDiv(int64_t A, int64_t B) {
    if (B == 0) throw platform::EDivByZero("Division by zero");
    if (B == -1 && A == std::numeric_limits<int64_t>::min())
        throw platform::EIntOverflow("Integer overflow");
    return A / B;
}

int64_t CanvasDiv(double A, double B) {
    const long double q =
        platform::CheckedDivide(static_cast<long double>(A), static_cast<long double>(B));
    return ToInt64(std::nearbyint(q));
}

int32_t CanvasMax(std::span<const int32_t> Values) {
    if (Values.empty()) ThrowEmptyList("CanvasMax");
    return *std::max_element(Values.begin(), Values.end());
}

int32_t CanvasMin(std::span<const int32_t> Values) {
    if (Values.empty()) ThrowEmptyList("CanvasMin");
    return *std::min_element(Values.begin(), Values.end());
}

TPoint CanvasCenterPoint(const TRect& R) {
    // In 64 bits the difference cannot overflow, and the centre lies between the edges.
    const int64_t l = R.Left, t = R.Top;
    return {static_cast<int32_t>(l + (R.Right - l) / 2),
            static_cast<int32_t>(t + (R.Bottom - t) / 2)};
}

TKwPoints PointsToKwPoints(std::span<const TPoint> Points) {
    TKwPoints result;
    result.reserve(Points.size());
    for (const TPoint& p : Points) result.push_back(KwPoint(p));
    return result;
}

TPoint KwPointToPoint(const TKwPoint& P) {
    return {RoundToPixel(P.X), RoundToPixel(P.Y)};
}

TPoint KwPointToCanvasPoint(const TKwPoint& P) {
    return KwPointToPoint(P);
}

TCanvasPoints KwPointsToPoints(std::span<const TKwPoint> Points) {
    TCanvasPoints result;
    result.reserve(Points.size());
    for (const TKwPoint& p : Points) result.push_back(KwPointToPoint(p));
    return result;
}

} // namespace kw
