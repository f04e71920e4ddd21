#include "model/FileReplacement.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Taken right after the call that failed, before anything else runs.
WriteResult LastError() { return WriteResult::SystemError(errno); }

std::string ResolveTarget(const std::string& fileName)
{
    std::error_code error;
    if (std::filesystem::is_symlink(fileName, error)) {
        const auto target = std::filesystem::canonical(fileName, error);
        if (!error) return target.string();
    }
    return fileName;
}

mode_t ModeForNewFile(const std::string& target)
{
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

WriteResult WriteAll(int descriptor, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

WriteResult FillTemporary(int descriptor, std::string_view contents, mode_t mode)
{
    if (::fchmod(descriptor, mode) != 0) return LastError();
    WriteResult result = WriteAll(descriptor, contents);
    if (result && ::fsync(descriptor) != 0) return LastError();
    return result;
}

// Errors of link() that mean this file system gives no second name to a
// file here, as opposed to a folder that cannot be written at all.
bool LinkNotPossible(int error)
{
    return error == EXDEV || error == EPERM || error == EMLINK || error == EOPNOTSUPP;
}

// A copy that fails part-way is removed: a failed step makes no backup.
WriteResult CopyFile(const std::string& from, const std::string& to)
{
    std::error_code error;
    if (std::filesystem::copy_file(from, to, error)) return {};
    std::error_code ignored;
    std::filesystem::remove(to, ignored);
    return WriteResult::SystemError(error ? error.value() : EIO);
}

} // namespace

CFileReplacement::CFileReplacement(const std::string& fileName) : target_(ResolveTarget(fileName)) {}

CFileReplacement::~CFileReplacement()
{
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

WriteResult CFileReplacement::Write(std::string_view contents)
{
    if (target_.empty()) return WriteResult::SystemError(ENOENT);
    std::string pattern = target_ + ".tmp-XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) return LastError();
    temporary_ = pattern;
    const WriteResult result = FillTemporary(descriptor, contents, ModeForNewFile(target_));
    if (::close(descriptor) != 0 && result) return LastError();
    return result;
}

WriteResult CFileReplacement::KeepBackup(const std::string& backupName) const
{
    if (::access(target_.c_str(), F_OK) != 0) return {};
    if (::unlink(backupName.c_str()) != 0 && errno != ENOENT) return LastError();
    if (::link(target_.c_str(), backupName.c_str()) == 0) return {};
    if (!LinkNotPossible(errno)) return LastError();
    return CopyFile(target_, backupName);
}

WriteResult CFileReplacement::Commit()
{
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return LastError();
    temporary_.clear();
    return {};
}
