#include "app/RecentFiles.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

void AddRecentFile(std::vector<std::string>& list, const std::string& path)
{
    if (!path.empty() && path.back() == '~') return;
    const auto same = std::find_if(list.begin(), list.end(), [&](const std::string& entry) { return SameIgnoringCase(entry, path); });
    if (same != list.end()) list.erase(same);
    if (list.size() >= static_cast<size_t>(kRecentFilesMax)) list.pop_back();
    list.insert(list.begin(), path);
}
