// TKwPathData's strict SVG path data: reading through ParseSvgPath, writing through
// WriteSvgPath, and the exact bounds of its curves.

#include "kwgfx/path/KwPathData.h"
#include "kwgfx/path/KwPathTightBounds.h"
#include "kwgfx/path/KwSvgArc.h"
#include "kwgfx/path/KwSvgPathWriter.h"

namespace kw {

namespace {

// Closes an update bracket on every exit.
struct TUpdateBracket {
    explicit TUpdateBracket(TKwPathData& Path) : FPath(Path) { FPath.BeginUpdate(); }
    ~TUpdateBracket() { FPath.EndUpdate(); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
    TKwPathData& FPath;
};

} // namespace

TKwSvgPathResult TKwPathData::SetSvgPathString(std::string_view Text) {
    // Clear inside the bracket, so that the whole replacement notifies once.
    TUpdateBracket bracket(*this);
    Clear();
    return AppendSvgPathString(Text);
}

TKwSvgPathResult TKwPathData::AppendSvgPathString(std::string_view Text) {
    // A member's local class has the member's access: the sink reaches the arc builder.
    class TPathSink final : public IKwSvgPathSink {
    public:
        explicit TPathSink(TKwPathData& Path) : FPath(Path) {}
        void MoveTo(const TKwPoint& P) override { FPath.MoveTo(P); }
        void LineTo(const TKwPoint& P) override { FPath.LineTo(P); }
        void CurveTo(const TKwPoint& C1, const TKwPoint& C2, const TKwPoint& E) override {
            FPath.CurveTo(C1, C2, E);
        }
        void ArcTo(const TKwPoint& Start, const TKwPoint& Radius, float XAxisRotation,
                   bool LargeArc, bool Sweep, const TKwPoint& End) override {
            // SVG's own arc conversion in double (SvgArcToCubics), not the float arc builder
            // of the compatible text; its last curve ends exactly on End.
            const TKwSvgArcCurves arc =
                SvgArcToCubics(Start, Radius, XAxisRotation, LargeArc, Sweep, End);
            if (arc.Shape == TKwSvgArcCurves::Line) {
                FPath.LineTo(End);
            } else if (arc.Shape == TKwSvgArcCurves::Curves) {
                for (int i = 0; i < arc.CurveCount; ++i) {
                    const TKwPoint* p = &arc.Points[std::size_t(3 * i)];
                    FPath.CurveTo(p[0], p[1], p[2]);
                }
            }
        }
        void ClosePath() override { FPath.ClosePath(); }

    private:
        TKwPathData& FPath;
    };
    TUpdateBracket bracket(*this);
    TPathSink sink(*this);
    return ParseSvgPath(Text, sink);
}

std::string TKwPathData::GetSvgPathString(int Precision) const {
    return WriteSvgPath(FPathData, Precision);
}

TKwRect TKwPathData::GetTightBounds() const {
    return TightBounds(FPathData);
}

} // namespace kw
