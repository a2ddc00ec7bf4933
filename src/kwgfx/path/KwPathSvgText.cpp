// SPDX-License-Identifier: MIT
// TKwPathData's strict SVG path data: reading through ParseSvgPath, writing through
// WriteSvgPath, and the exact bounds of its curves.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathTightBounds.h"
#include "kwgfx/path/KwSvgArc.h"
#include "kwgfx/path/KwSvgPathWriter.h"
#include "kwgfx/path/detail/KwPathSampleCache.h"
#include "kwgfx/path/detail/KwPathUpdate.h"

namespace kw {

TKwSvgPathResult TKwPathData::SetSvgPathString(std::string_view Text) {
    // Clear inside the bracket, so that the whole replacement notifies once.
    return detail::InUpdate(*this, [&] {
        Clear();
        return AppendSvgPathString(Text);
    });
}

TKwSvgPathResult TKwPathData::AppendSvgPathString(std::string_view Text) {
    // A member's local class has the member's access: the sink appends to the entries
    // directly. The reader reports a move before anything else, so no curve is ever first,
    // and the update bracket below makes the one notification (a building command's own
    // Change would do nothing inside it).
    class TPathSink final : public IKwSvgPathSink {
    public:
        explicit TPathSink(TKwPathData& Path) : FPath(Path), FEntries(Path.FPathData) {}
        void MoveTo(const TKwPoint& P) override {
            FEntries.emplace_back(ppMoveTo, P);
            FPath.FStartPoint = P;
        }
        void LineTo(const TKwPoint& P) override { FEntries.emplace_back(ppLineTo, P); }
        void CurveTo(const TKwPoint& C1, const TKwPoint& C2, const TKwPoint& E) override {
            FEntries.emplace_back(ppCurveTo, C1);
            FEntries.emplace_back(ppCurveTo, C2);
            FEntries.emplace_back(ppCurveTo, E);
        }
        void ArcTo(const TKwPoint& Start, const TKwPoint& Radius, float XAxisRotation,
                   bool LargeArc, bool Sweep, const TKwPoint& End) override {
            // SVG's own arc conversion in double (SvgArcToCubics), not the float arc builder
            // of the compatible text; its last curve ends exactly on End.
            const TKwSvgArcCurves arc =
                SvgArcToCubics(Start, Radius, XAxisRotation, LargeArc, Sweep, End);
            if (arc.Shape == TKwSvgArcCurves::Line) {
                LineTo(End);
            } else if (arc.Shape == TKwSvgArcCurves::Curves) {
                for (int i = 0; i < 3 * arc.CurveCount; ++i)
                    FEntries.emplace_back(ppCurveTo, arc.Points[std::size_t(i)]);
            }
        }
        void ClosePath() override { FEntries.emplace_back(ppClose, FPath.FStartPoint); }

    private:
        TKwPathData& FPath;
        std::vector<TKwPathPoint>& FEntries;
    };
    return detail::InUpdate(*this, [&] {
        TPathSink sink(*this);
        return ParseSvgPath(Text, sink);
    });
}

std::string TKwPathData::GetSvgPathString(int Precision) const {
    return WriteSvgPath(FPathData, Precision);
}

TKwRect TKwPathData::GetTightBounds() const {
    return Cache().TightBounds(FPathData);
}

} // namespace kw
