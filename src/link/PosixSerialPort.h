#pragma once

#include "link/FileDescriptor.h"
#include "link/SerialPort.h"

#include <array>
#include <cstddef>

// A serial port (or pseudo-terminal) through POSIX termios.
//
// The port is held exclusively: TIOCEXCL keeps other programs from opening
// it and an advisory lock keeps out those that honour locks (TIOCEXCL does
// not stop the super-user). Reads wait with poll and fetch whatever has
// arrived in one go, then hand it out byte by byte.
class CPosixSerialPort final : public CSerialPort {
public:
    CPosixSerialPort() = default;
    ~CPosixSerialPort() override { Close(); }
    CPosixSerialPort(const CPosixSerialPort&) = delete;
    CPosixSerialPort& operator=(const CPosixSerialPort&) = delete;

    bool Open(const SerialSettings& settings) override;
    bool IsOpen() const override { return descriptor_.IsOpen(); }
    void Close() override;

    bool Write(std::string_view bytes) override;
    ReadStatus ReadByte(char& byte, Deadline deadline) override;

    std::string ErrorText() const override;

private:
    bool Fail(int errorNumber);
    void DrainOutput() const;
    ReadStatus Refill(Deadline deadline);

    CFileDescriptor descriptor_;
    std::chrono::milliseconds byteTimeOut_{0};
    int baudRate_ = 9600;
    std::array<char, 4096> received_{};
    std::size_t next_ = 0; // first byte of received_ not handed out yet
    std::size_t end_ = 0;  // end of the bytes in received_
    int lastError_ = 0;
};
