#pragma once

#include "link/SerialSettings.h"

#include <chrono>
#include <string>
#include <string_view>

enum class ReadStatus {
    Byte,    // a byte was read
    TimeOut, // none arrived in time
    Failed,  // the system reported an error; ErrorText() says which
};

// One byte from the device and the moment it was taken from the system.
struct ReceivedByte {
    char value = 0;
    std::chrono::steady_clock::time_point arrived;
};

// One serial port of the platform: a raw byte stream to the analyzer.
// Failed operations leave the system's error text in ErrorText().
class CSerialPort {
public:
    using Deadline = std::chrono::steady_clock::time_point;

    virtual ~CSerialPort() = default;

    // Opens the named port for this program alone, raw 8N1 at the baud rate
    // without flow control or line-end translation, and drops whatever the
    // device sent before. On failure the port stays closed.
    virtual bool Open(const SerialSettings& settings) = 0;
    virtual bool IsOpen() const = 0;
    // Lets the written bytes leave (waiting a bounded time for them), drops
    // what was received and not read, then closes. Does nothing when the
    // port is closed.
    virtual void Close() = 0;

    // Writes every byte, however long that takes.
    virtual bool Write(std::string_view bytes) = 0;
    // The next received byte with its arrival time. A byte that arrived
    // before the call is handed out at once; otherwise this waits at most
    // the time-out of the settings (plus 5 ms) from the call, and never past
    // the deadline.
    virtual ReadStatus ReadByte(ReceivedByte& byte, Deadline deadline) = 0;

    virtual std::string ErrorText() const = 0;
};
