#pragma once

#include "link/FileDescriptor.h"

#include <string>

// A pseudo-terminal pair: this side holds the master end, and a program
// opens the device end (DevicePath) as if it were a serial port.
class CPseudoTerminal {
public:
    // Throws std::system_error when the system has no pseudo-terminal left.
    CPseudoTerminal();

    int Master() const { return master_.Get(); }
    const std::string& DevicePath() const { return devicePath_; }

    // Keeps the device end open from this side too, in raw mode, so that
    // bytes sent before a client opens it are kept and the line survives
    // clients that come and go.
    void HoldDeviceOpen();
    // Bytes sent that the client has not read yet; needs HoldDeviceOpen.
    int UnreadByClient() const;

    // Closes the master end: the client sees the line hang up.
    void HangUp() { master_.Reset(); }

private:
    CFileDescriptor master_;
    CFileDescriptor device_;
    std::string devicePath_;
};
