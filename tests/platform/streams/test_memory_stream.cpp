// SPDX-License-Identifier: MIT
// Memory streams: reading, writing and seeking, short and invalid transfers, copying.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/streams/MemoryStream.h>

#include <gtest/gtest.h>

#include <string>

using namespace kw::platform;

TEST(MemoryStream, ReadsWritesAndSeeks) {
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.Size(), 6);
    EXPECT_EQ(s.Position(), 6);
    s.SetPosition(2);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 4); // a plain Read stops at the end
    EXPECT_EQ(std::string(buf, 4), "cdef");
    EXPECT_EQ(s.Read(buf, 8), 0);

    // Writing past the end fills the gap with zeros.
    s.Seek(2, TSeekOrigin::soEnd);
    s.WriteBuffer("X", 1);
    EXPECT_EQ(s.DataString(), std::string("abcdef\0\0X", 9));
    EXPECT_EQ(s.Seek(-3, TSeekOrigin::soCurrent), 6);
    EXPECT_EQ(s.Remaining(), 3);

    // Truncating keeps the position; the position may then be past the end.
    s.SetSize(4);
    EXPECT_EQ(s.DataString(), "abcd");
    EXPECT_EQ(s.Remaining(), 0);
    EXPECT_EQ(s.Read(buf, 1), 0);
}

TEST(MemoryStream, ShortAndInvalidTransfersFail) {
    TMemoryStream s(std::string_view("abc"));
    char buf[8];
    EXPECT_THROW(s.ReadBuffer(buf, 4), EReadError);
    s.SetPosition(0);
    EXPECT_THROW(s.ReadBuffer(buf, -1), EReadError);
    EXPECT_THROW(s.WriteBuffer(buf, -1), EWriteError);
    EXPECT_THROW(s.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
    EXPECT_THROW(s.Seek(-4, TSeekOrigin::soEnd), EStreamError);
    EXPECT_THROW(s.Seek(INT64_MAX, TSeekOrigin::soEnd), EStreamError);
    EXPECT_THROW(s.SetSize(-1), EStreamError);
    EXPECT_EQ(s.DataString(), "abc");
}

TEST(MemoryStream, CopiesBetweenStreams) {
    TMemoryStream source(std::string_view("0123456789"));
    TMemoryStream dest;
    source.SetPosition(7);
    EXPECT_EQ(dest.CopyFrom(source, 0), 10); // 0 copies everything, from the start
    EXPECT_EQ(dest.DataString(), "0123456789");
    source.SetPosition(3);
    dest.Clear();
    EXPECT_EQ(dest.CopyFrom(source, 4), 4);
    EXPECT_EQ(dest.DataString(), "3456");
    EXPECT_THROW(dest.CopyFrom(source, 10), EReadError);
}
