#pragma once

#include "model/WriteResult.h"

#include <string>
#include <string_view>

// The steps of replacing a file, in the order WriteFileReplacing takes them:
// the new content goes to a temporary file beside the target (named after
// it, cut short where needed to stay within the folder's limit on a name),
// the file that stands there may be kept under a backup name as well, then
// the temporary file is renamed over the target. The target's name holds a
// whole file at every moment. A replacement given up before Commit removes
// its temporary file.
class CFileReplacement {
public:
    // A symbolic link is replaced by writing the file it points to, so the
    // link itself survives: through a chain of links, and to a target that
    // does not exist yet (as a shell's redirection writes). A link in a
    // circle makes Write fail and is left as it is.
    explicit CFileReplacement(const std::string& fileName);
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    // The new content in the temporary file, with the target's mode (or the
    // default one for a new file), flushed to disk and closed.
    WriteResult Write(std::string_view contents);
    // Gives the file now at the target the backup name too without taking it
    // from its own name: a second hard link where the file system allows
    // one, otherwise a copy (the backup may lie on another file system than
    // a linked target). It is made under a temporary name beside the backup
    // and renamed over the older backup, which therefore stays whole until
    // the new one takes its place, and stays as it was when a step fails.
    // Nothing to keep when there is no file yet, nor when the backup's name
    // is longer than its folder allows a name to be (a target named with
    // the full length leaves no room for the "~"): the save goes on as it
    // would without a backup.
    WriteResult KeepBackup(const std::string& backupName) const;
    // Renames the temporary file over the target.
    WriteResult Commit();

    const std::string& Target() const { return target_; }
    // Empty before Write and after Commit.
    const std::string& TemporaryPath() const { return temporary_; }

private:
    std::string target_;
    int targetError_ = 0; // why the links from the given name lead nowhere
    std::string temporary_;
};
