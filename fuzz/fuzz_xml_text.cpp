// Arbitrary bytes as an XML file: loading must never crash, hang or read past
// the end, and a failed load must leave the node as it was.

#include "model/XMLNode.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (const char* root : {"Ombrelix", "Traces", "OB_settings"}) {
        CXMLNode node(root);
        node.SetAttribute("kept", "1");
        if (!node.LoadFromText(text)) {
            if (node.AttributeCount() != 1 || node.ChildCount() != 0) __builtin_trap();
            continue;
        }
        std::string written;
        node.WriteTo(written, 0);
        std::string oneLine;
        node.WriteToString(oneLine);
        for (CXMLNode* child = node.FindChild("", 0); child; child = node.FindNext()) {
            (void)child->GetAttributeDouble("x", 0);
            (void)child->GetAttributeColor("color", 0);
            (void)child->GetTextDecoded();
        }
    }

    CXMLNode parsed;
    (void)parsed.ParseElement(text, 0);
    return 0;
}
