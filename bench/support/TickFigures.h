#pragma once

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <unistd.h>
#include <vector>

// Figures of the harnesses that time one step of a 10 ms loop many times over: the spread of
// the step's cost and the process's resident memory, to show that it stays flat.

// The resident memory of this process in KiB.
inline long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct TickFigures {
    double median = 0.0;
    double p99 = 0.0;
    double max = 0.0;
};

// The median, 99th percentile and worst of Micros (which must not be empty).
inline TickFigures FiguresOf(std::vector<double> Micros) {
    std::sort(Micros.begin(), Micros.end());
    const std::size_t n = Micros.size();
    return {Micros[n / 2], Micros[n * 99 / 100], Micros.back()};
}
