#include "BytePattern.h"
#include "FailingAllocation.h"
#include "PseudoTerminal.h"
#include "link/PortName.h"
#include "link/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

using namespace std::chrono_literals;

CSerialPort::Deadline Later() { return std::chrono::steady_clock::now() + 10s; }

class PosixSerialPortTest : public ::testing::Test {
protected:
    CPseudoTerminal terminal;
    CPosixSerialPort port;

    SerialSettings Settings(int baudRate = 9600) const { return {terminal.DevicePath(), baudRate, 100}; }

    void SendToPort(const std::string& bytes) const
    {
        ASSERT_EQ(::write(terminal.Master(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    std::string ReceivedFromPort(std::size_t count) const
    {
        std::string bytes;
        while (bytes.size() < count) {
            pollfd ready{terminal.Master(), POLLIN, 0};
            if (::poll(&ready, 1, 5000) <= 0) break;
            char chunk[256];
            const ssize_t n = ::read(terminal.Master(), chunk, sizeof chunk);
            if (n <= 0) break;
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
        return bytes;
    }

    // Sends the pattern until nothing more is taken for half a second;
    // returns how much was sent.
    std::size_t SendUntilTheSenderWaits() const
    {
        const std::string pattern = Pattern(CPortReader::kDefaultBound + 4 * 1024 * 1024);
        ::fcntl(terminal.Master(), F_SETFL, ::fcntl(terminal.Master(), F_GETFL) | O_NONBLOCK);
        std::size_t sent = 0;
        auto lastProgress = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - lastProgress < 500ms && sent < pattern.size()) {
            pollfd writable{terminal.Master(), POLLOUT, 0};
            ::poll(&writable, 1, 100);
            const ssize_t written = ::write(terminal.Master(), pattern.data() + sent, std::min<std::size_t>(4096, pattern.size() - sent));
            if (written > 0) {
                sent += static_cast<std::size_t>(written);
                lastProgress = std::chrono::steady_clock::now();
            }
        }
        return sent;
    }

    std::string ReadFromPort(std::size_t count)
    {
        std::string bytes;
        ReceivedByte byte;
        while (bytes.size() < count && port.ReadByte(byte, Later()) == ReadStatus::Byte) bytes += byte.value;
        return bytes;
    }
};

TEST_F(PosixSerialPortTest, LineIsRaw8N1WithoutFlowControl)
{
    ASSERT_TRUE(port.Open(Settings(115200))) << port.ErrorText();
    const CFileDescriptor observer(::open(terminal.DevicePath().c_str(), O_RDWR | O_NOCTTY));
    ASSERT_TRUE(observer.IsOpen());
    termios line{};
    ASSERT_EQ(::tcgetattr(observer.Get(), &line), 0);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | IGNBRK), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B115200));
}

TEST_F(PosixSerialPortTest, BytesPassUnchangedBothWays)
{
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    SendToPort(std::string("A\r\nB\0C\n", 7));
    EXPECT_EQ(ReadFromPort(7), std::string("A\r\nB\0C\n", 7));

    ASSERT_TRUE(port.Write("S10.000000\rN\n"));
    EXPECT_EQ(ReceivedFromPort(13), "S10.000000\rN\n");
}

TEST_F(PosixSerialPortTest, TimeOutCountsFromTheAskingAndBytesKeepTheirArrival)
{
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    ReceivedByte byte;
    auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::TimeOut);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, 105ms);
    EXPECT_EQ(port.ReadByte(byte, std::chrono::steady_clock::now()), ReadStatus::TimeOut);

    // Bytes that came while nobody asked, for far longer than the time-out,
    // are there at once, even past the deadline, stamped when they came: a
    // second after the sending at the latest, however slow the reader's
    // thread, and two seconds before the asking.
    const auto sent = std::chrono::steady_clock::now();
    SendToPort("xy");
    std::this_thread::sleep_for(2s);
    asked = std::chrono::steady_clock::now();
    ASSERT_EQ(port.ReadByte(byte, asked), ReadStatus::Byte);
    EXPECT_EQ(byte.value, 'x');
    EXPECT_GE(byte.arrived, sent);
    EXPECT_LT(byte.arrived, sent + 1s);
    ASSERT_EQ(port.ReadByte(byte, asked), ReadStatus::Byte);
    EXPECT_EQ(byte.value, 'y');
    EXPECT_EQ(port.ReadByte(byte, asked), ReadStatus::TimeOut);
}

TEST_F(PosixSerialPortTest, WrittenBytesLeaveBeforeTheCloseAndOldInputIsDropped)
{
    // The Stop of a sweep is a "\r" written just before the port closes;
    // the close must not throw it away, however often it happens.
    terminal.HoldDeviceOpen();
    for (int run = 0; run < 20; ++run) {
        ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
        ASSERT_TRUE(port.Write("\r"));
        port.Close();
    }
    EXPECT_EQ(ReceivedFromPort(20), std::string(20, '\r'));

    // What the analyzer sent while nobody listened, or what the last run
    // left unread, is gone when the port opens again.
    SendToPort("1000000,50,0\r\n");
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    SendToPort("QV7101\r");
    EXPECT_EQ(ReadFromPort(7), "QV7101\r");
    SendToPort("END\r");
    port.Close();
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    ReceivedByte byte;
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::TimeOut);
}

TEST_F(PosixSerialPortTest, HangUpComesAfterTheBytesBeforeIt)
{
    terminal.HoldDeviceOpen();
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    SendToPort("AB\r");
    // Hung up only once the port has taken the bytes from the system, which
    // hands them on to the device end a little after the write.
    auto taken = std::chrono::steady_clock::now();
    const auto limit = taken + 10s;
    for (auto now = taken; now - taken < 50ms && now < limit; now = std::chrono::steady_clock::now()) {
        if (terminal.UnreadByClient() > 0) taken = now;
        std::this_thread::sleep_for(1ms);
    }
    terminal.HangUp();

    EXPECT_EQ(ReadFromPort(3), "AB\r");
    ReceivedByte byte;
    for (int read = 0; read < 2; ++read) {
        EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::Failed);
        EXPECT_EQ(port.ErrorText(), "Input/output error");
    }
    EXPECT_FALSE(port.Write("V"));
    EXPECT_EQ(port.ErrorText(), "Input/output error");
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(PosixSerialPortTest, WhatThePortHoldsIsBoundedAndNothingIsLost)
{
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    // Nobody reads: the port takes up to its bound, then the system's
    // buffers fill and the sender has to wait.
    const std::size_t sent = SendUntilTheSenderWaits();
    EXPECT_GT(sent, CPortReader::kDefaultBound - CPortReader::kDefaultBound / 64);
    EXPECT_LT(sent, CPortReader::kDefaultBound + 512 * 1024);

    const std::string received = ReadFromPort(sent);
    ASSERT_EQ(received.size(), sent);
    EXPECT_EQ(received, Pattern(sent));

    // A close while the port is full still ends, and drops what it held.
    SendUntilTheSenderWaits();
    port.Close();
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    ReceivedByte byte;
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::TimeOut);
}

TEST_F(PosixSerialPortTest, PortIsHeldExclusivelyUntilClosed)
{
    // Opened first: once the port is exclusive, only the super-user could.
    const CFileDescriptor observer(::open(terminal.DevicePath().c_str(), O_RDWR | O_NOCTTY));
    ASSERT_TRUE(observer.IsOpen());
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    int exclusive = 0;
    ASSERT_EQ(::ioctl(observer.Get(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);

    CPosixSerialPort second;
    EXPECT_FALSE(second.Open(Settings()));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(second.ErrorText().empty());

    port.Close();
    ASSERT_EQ(::ioctl(observer.Get(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_TRUE(second.Open(Settings())) << second.ErrorText();
}

TEST_F(PosixSerialPortTest, OpenFailuresGiveTheSystemText)
{
    EXPECT_FALSE(port.Open({"/dev/ombrelix-no-such-port", 9600, 100}));
    EXPECT_EQ(port.ErrorText(), "No such file or directory");
    EXPECT_FALSE(port.Open({"/dev/null", 9600, 100}));
    EXPECT_EQ(port.ErrorText(), "Inappropriate ioctl for device");
    EXPECT_FALSE(port.Open(Settings(12345)));
    EXPECT_EQ(port.ErrorText(), "Invalid argument");
    EXPECT_FALSE(port.IsOpen());
    // Nothing of the failed attempts is left holding the device.
    EXPECT_TRUE(port.Open(Settings())) << port.ErrorText();
}

TEST_F(PosixSerialPortTest, NoMemoryAnywhereInTheOpenIsAFailedOpenThatHoldsNothing)
{
    const SerialSettings settings = Settings();
    int failures = 0;
    for (int passing = 0; passing < 100; ++passing) {
        bool opened = false;
        {
            const ScopedFailingAllocation failing(AllocatingThreads::This, passing);
            opened = port.Open(settings);
            if (!failing.Failed()) break;
        }
        ++failures;
        EXPECT_FALSE(opened) << "failing allocation " << passing;
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(port.ErrorText(), "Cannot allocate memory") << "failing allocation " << passing;
    }
    // The reader, its storage and its thread each take memory.
    EXPECT_GE(failures, 3);
    // Nothing of the failed opens holds the device.
    ASSERT_TRUE(port.IsOpen()) << port.ErrorText();
    SendToPort("AB\r");
    EXPECT_EQ(ReadFromPort(3), "AB\r");
}

TEST(PortName, NamesMapToDeviceFiles)
{
    EXPECT_EQ(DevicePathForPort("COM1"), "/dev/ttyS0");
    EXPECT_EQ(DevicePathForPort("COM12"), "/dev/ttyS11");
    EXPECT_EQ(DevicePathForPort("com3"), "/dev/ttyS2");
    EXPECT_EQ(DevicePathForPort("/dev/pts/3"), "/dev/pts/3");
    EXPECT_EQ(DevicePathForPort("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathForPort("serial/by-id/usb-FTDI"), "/dev/serial/by-id/usb-FTDI");
    EXPECT_EQ(DevicePathForPort("COM0"), "/dev/COM0");
    EXPECT_EQ(DevicePathForPort("COM-1"), "/dev/COM-1");
    EXPECT_EQ(DevicePathForPort("COMX"), "/dev/COMX");
}

} // namespace
