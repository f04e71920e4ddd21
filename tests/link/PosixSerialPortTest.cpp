#include "PseudoTerminal.h"
#include "link/PortName.h"
#include "link/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

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

    std::string ReadFromPort(std::size_t count)
    {
        std::string bytes;
        char byte = 0;
        while (bytes.size() < count && port.ReadByte(byte, Later()) == ReadStatus::Byte) bytes += byte;
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

TEST_F(PosixSerialPortTest, ReadTimesOutWhenNothingArrives)
{
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    char byte = 0;
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::TimeOut);
    SendToPort("x");
    // A deadline that has passed ends the wait even with a byte under way
    // in the driver; bytes already fetched are still handed out.
    EXPECT_EQ(port.ReadByte(byte, std::chrono::steady_clock::now()), ReadStatus::TimeOut);
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::Byte);
    EXPECT_EQ(byte, 'x');
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
    char byte = 0;
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::TimeOut);
}

TEST_F(PosixSerialPortTest, HangUpFailsReadsAndWrites)
{
    ASSERT_TRUE(port.Open(Settings())) << port.ErrorText();
    terminal.HangUp();
    char byte = 0;
    EXPECT_EQ(port.ReadByte(byte, Later()), ReadStatus::Failed);
    EXPECT_EQ(port.ErrorText(), "Input/output error");
    EXPECT_FALSE(port.Write("V"));
    EXPECT_EQ(port.ErrorText(), "Input/output error");
    port.Close();
    EXPECT_FALSE(port.IsOpen());
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
