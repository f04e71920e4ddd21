#pragma once

#include "model/WriteResult.h"
#include "view/document/WindowPlacement.h"

#include <functional>
#include <string>
#include <vector>

class CXMLNode;

// The two configuration files beside the program: the settings file
// ("ombrelix.omt" or any other the user chose) and the settings list file
// ("ombrelix.oml"), which names alternative settings files and whether to
// offer them at start-up.

struct SettingsListEntry {
    std::string Title;
    std::string Name; // path of the settings file
};

extern std::vector<SettingsListEntry> SettingsList;
extern bool StartupFromList;
// Recent document paths, newest first, at most 10.
extern std::vector<std::string> MRUList;
// Settings file names are kept as written (the list's entries, and
// CurrentSettingsFile once one of them is chosen); the routines below find
// a relative name in SettingsFilesFolder, where "ombrelix.omt" lives.
extern std::string CurrentSettingsFile;
extern std::string DefaultSettingsFile;
extern std::string SettingsListFile;
extern std::string SettingsFilesFolder; // ends in a separator

// The file a settings file name stands for (PathInFolder in
// SettingsFilesFolder).
std::string SettingsFilePath(const std::string& name);

enum SettingsExchangeMode { kSettingsLoad = 0, kSettingsSave = 1 };

// The bounding rectangle of all monitors.
struct DesktopArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    TRect Rect() const { return {Left, Top, Left + Width, Top + Height}; }
};

// The windows whose places the settings file keeps.
struct SettingsFileWindows {
    WindowPlacement main;  // saved from, and loaded into, here
    DesktopArea desktop;   // a loaded place is pulled back onto it
    std::function<void(CXMLNode*)> exchangeControlWindow; // "ViewControl"; may get null
};

// Moves a loaded place so that at least 100 pixels of the window stay on the

// Two-way exchange of a window's left and top edges as "Left" and "Top"; a
// place that is read is pulled onto the desktop. False only for a null
// element.
bool ExchangeWindowPosition(CXMLNode* element, WindowPlacement& window, const DesktopArea& desktop);

// Mode 0 loads, 1 saves. True when the file was read or written; a load that
// fails changes nothing.
bool ExchangeSettingsList(int mode, const std::string& fileName);
bool ExchangeSettingsFile(int mode, const std::string& fileName, SettingsFileWindows& windows);
// The saves of the two routines above, with the reason when the file could
// not be written.
WriteResult SaveSettingsList(const std::string& fileName);
WriteResult SaveSettingsFile(const std::string& fileName, SettingsFileWindows& windows);

// After a load that failed: a file that is there but could not be read may be
// the user's only copy of their settings, so it is renamed to its name +
// ".bad" (or ".bad.2", ".bad.3", … should that be taken: a file kept before
// is never replaced) before the save at exit could overwrite it, and the
// user is told why: the system's reason when it may not be read, else that
// it was read but not understood. Something there that is not a regular file
// (a named pipe, a device, a folder) is no one's settings, and a name that
// cannot even be looked at (a link in a circle, a folder that may not be
// entered) may hide someone's: either is left where it is, and the user told
// with the system's reason, in the words File > Open uses ("Is a directory",
// "Not a regular file", "Too many levels of symbolic links", …).
// False when the name is still taken and must not be written; true when the
// name is free.
bool SetAsideUnreadableFile(const std::string& fileName);
