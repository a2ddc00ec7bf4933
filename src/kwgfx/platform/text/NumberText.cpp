// SPDX-License-Identifier: MIT
#include "kwgfx/platform/text/NumberText.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kw::platform {

namespace {

constexpr int kGeneralDigits = 15;

bool IsBlank(char C) {
    return C == ' ';
}

std::string_view TrimBlanks(std::string_view S) {
    while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
    return S;
}

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

[[noreturn]] void ThrowNotFloat(std::string_view Text) {
    throw EConvertError("'" + std::string(Text) + "' is not a valid floating point value");
}

} // namespace

void AppendFloatToStr(std::string& Out, long double Value, const TFormatSettings& Format) {
    if (std::isnan(Value)) {
        Out += "NAN";
        return;
    }
    if (std::isinf(Value)) {
        Out += Value < 0 ? "-INF" : "INF";
        return;
    }
    if (Value == 0) {
        Out += '0';
        return;
    }
    // Scientific text with exactly 15 significant digits: "-d.ddddddddddddddde-xx". A value
    // that a double holds exactly (every widened float) goes through the much faster double
    // conversion; the digits are the same because the value is the same.
    char buf[64];
    const double asDouble = static_cast<double>(Value);
    const auto res = static_cast<long double>(asDouble) == Value
                         ? std::to_chars(buf, buf + sizeof buf, asDouble,
                                         std::chars_format::scientific, kGeneralDigits - 1)
                         : std::to_chars(buf, buf + sizeof buf, Value,
                                         std::chars_format::scientific, kGeneralDigits - 1);
    const char* p = buf;
    const char* end = res.ptr;
    if (*p == '-') {
        Out += '-';
        ++p;
    }
    char digits[kGeneralDigits];
    int nd = 0;
    for (; p < end && *p != 'e'; ++p)
        if (IsDigit(*p)) digits[nd++] = *p;
    int exponent = 0;
    std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, end, exponent);
    while (nd > 1 && digits[nd - 1] == '0') --nd;

    if (exponent >= -5 && exponent < kGeneralDigits) {
        if (exponent >= 0) {
            for (int i = 0; i <= exponent; ++i) Out += i < nd ? digits[i] : '0';
            if (nd > exponent + 1) {
                Out += Format.DecimalSeparator;
                Out.append(digits + exponent + 1, digits + nd);
            }
        } else {
            Out += '0';
            Out += Format.DecimalSeparator;
            Out.append(static_cast<size_t>(-exponent - 1), '0');
            Out.append(digits, digits + nd);
        }
        return;
    }
    Out += digits[0];
    if (nd > 1) {
        Out += Format.DecimalSeparator;
        Out.append(digits + 1, digits + nd);
    }
    Out += 'E';
    if (exponent < 0) Out += '-';
    char ebuf[8];
    const auto eres = std::to_chars(ebuf, ebuf + sizeof ebuf, exponent < 0 ? -exponent : exponent);
    Out.append(ebuf, eres.ptr);
}

std::string FloatToStr(long double Value, const TFormatSettings& Format) {
    std::string s;
    AppendFloatToStr(s, Value, Format);
    return s;
}

namespace {

// The common case of plain decimal text with "." as separator: std::from_chars accepts
// exactly the shapes TryStrToFloat does, except a leading "+", blanks and values out of
// range, and besides those it takes "inf"/"nan", which hold other letters. Anything
// unusual is left to the full reader (false).
bool TryFastDecimal(std::string_view S, double& Value) {
    if (S.empty() || S.size() > 64) return false;
    for (const char c : S)
        if (!(IsDigit(c) || c == '.' || c == '-' || c == 'e' || c == 'E')) return false;
    double v = 0;
    const auto res = std::from_chars(S.data(), S.data() + S.size(), v);
    if (res.ec != std::errc() || res.ptr != S.data() + S.size() || !std::isfinite(v)) return false;
    Value = v;
    return true;
}

} // namespace

bool TryStrToFloat(std::string_view Text, double& Value, const TFormatSettings& Format) {
    if (Format.DecimalSeparator == '.' && TryFastDecimal(Text, Value)) return true;
    const std::string_view s = TrimBlanks(Text);
    // Validate the shape and copy it into a buffer that std::from_chars reads: "." as the
    // separator and no leading "+".
    char buf[128];
    size_t n = 0;
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (negative) buf[n++] = '-';
    int intDigits = 0, leadingZeros = 0, fracLeadingZeros = 0, fracDigits = 0;
    bool seenNonZero = false;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++intDigits) {
        if (s[i] != '0') seenNonZero = true;
        if (!seenNonZero) ++leadingZeros;
        if (n < sizeof buf - 16)
            buf[n++] = s[i];
        else
            return false;
    }
    if (i < s.size() && s[i] == Format.DecimalSeparator) {
        ++i;
        buf[n++] = '.';
        for (; i < s.size() && IsDigit(s[i]); ++i, ++fracDigits) {
            if (s[i] != '0') seenNonZero = true;
            if (!seenNonZero) ++fracLeadingZeros;
            if (n < sizeof buf - 16)
                buf[n++] = s[i];
            else
                return false;
        }
    }
    if (intDigits + fracDigits == 0) return false;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        buf[n++] = 'e';
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            if (negativeExponent) buf[n++] = '-';
            ++i;
        }
        const size_t expStart = i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            if (n >= sizeof buf - 1) return false;
            buf[n++] = s[i];
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
        }
        if (i == expStart) return false;
        if (negativeExponent) exponent = -exponent;
    }
    if (i != s.size()) return false;
    if (!seenNonZero) {
        Value = negative ? -0.0 : 0.0;
        return true;
    }
    double v = 0;
    const auto res = std::from_chars(buf, buf + n, v);
    if (res.ec == std::errc::result_out_of_range) {
        // Tiny values underflow to zero; huge ones are refused.
        const long long magnitude =
            exponent +
            (intDigits > leadingZeros ? intDigits - leadingZeros - 1 : -fracLeadingZeros - 1);
        if (magnitude >= 0) return false;
        Value = negative ? -0.0 : 0.0;
        return true;
    }
    if (res.ec != std::errc() || res.ptr != buf + n || !std::isfinite(v)) return false;
    Value = v;
    return true;
}

bool TryStrToSingle(std::string_view Text, float& Value, const TFormatSettings& Format) {
    double d = 0;
    if (!TryStrToFloat(Text, d, Format)) return false;
    // Values from FLT_MAX up to half an ulp above it still round to FLT_MAX.
    constexpr double kFloatLimit = 0x1.ffffffp127;
    if (std::fabs(d) >= kFloatLimit) return false;
    Value = static_cast<float>(d);
    return true;
}

double StrToFloat(std::string_view Text, const TFormatSettings& Format) {
    double v = 0;
    if (!TryStrToFloat(Text, v, Format)) ThrowNotFloat(Text);
    return v;
}

float StrToSingle(std::string_view Text, const TFormatSettings& Format) {
    float v = 0;
    if (!TryStrToSingle(Text, v, Format)) ThrowNotFloat(Text);
    return v;
}

bool TryStrToInt(std::string_view Text, int& Value) {
    std::string_view s = TrimBlanks(Text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return false;
    uint64_t magnitude = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    if (base == 16) {
        // Hexadecimal text names a 32-bit pattern: $FF000005 is a negative value.
        if (magnitude > 0xFFFFFFFFull) return false;
        const auto bits = static_cast<uint32_t>(magnitude);
        const auto v = static_cast<int32_t>(negative ? 0u - bits : bits);
        Value = v;
        return true;
    }
    if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull) return false;
    Value =
        negative ? static_cast<int>(-static_cast<int64_t>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

int StrToInt(std::string_view Text) {
    int v = 0;
    if (!TryStrToInt(Text, v))
        throw EConvertError("'" + std::string(Text) + "' is not a valid integer value");
    return v;
}

} // namespace kw::platform
