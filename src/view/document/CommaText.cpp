#include "view/document/CommaText.h"

namespace {

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

size_t SkipBlanks(std::string_view line, size_t i)
{
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i;
}

// The quoted field that starts at i; i moves past its closing quote (or to
// the end when there is none).
std::string QuotedField(std::string_view line, size_t& i)
{
    std::string field;
    for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
            field += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            ++i;
        } else {
            ++i;
            break;
        }
    }
    return field;
}

std::string PlainField(std::string_view line, size_t& i)
{
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i]) && line[i] != ',' && line[i] != '\0') ++i;
    return std::string(line.substr(start, i - start));
}

} // namespace

std::vector<std::string> SplitCommaText(std::string_view line)
{
    std::vector<std::string> fields;
    size_t i = SkipBlanks(line, 0);
    while (i < line.size() && line[i] != '\0') {
        fields.push_back(line[i] == '"' ? QuotedField(line, i) : PlainField(line, i));
        i = SkipBlanks(line, i);
        if (i < line.size() && line[i] == ',') {
            if (i + 1 >= line.size() || line[i + 1] == '\0') fields.emplace_back();
            i = SkipBlanks(line, i + 1);
        }
    }
    return fields;
}
