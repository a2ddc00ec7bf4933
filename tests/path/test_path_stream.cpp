// SPDX-License-Identifier: MIT
// The path's persistence: the "Path" body, its checks, and the path as a streamed property.

#include "PathTestSupport.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/MemoryStream.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <random>

namespace kw {
namespace {

using test::ChangeCounter;
using test::ExpectEntries;

std::string Bytes(std::initializer_list<int> List) {
    std::string s;
    for (int b : List) s += static_cast<char>(b);
    return s;
}

std::string Body(const TKwPathData& Path) {
    platform::TMemoryStream s;
    Path.WritePath(s);
    return s.DataString();
}

std::string Record(int Kind, float X, float Y) {
    std::string r(1, static_cast<char>(Kind));
    for (float v : {X, Y}) {
        const auto bits = std::bit_cast<uint32_t>(v);
        for (int i = 0; i < 4; ++i) r += static_cast<char>(bits >> (8 * i));
    }
    return r;
}

std::string Count(int32_t N) {
    const auto u = static_cast<uint32_t>(N);
    return Bytes({int(u & 255), int((u >> 8) & 255), int((u >> 16) & 255), int(u >> 24)});
}

TEST(PathStream, OneMoveIsThirteenBytesAndReadsBackWithOneNotification) {
    TKwPathData path;
    path.MoveTo({1, 2});
    const std::string expected =
        Bytes({0x01, 0, 0, 0, 0x00, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x40});
    EXPECT_EQ(Body(path), expected);

    TKwPathData read;
    read.LineTo({5, 5});
    ChangeCounter changes;
    changes.Attach(read);
    platform::TMemoryStream s(expected);
    read.ReadPath(s);
    ExpectEntries(read, {{ppMoveTo, 1, 2}});
    EXPECT_EQ(changes.Calls, 1);
    EXPECT_EQ(changes.LastSender, &read);

    // An empty body empties the path and still notifies.
    platform::TMemoryStream empty(Count(0));
    read.ReadPath(empty);
    EXPECT_EQ(read.Count(), 0);
    EXPECT_EQ(changes.Calls, 2);
    EXPECT_EQ(Body(read), Count(0));
}

TEST(PathStream, RandomPathsRoundTripBitForBit) {
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int> command(0, 3);
    // Any finite float bit pattern: subnormals, huge values, negative zero.
    auto anyFloat = [&] {
        float f;
        do f = std::bit_cast<float>(static_cast<uint32_t>(rng()));
        while (!std::isfinite(f));
        return f;
    };
    for (int trial = 0; trial < 200; ++trial) {
        TKwPathData path;
        const int n = trial % 40;
        for (int i = 0; i < n; ++i) {
            const TKwPoint p(anyFloat(), anyFloat());
            switch (command(rng)) {
            case 0:
                path.MoveTo(p);
                break;
            case 1:
                path.LineTo(p);
                break;
            case 2:
                path.CurveTo({anyFloat(), anyFloat()}, {anyFloat(), anyFloat()}, p);
                break;
            default:
                path.ClosePath();
            }
        }
        path.SetFillMode(trial % 2 ? fmNonZero : fmEvenOdd);
        const std::string body = Body(path);
        ASSERT_EQ(body.size(), 4u + 9u * static_cast<size_t>(path.Count()));
        TKwPathData copy;
        platform::TMemoryStream s(body);
        copy.ReadPath(s);
        ASSERT_EQ(copy.Count(), path.Count());
        if (path.Count() == 0) continue;
        EXPECT_EQ(std::memcmp(copy.Entries().data(), path.Entries().data(),
                              9 * static_cast<size_t>(path.Count())),
                  0)
            << "trial " << trial;
    }
}

// Bodies that must be refused without touching the path or calling its listener.
TEST(PathStream, RefusesBadBodiesAndLeavesThePathAsItWas) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::string move = Record(ppMoveTo, 1, 1);
    const std::string curve = Record(ppCurveTo, 2, 2);
    const struct {
        const char* Name;
        std::string Body;
        const char* Expected;
    } cases[] = {
        {"no count", Bytes({1, 0}), "count is missing"},
        {"negative count", Count(-1), "negative entry count -1"},
        {"most negative count", Count(std::numeric_limits<int32_t>::min()), "negative"},
        {"count beyond the data", Count(2) + move, "2 entries need 18 bytes, the stream holds 9"},
        {"huge count", Count(std::numeric_limits<int32_t>::max()) + move, "need 19327352823"},
        {"truncated record", Count(1) + move.substr(0, 8), "holds 8"},
        {"kind 4", Count(2) + move + Record(4, 0, 0), "entry 1 (byte 13): kind 4"},
        {"kind 255", Count(1) + Record(255, 0, 0), "kind 255"},
        {"curve first", Count(3) + curve + curve + curve, "entry 0 (byte 4): a curve cannot"},
        {"two curve entries", Count(3) + move + curve + curve, "entry 1 (byte 13): curve"},
        {"curve group broken by a line", Count(4) + move + curve + curve + Record(ppLineTo, 0, 0),
         "complete group of three"},
        {"four curve entries", Count(5) + move + curve + curve + curve + curve,
         "entry 4 (byte 40): curve"},
        {"NaN X", Count(2) + move + Record(ppLineTo, nan, 0), "entry 1 (byte 13): coordinate"},
        {"infinite Y", Count(1) + Record(ppMoveTo, 0, -inf), "not finite"},
        {"NaN in a close", Count(2) + move + Record(ppClose, 0, nan), "not finite"},
    };
    for (const auto& bad : cases) {
        TKwPathData path;
        path.MoveTo({7, 8});
        path.LineTo({9, 10});
        ChangeCounter changes;
        changes.Attach(path);
        platform::TMemoryStream s(bad.Body);
        try {
            path.ReadPath(s);
            ADD_FAILURE() << bad.Name << ": accepted";
        } catch (const platform::EReadError& e) {
            EXPECT_NE(e.Message().find(bad.Expected), std::string::npos)
                << bad.Name << ": " << e.Message();
        }
        ExpectEntries(path, {{ppMoveTo, 7, 8}, {ppLineTo, 9, 10}});
        EXPECT_EQ(changes.Calls, 0) << bad.Name;
    }
}

TEST(PathStream, CurvesAfterAnyEntryAndTrailingBytesAreAccepted) {
    const std::string curve = Record(ppCurveTo, 2, 2);
    TKwPathData path;
    // Two groups in a row, a group right after a close, and trailing bytes past the records.
    platform::TMemoryStream s(Count(9) + Record(ppMoveTo, 0, 0) + curve + curve + curve + curve +
                              curve + curve + Record(ppClose, 0, 0) + Record(ppLineTo, 1, 1) +
                              "tail");
    path.ReadPath(s);
    EXPECT_EQ(path.Count(), 9);
}

TEST(PathStream, WriteRefusesCoordinatesThatCouldNotBeReadBack) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({std::numeric_limits<float>::infinity(), 0});
    platform::TMemoryStream s;
    EXPECT_THROW(path.WritePath(s), platform::EWriteError);
    EXPECT_EQ(s.Size(), 0);
}

TEST(PathStream, PathAsStreamedObject) {
    TKwPathData path;
    // An empty path writes its fill mode only: no "Path", and Data is never written.
    EXPECT_EQ(platform::ObjectToPropertyText(path),
              "kwgfx-properties 1\nTKwPathData {\n  FillMode = fmEvenOdd\n}\n");

    path.MoveTo({1, 2});
    path.SetFillMode(fmNonZero);
    EXPECT_EQ(platform::ObjectToPropertyText(path),
              "kwgfx-properties 1\nTKwPathData {\n  FillMode = fmNonZero\n"
              "  Path = <01000000000000803F00000040>\n}\n");

    TKwPathData copy;
    ChangeCounter changes;
    changes.Attach(copy);
    platform::PropertyTextToObject(platform::ObjectToPropertyText(path), copy);
    ExpectEntries(copy, {{ppMoveTo, 1, 2}});
    EXPECT_EQ(copy.FillMode(), fmNonZero);
    EXPECT_EQ(changes.Calls, 2); // fill mode, then the entries

    // Data is accepted when a stream carries it; a bad body is an error with a position.
    platform::PropertyTextToObject("kwgfx-properties 1\nTKwPathData { Data = \"M 3 4 L 5 6\" }",
                                   copy);
    ExpectEntries(copy, {{ppMoveTo, 3, 4}, {ppLineTo, 5, 6}});
    try {
        platform::PropertyTextToObject("kwgfx-properties 1\nTKwPathData {\n Path = <FFFFFFFF>\n}",
                                       copy);
        FAIL() << "accepted";
    } catch (const platform::EReadError& e) {
        EXPECT_NE(e.Message().find("line 3, column 2: property Path: Path stream: negative"),
                  std::string::npos)
            << e.Message();
    }
    ExpectEntries(copy, {{ppMoveTo, 3, 4}, {ppLineTo, 5, 6}});
}

} // namespace
} // namespace kw
