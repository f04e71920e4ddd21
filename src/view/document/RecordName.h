#pragma once

#include <string>
#include <vector>

// The name of a time record: its date in the system's short date format, a
// blank and its time in the system's time format, from six integer fields
// (year, month, day, hour, minute, second) starting at `first`. A record
// whose date or time is missing or impossible is named by its position
// ("record 3").
std::string RecordName(const std::vector<std::string>& fields, size_t first, int position);
