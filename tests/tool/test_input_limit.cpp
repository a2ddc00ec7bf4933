// SPDX-License-Identifier: MIT
// The kwgfx program reads path text only up to its input limit: at the limit it works,
// one byte past it (from an argument, a file, standard input or an endless device) it
// stops with one error line and a failure status. KWGFX_MAX_INPUT_BYTES lowers the limit
// so that the test needs no 256 MiB input.

#include "support/ProcessRun.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using kwtest::RunShell;
using kwtest::TRun;

class InputLimit : public ::testing::Test {
protected:
    std::string File(const std::string& Name) const { return FDir.File(Name); }

    // Runs "kwgfx <Args>" (already quoted for the shell) with the given limit, "" for none.
    TRun Run(const std::string& Limit, const std::string& Args, const std::string& StdIn) {
        const std::string cmd = (Limit.empty() ? "env -u KWGFX_MAX_INPUT_BYTES "
                                               : "env KWGFX_MAX_INPUT_BYTES='" + Limit + "' ") +
                                "'" KWGFX_TOOL "' " + Args + " < " + StdIn;
        return RunShell(cmd, FDir.Path());
    }

    kwtest::TScratchFolder FDir{"kwgfx-limit"};
};

// Path text of exactly Size bytes: a line, then spaces.
std::string PathTextOfSize(size_t Size) {
    std::string text = "M0 0 L10 5";
    text.resize(Size, ' ');
    return text;
}

TEST_F(InputLimit, AtTheLimitEverySourceWorksAndOneBytePastItFails) {
    constexpr size_t limit = 100;
    for (const size_t size : {limit, limit + 1}) {
        const std::string text = PathTextOfSize(size);
        std::ofstream(File("path.txt"), std::ios::binary) << text;
        const std::pair<std::string, std::string> sources[] = {
            {"info '" + text + "'", "/dev/null"},
            {"info @" + File("path.txt"), "/dev/null"},
            {"info --file " + File("path.txt"), "/dev/null"},
            {"info -", File("path.txt")},
        };
        for (const auto& [args, stdIn] : sources) {
            const TRun r = Run(std::to_string(limit), args, stdIn);
            if (size <= limit) {
                EXPECT_EQ(r.ExitCode, 0) << args << ": " << r.Err;
                EXPECT_NE(r.Out.find("entries: 2\n"), std::string::npos) << args;
            } else {
                EXPECT_EQ(r.ExitCode, 1) << args;
                EXPECT_EQ(r.Out, "") << args;
                EXPECT_NE(r.Err.find("more than 100 bytes, the input limit"), std::string::npos)
                    << args << ": " << r.Err;
                EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
            }
        }
    }
}

TEST_F(InputLimit, EndlessInputStopsAtTheLimit) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& args :
         {std::string("info @/dev/zero"), std::string("render - -o ") + File("never.png")}) {
        const TRun r = Run("1048576", args, "/dev/zero");
        EXPECT_EQ(r.ExitCode, 1) << args;
        EXPECT_EQ(r.Err.rfind("kwgfx: cannot read ", 0), 0u) << r.Err;
        EXPECT_NE(r.Err.find("more than 1 MiB, the input limit"), std::string::npos) << r.Err;
    }
    EXPECT_FALSE(fs::exists(File("never.png")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(InputLimit, DefaultIsStatedInTheHelpAndABadSettingIsAnError) {
    const TRun help = Run("", "--help", "/dev/null");
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("read up to 256 MiB"), std::string::npos) << help.Out;
    EXPECT_EQ(Run("", "info 'M0 0 L1 1'", "/dev/null").ExitCode, 0);
    for (const std::string bad : {"0", "-5", "12x", " ", "99999999999999999999999"}) {
        const TRun r = Run(bad, "info 'M0 0 L1 1'", "/dev/null");
        EXPECT_EQ(r.ExitCode, 1) << "'" << bad << "'";
        EXPECT_NE(r.Err.find("bad KWGFX_MAX_INPUT_BYTES"), std::string::npos) << r.Err;
    }
}

} // namespace
