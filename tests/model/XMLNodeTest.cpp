#include "model/XMLNode.h"

#include <gtest/gtest.h>

namespace {

TEST(XMLNode, AttributesAreAppendedAndTheFirstWins)
{
    CXMLNode node("N");
    node.SetAttribute("a", "1");
    node.SetAttribute("a", "2");
    EXPECT_EQ(node.AttributeCount(), 2);
    EXPECT_EQ(node.GetAttribute("a", "x"), "1");
    EXPECT_EQ(node.GetAttribute("A", "x"), "x");

    std::string name, value;
    node.GetAttributeAt(1, name, value);
    EXPECT_EQ(name, "a");
    EXPECT_EQ(value, "2");
    node.GetAttributeAt(2, name, value);
    EXPECT_EQ(name, "");
    EXPECT_EQ(value, "");

    node.DeleteAttributeAt(0);
    EXPECT_EQ(node.GetAttribute("a", "x"), "2");
    node.DeleteAttributeAt(5);
    EXPECT_EQ(node.AttributeCount(), 1);
}

TEST(XMLNode, TypedAttributesUseTheirTextForms)
{
    CXMLNode node("N");
    node.SetAttributeInt("i", -42);
    node.SetAttributeBool("b", true);
    node.SetAttributeDouble("d", 0.0025);
    node.SetAttributeColor("c", 0xFF123456); // top byte: a system-colour flag
    node.SetAttributeEncoded("s", "a b+c");
    EXPECT_EQ(node.GetAttribute("i", ""), "-42");
    EXPECT_EQ(node.GetAttribute("b", ""), "true");
    EXPECT_EQ(node.GetAttribute("d", ""), "2.5e-3");
    EXPECT_EQ(node.GetAttribute("c", ""), "86,52,18");
    EXPECT_EQ(node.GetAttribute("s", ""), "a+b%2Bc");

    EXPECT_EQ(node.GetAttributeInt("i", 0), -42);
    EXPECT_EQ(node.GetAttributeDouble("d", 0), 0.0025);
    EXPECT_EQ(node.GetAttributeColor("c", 0), 0x00123456u);
    EXPECT_EQ(node.GetAttributeDecoded("s", ""), "a b+c");
}

// Reads the node as a loaded file would be read.
std::unique_ptr<CXMLNode> ReadingNode(const std::string& attributes)
{
    auto node = std::make_unique<CXMLNode>("N");
    EXPECT_TRUE(node->LoadFromText("<N " + attributes + " />"));
    return node;
}

TEST(XMLNode, ExchangeReadsWithTheCurrentValueAsDefault)
{
    const auto node = ReadingNode("b1=\"True\" b2=\"\" b3=\"true\" i1=\"abc\" i2=\"\" d=\"\" c1=\"\" c2=\"1,2\" s=\"\"");
    ASSERT_FALSE(node->IsWriting());
    EXPECT_FALSE(node->ExchangeBool("b1", true));
    EXPECT_TRUE(node->ExchangeBool("b2", true));
    EXPECT_TRUE(node->ExchangeBool("b3", false));
    EXPECT_TRUE(node->ExchangeBool("missing", true));
    EXPECT_EQ(node->ExchangeInt("i1", 7), 0);
    EXPECT_EQ(node->ExchangeInt("i2", 7), 7);
    EXPECT_EQ(node->ExchangeDouble("d", 2.5), 2.5);
    EXPECT_EQ(node->ExchangeColor("c1", 0x123456), 0x123456u);
    EXPECT_EQ(node->ExchangeColor("c2", 0x123456), RGBColor(1, 2, 0));
    EXPECT_EQ(node->Exchange("s", "keep"), "");
    EXPECT_EQ(node->Exchange("missing", "keep"), "keep");
}

TEST(XMLNode, ExchangeEncodedKeepsAMissingValueUnchanged)
{
    const auto node = ReadingNode("x=\"1\"");
    EXPECT_EQ(node->ExchangeEncoded("name", "C++/ref.csv"), "C++/ref.csv");
}

TEST(XMLNode, ExchangeWritesAndReturnsTheValue)
{
    CXMLNode node("N");
    EXPECT_EQ(node.ExchangeDouble("d", 1234.5), 1234.5);
    EXPECT_EQ(node.ExchangeEncoded("s", "a b"), "a b");
    EXPECT_EQ(node.ExchangeChildText("T", "text"), "text");
    EXPECT_EQ(node.ExchangeChildTextEncoded("E", "a<b"), "a<b");
    EXPECT_EQ(node.GetAttribute("d", ""), "1.2345e+3");
    EXPECT_EQ(node.GetAttribute("s", ""), "a+b");
    ASSERT_EQ(node.ChildCount(), 2);
    EXPECT_EQ(node.GetChild(0)->GetText(), "text");
    EXPECT_EQ(node.GetChild(1)->GetText(), "a%3Cb");
}

TEST(XMLNode, ExchangeTextReadsEmptyAndChildTextKeepsTheValue)
{
    CXMLNode node("N");
    ASSERT_TRUE(node.LoadFromText("<N><T>hello</T></N>"));
    EXPECT_EQ(node.ExchangeText("old"), "");
    EXPECT_EQ(node.ExchangeChildText("T", "old"), "hello");
    EXPECT_EQ(node.ExchangeChildText("U", "old"), "old");
}

TEST(XMLNode, ChildrenTakeTheWritingFlagOfTheirParent)
{
    CXMLNode root("R");
    CXMLNode* child = root.AddChild("C");
    EXPECT_TRUE(child->IsWriting());
    ASSERT_TRUE(root.LoadFromText("<R><D /></R>"));
    EXPECT_FALSE(root.GetChild(0)->IsWriting());
    EXPECT_EQ(root.Child("C"), child);
    EXPECT_EQ(root.Child("X"), nullptr);
    EXPECT_EQ(root.GetChild(-1), nullptr);
    EXPECT_EQ(root.GetChild(2), nullptr);

    root.Clear();
    EXPECT_TRUE(root.IsWriting());
    EXPECT_EQ(root.ChildCount(), 0);
    EXPECT_EQ(root.Name(), "R");
}

TEST(XMLNode, FindChildAndFindNextVisitEveryMatch)
{
    CXMLNode root("R");
    root.AddChild("A")->SetText("1");
    root.AddChild("B");
    root.AddChild("A")->SetText("2");
    root.AddChild("A")->SetText("3");

    std::string seen;
    for (CXMLNode* node = root.FindChild("A", 0); node; node = root.FindNext()) seen += node->GetText();
    EXPECT_EQ(seen, "123");
    EXPECT_EQ(root.FindChild("", 1)->Name(), "B");
    EXPECT_EQ(root.FindChild("Z", 0), nullptr);
    CXMLNode empty("E");
    EXPECT_EQ(empty.FindChild("A", 0), nullptr);
    EXPECT_EQ(empty.FindNext(), nullptr);
}

} // namespace
