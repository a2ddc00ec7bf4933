// SPDX-License-Identifier: MIT
// File streams: writing and reading back a file, and the error naming a file that cannot
// be opened.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/streams/FileStream.h>
#include <kwgfx/platform/streams/MemoryStream.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kw::platform;

namespace {
std::string TempPath(const std::string& Name) {
    return (std::filesystem::temp_directory_path() /
            ("kwgfx_streams_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + Name))
        .string();
}
} // namespace

TEST(FileStream, WritesAndReadsBackAFile) {
    const std::string path = TempPath("roundtrip.bin");
    {
        TFileStream f(path, TFileMode::fmCreate);
        f.WriteBuffer("hello world", 11);
        f.SetPosition(6);
        f.WriteBuffer("W", 1);
        EXPECT_EQ(f.Size(), 11);
    }
    {
        TFileStream f(path, TFileMode::fmOpenRead);
        EXPECT_EQ(f.Size(), 11);
        char buf[11];
        f.ReadBuffer(buf, 11);
        EXPECT_EQ(std::string(buf, 11), "hello World");
        EXPECT_THROW(f.ReadBuffer(buf, 1), EReadError);
        EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError); // opened read-only
    }
    TMemoryStream m;
    m.LoadFromFile(path);
    EXPECT_EQ(m.DataString(), "hello World");
    m.SetSize(5);
    m.SaveToFile(path);
    EXPECT_EQ(std::filesystem::file_size(path), 5u);
    std::filesystem::remove(path);
}

TEST(FileStream, UnopenableFilesNameTheFile) {
    const std::string missing = TempPath("does-not-exist.bin");
    try {
        TFileStream f(missing, TFileMode::fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
    }
    EXPECT_THROW(
        TFileStream(std::filesystem::temp_directory_path().string(), TFileMode::fmOpenRead),
        EFOpenError);
    EXPECT_THROW(TFileStream(missing + "/sub/file", TFileMode::fmCreate), EFOpenError);
    TMemoryStream m;
    EXPECT_THROW(m.LoadFromFile(missing), EFOpenError);
}
