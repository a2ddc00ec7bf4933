// SPDX-License-Identifier: MIT
#pragma once
// How much memory a piece of work took at its peak, in the running process, whatever ran
// in it before: the kernel's high-water mark of the resident set is reset when the meter
// starts (Linux 4.0 on), so earlier tests in the same process do not count. Where the
// mark cannot be reset, the process's own peak stands for it (as strict as before).

#include <fstream>
#include <string>

#include <sys/resource.h>

namespace kwtest {

class TPeakMemory {
public:
    TPeakMemory() {
        std::ofstream clear("/proc/self/clear_refs");
        FReset = clear && (clear << "5").flush();
        clear.close();
        FBase = FReset ? StatusKb("VmRSS:") : 0;
        FReset = FReset && FBase >= 0 && StatusKb("VmHWM:") >= 0;
    }

    // The peak resident memory since the meter started, above what was resident then.
    long GrowthKb() const {
        if (FReset) return StatusKb("VmHWM:") - FBase;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    }

private:
    // A "Name:   N kB" line of /proc/self/status (-1 when missing).
    static long StatusKb(const std::string& Name) {
        std::ifstream status("/proc/self/status");
        std::string key;
        long value = -1;
        while (status >> key) {
            if (key == Name) {
                status >> value;
                return value;
            }
            status.ignore(1 << 12, '\n');
        }
        return value;
    }

    bool FReset = false;
    long FBase = 0;
};

} // namespace kwtest
