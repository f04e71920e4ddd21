#pragma once

#include <string>

// The file a name of the settings stands for: an absolute path as it
// stands, any other name in the given folder (which ends in a separator). An
// empty name names no file and stays empty. Names are kept as the user wrote
// them and resolved only where a file is read or written, so that every
// reader and writer of one name finds the same file, whichever folder the
// program was started from.
std::string PathInFolder(const std::string& folder, const std::string& name);
