// A simulated impedance analyzer on a pseudo-terminal, for trying the
// program and for its tests: see the README, "Trying it without an
// analyzer".

#include "Options.h"
#include "PseudoTerminal.h"
#include "SimulatedAnalyzer.h"

#include "link/FileDescriptor.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

using Clock = std::chrono::steady_clock;

// At full speed, output is handed to the pseudo-terminal in pieces of about
// this size.
constexpr std::size_t kOutputBatch = 16 * 1024;
// How often a hang-up looks whether the client has read everything.
constexpr int kHangUpPollMs = 1;
// The system hands written bytes on to the client's side a little later,
// so "nothing unread" only counts once it has lasted this long after the
// last write.
constexpr std::chrono::milliseconds kHangUpSettle{50};

void WriteAll(int descriptor, const char* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(descriptor, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
}

class CSimulator {
public:
    CSimulator(const SimulatorOptions& options, CPseudoTerminal& terminal, CFileDescriptor log)
        : behaviour_(options.behaviour), analyzer_(options.behaviour), terminal_(terminal), log_(std::move(log))
    {
    }

    // Serves until the line hangs up on request or fails.
    void Serve()
    {
        for (;;) {
            TakeOutput();
            if (hangingUp_ && ClientHasReadEverything()) return;
            pollfd ready{terminal_.Master(), static_cast<short>(POLLIN | (unsent_.empty() ? 0 : POLLOUT)), 0};
            if (::poll(&ready, 1, PollTimeout()) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if ((ready.revents & POLLIN) && !Receive()) return;
            if (ready.revents & POLLOUT) Send();
        }
    }

private:
    void TakeOutput()
    {
        const Clock::time_point now = Clock::now();
        while (!hangingUp_ && unsent_.size() < kOutputBatch && analyzer_.HasOutput()) {
            const bool measurement = analyzer_.NextIsMeasurement();
            if (measurement && now < nextMeasurement_) return;
            unsent_ += analyzer_.TakeOutput();
            if (behaviour_.hangUpAfter > 0 && analyzer_.MeasurementLinesTaken() >= behaviour_.hangUpAfter) {
                hangingUp_ = true;
            }
            if (measurement && behaviour_.lineDelay.count() > 0) {
                nextMeasurement_ = now + behaviour_.lineDelay;
                return;
            }
        }
    }

    // The client must have read every line before the line goes dead: a
    // hang-up drops what it has not read.
    bool ClientHasReadEverything()
    {
        const Clock::time_point now = Clock::now();
        if (!unsent_.empty() || terminal_.UnreadByClient() > 0) lastUnread_ = now;
        return now - lastUnread_ >= kHangUpSettle;
    }

    int PollTimeout() const
    {
        if (hangingUp_) return kHangUpPollMs;
        if (!unsent_.empty() || !analyzer_.HasOutput()) return -1;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextMeasurement_ - Clock::now());
        return static_cast<int>(std::max<long long>(wait.count(), 0));
    }

    bool Receive()
    {
        char bytes[4096];
        const ssize_t count = ::read(terminal_.Master(), bytes, sizeof bytes);
        if (count < 0) return errno == EINTR || errno == EAGAIN;
        if (count == 0) return false;
        if (log_.IsOpen()) WriteAll(log_.Get(), bytes, static_cast<std::size_t>(count));
        for (ssize_t i = 0; i < count; ++i) {
            if (analyzer_.Receive(bytes[i])) unsent_.clear();
        }
        return true;
    }

    void Send()
    {
        const ssize_t written = ::write(terminal_.Master(), unsent_.data(), unsent_.size());
        if (written > 0) unsent_.erase(0, static_cast<std::size_t>(written));
        lastUnread_ = Clock::now();
    }

    const AnalyzerBehaviour behaviour_;
    CSimulatedAnalyzer analyzer_;
    CPseudoTerminal& terminal_;
    CFileDescriptor log_;
    std::string unsent_;
    Clock::time_point nextMeasurement_{};
    Clock::time_point lastUnread_{};
    bool hangingUp_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::fputs(kSimulatorUsage, stdout);
        return 0;
    }
    const std::optional<SimulatorOptions> options = ParseSimulatorOptions(argc, argv);
    if (!options) return 2;
    try {
        CFileDescriptor log;
        if (!options->logFile.empty()) {
            log = CFileDescriptor(::open(options->logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
            if (!log.IsOpen()) {
                std::perror(options->logFile.c_str());
                return 1;
            }
        }
        CPseudoTerminal terminal;
        terminal.HoldDeviceOpen();
        if (::fcntl(terminal.Master(), F_SETFL, O_NONBLOCK) != 0) throw std::system_error(errno, std::generic_category(), "fcntl");
        // Before the device path is out, so that it is there before any
        // client can open the line.
        const std::string stale = options->stale.empty() ? "" : options->stale + options->behaviour.lineEnd;
        WriteAll(terminal.Master(), stale.data(), stale.size());
        std::printf("%s\n", terminal.DevicePath().c_str());
        std::fflush(stdout);

        CSimulator simulator(*options, terminal, std::move(log));
        simulator.Serve();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ombrelix-analyzer-sim: %s\n", error.what());
        return 1;
    }
}
