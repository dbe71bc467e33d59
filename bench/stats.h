#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The middle of the samples: on a shared, noisy machine the mean follows the
// worst interruptions, the median stays with the typical run.
inline double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 == 1)
        return *middle;
    return (*middle + *std::max_element(samples.begin(), middle)) / 2;
}
