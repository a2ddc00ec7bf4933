// SPDX-License-Identifier: MIT
#pragma once
// The sample of real icons in tests/data/icons/icons.txt, one per line: set, name, fill rule,
// size and SVG path data, separated by tabs. Tests and benchmarks read it through this one
// loader; the program that defines KWGFX_TEST_DATA_DIR says where the data folder is.

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kwtest {

struct TIconSample {
    std::string Set, Name, FillRule, Data;
    // "set/name", unique across the sample.
    std::string Id() const { return Set + "/" + Name; }
};

// Every icon of the sample, in file order. Throws when the file is missing, so that a test
// cannot pass over an empty sample.
inline std::vector<TIconSample> LoadIconSample(const std::string& DataDir) {
    std::ifstream in(DataDir + "/icons/icons.txt");
    if (!in) throw std::runtime_error("icons.txt not found below " + DataDir);
    std::vector<TIconSample> icons;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string part; std::getline(ss, part, '\t');) f.push_back(part);
        if (f.size() == 5) icons.push_back({f[0], f[1], f[2], f[4]});
    }
    return icons;
}

#ifdef KWGFX_TEST_DATA_DIR
inline std::vector<TIconSample> LoadIconSample() {
    return LoadIconSample(KWGFX_TEST_DATA_DIR);
}
#endif

} // namespace kwtest
