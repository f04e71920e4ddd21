#pragma once

#include "model/Color.h"
#include "model/WriteResult.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// One XML element: name, text, ordered children and ordered attributes. It is
// the in-memory form of every file the program reads or writes and of the
// traces on the clipboard.
//
// Every persistent record is moved to and from a node by one exchange routine
// that runs both ways: while the node is being written (IsWriting) the
// Exchange* calls store the given value and return it; once the node has been
// read they return the stored value, or the given one when it is missing.
class CXMLNode {
public:
    CXMLNode();
    explicit CXMLNode(std::string name);
    ~CXMLNode();
    CXMLNode(const CXMLNode&) = delete;
    CXMLNode& operator=(const CXMLNode&) = delete;

    // Drops children, attributes and text and returns to writing mode; the
    // name stays.
    void Clear();
    bool IsWriting() const { return writing_; }
    const std::string& Name() const { return name_; }

    // Children handed out take this node's writing flag at that moment, so a
    // tree read from a file stays in reading mode while it is walked.
    CXMLNode* AddChild(const std::string& name);
    CXMLNode* GetChild(int index);
    int ChildCount() const { return static_cast<int>(children_.size()); }
    // First child from `start` on whose name matches (an empty name matches
    // any); FindNext continues after the last hit.
    CXMLNode* FindChild(const std::string& name, int start = 0);
    CXMLNode* FindNext();
    // Writing: a new child; reading: the first child of that name or null.
    CXMLNode* Child(const std::string& name);

    // Attributes are appended, never replaced; reading takes the first pair
    // with the name (names compare case-sensitively).
    int AttributeCount() const { return static_cast<int>(attributes_.size()); }
    void GetAttributeAt(int index, std::string& name, std::string& value) const;
    void DeleteAttributeAt(int index);

    bool SetAttribute(const std::string& name, const std::string& value);
    bool SetAttributeEncoded(const std::string& name, const std::string& value);
    bool SetAttributeInt(const std::string& name, int value);
    bool SetAttributeBool(const std::string& name, bool value);
    bool SetAttributeDouble(const std::string& name, double value);
    bool SetAttributeColor(const std::string& name, TColor value);

    // A missing attribute gives the default. An empty number, bool or colour
    // also gives the default; an empty string is returned as it is.
    std::string GetAttribute(const std::string& name, const std::string& defaultValue) const;
    std::string GetAttributeDecoded(const std::string& name, const std::string& defaultValue) const;
    int GetAttributeInt(const std::string& name, int defaultValue) const;
    double GetAttributeDouble(const std::string& name, double defaultValue) const;
    bool GetAttributeBool(const std::string& name, bool defaultValue) const;
    TColor GetAttributeColor(const std::string& name, TColor defaultValue) const;

    bool SetText(const std::string& text);
    bool SetTextEncoded(const std::string& text);
    const std::string& GetText() const { return text_; }
    std::string GetTextDecoded() const;
    // Hands the text over without copying it (for the large trace texts).
    std::string TakeText();

    std::string Exchange(const std::string& name, const std::string& value);
    std::string ExchangeEncoded(const std::string& name, const std::string& value);
    int ExchangeInt(const std::string& name, int value);
    double ExchangeDouble(const std::string& name, double value);
    bool ExchangeBool(const std::string& name, bool value);
    TColor ExchangeColor(const std::string& name, TColor value);
    // Reading gives the node's text, empty when it has none.
    std::string ExchangeText(const std::string& value);
    std::string ExchangeTextEncoded(const std::string& value);
    // The text of a child element; reading keeps the value when there is no
    // such child.
    std::string ExchangeChildText(const std::string& childName, const std::string& value);
    std::string ExchangeChildTextEncoded(const std::string& childName, const std::string& value);

    // --- XML text ---

    // Appends the element, indented by `indent` blanks, as lines ended by
    // CR LF: children two blanks deeper, " />" for an empty element, the text
    // on the start tag's line.
    void WriteTo(std::string& out, int indent) const;
    // Appends the element on one line, without indentation (clipboard form).
    void WriteToString(std::string& out) const;
    // Writes the declaration and the tree. The file is replaced only once the
    // new content is safely on disk; on failure the old file stays and the
    // result gives the reason. With a backup name the old file is kept under
    // it.
    WriteResult SaveToFile(const std::string& fileName, const std::string& backupName = {}) const;

    // Position of the first "<name>" in the text, else of the first
    // "<name ", else npos.
    static size_t FindRoot(const std::string& text, const std::string& name);
    // Fills this node from the element whose "<" is at `position` and
    // returns the position after it. Text that is truncated or malformed,
    // or an end tag that does not name its own element, gives npos and
    // leaves the node untouched.
    size_t ParseElement(const std::string& text, size_t position);
    // Reads the file, finds the root element named like this node and
    // appends what it holds to this node, which is now in reading mode.
    // False when the file cannot be read or holds no complete, well-nested
    // root element; the node then holds nothing new.
    bool LoadFromFile(const std::string& fileName);
    // The same for text already in memory (line breaks are taken as given).
    bool LoadFromText(const std::string& text);

private:
    size_t ParseElementAt(const std::string& text, size_t position, int depth);
    size_t ParseAttributes(const std::string& text, size_t position);
    void ReserveAttributes(const std::string& text, size_t position);
    size_t ParseContent(const std::string& text, size_t position, int depth);
    size_t ParseEndTag(const std::string& text, size_t position) const;
    void AppendParsed(CXMLNode&& parsed);
    void WriteStartTag(std::string& out) const;

    bool writing_ = true;
    std::string name_;
    std::string text_;
    std::vector<std::unique_ptr<CXMLNode>> children_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    std::string searchName_;
    int searchIndex_ = 0;
};
