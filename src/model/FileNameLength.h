#pragma once

#include <cstddef>
#include <string>

// File systems limit the length of each name in a path (the final component,
// not the whole path): 255 bytes on the usual ones, however many characters
// those bytes spell. The names the program makes from a user's name (a
// temporary file beside it, a backup) must stay within that limit too.

// The most bytes a name may have in the folder of `path`, as the file system
// there tells; 255 when it cannot be asked (a folder not there, say).
size_t MostNameBytes(const std::string& path);

// Whether the final component of `path` is short enough for its folder.
bool NameFitsItsFolder(const std::string& path);

// The pattern mkstemp turns into a free temporary name beside `beside`, in
// its folder: its name followed by ".tmp-XXXXXX". Where the whole would be
// longer than mostNameBytes, the part taken from the name is cut short, and
// cut between two UTF-8 characters, never inside one.
std::string TemporaryPattern(const std::string& beside, size_t mostNameBytes);
