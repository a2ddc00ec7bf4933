// SPDX-License-Identifier: MIT
// Compact SVG path data writer.
//
// Sections
//   1. Number text   - shortest round-tripping or fixed-precision float text, compacted
//   2. Writer        - command letters and the separators the grammar needs

#include "kwgfx/path/KwSvgPathWriter.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kw {
namespace {

// ---------------------------------------------------------------- 1. Number text

// Text of one number in a fixed buffer; long enough for FLT_MAX written with 60 decimals.
struct TNumberText {
    char Buf[128];
    std::size_t Len = 0;
    std::string_view View() const { return {Buf, Len}; }
};

// "1e+20" -> "1e20", "1e-07" -> "1e-7", "0.5" -> ".5", "-0.5" -> "-.5".
void Compact(TNumberText& T) {
    std::string_view s = T.View();
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    if (s.starts_with("-0.")) {
        out = "-.";
        i = 3;
    } else if (s.starts_with("0.")) {
        out = ".";
        i = 2;
    }
    for (; i < s.size(); ++i) {
        out += s[i];
        if (s[i] != 'e') continue;
        ++i;
        if (i < s.size() && s[i] == '-')
            out += s[i++];
        else if (i < s.size() && s[i] == '+')
            ++i;
        while (i + 1 < s.size() && s[i] == '0') ++i;
        --i;
    }
    std::copy(out.begin(), out.end(), T.Buf);
    T.Len = out.size();
}

bool ReadsBackAs(std::string_view Text, float V) {
    double d = 0;
    const char* first = Text.data();
    const bool negative = !Text.empty() && Text[0] == '-';
    if (negative) ++first;
    auto [end, error] = std::from_chars(first, Text.data() + Text.size(), d);
    if (error != std::errc() || end != Text.data() + Text.size()) return false;
    if (negative) d = -d;
    if (std::fabs(d) > FLT_MAX) d = d < 0 ? -FLT_MAX : FLT_MAX; // the reader keeps FLT_MAX
    return std::bit_cast<uint32_t>(static_cast<float>(d)) == std::bit_cast<uint32_t>(V);
}

TNumberText FormatNumber(float V, int Precision) {
    if (std::isnan(V)) V = 0;
    if (std::isinf(V)) V = V < 0 ? -FLT_MAX : FLT_MAX;
    TNumberText t;
    char* const end = t.Buf + sizeof t.Buf;
    if (Precision < 0) {
        // The reader goes through double; the float's shortest text is kept when it reads
        // back exactly that way, else the double's own shortest text, which always does.
        t.Len = static_cast<std::size_t>(std::to_chars(t.Buf, end, V).ptr - t.Buf);
        Compact(t);
        if (!ReadsBackAs(t.View(), V)) {
            t.Len = static_cast<std::size_t>(std::to_chars(t.Buf, end, static_cast<double>(V)).ptr -
                                             t.Buf);
            Compact(t);
        }
        return t;
    }
    const int digits = std::min(Precision, 60);
    t.Len = static_cast<std::size_t>(
        std::to_chars(t.Buf, end, static_cast<double>(V), std::chars_format::fixed, digits).ptr -
        t.Buf);
    if (std::string_view(t.Buf, t.Len).find('.') != std::string_view::npos) {
        while (t.Buf[t.Len - 1] == '0') --t.Len;
        if (t.Buf[t.Len - 1] == '.') --t.Len;
    }
    if (t.View() == "-0") t.Len = 1, t.Buf[0] = '0';
    if (t.View() != "0") Compact(t);
    return t;
}

// ---------------------------------------------------------------- 2. Writer

class TWriter {
public:
    explicit TWriter(int Precision) : FPrecision(Precision) {}

    void Command(char Letter) {
        if (Letter != FLastCommand || Letter == 'M' || Letter == 'Z') {
            FText += Letter;
            FLastNumber.clear();
        }
        FLastCommand = Letter == 'M' ? 'L' : Letter; // pairs after a move are lines
    }
    void Point(const TKwPoint& P) {
        Number(P.X);
        Number(P.Y);
    }
    std::string Take() { return std::move(FText); }

private:
    void Number(float V) {
        const TNumberText t = FormatNumber(V, FPrecision);
        const std::string_view s = t.View();
        if (!FLastNumber.empty() && !NeedsNoSeparator(s)) FText += ' ';
        FText += s;
        FLastNumber.assign(s);
    }
    // A minus always starts a new number; a leading "." does after a number that already
    // has its decimal point (and no exponent, to keep the text plain for other readers).
    bool NeedsNoSeparator(std::string_view Next) const {
        if (Next[0] == '-') return true;
        return Next[0] == '.' && FLastNumber.find('.') != std::string::npos &&
               FLastNumber.find('e') == std::string::npos;
    }

    int FPrecision;
    std::string FText;
    std::string FLastNumber;
    char FLastCommand = 0;
};

} // namespace

std::string WriteSvgPath(std::span<const TKwPathPoint> Entries, int Precision) {
    TWriter w(Precision);
    const std::size_t n = Entries.size();
    if (n > 0 && Entries[0].Kind != ppMoveTo) {
        w.Command('M');
        w.Point({0, 0});
    }
    for (std::size_t i = 0; i < n; ++i) {
        const TKwPathPoint& e = Entries[i];
        switch (e.Kind) {
        case ppMoveTo:
            w.Command('M');
            w.Point(e.Point);
            break;
        case ppCurveTo:
            if (i + 2 < n && Entries[i + 1].Kind == ppCurveTo && Entries[i + 2].Kind == ppCurveTo) {
                w.Command('C');
                w.Point(e.Point);
                w.Point(Entries[i + 1].Point);
                w.Point(Entries[i + 2].Point);
                i += 2;
                break;
            }
            [[fallthrough]];
        case ppLineTo:
        default:
            w.Command('L');
            w.Point(e.Point);
            break;
        case ppClose:
            w.Command('Z');
            break;
        }
    }
    return w.Take();
}

} // namespace kw
