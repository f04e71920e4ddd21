#pragma once

#include "model/ReadResult.h"
#include "model/WriteResult.h"

#include <string>
#include <string_view>
#include <sys/types.h>

// Reads a whole regular file as bytes. Fails, with the reason, when it cannot
// be opened or read, and for anything that is not a regular file (a named
// pipe, a device, a folder), which is refused before anything could wait on
// it; `contents` then stays as it was.
ReadResult ReadFileBytes(const std::string& fileName, std::string& contents);

// Opens a regular file for reading, or gives -1 for anything else (a named
// pipe, a device, a folder) without waiting on it; `size` (when given) takes
// the file's size. The caller owns and closes the descriptor.
int OpenRegularFile(const std::string& fileName, off_t* size = nullptr);

// Replaces a file without ever leaving it half written: the new content goes
// to a temporary file in the same folder, is flushed to disk and then renamed
// over the target. On failure the old file stays as it was, the temporary
// file is removed, and the result carries the reason of the step that failed.
//
// With a backup name, the file that stood there is kept under that name too
// (an older backup is replaced), made only once the new content is safely on
// disk, so a failed write makes no backup; the file keeps its own name until
// the new one takes its place (see CFileReplacement).
WriteResult WriteFileReplacing(const std::string& fileName, std::string_view contents, const std::string& backupName = {});

// Brings every line break (CR, LF or CR LF) to CR LF and ends the last line
// with CR LF too, as the program's text files are read line by line.
void NormalizeLineBreaks(std::string& text);
