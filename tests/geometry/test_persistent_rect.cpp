// SPDX-License-Identifier: MIT
// The observable, streamable rectangles: edges and sizes that notify only on change,
// extreme edges, assignment within the integer or float family, the float operations and
// streaming of the published edges.
#include "kwgfx/geometry/KwObjectKwRect.h"
#include "kwgfx/geometry/KwObjectRect.h"
#include "kwgfx/geometry/ObjectSize.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include "PersistentTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace kw {
namespace {

using platform::ObjectToPropertyText;
using platform::PropertyTextToObject;
using test::Doc;
using test::Notifications;

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

} // namespace
} // namespace kw
