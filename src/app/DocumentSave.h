#pragma once

#include <functional>
#include <string>

class TViewForm;

// Writes the whole document (traces and view state) under
// DocumentFileName(name), keeping the file that stood there as that name +
// "~" when keepBackup is set and the file system takes that name (a name of
// the full length allowed is saved without a backup). Only a complete write
// replaces anything: on failure the old file and any older backup stay as
// they were, the user is told the name and the reason, and the window keeps
// its names, its recent-files entry and its Modified flag. On success the
// window is named after the file, which goes to the recent files through
// addToRecentFiles, and the document is no longer modified.
bool SaveDocument(TViewForm& view, const std::string& name, bool keepBackup,
                  const std::function<void(const std::string&)>& addToRecentFiles);

// Writes the window's traces as a Varnet data file (".vmd" added when the
// name has no extension). The document stays as it was: its names and its
// Modified flag are not changed, so a later Save still writes the document.
// On success the file goes to the recent files; on failure the user is told
// the name and the reason.
bool ExportVarnetFile(TViewForm& view, const std::string& name,
                      const std::function<void(const std::string&)>& addToRecentFiles);
