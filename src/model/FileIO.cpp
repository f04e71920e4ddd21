#include "model/FileIO.h"

#include "model/FileReplacement.h"


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
