#pragma once

#include "FailingAllocation.h"
#include "link/PosixSerialPort.h"

#include <optional>

// The program's serial port, with one allocation of the program's own thread
// made to fail at a chosen point of a conversation: from the start of the
// port's operation number `operation` on (its writes and the reads of single
// bytes, counted together from 0), the next allocation of this thread fails,
// whoever makes it.
class CAllocationFailingPort final : public CSerialPort {
public:
    explicit CAllocationFailingPort(int operation) : failingOperation_(operation) {}

    bool Open(const SerialSettings& settings) override { return port_.Open(settings); }
    bool IsOpen() const override { return port_.IsOpen(); }
    void Close() override { port_.Close(); }

    bool Write(std::string_view bytes) override
    {
        Count();
        return port_.Write(bytes);
    }
    ReadStatus ReadByte(ReceivedByte& byte, Deadline deadline) override
    {
        Count();
        return port_.ReadByte(byte, deadline);
    }

    std::string ErrorText() const override { return port_.ErrorText(); }

    // Whether the chosen allocation has failed.
    bool Failed() const { return failing_ && failing_->Failed(); }

private:
    void Count()
    {
        if (operations_++ == failingOperation_) failing_.emplace(AllocatingThreads::This);
    }

    CPosixSerialPort port_;
    const int failingOperation_;
    int operations_ = 0;
    std::optional<ScopedFailingAllocation> failing_; // goes before the port
};
