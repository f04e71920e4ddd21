#include "app/RecentFiles.h"

#include <algorithm>

void AddRecentFile(std::vector<std::string>& list, const std::string& path)
{
    if (!path.empty() && path.back() == '~') return;
    if (path.find_first_of("\"\r\n") != std::string::npos) return;
    const auto same = std::find(list.begin(), list.end(), path);
    if (same != list.end()) list.erase(same);
    while (list.size() >= static_cast<size_t>(kRecentFilesMax)) list.pop_back();
    list.insert(list.begin(), path);
}
