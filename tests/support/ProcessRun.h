// SPDX-License-Identifier: MIT
#pragma once
// Running a program as a user does, through the shell, and reading back what it wrote.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>

namespace kwtest {

// A whole file's bytes ("" when it cannot be read).
inline std::string Slurp(const std::filesystem::path& File) {
    std::ifstream in(File, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Arg as one word for the shell, whatever it holds.
inline std::string Quote(const std::string& Arg) {
    std::string q = "'";
    for (char c : Arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct TRun {
    int ExitCode = -1; // -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

// Runs Command (shell syntax, its own redirections of standard input allowed) with standard
// output and error captured through files in Folder.
inline TRun RunShell(const std::string& Command, const std::filesystem::path& Folder) {
    const std::filesystem::path out = Folder / "run-stdout.txt", err = Folder / "run-stderr.txt";
    const std::string cmd = Command + " > " + Quote(out.string()) + " 2> " + Quote(err.string());
    const int status = std::system(cmd.c_str());
    TRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = Slurp(out);
    run.Err = Slurp(err);
    return run;
}

} // namespace kwtest
