#include "link/PortReader.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <system_error>

namespace {

std::pair<CFileDescriptor, CFileDescriptor> WakePipe()
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
    return {CFileDescriptor(ends[0]), CFileDescriptor(ends[1])};
}

} // namespace

std::size_t CPortReader::Holding::Counted() const { return bytes + reads * sizeof(ReadRecord); }

CPortReader::CPortReader(int descriptor, std::size_t bound) : descriptor_(descriptor), bound_(bound)
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
    const bool ready = arrivedOrEnded_.wait_until(lock, limit, [this] { return !reads_.empty() || ended_; });
    if (!ready) return ReadStatus::TimeOut;
    if (!reads_.empty() && HandOut(chunk)) return ReadStatus::Byte;
    error = failure_;
    return ReadStatus::Failed;
}

// Moves the oldest read into `chunk`. Without memory for the copy the
// reading ends, as it does when the reading thread finds none: nothing is
// handed out any more, so what is held goes at once, and with it memory
// that the program is short of just then.
bool CPortReader::HandOut(Chunk& chunk)
{
    const ReadRecord read = reads_.front();
    const auto end = bytes_.begin() + static_cast<std::ptrdiff_t>(read.size);
    try {
        chunk.bytes.assign(bytes_.begin(), end);
    } catch (const std::bad_alloc&) {
        bytes_.clear();
        reads_.clear();
        EndHolding(ENOMEM);
        return false;
    }
    chunk.arrived = read.arrived;
    bytes_.erase(bytes_.begin(), end);
    reads_.pop_front();
    roomOrStop_.notify_one();
    return true;
}

CPortReader::Holding CPortReader::Held() const
{
    const std::lock_guard lock(mutex_);
    return HeldLocked();
}

CPortReader::Holding CPortReader::HeldLocked() const { return {bytes_.size(), reads_.size(), ended_}; }

void CPortReader::Read()
{
    while (WaitForRoom() && WaitForInput() && ReadChunk()) {
    }
}

// False when the reader is to stop.
bool CPortReader::WaitForRoom()
{
    std::unique_lock lock(mutex_);
    roomOrStop_.wait(lock, [this] { return HeldLocked().Counted() < bound_ || stopping_; });
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
    const ssize_t count = ::read(descriptor_, scratch_.data(), scratch_.size());
    const auto arrived = std::chrono::steady_clock::now();
    if (count > 0) return Keep(static_cast<std::size_t>(count), arrived);
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

// Adds the read in scratch_ to what is held. Nothing may leave this thread:
// a lack of memory ends the reading as a failed read does, and what was
// held before it stays whole. Once the asker has ended the reading, nothing
// is kept and the thread ends.
bool CPortReader::Keep(std::size_t count, std::chrono::steady_clock::time_point arrived)
{
    const std::lock_guard lock(mutex_);
    if (ended_) return false;
    const std::size_t before = bytes_.size();
    try {
        // Grown at its end: an insert into an empty deque takes a new block
        // at its front every time.
        bytes_.resize(before + count);
        std::copy_n(scratch_.begin(), count, bytes_.begin() + static_cast<std::ptrdiff_t>(before));
        reads_.push_back({count, arrived});
    } catch (const std::bad_alloc&) {
        bytes_.resize(before);
        EndHolding(ENOMEM);
        return false;
    }
    arrivedOrEnded_.notify_one();
    return true;
}

void CPortReader::EndWith(int error)
{
    const std::lock_guard lock(mutex_);
    EndHolding(error);
}

void CPortReader::EndHolding(int error)
{
    failure_ = error;
    ended_ = true;
    arrivedOrEnded_.notify_all();
}
