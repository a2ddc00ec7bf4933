// SPDX-License-Identifier: MIT
// Vector arithmetic: the free functions of KwVector.h and the methods of TKwVector.
//
// Sections: helpers; free functions; angles; methods; operators.

#include "kwgfx/geometry/KwVector.h"

#include "kwgfx/platform/base/Math.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kw {

// ---------------------------------------------------------------- helpers
namespace {

// Products of two floats are exact in double; the sums are rounded once by the caller.
double DotD(const TKwVector& A, const TKwVector& B) {
    return double(A.X) * B.X + double(A.Y) * B.Y;
}

double CrossZD(const TKwVector& A, const TKwVector& B) {
    return double(A.X) * B.Y - double(A.Y) * B.X;
}

double LengthD(const TKwVector& V) {
    return std::sqrt(DotD(V, V));
}

} // namespace

// ---------------------------------------------------------------- free functions

TKwVector KwVectorAdd(const TKwVector& A, const TKwVector& B) {
    return {A.X + B.X, A.Y + B.Y, 1};
}

TKwVector KwVectorSubtract(const TKwVector& A, const TKwVector& B) {
    return {A.X - B.X, A.Y - B.Y, 1};
}

TKwVector KwVectorMultiply(const TKwVector& V, float F) {
    return {V.X * F, V.Y * F, V.W};
}

TKwVector KwVectorMultiply(float F, const TKwVector& V) {
    return KwVectorMultiply(V, F);
}

TKwVector KwVectorDivide(const TKwVector& V, float F) {
    if (F == 0) return V;
    const float r = 1.0f / F;
    return {V.X * r, V.Y * r, V.W};
}

float KwVectorDotProduct(const TKwVector& A, const TKwVector& B) {
    return float(DotD(A, B));
}

float KwVectorCrossProductZ(const TKwVector& A, const TKwVector& B) {
    return float(CrossZD(A, B));
}

float KwVectorNorm(const TKwVector& V) {
    return float(DotD(V, V));
}

float KwVectorLength(const TKwVector& V) {
    return float(LengthD(V));
}

TKwVector KwVectorNormalize(const TKwVector& V) {
    // The length stays in double: in float it would overflow for coordinates above about
    // 1.8E19 and turn every such vector into (0, 0).
    const double len = LengthD(V);
    if (!(len > 0)) return V;
    return {float(V.X / len), float(V.Y / len), V.W};
}

TKwVector KwVectorReflect(const TKwVector& V, const TKwVector& N) {
    const double d2 = 2 * DotD(V, N);
    return {float(V.X - d2 * N.X), float(V.Y - d2 * N.Y), 1};
}

// ---------------------------------------------------------------- angles

float KwVectorAngleCosine(const TKwVector& A, const TKwVector& B) {
    const double la = LengthD(A);
    const double lb = LengthD(B);
    if (la == 0 || lb == 0) return 0;
    const float c = float(DotD(A, B) / (la * lb));
    // Rounding can push the quotient just past +-1, where the arc cosine is undefined.
    return std::clamp(c, -1.0f, 1.0f);
}

float KwVectorAngle(const TKwVector& A, const TKwVector& B) {
    // The sign comes from the unrounded cross product: rounding it to float could flush
    // the product of two tiny vectors to zero and flip the sign of the angle.
    const double z = CrossZD(A, B);
    // A zero vector has no direction: its cosine of 0 would read as a right angle.
    if (LengthD(A) == 0 || LengthD(B) == 0) return 0;
    const long double c = KwVectorAngleCosine(A, B);
    const float alpha = float(std::acos(c) * 180.0L / std::numbers::pi_v<long double>);
    return z < 0 ? alpha : -alpha;
}

// ---------------------------------------------------------------- methods

TKwVector TKwVector::Add(const TKwVector& B) const {
    return KwVectorAdd(*this, B);
}

TKwVector TKwVector::Subtract(const TKwVector& B) const {
    return KwVectorSubtract(*this, B);
}

TKwVector TKwVector::Scale(float F) const {
    return {X * F, Y * F, 1};
}

float TKwVector::DotProduct(const TKwVector& B) const {
    return KwVectorDotProduct(*this, B);
}

float TKwVector::Norm() const {
    return KwVectorNorm(*this);
}

float TKwVector::Length() const {
    return KwVectorLength(*this);
}

TKwVector TKwVector::Normalize() const {
    // Same as X * RSqrt(Norm()), but with the norm and its reciprocal root kept in double:
    // in float the norm of a very small or very large vector underflows or overflows and
    // the result is not a unit vector.
    const double n = DotD(*this, *this);
    const double r = n > 0 ? 1 / std::sqrt(n) : 1;
    return {float(X * r), float(Y * r), 0};
}

TKwVector TKwVector::Reflect(const TKwVector& N) const {
    return KwVectorReflect(*this, N);
}

float TKwVector::RSqrt(float x) {
    if (x == 0) return 1;
    return float(1 / std::sqrt(std::fabs(double(x))));
}

// ---------------------------------------------------------------- operators

bool operator==(const TKwVector& A, const TKwVector& B) {
    return platform::SameValue(A.X, B.X) && platform::SameValue(A.Y, B.Y);
}

} // namespace kw
