#pragma once

#include <functional>
#include <string>

// A file dialog as the settings dialogs ask for one.
struct FileDialogRequest {
    bool save = false;         // a save dialog asks before replacing a file
    std::string title;
    std::string filter;        // "Settings (*.omt);;All files (*)"
    std::string defaultSuffix; // added to a name typed without one
    std::string start;         // the folder or file the dialog starts with
    bool mayNotExist = false;  // an open dialog takes a name that is not there (the caller says so)
};

// The chosen file's full path; empty when cancelled. Dialogs keep one as a
// member so that tests can answer it.
using FileDialogRunner = std::function<std::string(const FileDialogRequest&)>;

// The filter of the dialogs that choose a settings file.
inline constexpr const char* kSettingsFileFilter = "Settings (*.omt);;All files (*)";

// Qt's file dialog.
std::string QtFileDialog(const FileDialogRequest& request);
