// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwPathData: the library's vector path, an ordered list of tagged points that describes
/// one or more subpaths of straight lines and cubic Bezier curves.
///
/// Guarantees
///   - Entries live in one contiguous array of 9-byte TKwPathPoint records (KwPathPoint.h);
///     the path owns it. Count() is its length.
///   - A move is one ppMoveTo entry, a line one ppLineTo entry (its end point), a close one
///     ppClose entry holding the subpath's start point as it was when the close was added.
///   - A cubic is exactly three consecutive ppCurveTo entries: first control point, second
///     control point, end point. Its start point is the point of the entry just before the
///     group, whatever that entry's kind. Every building command keeps ppCurveTo entries in
///     groups of three, so consumers step over a curve by reading i, i+1, i+2 and go on at i+3.
///   - A curve is never the first entry: a curve added to an empty path is preceded by a move
///     to (0,0), the point that relative commands start from on an empty path.
///   - Text read by SetPathString never puts a NaN or an infinity into the path: a command
///     whose numbers or resulting coordinates are not finite floats is dropped whole.
///   - Every mutating operation ends with one Change: the cached bounds are marked stale and
///     OnChanged is called, unless an update bracket (BeginUpdate/EndUpdate) is open; the
///     outermost EndUpdate then calls Change once. Change drops the kept samples and the hit
///     index at once, bracket or not.
///   - Drawing keeps the work bounded by what the canvas shows: on a canvas that tells its
///     clip box, curves far outside it are drawn as chords (KwPathAreaFill.h), which leaves
///     the pixels inside as they were (but for the phase of a dashed pen after such a
///     stretch); ToPolygons, Flatten and FlattenToPolygon sample every curve whole.
///   - FillMode is stored, copied and streamed; PointInPathArea and FillPathArea consult it.
///   - Const members may run on several threads at once (the bounds cache is filled without
///     a race); a mutating member needs the path to itself (KwThreads.h).
///   - A path has identity and is never copied by value (Assign, Clone), but it moves: the
///     entries, fill mode and start point go along, the change handler does not, nobody is
///     notified, and the moved-from path is left empty and usable. So paths can live in a
///     std::vector.
///   - Two paths are equal (operator==) when their entries and fill modes are.
/// KwCheckPathGuarantees (KwPathGuarantees.h) checks a list of entries against the
/// guarantees on kinds, curve groups and finite points, wherever entries come from.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/geometry/KwVectorTypes.h"
#include "kwgfx/path/KwCorners.h"
#include "kwgfx/path/KwPathGuarantees.h"
#include "kwgfx/path/KwPathPoint.h"
#include "kwgfx/path/KwPathValueCache.h"
#include "kwgfx/path/KwSvgPathParser.h"
#include "kwgfx/platform/base/Persistent.h"
#include "kwgfx/platform/streams/Stream.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw::platform {
class TCanvas;
} // namespace kw::platform

namespace kw::detail {
class TKwPathSampleCache;
} // namespace kw::detail

namespace kw {

/// The library's vector path; see the file's description for its guarantees.
class TKwPathData : public platform::TPersistent {
public:
    /// An empty path: no entries, bounds stale, fill mode even-odd, start point (0,0).
    TKwPathData();
    ~TKwPathData() override;
    /// A path is an object with identity (listeners receive it as sender): copy it with
    /// Clone or Assign, not by value.
    TKwPathData(const TKwPathData&) = delete;
    TKwPathData& operator=(const TKwPathData&) = delete;
    /// Takes Source's entries, fill mode and start point (and the samples kept for drawing,
    /// which belong to those entries); the bounds are worked out again on demand. The change
    /// handler stays behind: the new path notifies no one until SetOnChanged, and has no
    /// update bracket open. Source is left as a new path is (no entries, even-odd, start
    /// point (0,0)), keeping its own handler and brackets, and is not notified. Both paths
    /// must be free of other threads.
    TKwPathData(TKwPathData&& Source) noexcept;
    /// Like the move constructor: this path drops its entries, its handler and its open
    /// update brackets and takes Source's entries, fill mode and start point, without
    /// notifying anyone; Source is left empty. Moving a path onto itself changes nothing.
    TKwPathData& operator=(TKwPathData&& Source) noexcept;

    /// True when both paths have the same entries, in order, and the same fill mode. Entries
    /// compare by kind and exact coordinates (TKwPathPoint's operator==); the handler, the
    /// start point, update brackets and caches do not count, nor does the dynamic class.
    bool operator==(const TKwPathData& Other) const;

    // ---- copies
    /// The virtual constructor: a new, empty object of this object's own class. Every
    /// subclass overrides it so that Clone keeps the dynamic type.
    virtual std::unique_ptr<TKwPathData> NewInstance() const;
    /// NewInstance followed by Assign(*this).
    std::unique_ptr<TKwPathData> Clone() const;
    /// From another path: its entries (raw record copies) and its fill mode, then Change;
    /// the start point, OnChanged and the update count stay. Other sources go to the base.
    void Assign(const platform::TPersistent& Source) override;
    /// Onto an empty path this is Assign; otherwise Source's entries are copied after ours,
    /// then Change. Appending a path to itself doubles it.
    virtual void Append(const TKwPathData& Source);
    /// Parses PathString into a temporary path and appends that.
    void Append(std::string_view PathString);

    // ---- entries
    /// Removes all entries, then Change; start point and fill mode stay.
    void Clear();
    /// The number of entries.
    ///@{
    int32_t GetCount() const { return static_cast<int32_t>(FPathData.size()); }
    int32_t Count() const { return GetCount(); }
    ///@}
    /// The entry at Index, 0 to Count()-1; the index is not checked.
    TKwPathPoint GetPoint(int32_t Index) const { return FPathData[static_cast<size_t>(Index)]; }
    /// The point of the last entry whatever its kind ((0,0) on an empty path). After a
    /// close this is the subpath's start, so relative commands continue from there.
    TKwPoint LastPoint() const;
    /// The entries as one contiguous array.
    std::span<const TKwPathPoint> Entries() const { return FPathData; }
    /// Replaces all entries with Entries in one change, when they keep the guarantees above
    /// (KwCheckPathGuarantees); otherwise the path stays as it was. Returns the check. The
    /// start point becomes the last move's point. (KwPathEntries.cpp)
    TKwPathCheck SetEntries(std::vector<TKwPathPoint> Entries);

    // ---- notification
    /// Opens an update bracket: changes until the matching EndUpdate notify nobody.
    void BeginUpdate();
    /// Closes one BeginUpdate; the outermost one calls Change. Without an open bracket it
    /// does nothing (the count never goes negative).
    void EndUpdate();
    /// Marks the bounds stale and calls OnChanged, unless an update bracket is open.
    virtual void Change();
    /// Called with the path after every change outside an update bracket.
    const platform::TNotifyEvent& OnChanged() const { return FOnChanged; }
    /// Sets the change listener.
    void SetOnChanged(platform::TNotifyEvent Value) { FOnChanged = std::move(Value); }

    // ---- properties
    /// The stored fill mode (even-odd unless set).
    TKwFillMode FillMode() const { return FFillMode; }
    /// Stores the fill mode; a different value notifies.
    void SetFillMode(TKwFillMode Value);
    /// The path as text: "M", "L", "C" and "Z" commands, numbers in the general float
    /// format, each command followed by a space; "" for an empty path.
    std::string GetPathString() const;
    /// Replaces all entries with the parsed text (commands of the SVG path syntax); never
    /// throws on bad text and notifies once.
    void SetPathString(std::string_view Value);
    /// The path text, as the published property Data: GetPathString and SetPathString.
    ///@{
    std::string Data() const { return GetPathString(); }
    void SetData(std::string_view Value) { SetPathString(Value); }
    ///@}

    // ---- streaming (KwPathStream.cpp)
    /// Published: FillMode by member name (always written) and Data (never written: the
    /// entries travel in the binary property "Path").
    platform::TPublishedProperties GetPublishedProperties() override;
    /// The "Path" body: the entry count N as a little-endian 32-bit integer, then N records
    /// of 9 bytes (kind byte, X and Y as little-endian IEEE singles). EWriteError for an
    /// entry whose point is not finite, since such a body could not be read back.
    void WritePath(platform::TStream& Stream) const;
    /// Replaces the entries with a "Path" body and calls Change once. Everything is checked
    /// before anything changes: a negative count, a count larger than the stream still
    /// holds, a kind above ppClose, ppCurveTo entries that are first or not in complete
    /// groups of three, or a coordinate that is not finite raise EReadError saying which,
    /// and leave the path and its listeners untouched.
    void ReadPath(platform::TStream& Stream);

    // ---- building commands (each ends with one Change)
    /// A move to P, which starts a new subpath.
    void MoveTo(const TKwPoint& P);
    /// A move to LastPoint() + P.
    void MoveToRel(const TKwPoint& P);
    /// A line to P.
    void LineTo(const TKwPoint& P);
    /// A line to LastPoint() + P.
    void LineToRel(const TKwPoint& P);
    /// A line to (X, LastPoint().Y).
    void HLineTo(float X);
    /// A line to (LastPoint().X + X, LastPoint().Y).
    void HLineToRel(float X);
    /// A line to (LastPoint().X, Y).
    void VLineTo(float Y);
    /// A line to (LastPoint().X, LastPoint().Y + Y).
    void VLineToRel(float Y);
    /// A cubic from LastPoint() through the two control points to EndPoint.
    void CurveTo(const TKwPoint& ControlPoint1, const TKwPoint& ControlPoint2,
                 const TKwPoint& EndPoint);
    /// CurveTo with all three points relative to LastPoint().
    void CurveToRel(const TKwPoint& ControlPoint1, const TKwPoint& ControlPoint2,
                    const TKwPoint& EndPoint);
    /// The first control point mirrors the entry before the last one about the last point
    /// (or is ControlPoint2 when the path has fewer than three entries).
    void SmoothCurveTo(const TKwPoint& ControlPoint2, const TKwPoint& EndPoint);
    /// SmoothCurveTo with both points relative to LastPoint().
    void SmoothCurveToRel(const TKwPoint& ControlPoint2, const TKwPoint& EndPoint);
    /// A quadratic segment from LastPoint, stored as the equivalent cubic.
    void QuadCurveTo(const TKwPoint& ControlPoint, const TKwPoint& EndPoint);
    /// Closes the subpath: a ppClose entry holding the subpath's start point.
    void ClosePath();
    /// A move to the first point and lines to the others, closed when the last point equals
    /// the first; one notification.
    ///@{
    void AddPolygon(std::span<const TPoint> Poly);
    void AddPolygon(std::span<const TKwPoint> Poly);
    ///@}
    /// AddPolygon for each polygon, with one notification in all.
    ///@{
    void AddPolygons(std::span<const TCanvasPoints> Poly);
    void AddPolygons(std::span<const TKwPoints> Poly);
    ///@}

    // ---- bounds and transforms (KwPathBounds.cpp, KwPathTransforms.cpp)
    /// The box of all entry points except closes (control points included), cached until
    /// the next notifying change; a zero width or height is widened to 0.001. (0,0,0,0)
    /// for an empty path.
    TKwRect GetBounds() const;
    /// No entries, or bounds of zero area.
    bool IsEmpty() const;
    /// The transforms move every entry except closes (a close keeps its stored point) and
    /// notify once; on an empty path they do nothing.
    ///@{
    void Scale(float scaleX, float scaleY);
    void Translate(float dX, float dY);
    void ApplyMatrix(const TKwMatrix& M);
    ///@}
    /// Maps the bounds onto ARect, stretching each axis on its own.
    void FitToRect(const TKwRect& ARect);

    // ---- flattening, polygons, hit test (KwPathFlatten.cpp, KwPathPolygons.cpp)
    /// Replaces every curve by lines through samples about Flatness apart (at least 0.05).
    void Flatten(float Flatness);
    /// The path as one point list, figures ended by KwClosePolygon, curves sampled as in
    /// Flatten, no point repeated twice in a row. Returns the bounds' width and height.
    TKwPoint FlattenToPolygon(TKwPoints& Polygon, float Flatness) const;
    /// One polygon per figure; a curve becomes a polygon within 0.1 of it.
    TKwPolygons ToPolygons() const;
    /// True when any one figure contains the point (even-odd, figures tested separately).
    ///@{
    bool PointInPath(float X, float Y) const;
    bool PointInPath(const TKwPoint& P) const;
    ///@}
    /// True when the point lies in the area FillPathArea paints: all figures, each closed,
    /// as one area under FillMode (non-zero winding or even-odd), curves within 0.1 as in
    /// ToPolygons. Points on an edge may go either way. The first query builds an index of
    /// the outline that the path keeps until its next change.
    ///@{
    bool PointInPathArea(float X, float Y) const;
    bool PointInPathArea(const TKwPoint& P) const;
    ///@}

    // ---- drawing (KwPathDrawing.cpp)
    /// One canvas call per figure with the canvas's pen and brush: Polyline here, Polygon
    /// in FillPath. An Opacity of 0 draws nothing; any other value draws normally.
    ///@{
    void DrawPath(platform::TCanvas& Canvas, float Opacity) const;
    void FillPath(platform::TCanvas& Canvas, float Opacity) const;
    ///@}

    // ---- shapes (KwPathShapes.cpp)
    /// One move and four cubics around the ellipse inscribed in ARect, not closed.
    ///
    /// \gallery{path_shapes.png}
    void AddEllipse(const TKwRect& ARect);
    /// A closed rectangle whose corners in ACorners get the shape ACornerType, XRadius wide
    /// and YRadius high (each cut to half the rectangle's size); other corners are square.
    ///
    /// \gallery{path_shapes.png}
    void AddRectangle(const TKwRect& ARect, float XRadius, float YRadius, TKwCorners ACorners,
                      TKwCornerType ACornerType);
    /// An elliptical arc around Center (radii Radius.X, Radius.Y) from StartAngle sweeping
    /// SweepAngle degrees (positive runs clockwise on a y-down canvas; at most one turn),
    /// in cubics of at most a quarter turn. It begins with a move to its start on an empty
    /// path, with a line to it otherwise.
    ///
    /// \gallery{path_shapes.png}
    void AddArc(const TKwPoint& Center, const TKwPoint& Radius, float StartAngle, float SweepAngle);

    // ---- strict SVG path data (KwPathSvgText.cpp)
    /// Replaces the entries with the path that Text describes, read by the SVG grammar
    /// (ParseSvgPath). On an error the commands before it are kept and the result tells
    /// where and why. Never throws on bad text; notifies once.
    TKwSvgPathResult SetSvgPathString(std::string_view Text);
    /// The same, appending to the entries (the text's first command must be a move).
    TKwSvgPathResult AppendSvgPathString(std::string_view Text);
    /// Compact SVG path data of the entries (WriteSvgPath): shortest round-tripping numbers
    /// when Precision < 0, else at most Precision decimals.
    std::string GetSvgPathString(int Precision = -1) const;
    /// The exact bounds of the drawn segments, curves by their extreme points (TightBounds).
    TKwRect GetTightBounds() const;

protected:
    /// Declares the binary property "Path", written only for a non-empty path.
    void DefineProperties(platform::TFiler& Filer) override;
    /// Paints the path; the public DrawPath and FillPath call this one.
    virtual void DrawPath(platform::TCanvas& Canvas, bool Fill, float Opacity) const;
    /// Appends entries without notifying; commands call Change once afterwards.
    void AppendEntry(TKwPathPointKind Kind, const TKwPoint& P);

    /// AddArc without the leading move or line: the arc continues from the last entry.
    void AddArcSvgPart(const TKwPoint& Center, const TKwPoint& Radius, float StartAngle,
                       float SweepAngle);
    /// The arc of path text: from StartPoint to EndPoint on the ellipse with radii Radius
    /// turned by XAxisRotation degrees, choosing by LargeArc and Sweep among the four
    /// candidate arcs. Radii too small for the chord are scaled up; a zero radius gives a
    /// straight line and equal end points give nothing. Notifies once, with the final
    /// coordinates.
    void AddArcSvg(const TKwPoint& StartPoint, const TKwPoint& Radius, float XAxisRotation,
                   bool LargeArc, bool Sweep, const TKwPoint& EndPoint);
    /// One cubic for the arc from StartAngle sweeping SweepAngle radians (not zero); with
    /// Connect it is preceded by a move (empty path) or a line to its start.
    void AddArcSegment(bool Connect, const TKwPoint& Center, const TKwPoint& Radius,
                       float StartAngle, float SweepAngle);

    platform::TNotifyEvent FOnChanged; ///< The change listener.
    int32_t FUpdateCount = 0;          ///< The number of open update brackets.
    TKwFillMode FFillMode = fmEvenOdd; ///< The stored fill mode.
    TKwPoint FStartPoint; ///< The start point of the current subpath, where a close returns to.
    std::vector<TKwPathPoint> FPathData; ///< The entries.
    /// The bounds cache; GetBounds fills it also on a const path.
    TKwPathValueCache<TKwRect> FBounds;

private:
    friend void FillPathArea(platform::TCanvas& Canvas, const TKwPathData& Path);
    friend void FillSvgPath(platform::TCanvas& Canvas, const TKwPathData& Path,
                            const struct TKwSvgFillOptions& Options);
    // Samples and indexes kept between drawing and hit-testing calls
    // (detail/KwPathSampleCache.h), made on first use; Change drops what they hold.
    detail::TKwPathSampleCache& Cache() const;
    // What a move leaves behind: the state of a new path, but for the handler and brackets.
    void LeaveEmptyAfterMove() noexcept;

    void AddArcSegments(bool Connect, const TKwPoint& Center, const TKwPoint& Radius,
                        float StartAngle, float SweepAngle);

    friend class TKwPathTextReader;

    // Owned; null until first used, so that a path that is never drawn or hit-tested, and a
    // moved-from one, costs no allocation. Const members may make it from several threads
    // at once: the first to store its own keeps it.
    mutable std::atomic<detail::TKwPathSampleCache*> FCache{nullptr};
};

} // namespace kw
