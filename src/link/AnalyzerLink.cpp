#include "link/AnalyzerLink.h"

#include "link/PosixSerialPort.h"
#include "link/SystemError.h"
#include "model/MessageBoxes.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kIdentificationCapacity = 128;
// A device that streams without line ends would otherwise keep a read going
// for ever, since the time-out only applies to each single byte.
constexpr std::size_t kMaxLineBytes = 64 * 1024;
constexpr int kLineTimeOuts = 10;

void CommunicationWarning(const std::string& caption, const std::string& detail)
{
    ShowWarning(caption, "Communication error:\n" + detail);
}

// Room for the characters that a line of `capacity` keeps; false when there
// is no memory for it.
bool TakeLineMemory(std::string& line, std::size_t capacity)
{
    try {
        line.reserve(std::max<std::size_t>(capacity, 1) - 1);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

void ShowNoMemoryToRead() { CommunicationWarning("Read", SystemErrorText(ENOMEM)); }

CPortSession::CPortSession(CPortSession&& other) noexcept : link_(std::exchange(other.link_, nullptr)) {}

CPortSession::~CPortSession()
{
    if (link_) link_->ClosePort();
}

bool CPortSession::WritePort(std::string_view command) { return link_->WritePort(command); }

bool CPortSession::ReadLine(std::string& line, std::size_t capacity) { return link_->ReadLine(line, capacity, false); }

bool CPortSession::ReadAnswerLine(std::string& line, std::size_t capacity)
{
    return link_->ReadLine(line, capacity, true);
}

std::chrono::steady_clock::time_point CPortSession::LastLineArrival() const { return link_->lineArrival_; }

void CPortSession::DiscardUntilQuiet(std::chrono::milliseconds quiet) { link_->DiscardUntilQuiet(quiet); }

CAnalyzerLink::CAnalyzerLink(std::unique_ptr<CSerialPort> port) : port_(std::move(port)) {}

std::optional<CPortSession> CAnalyzerLink::OpenPort(const SerialSettings& settings)
{
    // A second open while a run holds the port would otherwise take over
    // the connection under the run's feet.
    if (port_->IsOpen()) {
        CommunicationWarning("Connect", SystemErrorText(EBUSY));
        return std::nullopt;
    }
    connectedModel_ = DeviceModel::Other;
    outOfMemory_ = false;
    if (!port_->Open(settings)) {
        CommunicationWarning("Connect", port_->ErrorText());
        return std::nullopt;
    }
    timeOut_ = EffectiveTimeOut(settings);
    lineTimeLimit_ = kLineTimeOuts * timeOut_;
    CPortSession session(*this);
    Identify(session);
    return session;
}

void CAnalyzerLink::Identify(CPortSession& session)
{
    std::string answer;
    if (session.WritePort("V") && session.ReadLine(answer, kIdentificationCapacity)) {
        connectedModel_ = ModelOfIdentification(answer);
    }
}

void CAnalyzerLink::ClosePort() { port_->Close(); }

bool CAnalyzerLink::WritePort(std::string_view command)
{
    if (port_->Write(command)) return true;
    CommunicationWarning("Write", port_->ErrorText());
    return false;
}

bool CAnalyzerLink::ReadLine(std::string& line, std::size_t capacity, bool skipEmpty)
{
    line.clear();
    // The line's memory is taken before its first byte, so that the reading
    // cannot run out of it halfway. Should there be none, the reading ends
    // as it does when the port finds none: the answer this read was for is
    // still to come, and would be taken for the answer to the next command.
    if (outOfMemory_ || !TakeLineMemory(line, capacity)) {
        outOfMemory_ = true;
        ShowNoMemoryToRead();
        return false;
    }
    return ReceiveLine(line, capacity, skipEmpty);
}

bool CAnalyzerLink::ReceiveLine(std::string& line, std::size_t capacity, bool skipEmpty)
{
    const CSerialPort::Deadline deadline = std::chrono::steady_clock::now() + lineTimeLimit_;
    std::size_t length = 0; // of the line, also beyond the capacity
    for (std::size_t received = 0; received < kMaxLineBytes; ++received) {
        ReceivedByte byte;
        switch (port_->ReadByte(byte, deadline)) {
        case ReadStatus::Byte:
            break;
        case ReadStatus::TimeOut:
            ShowWarning("Read", "Time-out");
            return false;
        case ReadStatus::Failed:
            CommunicationWarning("Read", port_->ErrorText());
            return false;
        }
        if (byte.value != '\n' && byte.value != '\r') {
            ++length;
            if (line.size() + 1 < capacity) line.push_back(byte.value);
        } else if (length > 0 || !skipEmpty) {
            lineArrival_ = byte.arrived;
            return true;
        }
    }
    ShowWarning("Read", "Time-out");
    return false;
}

void CAnalyzerLink::DiscardUntilQuiet(std::chrono::milliseconds quiet)
{
    const CSerialPort::Deadline end = std::chrono::steady_clock::now() + timeOut_;
    ReceivedByte byte;
    for (;;) {
        const CSerialPort::Deadline now = std::chrono::steady_clock::now();
        if (now >= end) return;
        if (port_->ReadByte(byte, std::min(now + quiet, end)) != ReadStatus::Byte) return;
    }
}

CAnalyzerLink& ProgramAnalyzerLink()
{
    static CAnalyzerLink link(std::make_unique<CPosixSerialPort>());
    return link;
}
