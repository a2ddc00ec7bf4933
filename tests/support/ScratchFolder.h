// SPDX-License-Identifier: MIT
#pragma once
// A folder of a test's own below the system's temporary folder: emptied when made, removed
// with everything in it when the object goes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace kwtest {

class TScratchFolder {
public:
    // The folder "<Prefix>-<running test's name>-<process id>", so that tests and processes
    // running at once never share one.
    explicit TScratchFolder(const std::string& Prefix) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test ? test->name() : "scratch";
        std::replace(name.begin(), name.end(), '/', '_'); // parameterised tests: "Case/Param"
        FPath = std::filesystem::temp_directory_path() /
                (Prefix + "-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~TScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    std::filesystem::path operator/(const std::string& Name) const { return FPath / Name; }
    // A file's path in the folder as a string, for APIs that take one.
    std::string File(const std::string& Name) const { return (FPath / Name).string(); }

private:
    std::filesystem::path FPath;
};

} // namespace kwtest
