#include "model/FileNameLength.h"

#include <string_view>
#include <unistd.h>

namespace {

constexpr size_t kUsualMostNameBytes = 255;
constexpr std::string_view kTemporaryEnding = ".tmp-XXXXXX";

// Where the final component of `path` begins.
size_t NameStart(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

// The second, third or fourth byte of a UTF-8 character (10xxxxxx).
bool ContinuesACharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The longest start of `name` of at most `bytes` bytes that ends where a
// character ends.
std::string_view WholeCharactersWithin(std::string_view name, size_t bytes)
{
    if (name.size() <= bytes) return name;
    while (bytes > 0 && ContinuesACharacter(name[bytes])) --bytes;
    return name.substr(0, bytes);
}

} // namespace

size_t MostNameBytes(const std::string& path)
{
    const size_t start = NameStart(path);
    const std::string folder = start == 0 ? std::string(".") : path.substr(0, start);
    const long most = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return most > 0 ? static_cast<size_t>(most) : kUsualMostNameBytes;
}

bool NameFitsItsFolder(const std::string& path)
{
    return path.size() - NameStart(path) <= MostNameBytes(path);
}

std::string TemporaryPattern(const std::string& beside, size_t mostNameBytes)
{
    const size_t start = NameStart(beside);
    const size_t room = mostNameBytes > kTemporaryEnding.size() ? mostNameBytes - kTemporaryEnding.size() : 0;
    const std::string_view name = WholeCharactersWithin(std::string_view(beside).substr(start), room);
    return beside.substr(0, start).append(name).append(kTemporaryEnding);
}
