#include "link/PortList.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace fs = std::filesystem;

namespace {

constexpr int kComPorts = 8;

bool IsAdapterName(const std::string& name)
{
    for (const std::string prefix : {"ttyUSB", "ttyACM"}) {
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) return true;
    }
    return false;
}

// ttyUSB2 before ttyUSB10: the prefixes, then the numbers by their length.
bool AdapterBefore(const std::string& a, const std::string& b)
{
    const auto key = [](const std::string& name) { return std::make_tuple(name.substr(0, 6), name.size(), name); };
    return key(a) < key(b);
}

std::vector<std::string> FolderEntries(const fs::path& folder, bool (*wanted)(const std::string&))
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (wanted(name)) names.push_back(name);
    }
    return names;
}

} // namespace

std::vector<std::string> PortChoices(const std::string& deviceFolder)
{
    std::vector<std::string> choices;
    for (int n = 1; n <= kComPorts; ++n) choices.push_back("COM" + std::to_string(n));
    const fs::path folder(deviceFolder);
    std::vector<std::string> adapters = FolderEntries(folder, IsAdapterName);
    std::sort(adapters.begin(), adapters.end(), AdapterBefore);
    for (const std::string& name : adapters) choices.push_back((folder / name).string());
    std::vector<std::string> stable = FolderEntries(folder / "serial" / "by-id", [](const std::string&) { return true; });
    std::sort(stable.begin(), stable.end());
    for (const std::string& name : stable) choices.push_back((folder / "serial" / "by-id" / name).string());
    return choices;
}
