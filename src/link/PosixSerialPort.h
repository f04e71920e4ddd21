#pragma once

#include "link/FileDescriptor.h"
#include "link/PortReader.h"
#include "link/SerialPort.h"

#include <cstddef>
#include <memory>

// A serial port (or pseudo-terminal) through POSIX termios.
//
// The port is held exclusively: TIOCEXCL keeps other programs from opening
// it and an advisory lock keeps out those that honour locks (TIOCEXCL does
// not stop the super-user). A reader takes the received bytes from the
// system as they arrive, with their arrival times, and hands them out byte
// by byte.
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
    ReadStatus ReadByte(ReceivedByte& byte, Deadline deadline) override;

    std::string ErrorText() const override;

private:
    bool Fail(int errorNumber);
    bool OpenDevice(const SerialSettings& settings);
    void DrainOutput() const;
    ReadStatus TakeChunk(Deadline deadline);

    CFileDescriptor descriptor_;
    // Goes before the descriptor closes.
    std::unique_ptr<CPortReader> reader_;
    CPortReader::Chunk chunk_; // taken from the reader, handed out from next_
    std::size_t next_ = 0;
    std::chrono::milliseconds byteTimeOut_{0};
    int baudRate_ = 9600;
    int lastError_ = 0;
};
