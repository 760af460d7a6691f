#pragma once

#include <algorithm>
#include <vector>

#include <time.h>

// The median of one run's samples. On a machine busy with other work, one slow iteration
// moves a mean (and a ratio of two means) far; it hardly moves a median, so a ratio of
// medians says the same from one run to the next.
inline double medianOf(std::vector<double> samples) {
    if (samples.empty())
        return 0.0;
    const auto middle = samples.begin() + std::ptrdiff_t(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 != 0)
        return *middle;
    return (*middle + *std::max_element(samples.begin(), middle)) / 2.0;
}

// The processor time of the whole process, every thread's, in milliseconds: on a machine busy
// with other work it counts what the process did, not how long it waited for a core.
inline double processCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}
