#include "model/TextLines.h"

std::vector<std::string_view> SplitTextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        size_t next = end;
        if (next < text.size() && text[next++] == '\r' && next < text.size() && text[next] == '\n') ++next;
        start = next;
    }
    return lines;
}
