#pragma once

#include <cstddef>
#include <string>

// Bytes whose place in a long stream can be told from their values, so that
// a lost, doubled or reordered stretch shows.
inline char PatternByte(std::size_t index) { return static_cast<char>('a' + index % 23); }

inline std::string Pattern(std::size_t count)
{
    std::string bytes(count, 0);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = PatternByte(i);
    return bytes;
}
