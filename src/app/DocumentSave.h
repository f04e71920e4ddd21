#pragma once

#include <functional>
#include <string>

class TViewForm;

// Writes the document under DocumentFileName(name), keeping the file that
// stood there as that name + "~" when keepBackup is set. Only a complete
// write replaces anything: on failure the old file and any older backup stay
// as they were, the user is told the name, and the document stays modified.
// On success the window is named after the file, which goes to the recent
// files through addToRecentFiles, and the document is no longer modified.
bool SaveDocument(TViewForm& view, const std::string& name, bool keepBackup,
                  const std::function<void(const std::string&)>& addToRecentFiles);
