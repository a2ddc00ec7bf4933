// SPDX-License-Identifier: MIT
// Strict SVG path data reader.
//
// Sections
//   1. Characters and errors    - character classes, error positions and texts
//   2. Numbers and flags        - the number grammar, range checks, arc flags
//   3. Commands                 - one argument group per segment, current-point bookkeeping
//   4. ParseSvgPath             - the command loop

#include "kwgfx/path/KwSvgPathParser.h"

#include "kwgfx/path/detail/KwPathCommands.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kw {
namespace {

using detail::IsPathCommandLetter;
using detail::PathCommandOf;
using detail::TKwPathCommand;
using detail::TKwPathCommandLetter;

// ---------------------------------------------------------------- 1. Characters and errors

constexpr bool IsWsp(char C) {
    return C == ' ' || C == '\t' || C == '\n' || C == '\r' || C == '\f';
}
constexpr bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}
constexpr bool IsAsciiLetter(char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}
constexpr bool StartsNumber(char C) {
    return IsDigit(C) || C == '.' || C == '-' || C == '+';
}
constexpr bool IsUtf8Continuation(char C) {
    return (static_cast<unsigned char>(C) & 0xC0) == 0x80;
}

// Where a number's value lies relative to what a double can hold.
enum class TNumberRange { InRange, Underflow, Overflow };

struct TPointD {
    double X = 0;
    double Y = 0;
};

// ---------------------------------------------------------------- reader state

class TSvgPathReader {
public:
    TSvgPathReader(std::string_view Text, IKwSvgPathSink& Sink)
        : FBegin(Text.data()), FPos(Text.data()), FEnd(Text.data() + Text.size()), FSink(Sink) {}

    TKwSvgPathResult Run();

private:
    enum class TLastSegment { Other, Cubic, Quadratic };

    const char* FBegin;
    const char* FPos;
    const char* FEnd;
    IKwSvgPathSink& FSink;
    TKwSvgPathResult FResult;

    TPointD FCurrent;      // end of the last segment, exact as the text defines it
    TPointD FSubpathStart; // target of the last move
    TPointD FLastControl; // second control point of the last cubic or control of the last quadratic
    TLastSegment FLast = TLastSegment::Other;
    bool FNeedsMove = false; // a close was the last command: the next segment starts a subpath

    // 1. errors
    bool Fail(const char* At, std::string Message, bool TakeToken = true);
    std::string TokenAt(const char* At) const;

    // 2. numbers and flags
    void SkipWsp() {
        while (FPos < FEnd && IsWsp(*FPos)) ++FPos;
    }
    bool SkipCommaWsp();
    bool ReadNumber(double& Value);
    bool ReadFlag(bool& Value);
    bool ReadPair(TPointD& P) { return ReadNumber(P.X) && SkipCommaWsp() && ReadNumber(P.Y); }
    bool ToPoint(const TPointD& P, TKwPoint& Out, const char* GroupStart);
    bool ToFloat(double V, float& Out, const char* GroupStart);

    // 3. commands
    bool ReadCommand(TKwPathCommandLetter Letter);
    bool ReadSegment(TKwPathCommandLetter Letter, bool FirstOfMove);
    void StartSubpathIfClosed();
};

bool TSvgPathReader::Fail(const char* At, std::string Message, bool TakeToken) {
    std::size_t chars = 0;
    for (const char* p = FBegin; p < At; ++p)
        if (!IsUtf8Continuation(*p)) ++chars;
    FResult.Ok = false;
    FResult.Position = chars + 1;
    FResult.Text = TakeToken ? TokenAt(At) : std::string();
    FResult.Message = std::move(Message);
    return false;
}

// The offending text at At: one code point for a stray character, else the run up to the
// next separator or command letter, at most 24 bytes, never cutting a code point.
std::string TSvgPathReader::TokenAt(const char* At) const {
    if (At >= FEnd) return {};
    const char* p = At + 1;
    while (p < FEnd && IsUtf8Continuation(*p)) ++p;
    if (StartsNumber(*At)) {
        while (p < FEnd && p - At < 24 && !IsWsp(*p) && *p != ',' &&
               !(IsAsciiLetter(*p) && *p != 'e' && *p != 'E'))
            ++p;
        while (p < FEnd && IsUtf8Continuation(*p)) --p;
    }
    return std::string(At, p);
}

// ---------------------------------------------------------------- 2. Numbers and flags

// comma-wsp?: blanks, at most one comma, blanks. A comma promises that an argument follows,
// which the caller's next read checks.
inline bool TSvgPathReader::SkipCommaWsp() {
    SkipWsp();
    if (FPos < FEnd && *FPos == ',') {
        ++FPos;
        SkipWsp();
    }
    return true;
}

// Decimal exponent of the leading significant digit of a number text (sign already
// skipped), to tell an overflow from an underflow. Texts with only zero digits give 0.
TNumberRange ClassifyOutOfRange(const char* P, const char* End) {
    long long exponent10 = 0;
    bool seenSignificant = false;
    bool inFraction = false;
    long long position = 0;
    for (; P < End && (IsDigit(*P) || *P == '.'); ++P) {
        if (*P == '.') {
            inFraction = true;
            continue;
        }
        if (!seenSignificant && *P != '0') {
            seenSignificant = true;
            exponent10 = inFraction ? -(position + 1) : 0;
        } else if (seenSignificant && !inFraction) {
            ++exponent10;
        }
        if (inFraction && !seenSignificant) ++position;
    }
    if (P < End && (*P == 'e' || *P == 'E')) {
        ++P;
        bool negative = false;
        if (P < End && (*P == '+' || *P == '-')) negative = *P++ == '-';
        long long e = 0;
        for (; P < End && IsDigit(*P); ++P)
            if (e < 100000) e = e * 10 + (*P - '0');
        exponent10 += negative ? -e : e;
    }
    return exponent10 < 0 ? TNumberRange::Underflow : TNumberRange::Overflow;
}

// number ::= sign? ( digits ("." digits?)? | "." digits ) ( ("e"|"E") sign? digits )?
// An "e" without digits after it is not part of the number.
//
// Most path numbers have few digits: their mantissa is an exact double and so is the power
// of ten, and one IEEE multiplication or division rounds the quotient correctly (the
// classic fast path). Everything else goes to std::from_chars.
bool TSvgPathReader::ReadNumber(double& Value) {
    static constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* start = FPos;
    const char* p = FPos;
    bool negative = false;
    if (p < FEnd && (*p == '+' || *p == '-')) negative = *p++ == '-';
    const char* mantissa = p;
    // All digits go into one integer; with at most 19 of them it holds them exactly (an
    // unsigned wrap beyond that is harmless: such numbers take the from_chars road).
    uint64_t digitsValue = 0;
    const char* digits = p;
    for (; p < FEnd && IsDigit(*p); ++p) digitsValue = digitsValue * 10 + uint64_t(*p - '0');
    std::ptrdiff_t digitCount = p - digits;
    int exponent = 0; // decimal exponent of digitsValue's last digit
    if (p < FEnd && *p == '.') {
        const char* fraction = ++p;
        for (; p < FEnd && IsDigit(*p); ++p) digitsValue = digitsValue * 10 + uint64_t(*p - '0');
        digitCount += p - fraction;
        exponent = -static_cast<int>(std::min<std::ptrdiff_t>(p - fraction, 100000));
    }
    const bool any = digitCount > 0;
    const bool exact = digitCount <= 19;
    if (!any) return Fail(start, "expected number");
    if (p < FEnd && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q < FEnd && (*q == '+' || *q == '-')) negativeExponent = *q++ == '-';
        if (q < FEnd && IsDigit(*q)) {
            int e = 0;
            for (p = q; p < FEnd && IsDigit(*p); ++p)
                if (e < 100000) e = e * 10 + (*p - '0');
            exponent += negativeExponent ? -e : e;
        }
    }
    double magnitude = 0;
    if (exact && digitsValue <= (uint64_t(1) << 53) && exponent >= -22 && exponent <= 22) {
        const double m = static_cast<double>(digitsValue);
        magnitude = exponent < 0 ? m / powersOfTen[-exponent] : m * powersOfTen[exponent];
    } else {
        // from_chars takes no "+"; the sign was consumed above and is applied below.
        auto [end, error] = std::from_chars(mantissa, p, magnitude, std::chars_format::general);
        if (error == std::errc::result_out_of_range) {
            if (ClassifyOutOfRange(mantissa, p) == TNumberRange::Overflow)
                return Fail(start, "number out of range");
            magnitude = 0;
        } else if (error != std::errc() || end != p) {
            return Fail(start, "expected number");
        }
    }
    Value = negative ? -magnitude : magnitude;
    FPos = p;
    return true;
}

bool TSvgPathReader::ReadFlag(bool& Value) {
    if (FPos < FEnd && (*FPos == '0' || *FPos == '1')) {
        Value = *FPos++ == '1';
        return true;
    }
    return Fail(FPos, "expected flag");
}

// Coordinates and arc parameters are stored as float: a value beyond the float range is
// an error of its command, not an infinity in the path. Values that round to FLT_MAX
// (its own shortest text reads back slightly above it) are kept.
inline bool TSvgPathReader::ToFloat(double V, float& Out, const char* GroupStart) {
    constexpr double roundsToInfinity = 0x1.ffffffp127; // FLT_MAX + half an ulp
    if (std::fabs(V) <= FLT_MAX) {
        Out = static_cast<float>(V);
        return true;
    }
    if (std::fabs(V) < roundsToInfinity) {
        Out = V < 0 ? -FLT_MAX : FLT_MAX;
        return true;
    }
    FPos = GroupStart;
    return Fail(GroupStart, "coordinate out of range");
}

inline bool TSvgPathReader::ToPoint(const TPointD& P, TKwPoint& Out, const char* GroupStart) {
    return ToFloat(P.X, Out.X, GroupStart) && ToFloat(P.Y, Out.Y, GroupStart);
}

// ---------------------------------------------------------------- 3. Commands

void TSvgPathReader::StartSubpathIfClosed() {
    if (!FNeedsMove) return;
    FNeedsMove = false;
    FSink.MoveTo(
        TKwPoint(static_cast<float>(FSubpathStart.X), static_cast<float>(FSubpathStart.Y)));
}

// Reads one argument group of Command and, once it is complete and valid, reports its
// segment. Nothing reaches the sink for an incomplete group.
bool TSvgPathReader::ReadSegment(TKwPathCommandLetter Letter, bool FirstOfMove) {
    const char* group = FPos;
    const bool relative = Letter.Relative;
    // Absolute values pass untouched: adding a zero origin would turn -0 into +0.
    auto absolute = [&](TPointD P) {
        return relative ? TPointD{P.X + FCurrent.X, P.Y + FCurrent.Y} : P;
    };

    switch (Letter.Command) {
    case TKwPathCommand::MoveTo:
    case TKwPathCommand::LineTo: {
        TPointD p;
        if (!ReadPair(p)) return false;
        p = absolute(p);
        TKwPoint out;
        if (!ToPoint(p, out, group)) return false;
        if (Letter.Command == TKwPathCommand::MoveTo) {
            if (FirstOfMove) {
                FSink.MoveTo(out);
                FSubpathStart = p;
                FNeedsMove = false;
            } else {
                FSink.LineTo(out);
            }
        } else {
            StartSubpathIfClosed();
            FSink.LineTo(out);
        }
        FCurrent = p;
        FLast = TLastSegment::Other;
        return true;
    }
    case TKwPathCommand::HLineTo:
    case TKwPathCommand::VLineTo: {
        double v;
        if (!ReadNumber(v)) return false;
        TPointD p = FCurrent;
        double& axis = Letter.Command == TKwPathCommand::HLineTo ? p.X : p.Y;
        axis = relative ? axis + v : v;
        TKwPoint out;
        if (!ToPoint(p, out, group)) return false;
        StartSubpathIfClosed();
        FSink.LineTo(out);
        FCurrent = p;
        FLast = TLastSegment::Other;
        return true;
    }
    case TKwPathCommand::CurveTo:
    case TKwPathCommand::SmoothCurveTo: {
        TPointD c1, c2, e;
        const bool smooth = Letter.Command == TKwPathCommand::SmoothCurveTo;
        if (!smooth && !(ReadPair(c1) && SkipCommaWsp())) return false;
        if (!(ReadPair(c2) && SkipCommaWsp() && ReadPair(e))) return false;
        if (smooth)
            c1 = FLast == TLastSegment::Cubic
                     ? TPointD{2 * FCurrent.X - FLastControl.X, 2 * FCurrent.Y - FLastControl.Y}
                     : FCurrent;
        else
            c1 = absolute(c1);
        c2 = absolute(c2);
        e = absolute(e);
        TKwPoint o1, o2, o3;
        if (!(ToPoint(c1, o1, group) && ToPoint(c2, o2, group) && ToPoint(e, o3, group)))
            return false;
        StartSubpathIfClosed();
        FSink.CurveTo(o1, o2, o3);
        FLastControl = c2;
        FCurrent = e;
        FLast = TLastSegment::Cubic;
        return true;
    }
    case TKwPathCommand::QuadTo:
    case TKwPathCommand::SmoothQuadTo: {
        TPointD q, e;
        const bool smooth = Letter.Command == TKwPathCommand::SmoothQuadTo;
        if (!smooth && !(ReadPair(q) && SkipCommaWsp())) return false;
        if (!ReadPair(e)) return false;
        if (smooth)
            q = FLast == TLastSegment::Quadratic
                    ? TPointD{2 * FCurrent.X - FLastControl.X, 2 * FCurrent.Y - FLastControl.Y}
                    : FCurrent;
        else
            q = absolute(q);
        e = absolute(e);
        // The cubic with the same curve: control points two thirds of the way from each
        // end towards the quadratic's control point.
        const TPointD c1{FCurrent.X + 2.0 / 3.0 * (q.X - FCurrent.X),
                         FCurrent.Y + 2.0 / 3.0 * (q.Y - FCurrent.Y)};
        const TPointD c2{e.X + 2.0 / 3.0 * (q.X - e.X), e.Y + 2.0 / 3.0 * (q.Y - e.Y)};
        TKwPoint o1, o2, o3;
        if (!(ToPoint(c1, o1, group) && ToPoint(c2, o2, group) && ToPoint(e, o3, group)))
            return false;
        StartSubpathIfClosed();
        FSink.CurveTo(o1, o2, o3);
        FLastControl = q;
        FCurrent = e;
        FLast = TLastSegment::Quadratic;
        return true;
    }
    case TKwPathCommand::ArcTo: {
        TPointD radius, e;
        double rotation;
        bool largeArc, sweep;
        if (!(ReadPair(radius) && SkipCommaWsp() && ReadNumber(rotation) && SkipCommaWsp() &&
              ReadFlag(largeArc) && SkipCommaWsp() && ReadFlag(sweep) && SkipCommaWsp() &&
              ReadPair(e)))
            return false;
        e = absolute(e);
        TKwPoint start, outRadius, end;
        float outRotation = 0;
        if (!(ToPoint(FCurrent, start, group) && ToPoint(radius, outRadius, group) &&
              ToFloat(rotation, outRotation, group) && ToPoint(e, end, group)))
            return false;
        if (e.X != FCurrent.X || e.Y != FCurrent.Y) {
            StartSubpathIfClosed();
            if (outRadius.X == 0 || outRadius.Y == 0)
                FSink.LineTo(end);
            else
                FSink.ArcTo(start, outRadius, outRotation, largeArc, sweep, end);
        }
        FCurrent = e;
        FLast = TLastSegment::Other;
        return true;
    }
    case TKwPathCommand::Close: // ReadCommand closes without reading a segment
    case TKwPathCommand::None:
        break;
    }
    return false; // not reached: the caller passes command letters other than Z only
}

// Reads the argument groups of one command letter: the first is required; further groups
// follow as long as a number starts (or a comma promises one).
bool TSvgPathReader::ReadCommand(TKwPathCommandLetter Letter) {
    if (Letter.Command == TKwPathCommand::Close) {
        FSink.ClosePath();
        FCurrent = FSubpathStart;
        FLast = TLastSegment::Other;
        FNeedsMove = true;
        return true;
    }
    SkipWsp();
    bool first = true;
    for (;;) {
        if (!ReadSegment(Letter, first)) return false;
        first = false;
        SkipWsp();
        if (FPos < FEnd && *FPos == ',') {
            ++FPos;
            SkipWsp();
            continue; // a comma promises another group; ReadSegment reports its absence
        }
        if (FPos >= FEnd || !StartsNumber(*FPos)) return true;
    }
}

// ---------------------------------------------------------------- 4. ParseSvgPath

TKwSvgPathResult TSvgPathReader::Run() {
    SkipWsp();
    if (FPos < FEnd && PathCommandOf(*FPos).Command != TKwPathCommand::MoveTo) {
        if (IsAsciiLetter(*FPos) && !IsPathCommandLetter(*FPos))
            Fail(FPos, std::string("unknown command '") + *FPos + "'");
        else
            Fail(FPos, "path must start with a move");
        return FResult;
    }
    while (FPos < FEnd) {
        const char c = *FPos;
        if (const TKwPathCommandLetter letter = PathCommandOf(c);
            letter.Command != TKwPathCommand::None) {
            ++FPos;
            if (!ReadCommand(letter)) return FResult;
        } else if (IsAsciiLetter(c)) {
            Fail(FPos, std::string("unknown command '") + c + "'");
            return FResult;
        } else {
            Fail(FPos, "expected command");
            return FResult;
        }
        SkipWsp();
    }
    return FResult;
}

} // namespace

TKwSvgPathResult ParseSvgPath(std::string_view Text, IKwSvgPathSink& Sink) {
    return TSvgPathReader(Text, Sink).Run();
}

} // namespace kw
