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

// 0 when the whole file was read, else the errno of the read that failed.
int ReadToEnd(int descriptor, std::string& data)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count == 0) return 0;
        if (count > 0) data.append(buffer, static_cast<size_t>(count));
        else if (errno != EINTR) return errno;
    }
}

bool IsRegular(const struct stat& info) { return S_ISREG(info.st_mode); }

// Why something that is not a regular file is refused: a folder has the
// system's own words for it, a pipe or a device has none.
ReadResult NotRegular(const struct stat& info)
{
    return S_ISDIR(info.st_mode) ? ReadResult::SystemError(EISDIR) : ReadResult::NotRegularFile();
}

// Looks again at what was opened, in case the name was replaced after it was
// looked at, and lets the reads wait for the disk again.
ReadResult MakeBlockingIfRegular(int descriptor, struct stat& info)
{
    if (::fstat(descriptor, &info) != 0) return ReadResult::SystemError(errno);
    if (!IsRegular(info)) return NotRegular(info);
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) return ReadResult::SystemError(errno);
    return {};
}

// The name is looked at first, so that a device is never opened at all
// (opening a serial line already changes its lines); the open itself cannot
// wait. `descriptor` is -1 unless the result says the file is open.
ReadResult OpenRegular(const std::string& fileName, off_t* size, int& descriptor)
{
    descriptor = -1;
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0) return ReadResult::SystemError(errno);
    if (!IsRegular(info)) return NotRegular(info);
    const int opened = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0) return ReadResult::SystemError(errno);
    const ReadResult checked = MakeBlockingIfRegular(opened, info);
    if (!checked) {
        ::close(opened);
        return checked;
    }
    if (size) *size = info.st_size;
    descriptor = opened;
    return {};
}

} // namespace

int OpenRegularFile(const std::string& fileName, off_t* size)
{
    int descriptor = -1;
    OpenRegular(fileName, size, descriptor);
    return descriptor;
}

ReadResult TryOpeningForReading(const std::string& fileName)
{
    int descriptor = -1;
    const ReadResult opened = OpenRegular(fileName, nullptr, descriptor);
    const ReadDescriptor closing(descriptor);
    return opened;
}

ReadResult ReadFileBytes(const std::string& fileName, std::string& contents)
{
    off_t size = 0;
    int descriptor = -1;
    const ReadResult opened = OpenRegular(fileName, &size, descriptor);
    const ReadDescriptor file(descriptor);
    if (!opened) return opened;
    std::string data;
    if (size > 0) data.reserve(static_cast<size_t>(size));
    if (const int error = ReadToEnd(file.Get(), data)) return ReadResult::SystemError(error);
    contents = std::move(data);
    return {};
}
