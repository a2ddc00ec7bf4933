// The observable, streamable geometry objects: rectangles, positions and transforms, and
// a component-like object that owns them, saved to a file and loaded back.

#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwObjectKwRect.h"
#include "kwgfx/geometry/KwObjectRect.h"
#include "kwgfx/geometry/KwPosition.h"
#include "kwgfx/geometry/KwTransform.h"
#include "kwgfx/geometry/ObjectSize.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

namespace kw {
namespace {

using platform::ObjectToPropertyText;
using platform::PropertyTextToObject;

// Counts notifications of any of the geometry objects.
struct Notifications {
    int Count = 0;
    TObject* Sender = nullptr;
    TNotifyEvent Handler() {
        return [this](TObject* S) {
            ++Count;
            Sender = S;
        };
    }
};

std::string Doc(const std::string& ClassName, const std::string& Body) {
    return "kwgfx-properties 1\n" + ClassName + " {\n" + Body + "}\n";
}

void ExpectRect(const TRect& R, int L, int T, int Rt, int B) {
    EXPECT_EQ(R, TRect(L, T, Rt, B));
}

TEST(PersistentRect, EdgesAndSizesNotifyOnlyOnChange) {
    TObjectSize r;
    Notifications n;
    r.SetOnChange(n.Handler());
    r.SetBoundsRect({10, 20, 110, 70});
    EXPECT_EQ(n.Count, 1);
    EXPECT_EQ(n.Sender, &r);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.GetSize(42), 100); // any index above 4 is the width

    r.SetWidth(30);
    EXPECT_EQ(r.Right(), 40);
    EXPECT_EQ(n.Count, 2);
    r.SetHeight(50);  // unchanged
    r.SetLeft(10);    // unchanged
    r.MoveTo(10, 20); // already there
    r.Translate(0, 0);
    EXPECT_EQ(n.Count, 2);

    r.SetBoundsRect({10, 20, 110, 70}); // always notifies
    EXPECT_EQ(n.Count, 3);
    r.MoveTo(0, 0);
    ExpectRect(r.BoundsRect(), 0, 0, 100, 50);
    EXPECT_EQ(n.Count, 4);
    r.Translate(5, 0);
    ExpectRect(r.BoundsRect(), 5, 0, 105, 50);
    r.Translate(-5, -1);
    ExpectRect(r.BoundsRect(), 0, -1, 100, 49);
    EXPECT_EQ(n.Count, 6);
    r.Scale(4, 3); // the odd pixel goes to the bottom
    ExpectRect(r.BoundsRect(), -2, -2, 102, 51);
    EXPECT_EQ(n.Count, 7);
}

TEST(PersistentRect, ExtremeEdgesWrapInsteadOfOverflowing) {
    TKwObjectRect r;
    r.SetBoundsRect(
        {std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 0});
    EXPECT_EQ(r.Width(), -1);
    r.Translate(1, 0);
    EXPECT_EQ(r.Right(), std::numeric_limits<int32_t>::min());
    r.MoveTo(std::numeric_limits<int32_t>::max(), 0);
    EXPECT_EQ(r.Width(), -1);
}

TEST(PersistentRect, AssignCopiesWithinTheIntegerOrFloatFamilyOnly) {
    TKwObjectRect a;
    TObjectSize b;
    a.SetBoundsRect({1, 2, 3, 4});
    Notifications n;
    b.SetOnChange(n.Handler());
    b.Assign(a);
    ExpectRect(b.BoundsRect(), 1, 2, 3, 4);
    b.Assign(a); // same values, still one notification per Assign
    EXPECT_EQ(n.Count, 2);

    TKwObjectKwRect f;
    f.SetBoundsRect({5, 6, 7, 8});
    EXPECT_THROW(b.Assign(f), platform::EAssignError);
    EXPECT_THROW(f.Assign(b), platform::EAssignError);
    ExpectRect(b.BoundsRect(), 1, 2, 3, 4);
    EXPECT_EQ(f.Right(), 7);
    EXPECT_EQ(n.Count, 2);
}

TEST(PersistentKwRect, FloatRectangleOperations) {
    TKwObjectKwRect r;
    Notifications n;
    r.SetOnChange(n.Handler());
    r.SetBoundsRect({0, 0, 10, 10});
    r.Scale(4, 2);
    EXPECT_EQ(r.Left(), -2);
    EXPECT_EQ(r.Top(), -1);
    EXPECT_EQ(r.Right(), 12);
    EXPECT_EQ(r.Bottom(), 11);
    r.SetWidth(14); // unchanged
    r.SetHeight(2.5f);
    EXPECT_EQ(r.Bottom(), 1.5f);
    r.MoveTo(0.5f, 0);
    EXPECT_EQ(r.Right(), 14.5f);
    EXPECT_EQ(r.Bottom(), 2.5f);
    EXPECT_EQ(n.Count, 4);
}

TEST(PersistentRect, StreamsItsPublishedEdges) {
    TObjectSize r;
    r.SetBoundsRect({0, 20, 110, 70});
    // Left is 0 and not written; Height and Width follow the edges.
    EXPECT_EQ(ObjectToPropertyText(r), Doc("TObjectSize", "  Top = 20\n  Right = 110\n"
                                                          "  Bottom = 70\n  Height = 50\n"
                                                          "  Width = 110\n"));
    TObjectSize copy;
    Notifications n;
    copy.SetOnChange(n.Handler());
    PropertyTextToObject(ObjectToPropertyText(r), copy);
    EXPECT_EQ(copy.BoundsRect(), r.BoundsRect());
    EXPECT_EQ(n.Count, 3); // Top, Right, Bottom; Height and Width already agree

    TKwObjectRect empty;
    EXPECT_EQ(ObjectToPropertyText(empty), Doc("TKwObjectRect", ""));

    TKwObjectKwRect f; // float edges are always written
    f.SetBoundsRect({0, 0.5f, 0, -1});
    EXPECT_EQ(ObjectToPropertyText(f), Doc("TKwObjectKwRect", "  Left = 0\n  Top = 0.5\n"
                                                              "  Right = 0\n  Bottom = -1\n"));
}

TEST(Position, PointVectorReflectAndNotifications) {
    TKwPosition p({1, 1});
    EXPECT_EQ(p.X(), 1);
    EXPECT_FALSE(p.Empty());
    Notifications n;
    p.SetOnChange(n.Handler());
    p.SetX(1); // unchanged
    EXPECT_EQ(n.Count, 0);
    p.SetPoint({1, 1}); // always notifies
    EXPECT_EQ(n.Count, 1);
    p.SetPointNoChange({1, -1});
    EXPECT_EQ(n.Count, 1);
    p.Reflect({0, 1, 1});
    EXPECT_EQ(p.X(), 1);
    EXPECT_EQ(p.Y(), 1);
    EXPECT_EQ(n.Count, 2);
    EXPECT_EQ(p.Vector().W, 1);
    p.SetVector({0, 0, 7});
    EXPECT_TRUE(p.Empty());

    TKwPosition q({0, 0});
    q.SetPoint({3, 4});
    p.Assign(q);
    EXPECT_EQ(p.Point().X, 3);
    EXPECT_EQ(p.Point().Y, 4);
    EXPECT_EQ(n.Count, 4);
    TKwObjectRect r;
    EXPECT_THROW(p.Assign(r), platform::EAssignError);
    EXPECT_EQ(p.Y(), 4);
}

TEST(Position, WritesOnlyCoordinatesAwayFromTheDefault) {
    TKwPosition p({1, 1});
    p.SetPoint({1, 5});
    EXPECT_EQ(ObjectToPropertyText(p), Doc("TKwPosition", "  Y = 5\n"));
    p.SetPoint({1, 1});
    EXPECT_EQ(ObjectToPropertyText(p), Doc("TKwPosition", ""));
    // A subnormal step is more than Epsilon away; the text reads back bit for bit.
    p.SetX(std::nextafter(1.0f, 2.0f));
    TKwPosition copy({1, 1});
    PropertyTextToObject(ObjectToPropertyText(p), copy);
    EXPECT_EQ(copy.X(), p.X());
}

TEST(Position, AcceptsThePointTextProperty) {
    TKwPosition p({0, 0});
    Notifications n;
    p.SetOnChange(n.Handler());
    PropertyTextToObject(Doc("TKwPosition", "  Point = \"(3,4)\"\n"), p);
    EXPECT_EQ(p.X(), 3);
    EXPECT_EQ(p.Y(), 4);
    EXPECT_EQ(n.Count, 1);
    // Properties apply in stream order; a malformed point text is (0, 0), not an error.
    PropertyTextToObject(Doc("TKwPosition", "  X = 7\n  Point = \"junk\"\n  Y = 2\n"), p);
    EXPECT_EQ(p.X(), 0);
    EXPECT_EQ(p.Y(), 2);
    EXPECT_EQ(n.Count, 4);
    EXPECT_THROW(PropertyTextToObject(Doc("TKwPosition", "  Point = 5\n"), p),
                 platform::EReadError);
}

TEST(Transform, ComposesItsMatrixAndNotifiesOnce) {
    TKwTransform t;
    EXPECT_TRUE(IsIdentityMatrix(t.Matrix()));
    Notifications n;
    t.SetOnChanged(n.Handler());

    t.Position().SetX(10);
    EXPECT_EQ(t.Matrix().m31(), 10);
    EXPECT_EQ(n.Count, 1);
    EXPECT_EQ(n.Sender, &t);

    TKwPosition scale({1, 1});
    scale.SetPoint({2, 3});
    t.SetScale(scale);
    EXPECT_EQ(t.Matrix().m11(), 2);
    EXPECT_EQ(t.Matrix().m22(), 3);
    EXPECT_EQ(t.Matrix().m31(), 10);
    EXPECT_EQ(n.Count, 2);

    t.Skew().SetPoint({0.25f, 0.5f});
    EXPECT_EQ(t.Matrix().m13(), 0.25f);
    EXPECT_EQ(t.Matrix().m23(), 0.5f);
    t.RotationCenter().SetX(4); // notifies but does not enter the matrix
    EXPECT_EQ(n.Count, 4);
    EXPECT_EQ(t.Matrix().m33(), 1);
    t.SetRotationAngle(0); // unchanged
    EXPECT_EQ(n.Count, 4);
}

TEST(Transform, RotatesAboutTheOriginOrTheShapeCentre) {
    TKwTransform t;
    t.SetRotationAngle(90);
    TKwPoint p = KwMatrixMultiply(TKwPoint(1, 0), t.Matrix());
    EXPECT_NEAR(p.X, 0, 1e-6);
    EXPECT_NEAR(p.Y, 1, 1e-6);

    int asked = 0;
    t.SetOnGetShapeRect([&](TObject* Sender, TKwRect& R) {
        ++asked;
        EXPECT_EQ(Sender, &t);
        EXPECT_EQ(R.Right, 0); // handed over empty
        R = TKwRect(0, 0, 10, 10);
    });
    t.SetRotationAngle(-270); // the same turn, recomposed with the handler
    EXPECT_EQ(asked, 1);
    p = KwMatrixMultiply(TKwPoint(10, 5), t.Matrix());
    EXPECT_NEAR(p.X, 5, 1e-5);
    EXPECT_NEAR(p.Y, 10, 1e-5);

    // Scale and translation act first, then the rotation.
    t.SetOnGetShapeRect(nullptr);
    t.SetRotationAngle(90);
    t.Scale().SetX(2);
    t.Position().SetX(1);
    p = KwMatrixMultiply(TKwPoint(1, 0), t.Matrix());
    EXPECT_NEAR(p.X, 0, 1e-6);
    EXPECT_NEAR(p.Y, 3, 1e-6);
}

TEST(Transform, AssignCopiesPositionsKeepsTheAngleAndNotifiesOnce) {
    TKwTransform source;
    source.Position().SetPoint({1, 2});
    source.Scale().SetPoint({3, 4});
    source.Skew().SetPoint({0.5f, 0.25f});
    source.RotationCenter().SetPoint({0, 1});
    source.SetRotationAngle(45);

    TKwTransform target;
    target.SetRotationAngle(90);
    TKwPosition* ownedPosition = &target.Position();
    Notifications n, positionChanges;
    target.SetOnChanged(n.Handler());
    target.Assign(source);
    EXPECT_EQ(n.Count, 1);
    EXPECT_EQ(target.RotationAngle(), 90);
    EXPECT_EQ(target.Position().Y(), 2);
    EXPECT_EQ(target.Scale().X(), 3);
    EXPECT_EQ(target.Skew().X(), 0.5f);
    EXPECT_EQ(target.RotationCenter().Y(), 1);
    EXPECT_EQ(&target.Position(), ownedPosition);

    // Writing positions from code copies into the owned objects.
    TKwPosition center({0, 0});
    center.SetPoint({8, 9});
    TKwPosition* ownedCenter = &target.RotationCenter();
    target.SetRotationCenter(center);
    EXPECT_EQ(&target.RotationCenter(), ownedCenter);
    EXPECT_EQ(target.RotationCenter().X(), 8);
    EXPECT_EQ(n.Count, 2);
    center.SetX(1); // the copy does not follow its source
    EXPECT_EQ(target.RotationCenter().X(), 8);

    TKwPosition notATransform({0, 0});
    EXPECT_THROW(target.Assign(notATransform), platform::EAssignError);
    EXPECT_EQ(n.Count, 2);
}

TEST(Transform, StreamsItsPositionsInPlace) {
    TKwTransform t;
    EXPECT_EQ(ObjectToPropertyText(t), Doc("TKwTransform", ""));
    t.Position().SetPoint({10, 0});
    t.SetRotationAngle(90);
    t.RotationCenter().SetY(0);
    const std::string text = ObjectToPropertyText(t);
    EXPECT_EQ(text, Doc("TKwTransform", "  Position {\n    X = 10\n  }\n"
                                        "  RotationAngle = 90\n"
                                        "  RotationCenter {\n    Y = 0\n  }\n"));

    TKwTransform copy;
    Notifications n;
    copy.SetOnChanged(n.Handler());
    PropertyTextToObject(text, copy);
    EXPECT_EQ(n.Count, 3); // Position.X, RotationAngle, RotationCenter.Y
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(copy.Matrix().M[r].X, t.Matrix().M[r].X);
        EXPECT_EQ(copy.Matrix().M[r].Y, t.Matrix().M[r].Y);
        EXPECT_EQ(copy.Matrix().M[r].W, t.Matrix().M[r].W);
    }
    // The "Point" property of a nested position works too.
    PropertyTextToObject(Doc("TKwTransform", "  Scale { Point = \"(2,5)\" }\n"), copy);
    EXPECT_EQ(copy.Scale().Y(), 5);
    EXPECT_NEAR(copy.Matrix().m21(), -5, 1e-5); // rotated by 90 degrees: m21 = -sin * 5
}

// A component-like object that embeds the geometry objects and a path.
class TShapeComponent : public platform::TPersistent {
public:
    TKwTransform Transform;
    TKwObjectKwRect Bounds;
    TKwPathData Path;
    int Changes = 0;

    TShapeComponent() {
        Transform.SetOnChanged([this](TObject*) { ++Changes; });
        Bounds.SetOnChange([this](TObject*) { ++Changes; });
        Path.SetOnChanged([this](TObject*) { ++Changes; });
    }

    platform::TPublishedProperties GetPublishedProperties() override {
        using platform::TPublishedProperty;
        auto props = TPersistent::GetPublishedProperties();
        props.push_back(TPublishedProperty::Object("Transform", [this] { return &Transform; }));
        props.push_back(TPublishedProperty::Object("Bounds", [this] { return &Bounds; }));
        props.push_back(TPublishedProperty::Object("Path", [this] { return &Path; }));
        return props;
    }
};

TEST(PersistentGeometry, ComponentRoundTripsThroughAFile) {
    TShapeComponent saved;
    saved.Transform.Position().SetPoint({12.5f, -3});
    saved.Transform.Scale().SetX(0.1f);
    saved.Transform.SetRotationAngle(30);
    saved.Bounds.SetBoundsRect({1, 2, 3.75f, 4});
    saved.Path.MoveTo({0, 0});
    saved.Path.CurveTo({1, 2}, {3, 4}, {5, 6});
    saved.Path.ClosePath();
    saved.Path.SetFillMode(fmNonZero);

    const auto file =
        (std::filesystem::temp_directory_path() / "kwgfx_shape_component.txt").string();
    platform::SaveObjectToFile(saved, file);
    TShapeComponent loaded;
    platform::LoadObjectFromFile(loaded, file);
    std::filesystem::remove(file);

    EXPECT_EQ(loaded.Transform.Position().X(), 12.5f);
    EXPECT_EQ(loaded.Transform.Position().Y(), -3);
    EXPECT_EQ(loaded.Transform.Scale().X(), 0.1f);
    EXPECT_EQ(loaded.Transform.RotationAngle(), 30);
    EXPECT_EQ(loaded.Transform.Matrix().m21(), saved.Transform.Matrix().m21());
    EXPECT_EQ(loaded.Bounds.BoundsRect().Right, 3.75f);
    ASSERT_EQ(loaded.Path.Count(), 5);
    EXPECT_EQ(loaded.Path.GetPathString(), saved.Path.GetPathString());
    EXPECT_EQ(loaded.Path.FillMode(), fmNonZero);
    EXPECT_EQ(platform::ObjectToPropertyText(loaded), platform::ObjectToPropertyText(saved));
    // Position X and Y, Scale X, angle; four edges; fill mode and entries.
    EXPECT_EQ(loaded.Changes, 4 + 4 + 2);
}

} // namespace
} // namespace kw
