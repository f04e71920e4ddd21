#pragma once

#include <string>
#include <string_view>

// Reads a whole file as bytes. False when it cannot be opened or read.
bool ReadFileBytes(const std::string& fileName, std::string& contents);

// Replaces a file without ever leaving it half written: the new content goes
// to a temporary file in the same folder, is flushed to disk and then renamed
// over the target. On failure the old file stays as it was, the temporary
// file is removed, and the result is false.
bool WriteFileReplacing(const std::string& fileName, std::string_view contents);

// Brings every line break (CR, LF or CR LF) to CR LF and ends the last line
// with CR LF too, as the program's text files are read line by line.
void NormalizeLineBreaks(std::string& text);
