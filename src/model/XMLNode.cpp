#include "model/XMLNode.h"

#include "model/DecimalDigits.h"
#include "model/NumberText.h"
#include "model/TextEncoding.h"

#include <cstdio>

namespace {

// "%d,%d,%d" read as red, green and blue; a part that cannot be read is 0,
// and only the lowest byte of each number counts.
TColor ParseColor(const std::string& text)
{
    unsigned bytes[3] = {0, 0, 0};
    std::string_view rest = text;
    for (int k = 0; k < 3; ++k) {
        size_t consumed = 0;
        const auto value = ReadScanfInteger(rest, &consumed);
        if (!value) break;
        bytes[k] = static_cast<unsigned>(*value) & 0xFFu;
        rest.remove_prefix(consumed);
        if (k < 2) {
            if (rest.empty() || rest.front() != ',') break;
            rest.remove_prefix(1);
        }
    }
    return RGBColor(bytes[0], bytes[1], bytes[2]);
}

} // namespace

CXMLNode::CXMLNode() = default;

CXMLNode::CXMLNode(std::string name) : name_(std::move(name)) {}

CXMLNode::~CXMLNode() = default;

void CXMLNode::Clear()
{
    children_.clear();
    attributes_.clear();
    text_.clear();
    writing_ = true;
}

CXMLNode* CXMLNode::AddChild(const std::string& name)
{
    children_.push_back(std::make_unique<CXMLNode>(name));
    children_.back()->writing_ = writing_;
    return children_.back().get();
}

CXMLNode* CXMLNode::GetChild(int index)
{
    if (index < 0 || index >= ChildCount()) return nullptr;
    CXMLNode* child = children_[static_cast<size_t>(index)].get();
    child->writing_ = writing_;
    return child;
}

CXMLNode* CXMLNode::FindChild(const std::string& name, int start)
{
    if (children_.empty()) return nullptr;
    searchName_ = name;
    searchIndex_ = start < 0 ? 0 : start;
    for (; searchIndex_ < ChildCount(); ++searchIndex_) {
        CXMLNode* child = GetChild(searchIndex_);
        if (name.empty() || child->name_ == name) return child;
    }
    return nullptr;
}

CXMLNode* CXMLNode::FindNext()
{
    const std::string name = searchName_;
    return FindChild(name, searchIndex_ + 1);
}

CXMLNode* CXMLNode::Child(const std::string& name)
{
    return writing_ ? AddChild(name) : FindChild(name, 0);
}

void CXMLNode::GetAttributeAt(int index, std::string& name, std::string& value) const
{
    if (index < 0 || index >= AttributeCount()) {
        name.clear();
        value.clear();
        return;
    }
    name = attributes_[static_cast<size_t>(index)].first;
    value = attributes_[static_cast<size_t>(index)].second;
}

void CXMLNode::DeleteAttributeAt(int index)
{
    if (index < 0 || index >= AttributeCount()) return;
    attributes_.erase(attributes_.begin() + index);
}

bool CXMLNode::SetAttribute(const std::string& name, const std::string& value)
{
    attributes_.emplace_back(name, value);
    return true;
}

bool CXMLNode::SetAttributeEncoded(const std::string& name, const std::string& value)
{
    return SetAttribute(name, EncodeText(value));
}

bool CXMLNode::SetAttributeInt(const std::string& name, int value)
{
    return SetAttribute(name, std::to_string(value));
}

bool CXMLNode::SetAttributeBool(const std::string& name, bool value)
{
    return SetAttribute(name, value ? "true" : "false");
}

bool CXMLNode::SetAttributeDouble(const std::string& name, double value)
{
    return SetAttribute(name, FormatEng(12, value));
}

bool CXMLNode::SetAttributeColor(const std::string& name, TColor value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u,%u,%u", RedOf(value), GreenOf(value), BlueOf(value));
    return SetAttribute(name, text);
}

std::string CXMLNode::GetAttribute(const std::string& name, const std::string& defaultValue) const
{
    for (const auto& [key, value] : attributes_) {
        if (key == name) return value;
    }
    return defaultValue;
}

std::string CXMLNode::GetAttributeDecoded(const std::string& name, const std::string& defaultValue) const
{
    for (const auto& [key, value] : attributes_) {
        if (key == name) return DecodeText(value);
    }
    return defaultValue;
}

int CXMLNode::GetAttributeInt(const std::string& name, int defaultValue) const
{
    const std::string value = GetAttribute(name, "");
    return value.empty() ? defaultValue : TextToInt(value);
}

double CXMLNode::GetAttributeDouble(const std::string& name, double defaultValue) const
{
    const std::string value = GetAttribute(name, "");
    return value.empty() ? defaultValue : TextToDouble(value);
}

bool CXMLNode::GetAttributeBool(const std::string& name, bool defaultValue) const
{
    const std::string value = GetAttribute(name, "");
    return value.empty() ? defaultValue : value == "true";
}

TColor CXMLNode::GetAttributeColor(const std::string& name, TColor defaultValue) const
{
    const std::string value = GetAttribute(name, "");
    return value.empty() ? defaultValue : ParseColor(value);
}

bool CXMLNode::SetText(const std::string& text)
{
    text_ = text;
    return true;
}

bool CXMLNode::SetTextEncoded(const std::string& text) { return SetText(EncodeText(text)); }

std::string CXMLNode::GetTextDecoded() const { return DecodeText(text_); }

std::string CXMLNode::TakeText() { return std::exchange(text_, std::string()); }

std::string CXMLNode::Exchange(const std::string& name, const std::string& value)
{
    if (writing_) {
        SetAttribute(name, value);
        return value;
    }
    return GetAttribute(name, value);
}

std::string CXMLNode::ExchangeEncoded(const std::string& name, const std::string& value)
{
    if (writing_) {
        SetAttributeEncoded(name, value);
        return value;
    }
    return GetAttributeDecoded(name, value);
}

int CXMLNode::ExchangeInt(const std::string& name, int value)
{
    if (writing_) {
        SetAttributeInt(name, value);
        return value;
    }
    return GetAttributeInt(name, value);
}

double CXMLNode::ExchangeDouble(const std::string& name, double value)
{
    if (writing_) {
        SetAttributeDouble(name, value);
        return value;
    }
    return GetAttributeDouble(name, value);
}

bool CXMLNode::ExchangeBool(const std::string& name, bool value)
{
    if (writing_) {
        SetAttributeBool(name, value);
        return value;
    }
    return GetAttributeBool(name, value);
}

TColor CXMLNode::ExchangeColor(const std::string& name, TColor value)
{
    if (writing_) {
        SetAttributeColor(name, value);
        return value;
    }
    return GetAttributeColor(name, value);
}

std::string CXMLNode::ExchangeText(const std::string& value)
{
    if (writing_) {
        SetText(value);
        return value;
    }
    return text_;
}

std::string CXMLNode::ExchangeTextEncoded(const std::string& value)
{
    if (writing_) {
        SetTextEncoded(value);
        return value;
    }
    return GetTextDecoded();
}

std::string CXMLNode::ExchangeChildText(const std::string& childName, const std::string& value)
{
    CXMLNode* child = Child(childName);
    if (!child) return value;
    return child->ExchangeText(value);
}

std::string CXMLNode::ExchangeChildTextEncoded(const std::string& childName, const std::string& value)
{
    CXMLNode* child = Child(childName);
    if (!child) return value;
    return child->ExchangeTextEncoded(value);
}
