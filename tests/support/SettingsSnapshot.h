#pragma once

#include "model/Settings.h"

#include <string>

// Keeps the program-wide settings as they were and puts them back when the
// test is over, so tests that change them do not leak into each other.
class SettingsSnapshot {
public:
    SettingsSnapshot() : saved_(Settings), folder_(ProgramFolder) {}
    ~SettingsSnapshot()
    {
        Settings = saved_;
        ProgramFolder = folder_;
    }
    SettingsSnapshot(const SettingsSnapshot&) = delete;
    SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

private:
    ProgramSettings saved_;
    std::string folder_;
};
