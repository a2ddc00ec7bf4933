// SPDX-License-Identifier: MIT
// The observable, streamable transform: its matrix composed from position, scale and
// rotation, rotation about the origin or the shape's centre, assignment and streaming.
#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwTransform.h"
#include "kwgfx/geometry/ObjectSize.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include "PersistentTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kw {
namespace {

using platform::ObjectToPropertyText;
using platform::PropertyTextToObject;
using test::Doc;
using test::Notifications;

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

} // namespace
} // namespace kw
