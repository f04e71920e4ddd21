#include "model/FileIO.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when the read ends, however it ends.
class ReadDescriptor {
public:
    explicit ReadDescriptor(int descriptor) : descriptor_(descriptor) {}
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;
    ~ReadDescriptor()
    {
        if (descriptor_ >= 0) ::close(descriptor_);
    }

    int Get() const { return descriptor_; }

private:
    int descriptor_;
};

bool ReadToEnd(int descriptor, std::string& data)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count == 0) return true;
        if (count > 0) data.append(buffer, static_cast<size_t>(count));
        else if (errno != EINTR) return false;
    }
}

bool IsRegular(const struct stat& info) { return S_ISREG(info.st_mode); }

} // namespace

// The name is looked at first, so that a device is never opened at all
// (opening a serial line already changes its lines); the open itself cannot
// wait, and what it opened is looked at again in case the name was replaced
// in between.
int OpenRegularFile(const std::string& fileName, off_t* size)
{
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !IsRegular(info)) return -1;
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return -1;
    const bool regular = ::fstat(descriptor, &info) == 0 && IsRegular(info);
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (!regular || flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(descriptor);
        return -1;
    }
    if (size) *size = info.st_size;
    return descriptor;
}

bool ReadFileBytes(const std::string& fileName, std::string& contents)
{
    off_t size = 0;
    const ReadDescriptor file(OpenRegularFile(fileName, &size));
    if (file.Get() < 0) return false;
    std::string data;
    if (size > 0) data.reserve(static_cast<size_t>(size));
    if (!ReadToEnd(file.Get(), data)) return false;
    contents = std::move(data);
    return true;
}
