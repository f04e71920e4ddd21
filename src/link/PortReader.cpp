#include "link/PortReader.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

// About thirty thousand answer lines: far more than a sweep sends while a
// box is up, and a small fraction of the memory a document takes.
constexpr std::size_t kHeldLimit = 1024 * 1024;
constexpr std::size_t kChunkSize = 4096;

std::pair<CFileDescriptor, CFileDescriptor> WakePipe()
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
    return {CFileDescriptor(ends[0]), CFileDescriptor(ends[1])};
}

} // namespace

CPortReader::CPortReader(int descriptor) : descriptor_(descriptor)
{
    auto [readEnd, writeEnd] = WakePipe();
    wakeRead_ = std::move(readEnd);
    wakeWrite_ = std::move(writeEnd);
    thread_ = std::thread([this] { Read(); });
}

CPortReader::~CPortReader()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    roomOrStop_.notify_all();
    const char wake = 0;
    // A full pipe already holds a wake-up; nothing more is needed then.
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite_.Get(), &wake, 1);
    thread_.join();
}

ReadStatus CPortReader::Take(Chunk& chunk, CSerialPort::Deadline limit, int& error)
{
    std::unique_lock lock(mutex_);
    const bool ready = arrivedOrEnded_.wait_until(lock, limit, [this] { return !chunks_.empty() || ended_; });
    if (!ready) return ReadStatus::TimeOut;
    if (chunks_.empty()) {
        error = failure_;
        return ReadStatus::Failed;
    }
    chunk = std::move(chunks_.front());
    chunks_.pop_front();
    held_ -= chunk.bytes.size();
    roomOrStop_.notify_one();
    return ReadStatus::Byte;
}

void CPortReader::Read()
{
    while (WaitForRoom() && WaitForInput() && ReadChunk()) {
    }
}

// False when the reader is to stop.
bool CPortReader::WaitForRoom()
{
    std::unique_lock lock(mutex_);
    roomOrStop_.wait(lock, [this] { return held_ < kHeldLimit || stopping_; });
    return !stopping_;
}

// Waits until the device has something to say (or has gone) or the reader
// is woken to stop; false for the stop and for a failure of the wait.
bool CPortReader::WaitForInput()
{
    for (;;) {
        pollfd ready[2] = {{descriptor_, POLLIN, 0}, {wakeRead_.Get(), POLLIN, 0}};
        if (::poll(ready, 2, -1) < 0) {
            if (errno == EINTR) continue;
            EndWith(errno);
            return false;
        }
        if (ready[1].revents != 0) return false;
        if (ready[0].revents & POLLNVAL) {
            EndWith(EBADF);
            return false;
        }
        if (ready[0].revents != 0) return true;
    }
}

// Takes what has arrived; false once the device has hung up or failed.
bool CPortReader::ReadChunk()
{
    std::vector<char> bytes(kChunkSize);
    const ssize_t count = ::read(descriptor_, bytes.data(), bytes.size());
    const auto arrived = std::chrono::steady_clock::now();
    if (count > 0) {
        bytes.resize(static_cast<std::size_t>(count));
        const std::lock_guard lock(mutex_);
        held_ += bytes.size();
        chunks_.push_back({std::move(bytes), arrived});
        arrivedOrEnded_.notify_one();
        return true;
    }
    // Readable with nothing to read is a hang-up (an unplugged adapter, the
    // far end of a pseudo-terminal closed); so is a terminal that reports
    // nothing but its hang-up, which would otherwise be polled for ever.
    if (count == 0) {
        EndWith(EIO);
        return false;
    }
    if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
        pollfd state{descriptor_, POLLIN, 0};
        if (::poll(&state, 1, 0) <= 0 || !(state.revents & (POLLHUP | POLLERR))) return true;
        errno = EIO;
    }
    EndWith(errno);
    return false;
}

void CPortReader::EndWith(int error)
{
    const std::lock_guard lock(mutex_);
    failure_ = error;
    ended_ = true;
    arrivedOrEnded_.notify_all();
}
