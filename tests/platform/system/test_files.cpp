// SPDX-License-Identifier: MIT
// File tests: FileExists answers for files only.
#include <kwgfx/platform/system/Files.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace kw::platform;
namespace fs = std::filesystem;

TEST(Files, FileExistsForFilesOnly) {
    const fs::path dir = fs::temp_directory_path() / ("kwgfx-files-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "a.txt";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_FALSE(FileExists(dir.string()));
    EXPECT_FALSE(FileExists((dir / "b.txt").string()));
    EXPECT_FALSE(FileExists(""));
    fs::remove_all(dir);
}
