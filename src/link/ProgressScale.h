#pragma once

#include <cstdint>

// A progress bar counts in int. A run of many points with much averaging
// goes beyond that, so both numbers are divided by the same factor until
// the maximum fits.
struct ProgressBarValues {
    int position = 0;
    int maximum = 0;
};
ProgressBarValues ScaleToProgressBar(std::int64_t position, std::int64_t maximum);
