#pragma once

#include "link/FileDescriptor.h"

#include <sys/types.h>

#include <string>
#include <vector>

// The analyzer simulator as a child process: started with the given
// options, stopped and reaped when the object goes. It also dies with the
// process that started it, so a crashing test leaves nothing behind.
class CSimulatorProcess {
public:
    // Starts the simulator and waits until it names its device. Throws
    // std::runtime_error when it does not start.
    explicit CSimulatorProcess(const std::vector<std::string>& options);
    CSimulatorProcess(const CSimulatorProcess&) = delete;
    CSimulatorProcess& operator=(const CSimulatorProcess&) = delete;

    // The pseudo-terminal to open as the serial port.
    const std::string& DevicePath() const { return devicePath_; }

private:
    // Kills and reaps the child when the object goes, also when the
    // constructor above fails after the start.
    class CChild {
    public:
        explicit CChild(pid_t pid) : pid_(pid) {}
        ~CChild();
        CChild(const CChild&) = delete;
        CChild& operator=(const CChild&) = delete;

    private:
        pid_t pid_;
    };

    static pid_t Start(const std::vector<std::string>& options, CFileDescriptor& output);
    static std::string ReadDevicePath(int output);

    CFileDescriptor output_; // the read end of the child's standard output
    CChild child_;
    std::string devicePath_;
};
