#include "link/PosixSerialPort.h"

#include "link/PortName.h"
#include "link/SystemError.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// Each byte may take this much beyond the configured time-out: room for
// the byte itself on a slow line.
constexpr std::chrono::milliseconds kTimeOutMargin{5};
// A start bit, eight data bits and a stop bit.
constexpr int kBitsPerByte = 10;
constexpr std::chrono::milliseconds kDrainPoll{1};

std::optional<speed_t> SpeedOf(int baudRate)
{
    struct Rate {
        int baud;
        speed_t speed;
    };
    static constexpr Rate kRates[] = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
        {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
        {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},
#ifdef B460800
        {460800, B460800},   {500000, B500000},   {576000, B576000},   {921600, B921600},   {1000000, B1000000},
        {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
        {3500000, B3500000}, {4000000, B4000000},
#endif
    };
    for (const Rate& rate : kRates) {
        if (rate.baud == baudRate) return rate.speed;
    }
    return std::nullopt;
}

// Raw 8N1: every byte passes unchanged in both directions (NUL bytes and CR
// included), no echo, no signals, no software or hardware flow control.
// Reads never block in the driver; poll does the waiting.
termios RawLine(termios line, speed_t speed)
{
    line.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | PARMRK | INPCK | ISTRIP | INLCR | IGNCR |
                                           ICRNL | IXON | IXOFF | IXANY);
    line.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    line.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CREAD | CLOCAL;
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    cfsetispeed(&line, speed);
    cfsetospeed(&line, speed);
    return line;
}

} // namespace

bool CPosixSerialPort::Fail(int errorNumber)
{
    lastError_ = errorNumber;
    return false;
}

bool CPosixSerialPort::Open(const SerialSettings& settings)
{
    if (IsOpen()) return Fail(EBUSY);
    // Opening takes memory (the device's path, the reader and its thread)
    // and starts a thread; a failure of either is a failed open like any
    // other, and what was taken so far goes with the locals.
    try {
        return OpenDevice(settings);
    } catch (const std::bad_alloc&) {
        return Fail(ENOMEM);
    } catch (const std::system_error& error) {
        return Fail(error.code().value());
    }
}

bool CPosixSerialPort::OpenDevice(const SerialSettings& settings)
{
    const std::optional<speed_t> speed = SpeedOf(settings.baudRate);
    if (!speed) return Fail(EINVAL);

    // Without O_NONBLOCK the open could wait for a carrier that a plain
    // analyzer cable never raises.
    const std::string path = DevicePathForPort(settings.comPort);
    CFileDescriptor descriptor(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!descriptor.IsOpen()) return Fail(errno);
    if (::flock(descriptor.Get(), LOCK_EX | LOCK_NB) != 0) return Fail(errno);

    termios line{};
    if (::tcgetattr(descriptor.Get(), &line) != 0) return Fail(errno);
    line = RawLine(line, *speed);
    if (::tcsetattr(descriptor.Get(), TCSANOW, &line) != 0) return Fail(errno);
    // Lines an analyzer sent while nobody listened (the rest of a stopped
    // sweep) would otherwise be taken for the answers of this session.
    ::tcflush(descriptor.Get(), TCIFLUSH);
    auto reader = std::make_unique<CPortReader>(descriptor.Get());
    // Last, so that no failure above leaves the device marked exclusive.
    if (::ioctl(descriptor.Get(), TIOCEXCL) != 0) return Fail(errno);

    descriptor_ = std::move(descriptor);
    reader_ = std::move(reader);
    byteTimeOut_ = EffectiveTimeOut(settings) + kTimeOutMargin;
    baudRate_ = settings.baudRate;
    return true;
}

void CPosixSerialPort::Close()
{
    if (!IsOpen()) return;
    // Written bytes must leave: the last one is often the "\r" that stops
    // the analyzer's sweep. Only what was received and not read is dropped.
    // A device that has gone away fails both; closing must still happen.
    DrainOutput();
    reader_.reset();
    chunk_.bytes.clear();
    next_ = 0;
    ::tcflush(descriptor_.Get(), TCIFLUSH);
    // The exclusive mark outlives the descriptor on Linux; without this a
    // later open by a normal user would fail with "Device or resource busy".
    ::ioctl(descriptor_.Get(), TIOCNXCL);
    descriptor_.Reset();
}

// tcdrain could wait for ever on an adapter that has stopped sending, so
// this waits at most for the queued bytes' time on the line plus the
// time-out.
void CPosixSerialPort::DrainOutput() const
{
    int queued = 0;
    if (::ioctl(descriptor_.Get(), TIOCOUTQ, &queued) != 0 || queued <= 0) return;
    const auto lineTime = std::chrono::microseconds(std::int64_t{queued} * kBitsPerByte * 1000000 / baudRate_);
    const auto deadline = std::chrono::steady_clock::now() + lineTime + byteTimeOut_;
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kDrainPoll);
        if (::ioctl(descriptor_.Get(), TIOCOUTQ, &queued) != 0 || queued <= 0) return;
    }
}

bool CPosixSerialPort::Write(std::string_view bytes)
{
    if (!IsOpen()) return Fail(EBADF);
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_.Get(), bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return Fail(errno);
        pollfd ready{descriptor_.Get(), POLLOUT, 0};
        if (::poll(&ready, 1, -1) < 0 && errno != EINTR) return Fail(errno);
    }
    return true;
}

ReadStatus CPosixSerialPort::ReadByte(ReceivedByte& byte, Deadline deadline)
{
    // Past its end as well: a take that found no memory for its copy may
    // leave the chunk shorter.
    if (next_ >= chunk_.bytes.size()) {
        const ReadStatus status = TakeChunk(deadline);
        if (status != ReadStatus::Byte) return status;
    }
    byte = {chunk_.bytes[next_++], chunk_.arrived};
    return ReadStatus::Byte;
}

ReadStatus CPosixSerialPort::TakeChunk(Deadline deadline)
{
    if (!IsOpen()) {
        Fail(EBADF);
        return ReadStatus::Failed;
    }
    // The time-out counts from the asking: bytes that came while nobody
    // asked are there at once, however long ago they arrived.
    const Deadline limit = std::min(deadline, std::chrono::steady_clock::now() + byteTimeOut_);
    int error = 0;
    const ReadStatus status = reader_->Take(chunk_, limit, error);
    if (status == ReadStatus::Byte) next_ = 0;
    if (status == ReadStatus::Failed) Fail(error);
    return status;
}

std::string CPosixSerialPort::ErrorText() const { return SystemErrorText(lastError_); }
