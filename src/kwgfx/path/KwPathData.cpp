// SPDX-License-Identifier: MIT
// TKwPathData: the entry array, copies, change notification and the building commands.
//
// Sections
//   1. Helpers
//   2. Construction and copies
//   3. Entries and notification
//   4. Moves, lines and curves
//   5. Polygons

#include "kwgfx/path/KwPathData.h"

#include "kwgfx/path/detail/KwPathSampleCache.h"
#include "kwgfx/path/detail/KwPathUpdate.h"

#include "kwgfx/geometry/KwConversions.h"

#include <algorithm>
#include <utility>

namespace kw {

// ---------------------------------------------------------------- 1. Helpers

namespace {

// Component-wise sum, rounded to float like every stored coordinate.
TKwPoint Add(const TKwPoint& A, const TKwPoint& B) {
    return {A.X + B.X, A.Y + B.Y};
}

// The reflection of Q about L: (L - Q) + L, each step rounded to float.
TKwPoint Reflect(const TKwPoint& Q, const TKwPoint& L) {
    const TKwPoint d{L.X - Q.X, L.Y - Q.Y};
    return Add(d, L);
}

} // namespace

// ---------------------------------------------------------------- 2. Construction and copies

TKwPathData::TKwPathData() = default;

TKwPathData::~TKwPathData() {
    delete FCache.load(std::memory_order_acquire);
}

TKwPathData::TKwPathData(TKwPathData&& Source) noexcept
    : FFillMode(Source.FFillMode), FStartPoint(Source.FStartPoint),
      FPathData(std::move(Source.FPathData)),
      FCache(Source.FCache.exchange(nullptr, std::memory_order_acq_rel)) {
    Source.LeaveEmptyAfterMove();
}

TKwPathData& TKwPathData::operator=(TKwPathData&& Source) noexcept {
    if (&Source == this) return *this;
    FOnChanged = nullptr;
    FUpdateCount = 0;
    FFillMode = Source.FFillMode;
    FStartPoint = Source.FStartPoint;
    FPathData = std::move(Source.FPathData);
    FBounds.Invalidate();
    delete FCache.exchange(Source.FCache.exchange(nullptr, std::memory_order_acq_rel),
                           std::memory_order_acq_rel);
    Source.LeaveEmptyAfterMove();
    return *this;
}

void TKwPathData::LeaveEmptyAfterMove() noexcept {
    FPathData.clear();
    FFillMode = fmEvenOdd;
    FStartPoint = {};
    FBounds.Invalidate();
}

detail::TKwPathSampleCache& TKwPathData::Cache() const {
    detail::TKwPathSampleCache* cache = FCache.load(std::memory_order_acquire);
    if (cache) return *cache;
    auto made = std::make_unique<detail::TKwPathSampleCache>();
    if (FCache.compare_exchange_strong(cache, made.get(), std::memory_order_acq_rel,
                                       std::memory_order_acquire))
        return *made.release();
    return *cache; // another thread stored its own first
}

bool TKwPathData::operator==(const TKwPathData& Other) const {
    return FFillMode == Other.FFillMode && std::ranges::equal(FPathData, Other.FPathData);
}

std::unique_ptr<TKwPathData> TKwPathData::NewInstance() const {
    return std::make_unique<TKwPathData>();
}

std::unique_ptr<TKwPathData> TKwPathData::Clone() const {
    std::unique_ptr<TKwPathData> copy = NewInstance();
    copy->Assign(*this);
    return copy;
}

void TKwPathData::Assign(const platform::TPersistent& Source) {
    if (const auto* src = dynamic_cast<const TKwPathData*>(&Source)) {
        if (src != this) FPathData = src->FPathData;
        FFillMode = src->FFillMode;
        Change();
        return;
    }
    TPersistent::Assign(Source);
}

void TKwPathData::Append(const TKwPathData& Source) {
    if (FPathData.empty()) {
        Assign(Source);
        return;
    }
    if (&Source == this) {
        // A vector cannot insert a range of itself: copy the original entries first.
        const std::vector<TKwPathPoint> copy = FPathData;
        FPathData.insert(FPathData.end(), copy.begin(), copy.end());
    } else {
        FPathData.insert(FPathData.end(), Source.FPathData.begin(), Source.FPathData.end());
    }
    Change();
}

// ---------------------------------------------------------------- 3. Entries and notification

void TKwPathData::Clear() {
    FPathData.clear();
    Change();
}

TKwPoint TKwPathData::LastPoint() const {
    if (FPathData.empty()) return {};
    return FPathData.back().Point;
}

void TKwPathData::BeginUpdate() {
    ++FUpdateCount;
}

void TKwPathData::EndUpdate() {
    if (FUpdateCount <= 0) return;
    if (--FUpdateCount == 0) Change();
}

void TKwPathData::Change() {
    // Inside a bracket the entries have changed all the same.
    if (detail::TKwPathSampleCache* cache = FCache.load(std::memory_order_acquire)) cache->Clear();
    if (FUpdateCount > 0) return;
    FBounds.Invalidate();
    if (FOnChanged) FOnChanged(this);
}

void TKwPathData::SetFillMode(TKwFillMode Value) {
    if (Value == FFillMode) return;
    FFillMode = Value;
    Change();
}

void TKwPathData::AppendEntry(TKwPathPointKind Kind, const TKwPoint& P) {
    FPathData.emplace_back(Kind, P);
}

// ---------------------------------------------------------------- 4. Moves, lines and curves

void TKwPathData::MoveTo(const TKwPoint& P) {
    AppendEntry(ppMoveTo, P);
    FStartPoint = P;
    Change();
}

void TKwPathData::MoveToRel(const TKwPoint& P) {
    const TKwPoint target = Add(LastPoint(), P);
    AppendEntry(ppMoveTo, target);
    FStartPoint = target;
    Change();
}

void TKwPathData::LineTo(const TKwPoint& P) {
    AppendEntry(ppLineTo, P);
    Change();
}

void TKwPathData::LineToRel(const TKwPoint& P) {
    AppendEntry(ppLineTo, Add(LastPoint(), P));
    Change();
}

void TKwPathData::HLineTo(float X) {
    AppendEntry(ppLineTo, {X, LastPoint().Y});
    Change();
}

void TKwPathData::HLineToRel(float X) {
    const TKwPoint l = LastPoint();
    AppendEntry(ppLineTo, {l.X + X, l.Y});
    Change();
}

void TKwPathData::VLineTo(float Y) {
    AppendEntry(ppLineTo, {LastPoint().X, Y});
    Change();
}

void TKwPathData::VLineToRel(float Y) {
    const TKwPoint l = LastPoint();
    AppendEntry(ppLineTo, {l.X, l.Y + Y});
    Change();
}

void TKwPathData::CurveTo(const TKwPoint& ControlPoint1, const TKwPoint& ControlPoint2,
                          const TKwPoint& EndPoint) {
    // Copy the points first: the arguments may refer to memory that an append moves.
    const TKwPoint c1 = ControlPoint1, c2 = ControlPoint2, e = EndPoint;
    // A curve takes its start from the entry before it. On an empty path there is none, and
    // readers of entry i-1 would step outside the array: start the curve with an explicit
    // move to (0,0), the point that relative commands use on an empty path.
    if (FPathData.empty()) {
        AppendEntry(ppMoveTo, TKwPoint());
        FStartPoint = TKwPoint();
    }
    AppendEntry(ppCurveTo, c1);
    AppendEntry(ppCurveTo, c2);
    AppendEntry(ppCurveTo, e);
    Change();
}

void TKwPathData::CurveToRel(const TKwPoint& ControlPoint1, const TKwPoint& ControlPoint2,
                             const TKwPoint& EndPoint) {
    const TKwPoint l = LastPoint();
    CurveTo(Add(l, ControlPoint1), Add(l, ControlPoint2), Add(l, EndPoint));
}

void TKwPathData::SmoothCurveTo(const TKwPoint& ControlPoint2, const TKwPoint& EndPoint) {
    // The entry before the last one is reflected whatever its kind: after a line this
    // mirrors the line's start, which is what the stored format has always done.
    const TKwPoint c1 = GetCount() < 3
                            ? ControlPoint2
                            : Reflect(FPathData[FPathData.size() - 2].Point, LastPoint());
    CurveTo(c1, ControlPoint2, EndPoint);
}

void TKwPathData::SmoothCurveToRel(const TKwPoint& ControlPoint2, const TKwPoint& EndPoint) {
    const TKwPoint l = LastPoint();
    const TKwPoint c2 = Add(l, ControlPoint2);
    const TKwPoint e = Add(l, EndPoint);
    const TKwPoint c1 = GetCount() < 3 ? c2 : Reflect(FPathData[FPathData.size() - 2].Point, l);
    CurveTo(c1, c2, e);
}

void TKwPathData::QuadCurveTo(const TKwPoint& ControlPoint, const TKwPoint& EndPoint) {
    // The degree elevation in extended precision, each result rounded once to float.
    constexpr long double kThird = 1.0L / 3.0L;
    constexpr long double kTwoThirds = 2.0L / 3.0L;
    const TKwPoint l = LastPoint();
    const TKwPoint c = ControlPoint, e = EndPoint;
    const TKwPoint c1{static_cast<float>(l.X * kThird + c.X * kTwoThirds),
                      static_cast<float>(l.Y * kThird + c.Y * kTwoThirds)};
    const TKwPoint c2{static_cast<float>(c.X * kTwoThirds + e.X * kThird),
                      static_cast<float>(c.Y * kTwoThirds + e.Y * kThird)};
    CurveTo(c1, c2, e);
}

void TKwPathData::ClosePath() {
    AppendEntry(ppClose, FStartPoint);
    Change();
}

// ---------------------------------------------------------------- 5. Polygons

void TKwPathData::AddPolygon(std::span<const TPoint> Poly) {
    if (Poly.empty()) return;
    detail::InUpdate(*this, [&] {
        MoveTo(PointToKwPoint(Poly.front()));
        for (size_t k = 1; k < Poly.size(); ++k) LineTo(PointToKwPoint(Poly[k]));
        if (Poly.back() == Poly.front()) ClosePath();
    });
}

void TKwPathData::AddPolygon(std::span<const TKwPoint> Poly) {
    if (Poly.empty()) return;
    detail::InUpdate(*this, [&] {
        MoveTo(Poly.front());
        for (size_t k = 1; k < Poly.size(); ++k) LineTo(Poly[k]);
        if (Poly.back().SameAs(Poly.front())) ClosePath();
    });
}

void TKwPathData::AddPolygons(std::span<const TCanvasPoints> Poly) {
    detail::InUpdate(*this, [&] {
        for (const TCanvasPoints& p : Poly) AddPolygon(p);
    });
}

void TKwPathData::AddPolygons(std::span<const TKwPoints> Poly) {
    detail::InUpdate(*this, [&] {
        for (const TKwPoints& p : Poly) AddPolygon(p);
    });
}

} // namespace kw
