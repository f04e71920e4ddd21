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

// Why ReadFileBytes would fail on the file, learnt by opening it the same way
// and closing it again unread: true (read) when it opens. For telling a
// reason after some other read of the file failed, without reading it twice.
ReadResult TryOpeningForReading(const std::string& fileName);

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
// (an older backup is replaced, but only by the new one taking its name in
// one step), made only once the new content is safely on disk, so a failed
// write makes no backup; the file keeps its own name until the new one takes
// its place (see CFileReplacement). A target whose name leaves no room for
// the backup's within the folder's limit on a name is saved without one.
WriteResult WriteFileReplacing(const std::string& fileName, std::string_view contents, const std::string& backupName = {});

// Brings every line break (CR, LF or CR LF) to CR LF and ends the last line
// with CR LF too, as the program's text files are read line by line.
void NormalizeLineBreaks(std::string& text);

// How many names MoveToFreeName tries before it gives up.
constexpr int kMostNumberedNames = 100;

// Moves a file to the first free one of `name`, `name.2`, `name.3`, … (at
// most kMostNumberedNames names), never replacing anything that stands under
// one of them, even should it appear meanwhile; `taken` gets the name used. Where the file
// system cannot rename without replacing, the file is given the new name as
// a second link and loses the old one. On failure, or when every name is
// taken, the file stays where it was.
WriteResult MoveToFreeName(const std::string& fileName, const std::string& name, std::string& taken);
