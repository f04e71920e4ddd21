#include "PseudoTerminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>
#include <system_error>

namespace {

[[noreturn]] void ThrowSystemError(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

} // namespace

CPseudoTerminal::CPseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC))
{
    if (!master_.IsOpen()) ThrowSystemError("posix_openpt");
    if (::grantpt(master_.Get()) != 0) ThrowSystemError("grantpt");
    if (::unlockpt(master_.Get()) != 0) ThrowSystemError("unlockpt");
    char name[128];
    if (::ptsname_r(master_.Get(), name, sizeof name) != 0) ThrowSystemError("ptsname_r");
    devicePath_ = name;
}

void CPseudoTerminal::HoldDeviceOpen()
{
    device_ = CFileDescriptor(::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!device_.IsOpen()) ThrowSystemError("open");
    termios line{};
    if (::tcgetattr(device_.Get(), &line) != 0) ThrowSystemError("tcgetattr");
    ::cfmakeraw(&line);
    if (::tcsetattr(device_.Get(), TCSANOW, &line) != 0) ThrowSystemError("tcsetattr");
}

int CPseudoTerminal::UnreadByClient() const
{
    int count = 0;
    if (::ioctl(device_.Get(), TIOCINQ, &count) != 0) return 0;
    return count;
}
