#pragma once

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

// For the harnesses that time one step of a 10 ms loop many times over: the spread of the
// step's cost, and the process's resident memory before and after, to show that it stays flat.

// The resident memory of this process in KiB.
inline long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs Step WarmUp times untimed and then Count times timed (Count > 0), with Prepare(run)
// before each run (untimed) and the pending events handled after each, as between two timer
// ticks. Prints Label, the median, 99th percentile and worst run, and the resident memory
// after the warm-up and at the end.
inline void TimeTicks(const std::string& Label, int WarmUp, int Count,
                      const std::function<void(int)>& Prepare, const std::function<void()>& Step) {
    // Filled in before the first measurement, so that its pages count as resident from there.
    std::vector<double> micros(static_cast<std::size_t>(Count), 0.0);
    long residentAfterWarmUp = 0;
    for (int run = 0; run < WarmUp + Count; ++run) {
        Prepare(run);
        const auto start = std::chrono::steady_clock::now();
        Step();
        const auto end = std::chrono::steady_clock::now();
        if (run == WarmUp) {
            residentAfterWarmUp = ResidentKiB();
        }
        if (run >= WarmUp) {
            micros[static_cast<std::size_t>(run - WarmUp)] =
                std::chrono::duration<double, std::micro>(end - start).count();
        }
        QCoreApplication::processEvents();
    }
    const long residentAtEnd = ResidentKiB();
    std::sort(micros.begin(), micros.end());
    std::printf("%s: median %7.1f us, p99 %7.1f us, max %8.1f us; "
                "resident %ld KiB after %d runs, %ld KiB after %d more (%+ld KiB)\n",
                Label.c_str(), micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back(),
                residentAfterWarmUp, WarmUp, residentAtEnd, Count, residentAtEnd - residentAfterWarmUp);
}
