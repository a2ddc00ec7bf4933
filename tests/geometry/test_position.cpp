// SPDX-License-Identifier: MIT
// The observable, streamable position: point, vector, reflection and notifications, and
// its property text.
#include "kwgfx/geometry/KwObjectRect.h"
#include "kwgfx/geometry/KwPosition.h"
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

} // namespace
} // namespace kw
