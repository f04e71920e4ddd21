#pragma once

#include <string>

// The folder of the settings files, ending in a separator: the program's own
// folder when the program may write there, otherwise the user's
// configuration folder for the program (created when missing).
std::string SettingsFolder(const std::string& programFolder);
