#include "model/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
public:
    TemporaryFile(int descriptor, std::string path) : descriptor_(descriptor), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (descriptor_ >= 0) ::close(descriptor_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    int Descriptor() const { return descriptor_; }
    const std::string& Path() const { return path_; }

    bool Close()
    {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0;
    }
    void Keep() { path_.clear(); }

private:
    int descriptor_;
    std::string path_;
};

bool WriteAll(int descriptor, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A link is replaced by writing its target, so the link itself survives.
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

} // namespace

bool WriteFileReplacing(const std::string& fileName, std::string_view contents, const std::string& backupName)
{
    if (fileName.empty()) return false;
    const std::string target = ResolveTarget(fileName);

    std::string pattern = target + ".tmp-XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) return false;
    TemporaryFile temporary(descriptor, pattern);

    if (::fchmod(descriptor, ModeForNewFile(target)) != 0) return false;
    if (!WriteAll(descriptor, contents)) return false;
    if (::fsync(descriptor) != 0) return false;
    if (!temporary.Close()) return false;
    const bool keepBackup = !backupName.empty() && ::access(target.c_str(), F_OK) == 0;
    if (keepBackup && ::rename(target.c_str(), backupName.c_str()) != 0) return false;
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0) {
        if (keepBackup) ::rename(backupName.c_str(), target.c_str());
        return false;
    }
    temporary.Keep();
    return true;
}

void NormalizeLineBreaks(std::string& text)
{
    bool normal = text.empty() || (text.size() >= 2 && text[text.size() - 2] == '\r' && text.back() == '\n');
    for (size_t i = 0; normal && i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') normal = false;
            ++i;
        } else if (text[i] == '\n') {
            normal = false;
        }
    }
    if (normal) return;

    std::string out;
    out.reserve(text.size() + text.size() / 16 + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    if (out.size() < 2 || out[out.size() - 2] != '\r' || out.back() != '\n') out += "\r\n";
    text = std::move(out);
}
