// SPDX-License-Identifier: MIT
// Path text: the lenient reader behind SetPathString / Append(text) and the writer behind
// GetPathString.
//
// Sections
//   1. Characters and numbers
//   2. Reader: tokens and numbers
//   3. Reader: commands
//   4. Reader: rounds
//   5. Entry points and writer
//
// The reader never throws on bad text. A number that does not convert (empty, "1e",
// "1.2.3", beyond the float range) abandons the rest of its command; what was appended
// before stays. A group of numbers whose resulting points are not finite floats (relative
// coordinates that overflow) is dropped as a whole, so no NaN or infinity enters the path.
// Positions are byte offsets: every character the grammar looks at is ASCII. TAB, LF and
// CR are read as spaces.

#include "kwgfx/geometry/KwConstants.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/detail/KwPathCommands.h"
#include "kwgfx/platform/text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <new>
#include <stdexcept>

namespace kw {

using detail::TKwPathCommand;

// ---------------------------------------------------------------- 1. Characters and numbers

namespace {

// Character classes of the grammar, one table lookup per character. TAB, LF and CR count
// as spaces wherever a space does, which is the same as turning them into spaces first.
enum TCharClass : uint8_t {
    ccOther = 0,
    ccSpace = 1,   // ' ', TAB, LF, CR
    ccComma = 2,   // ','
    ccCommand = 4, // a command letter (detail/KwPathCommands.h)
    ccDigit = 8,   // '0'..'9'
    ccPoint = 16,  // '.'
    ccExp = 32,    // 'e', 'E'
    ccMinus = 64   // '-'
};

constexpr std::array<uint8_t, 256> MakeCharClasses() {
    std::array<uint8_t, 256> t{};
    for (const char c : std::string_view(" \t\n\r")) t[static_cast<unsigned char>(c)] = ccSpace;
    t[','] = ccComma;
    for (int c = 0; c < 256; ++c)
        if (detail::IsPathCommandLetter(static_cast<char>(c))) t[c] = ccCommand;
    for (char c = '0'; c <= '9'; ++c) t[static_cast<unsigned char>(c)] = ccDigit;
    t['.'] = ccPoint;
    t['e'] = t['E'] = ccExp;
    t['-'] = ccMinus;
    return t;
}

constexpr std::array<uint8_t, 256> kCharClasses = MakeCharClasses();

constexpr uint8_t ClassOf(char C) {
    return kCharClasses[static_cast<unsigned char>(C)];
}

// The text of GetNum holds only digits, ".", "e", "E" and "-". On such text std::from_chars
// accepts exactly the shapes that platform::TryStrToSingle accepts and yields the same
// double, so the common case skips the general reader's validation; a result out of the
// double range (overflow or underflow) goes to the general reader, which decides.
bool ToSingle(std::string_view Text, float& Value) {
    double d = 0;
    const char* end = Text.data() + Text.size();
    const auto res = std::from_chars(Text.data(), end, d);
    if (res.ec == std::errc::result_out_of_range)
        return platform::TryStrToSingle(Text, Value, USFormatSettings);
    if (res.ec != std::errc() || res.ptr != end) return false;
    // As the general reader: beyond the float range is an error, not an infinity (values up
    // to half a unit above the largest float still round to it).
    constexpr double kFloatLimit = 0x1.ffffffp127;
    if (std::fabs(d) >= kFloatLimit) return false;
    Value = static_cast<float>(d);
    return true;
}

bool IsFinite(const TKwPoint& P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

TKwPoint Add(const TKwPoint& A, const TKwPoint& B) {
    return {A.X + B.X, A.Y + B.Y};
}

} // namespace

// ---------------------------------------------------------------- 2. Reader: tokens and numbers

// Reads one text into a path that the caller has cleared and put in an update bracket.
class TKwPathTextReader {
public:
    TKwPathTextReader(TKwPathData& Path, std::string_view Value) : FPath(Path), FText(Value) {}

    void Run();

private:
    size_t Length() const { return FText.size(); }
    bool AtEnd() const { return FPos >= FText.size(); }
    uint8_t CurrentClass() const { return ClassOf(FText[FPos]); }
    bool CurrentIs(uint8_t Classes) const { return !AtEnd() && (CurrentClass() & Classes) != 0; }

    void SkipSpaces() {
        while (CurrentIs(ccSpace)) ++FPos;
    }
    void SkipSeparators() {
        while (CurrentIs(ccSpace | ccComma)) ++FPos;
    }

    // The next run of command letters after spaces (possibly several: "zM").
    std::string_view GetTok() {
        if (AtEnd()) return {};
        SkipSpaces();
        const size_t start = FPos;
        while (CurrentIs(ccCommand)) ++FPos;
        return FText.substr(start, FPos - start);
    }

    // The text of the next number: digits, ".", "e"/"E", and "-" where it begins the number
    // or follows an exponent letter. Anything else (a second "-", "+", ",") ends it. The
    // text is not validated here; conversion rejects "1e" or "1.2.3".
    std::string_view GetNum() {
        if (AtEnd()) return {};
        SkipSpaces();
        const size_t start = FPos;
        while (!AtEnd()) {
            const uint8_t cls = CurrentClass();
            if (cls & (ccDigit | ccPoint | ccExp)) {
                ++FPos;
            } else if (cls == ccMinus) {
                if (FPos > start && ClassOf(FText[FPos - 1]) != ccExp) break;
                ++FPos;
            } else {
                break;
            }
        }
        const std::string_view num = FText.substr(start, FPos - start);
        SkipSpaces();
        return num;
    }

    // One number for H, V and the arc rotation: no separators skipped around it.
    bool ReadNumber(float& Value) { return ToSingle(GetNum(), Value); }

    // A coordinate pair. Both numbers are scanned before either is converted, so after a
    // failure the position is past both. At the end of the text there is no pair to read.
    bool ReadPair(TKwPoint& P) {
        if (AtEnd()) return false;
        SkipSeparators();
        const std::string_view x = GetNum();
        SkipSeparators();
        const std::string_view y = GetNum();
        SkipSeparators();
        return ToSingle(x, P.X) && ToSingle(y, P.Y);
    }

    // Whether another group of the same command follows.
    bool MoreFollows() const { return CurrentIs(ccDigit | ccMinus); }

    // ---- 3. commands
    using TLetter = detail::TKwPathCommandLetter;
    bool Execute(TLetter Letter);
    bool ExecuteGroups(TLetter Letter);
    bool ExecuteGroup(TLetter Letter, bool First);
    bool ExecuteArc(bool Relative);
    void BeginGroup() {
        FGroupCount = FPath.FPathData.size();
        FGroupStartPoint = FPath.FStartPoint;
    }
    bool EndGroup();
    void RollBackGroup() {
        FPath.FPathData.resize(FGroupCount);
        FPath.FStartPoint = FGroupStartPoint;
    }
    void QuadTo(const TKwPoint& Control, const TKwPoint& End) {
        FPath.QuadCurveTo(Control, End);
        FQuadControl = Control;
        FHasQuadControl = true;
    }

    TKwPathData& FPath;
    std::string_view FText;
    size_t FPos = 0;
    size_t FGroupCount = 0;
    TKwPoint FGroupStartPoint;
    // The control point of the quadratic just added, for a following T/t.
    TKwPoint FQuadControl;
    bool FHasQuadControl = false;
};

// ---------------------------------------------------------------- 3. Reader: commands

// Runs a command letter; false when a number failed and the rest of the command was
// abandoned. Exceptions from a subclass's overridden hooks abandon the command too; only
// running out of memory is passed on.
bool TKwPathTextReader::Execute(TLetter Letter) {
    if (Letter.Command != TKwPathCommand::QuadTo && Letter.Command != TKwPathCommand::SmoothQuadTo)
        FHasQuadControl = false;
    BeginGroup();
    try {
        return ExecuteGroups(Letter);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        RollBackGroup();
        return false;
    }
}

bool TKwPathTextReader::ExecuteGroups(TLetter Letter) {
    switch (Letter.Command) {
    case TKwPathCommand::ArcTo:
        return ExecuteArc(Letter.Relative);
    case TKwPathCommand::Close:
        FPath.ClosePath();
        return true;
    case TKwPathCommand::HLineTo:
    case TKwPathCommand::VLineTo:
        return ExecuteGroup(Letter, true);
    case TKwPathCommand::MoveTo:
    case TKwPathCommand::LineTo:
    case TKwPathCommand::CurveTo:
    case TKwPathCommand::SmoothCurveTo:
    case TKwPathCommand::QuadTo:
    case TKwPathCommand::SmoothQuadTo:
        if (!ExecuteGroup(Letter, true)) return false;
        while (MoreFollows())
            if (!ExecuteGroup(Letter, false)) return false;
        return true;
    case TKwPathCommand::None:
        break;
    }
    return true; // character 0 (no previous command) and anything else do nothing
}

// Reads and applies one group of numbers; First tells a move from the lines after it.
bool TKwPathTextReader::ExecuteGroup(TLetter Letter, bool First) {
    BeginGroup();
    TKwPoint p1, p2, p3;
    float v = 0;
    const bool relative = Letter.Relative;
    // Absolute coordinates come straight from finite numbers; everything computed from
    // the current point can overflow and is checked after the group.
    const TKwPathCommand c = Letter.Command;
    const bool absolute =
        !relative && (c == TKwPathCommand::MoveTo || c == TKwPathCommand::LineTo ||
                      c == TKwPathCommand::HLineTo || c == TKwPathCommand::VLineTo ||
                      c == TKwPathCommand::CurveTo);
    // Calls the absolute or the relative form of one of the path's building commands.
    const auto build = [&](auto Absolute, auto Relative, const auto&... Points) {
        (FPath.*(relative ? Relative : Absolute))(Points...);
    };
    switch (Letter.Command) {
    case TKwPathCommand::MoveTo:
    case TKwPathCommand::LineTo:
        if (!ReadPair(p1)) return false;
        if (Letter.Command == TKwPathCommand::MoveTo && First)
            build(&TKwPathData::MoveTo, &TKwPathData::MoveToRel, p1);
        else
            build(&TKwPathData::LineTo, &TKwPathData::LineToRel, p1);
        break;
    case TKwPathCommand::HLineTo:
        if (!ReadNumber(v)) return false;
        build(&TKwPathData::HLineTo, &TKwPathData::HLineToRel, v);
        break;
    case TKwPathCommand::VLineTo:
        if (!ReadNumber(v)) return false;
        build(&TKwPathData::VLineTo, &TKwPathData::VLineToRel, v);
        break;
    case TKwPathCommand::CurveTo:
        if (!ReadPair(p1) || !ReadPair(p2) || !ReadPair(p3)) return false;
        build(&TKwPathData::CurveTo, &TKwPathData::CurveToRel, p1, p2, p3);
        break;
    case TKwPathCommand::SmoothCurveTo:
        if (!ReadPair(p1) || !ReadPair(p2)) return false;
        build(&TKwPathData::SmoothCurveTo, &TKwPathData::SmoothCurveToRel, p1, p2);
        break;
    case TKwPathCommand::QuadTo:
        if (!ReadPair(p1) || !ReadPair(p2)) return false;
        if (relative) {
            const TKwPoint l = FPath.LastPoint();
            p1 = Add(l, p1);
            p2 = Add(l, p2);
        }
        if (!IsFinite(p1) || !IsFinite(p2)) return false;
        QuadTo(p1, p2);
        break;
    case TKwPathCommand::SmoothQuadTo: {
        if (!ReadPair(p1)) return false;
        const TKwPoint l = FPath.LastPoint();
        if (relative) p1 = Add(l, p1);
        // The control point mirrors the previous quadratic's about the current point;
        // without a quadratic just before, it is the current point itself.
        const TKwPoint control =
            FHasQuadControl ? Add(TKwPoint(l.X - FQuadControl.X, l.Y - FQuadControl.Y), l) : l;
        if (!IsFinite(p1) || !IsFinite(control)) return false;
        QuadTo(control, p1);
        break;
    }
    default:
        return true;
    }
    return absolute || EndGroup();
}

// Drops the group's entries when a coordinate came out infinite or NaN.
bool TKwPathTextReader::EndGroup() {
    const auto& data = FPath.FPathData;
    for (size_t i = FGroupCount; i < data.size(); ++i) {
        if (!IsFinite(data[i].Point)) {
            RollBackGroup();
            FHasQuadControl = false;
            return false;
        }
    }
    if (!IsFinite(FPath.FStartPoint)) {
        RollBackGroup();
        return false;
    }
    return true;
}

// Radii, rotation in degrees, the two flags, the end point; flags are set by exactly 1.
// Arcs are not repeated by the command itself; the rounds repeat it for more numbers.
bool TKwPathTextReader::ExecuteArc(bool Relative) {
    TKwPoint radii, flags, end;
    float rotation = 0;
    if (!ReadPair(radii) || !ReadNumber(rotation) || !ReadPair(flags) || !ReadPair(end))
        return false;
    const TKwPoint start = FPath.LastPoint();
    if (Relative) end = Add(start, end);
    if (!IsFinite(end)) return false;
    FPath.AddArcSvg(start, radii, rotation, flags.X == 1, flags.Y == 1, end);
    return EndGroup();
}

// ---------------------------------------------------------------- 4. Reader: rounds

// Each round takes a run of command letters and executes them in order. A round that
// finds no letter repeats the previous command (for numbers that did not continue a
// group, such as ".5"); a round that does not advance ends the parse.
void TKwPathTextReader::Run() {
    size_t previous = static_cast<size_t>(-1);
    TLetter lastCommand; // none yet
    while (FPos < Length() && previous != FPos) {
        previous = FPos;
        const std::string_view tok = GetTok();
        // Position of the 1-based reading: "at or past the last character".
        const bool nearEnd = FPos + 1 >= Length();
        if (!tok.empty() || nearEnd) {
            for (const char c : tok) {
                lastCommand = detail::PathCommandOf(c);
                Execute(lastCommand);
            }
        } else {
            Execute(lastCommand);
        }
    }
}

// ---------------------------------------------------------------- 5. Entry points and writer

void TKwPathData::SetPathString(std::string_view Value) {
    BeginUpdate();
    try {
        Clear();
        TKwPathTextReader reader(*this, Value);
        reader.Run();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TKwPathData::Append(std::string_view PathString) {
    TKwPathData parsed;
    parsed.SetPathString(PathString);
    Append(parsed);
}

namespace {

void AppendPoint(std::string& Out, const TKwPoint& P) {
    platform::AppendFloatToStr(Out, P.X, USFormatSettings);
    Out += ',';
    platform::AppendFloatToStr(Out, P.Y, USFormatSettings);
    Out += ' ';
}

} // namespace

std::string TKwPathData::GetPathString() const {
    std::string out;
    out.reserve(FPathData.size() * 24);
    const size_t n = FPathData.size();
    for (size_t i = 0; i < n; ++i) {
        const TKwPathPoint& e = FPathData[i];
        switch (e.Kind) {
        case ppMoveTo:
            out += 'M';
            AppendPoint(out, e.Point);
            break;
        case ppLineTo:
            out += 'L';
            AppendPoint(out, e.Point);
            break;
        case ppCurveTo:
            // A curve is always a group of three; a truncated group is not written.
            if (i + 2 >= n) return out;
            out += 'C';
            AppendPoint(out, e.Point);
            AppendPoint(out, FPathData[i + 1].Point);
            AppendPoint(out, FPathData[i + 2].Point);
            i += 2;
            break;
        case ppClose:
            out += "Z ";
            break;
        }
    }
    return out;
}

} // namespace kw
