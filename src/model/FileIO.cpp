#include "model/FileIO.h"

#include "model/FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool ReadFileBytes(const std::string& fileName, std::string& contents)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) return false;
    std::string data;
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && info.st_size > 0) data.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        data.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) return false;
    contents = std::move(data);
    return true;
}

WriteResult WriteFileReplacing(const std::string& fileName, std::string_view contents, const std::string& backupName)
{
    CFileReplacement replacement(fileName);
    WriteResult result = replacement.Write(contents);
    if (result && !backupName.empty()) result = replacement.KeepBackup(backupName);
    if (result) result = replacement.Commit();
    return result;
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
