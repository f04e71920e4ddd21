#pragma once

#include "link/DeviceModel.h"
#include "link/SerialPort.h"
#include "link/SerialSettings.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CAnalyzerLink;

// The hold of one caller (a run, a connection test) on the open port. The
// port closes when the session goes, so a caller whose open was refused
// cannot close a port that someone else opened.
class CPortSession {
public:
    CPortSession(CPortSession&& other) noexcept;
    CPortSession& operator=(CPortSession&&) = delete;
    CPortSession(const CPortSession&) = delete;
    CPortSession& operator=(const CPortSession&) = delete;
    ~CPortSession();

    // Sends the command as it stands, without a line end of its own. A
    // failure shows the "Write" warning.
    bool WritePort(std::string_view command);
    // Reads one answer line into `line` without its line end (the first CR
    // or LF ends it); at most capacity - 1 characters are kept and the rest
    // of a longer line is dropped. A failure, no byte within the time-out,
    // 64 KiB without a line end or ten times the time-out in all show the
    // "Read" warning. The limits count from the call: what arrived before
    // it, while the caller was busy elsewhere, is there at once. No memory
    // for the line or for what the port took in is a failure as well; it
    // ends the reading: every later read of the session fails the same way.
    bool ReadLine(std::string& line, std::size_t capacity);
    // ReadLine that passes over empty lines, such as the one that the LF of
    // an analyzer ending its lines with CR LF leaves behind. The limits of
    // ReadLine hold for all the lines it passes together.
    bool ReadAnswerLine(std::string& line, std::size_t capacity);
    // When the line end of the last line read arrived from the device.
    std::chrono::steady_clock::time_point LastLineArrival() const;
    // Reads and drops whatever arrives until nothing has come for `quiet`,
    // but for no longer than the time-out in all. Shows nothing.
    void DiscardUntilQuiet(std::chrono::milliseconds quiet);

private:
    friend class CAnalyzerLink;
    explicit CPortSession(CAnalyzerLink& link) : link_(&link) {}

    CAnalyzerLink* link_;
};

// The one serial connection to the analyzer: opening and identification,
// commands and answer lines. Every failure is shown to the user as a
// warning at once.
class CAnalyzerLink {
public:
    explicit CAnalyzerLink(std::unique_ptr<CSerialPort> port);

    // Opens the port and identifies the analyzer. Empty, after the
    // "Connect" warning, when the port cannot be opened or is already open;
    // a failed identification has shown its own warning, leaves the port
    // open and the model Other.
    std::optional<CPortSession> OpenPort(const SerialSettings& settings);

    bool IsOpen() const { return port_->IsOpen(); }
    // Found by the last successful open; kept after the port closes.
    DeviceModel ConnectedModel() const { return connectedModel_; }

private:
    friend class CPortSession;

    void ClosePort();
    bool WritePort(std::string_view command);
    bool ReadLine(std::string& line, std::size_t capacity, bool skipEmpty);
    bool ReceiveLine(std::string& line, std::size_t capacity, bool skipEmpty);
    void DiscardUntilQuiet(std::chrono::milliseconds quiet);
    void Identify(CPortSession& session);

    std::unique_ptr<CSerialPort> port_;
    DeviceModel connectedModel_ = DeviceModel::Other;
    std::chrono::milliseconds timeOut_{0};
    std::chrono::milliseconds lineTimeLimit_{0};
    std::chrono::steady_clock::time_point lineArrival_;
    bool outOfMemory_ = false; // a line found no memory: the session reads no more
};

// The "Read" warning of a read that found no memory for what it read.
void ShowNoMemoryToRead();

// The link that the run and the connection test share, over the system's
// serial ports.
CAnalyzerLink& ProgramAnalyzerLink();
