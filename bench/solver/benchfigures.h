// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <time.h>
#include <vector>

// The q-quantile of a run's figures, 0 for none.
inline double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values.empty()
               ? 0
               : values[std::min(values.size() - 1, std::size_t(q * double(values.size())))];
}

// The calling thread's CPU time: on a busy machine the wall clock also counts other work.
inline double threadMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}
