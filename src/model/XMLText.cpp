// The XML text form of CXMLNode: the writer of the program's files and of the
// clipboard's one-line form, and the parser of exactly the subset the writer
// produces (elements, double-quoted attributes, element text). Values that
// could hold quotes or angle brackets are percent-encoded before they reach a
// node, so the text form needs no escaping.

#include "model/FileIO.h"
#include "model/NumberText.h"
#include "model/XMLNode.h"

#include <algorithm>


namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\"?>";
constexpr const char* kLineBreak = "\r\n";
// Deeper nesting than any file of the program is refused rather than
// parsed recursively without bound.
constexpr int kMaxDepth = 256;
constexpr size_t kFail = std::string::npos;

} // namespace

void CXMLNode::WriteStartTag(std::string& out) const
{
    out += '<';
    out += name_;
    for (const auto& [key, value] : attributes_) {
        out += ' ';
        out += key;
        out += "=\"";
        out += value;
        out += '"';
    }
}

void CXMLNode::WriteTo(std::string& out, int indent) const
{
    const std::string blanks(static_cast<size_t>(indent > 0 ? indent : 0), ' ');
    out += blanks;
    WriteStartTag(out);
    if (!children_.empty()) {
        out += '>';
        out += kLineBreak;
        for (const auto& child : children_) child->WriteTo(out, indent + 2);
        out += blanks;
        out += "</" + name_ + ">";
    } else if (text_.empty()) {
        out += " />";
    } else {
        out += '>';
        out += text_;
        out += "</" + name_ + ">";
    }
    out += kLineBreak;
}

void CXMLNode::WriteToString(std::string& out) const
{
    WriteStartTag(out);
    if (!children_.empty()) {
        out += '>';
        for (const auto& child : children_) child->WriteToString(out);
        out += "</" + name_ + ">";
    } else if (text_.empty()) {
        out += " />";
    } else {
        out += '>';
        out += text_;
        out += "</" + name_ + ">";
    }
}

WriteResult CXMLNode::SaveToFile(const std::string& fileName, const std::string& backupName) const
{
    std::string text = kDeclaration;
    text += kLineBreak;
    WriteTo(text, 0);
    return WriteFileReplacing(fileName, text, backupName);
}

size_t CXMLNode::FindRoot(const std::string& text, const std::string& name)
{
    const size_t closed = text.find("<" + name + ">");
    if (closed != std::string::npos) return closed;
    return text.find("<" + name + " ");
}

size_t CXMLNode::ParseElement(const std::string& text, size_t position)
{
    CXMLNode parsed;
    const size_t end = parsed.ParseElementAt(text, position, 0);
    if (end == kFail) return kFail;
    name_ = parsed.name_;
    AppendParsed(std::move(parsed));
    return end;
}

void CXMLNode::AppendParsed(CXMLNode&& parsed)
{
    writing_ = false;
    for (auto& attribute : parsed.attributes_) attributes_.push_back(std::move(attribute));
    for (auto& child : parsed.children_) children_.push_back(std::move(child));
    if (!parsed.text_.empty()) text_ = std::move(parsed.text_);
}

size_t CXMLNode::ParseElementAt(const std::string& text, size_t position, int depth)
{
    writing_ = false;
    if (depth > kMaxDepth || position >= text.size() || text[position] != '<') return kFail;

    const size_t nameEnd = text.find_first_of("> ", position + 1);
    if (nameEnd == std::string::npos) return kFail;
    name_ = text.substr(position + 1, nameEnd - position - 1);

    size_t p = nameEnd;
    if (text[p] == ' ') {
        p = ParseAttributes(text, p + 1);
        if (p == kFail) return kFail;
    }
    if (text[p] != '/') return ParseContent(text, p + 1, depth);
    // An empty element: " />".
    if (p + 1 >= text.size()) return kFail;
    return p + 2;
}

size_t CXMLNode::ParseAttributes(const std::string& text, size_t position)
{
    ReserveAttributes(text, position);
    size_t p = position;
    for (;;) {
        const size_t stop = text.find_first_of("=>/", p);
        if (stop == std::string::npos) return kFail;
        if (text[stop] != '=') return stop;

        // The character after "=" is taken to be the opening quote.
        const size_t valueBegin = stop + 2;
        if (valueBegin > text.size()) return kFail;
        const size_t valueEnd = text.find('"', valueBegin);
        if (valueEnd == std::string::npos) return kFail;
        attributes_.emplace_back(TrimText(text.substr(p, stop - p)), TrimText(text.substr(valueBegin, valueEnd - valueBegin)));
        p = valueEnd + 1;
    }
}

// A trace's element carries three dozen attributes; counted first, they are
// stored without the list moving them as it grows. The count is only a hint
// (an "=" inside a value counts too), and it is bounded, so a malformed tag
// asks for no more memory than its attributes need.
void CXMLNode::ReserveAttributes(const std::string& text, size_t position)
{
    constexpr std::ptrdiff_t kMostReserved = 64;
    const size_t tagEnd = std::min(text.find('>', position), text.size());
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(position);
    const std::ptrdiff_t signs = std::count(begin, text.begin() + static_cast<std::ptrdiff_t>(tagEnd), '=');
    attributes_.reserve(attributes_.size() + static_cast<size_t>(std::min(signs, kMostReserved)));
}

size_t CXMLNode::ParseContent(const std::string& text, size_t position, int depth)
{
    size_t p = position;
    if (p >= text.size()) return kFail;
    const char first = text[p];
    if (first != '<' && first != '\r' && first != '\n') {
        const size_t next = text.find('<', p);
        if (next == std::string::npos) return kFail;
        text_.assign(text, p, next - p);
        p = next;
    }

    while (p < text.size()) {
        if (text[p] != '<') {
            ++p;
            continue;
        }
        if (p + 1 < text.size() && text[p + 1] == '/') return ParseEndTag(text, p);
        auto child = std::make_unique<CXMLNode>();
        p = child->ParseElementAt(text, p, depth + 1);
        if (p == kFail) return kFail;
        children_.push_back(std::move(child));
    }
    return kFail;
}

// The writer closes every element with its own name. Any other name means
// a tag was lost, doubled or split (a blank inside a start tag ends its name
// there), and closing anyway would attach what follows to the wrong element
// and silently drop the rest of the file.
size_t CXMLNode::ParseEndTag(const std::string& text, size_t position) const
{
    const size_t close = text.find('>', position);
    if (close == std::string::npos) return kFail;
    const size_t nameBegin = position + 2;
    if (text.compare(nameBegin, close - nameBegin, name_) != 0) return kFail;
    return close + 1;
}

bool CXMLNode::LoadFromText(const std::string& text)
{
    writing_ = false;
    const size_t root = FindRoot(text, name_);
    if (root == std::string::npos) return false;
    return ParseElement(text, root) != kFail;
}

bool CXMLNode::LoadFromFile(const std::string& fileName)
{
    writing_ = false;
    std::string text;
    if (!ReadFileBytes(fileName, text)) return false;
    NormalizeLineBreaks(text);
    return LoadFromText(text);
}
