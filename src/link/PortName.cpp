#include "link/PortName.h"

#include <charconv>

namespace {

bool IsComPrefix(const std::string& name)
{
    if (name.size() < 3) return false;
    for (int i = 0; i < 3; ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != "COM"[i]) return false;
    }
    return true;
}

} // namespace

std::string DevicePathForPort(const std::string& name)
{
    if (!name.empty() && name.front() == '/') return name;
    if (IsComPrefix(name)) {
        const char* first = name.data() + 3;
        const char* last = name.data() + name.size();
        unsigned number = 0;
        const auto [end, error] = std::from_chars(first, last, number);
        if (error == std::errc() && end == last && first != last && number >= 1) {
            return "/dev/ttyS" + std::to_string(number - 1);
        }
    }
    return "/dev/" + name;
}
