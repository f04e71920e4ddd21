#include "view/document/RecordName.h"

#include "view/document/RecordFields.h"

#include <array>
#include <ctime>
#include <optional>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<size_t>(month - 1)];
}

// The fields as a calendar time, when they make one.
std::optional<std::tm> RecordTime(const std::vector<std::string>& fields, size_t first)
{
    std::array<int, 6> v{};
    for (size_t i = 0; i < v.size(); ++i) {
        const auto value = FieldInt(fields, first + i);
        if (!value) return std::nullopt;
        v[i] = *value;
    }
    const auto [year, month, day, hour, minute, second] = v;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return std::nullopt;
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

} // namespace

std::string RecordName(const std::vector<std::string>& fields, size_t first, int position)
{
    const auto time = RecordTime(fields, first);
    if (!time) return "record " + std::to_string(position);
    char text[128];
    const size_t length = std::strftime(text, sizeof text, "%x %X", &*time);
    return length > 0 ? std::string(text, length) : "record " + std::to_string(position);
}
