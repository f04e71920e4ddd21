#include "model/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// 0 when moved, otherwise the reason; EEXIST when the new name is taken.
int MoveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    if (::unlink(from.c_str()) == 0) return 0;
    const int error = errno;
    ::unlink(to.c_str());
    return error;
}

std::string NumberedName(const std::string& name, int number)
{
    return number == 1 ? name : name + "." + std::to_string(number);
}

} // namespace

WriteResult MoveToFreeName(const std::string& fileName, const std::string& name, std::string& taken)
{
    for (int number = 1; number <= kMostNumberedNames; ++number) {
        const std::string candidate = NumberedName(name, number);
        const int error = MoveWithoutReplacing(fileName, candidate);
        if (error == 0) {
            taken = candidate;
            return {};
        }
        if (error != EEXIST) return WriteResult::SystemError(error);
    }
    return WriteResult::SystemError(EEXIST);
}
