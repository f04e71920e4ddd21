#pragma once

#include <string_view>
#include <vector>

// The lines of a text, split once: a line ends at CR, LF or CR LF, and a
// final line break adds no empty line after it. The views point into the
// text, which must outlive them. Readers that walk a text block by block
// index these lines instead of scanning the text from its start again.
std::vector<std::string_view> SplitTextLines(std::string_view text);
