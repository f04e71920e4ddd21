#include "model/FileReplacement.h"

#include "model/FileNameLength.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Taken right after the call that failed, before anything else runs.
WriteResult LastError() { return WriteResult::SystemError(errno); }

// Linux's own limit on the links one path name may pass through.
constexpr int kMostLinksFollowed = 40;

// Follows symbolic links the way a shell's redirection does: a relative
// target is read in the link's folder, and a link whose target does not
// exist yet leads to where that target is to be written, so the link itself
// is kept. ELOOP for a circle; other errors are left to the write itself.
int FollowLinks(std::string& path)
{
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return 0;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return error.value();
        path = (std::filesystem::path(path).parent_path() / target).string();
    }
    return ELOOP;
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

// The mkstemp pattern for a temporary file beside `beside`, within the
// length its folder allows a name.
std::string PatternBeside(const std::string& beside) { return TemporaryPattern(beside, MostNameBytes(beside)); }

// A free name beside another, `name.tmp-XXXXXX` (the name cut short where
// the whole would be too long), for a file that is then renamed to that
// other name. Whatever the name still holds when the object goes is
// removed: a step that failed, or the second name of a file that the
// renaming found standing under both names already.
class TemporaryName {
public:
    explicit TemporaryName(const std::string& beside) : path_(PatternBeside(beside))
    {
        const int descriptor = ::mkstemp(path_.data());
        if (descriptor < 0) {
            error_ = errno;
            return;
        }
        ::close(descriptor);
        // Free again for the link that is to take it; the name stays unique.
        ::unlink(path_.c_str());
    }
    ~TemporaryName()
    {
        if (error_ == 0) ::unlink(path_.c_str());
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    const std::string& Path() const { return path_; }
    // The reason no name could be found, 0 when there is one.
    int Error() const { return error_; }

private:
    std::string path_;
    int error_ = 0;
};

// The file under a second, free name: a hard link where the file system
// allows one, otherwise a copy.
WriteResult LinkOrCopy(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) == 0) return {};
    if (!LinkNotPossible(errno)) return LastError();
    return CopyFile(from, to);
}

} // namespace

CFileReplacement::CFileReplacement(const std::string& fileName) : target_(fileName)
{
    targetError_ = FollowLinks(target_);
}

CFileReplacement::~CFileReplacement()
{
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

WriteResult CFileReplacement::Write(std::string_view contents)
{
    if (target_.empty()) return WriteResult::SystemError(ENOENT);
    if (targetError_ != 0) return WriteResult::SystemError(targetError_);
    std::string pattern = PatternBeside(target_);
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) return LastError();
    temporary_ = pattern;
    const WriteResult result = FillTemporary(descriptor, contents, ModeForNewFile(target_));
    if (::close(descriptor) != 0 && result) return LastError();
    return result;
}

// Made under a name of its own and renamed over the older backup, so that
// the backup name holds the older backup or the new one at every moment.
// A target whose name takes the whole length a name may have leaves no room
// for the backup's longer one: such a file is saved as it is without one.
WriteResult CFileReplacement::KeepBackup(const std::string& backupName) const
{
    if (::access(target_.c_str(), F_OK) != 0 || !NameFitsItsFolder(backupName)) return {};
    const TemporaryName step(backupName);
    if (step.Error() != 0) return WriteResult::SystemError(step.Error());
    WriteResult result = LinkOrCopy(target_, step.Path());
    if (result && ::rename(step.Path().c_str(), backupName.c_str()) != 0) return LastError();
    return result;
}

WriteResult CFileReplacement::Commit()
{
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return LastError();
    temporary_.clear();
    return {};
}
