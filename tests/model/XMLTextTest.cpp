#include "TempDir.h"
#include "model/FileIO.h"
#include "model/XMLNode.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string ReadAll(const std::string& fileName)
{
    std::string text;
    EXPECT_TRUE(ReadFileBytes(fileName, text));
    return text;
}

void WriteRaw(const std::string& fileName, const std::string& text)
{
    std::ofstream(fileName, std::ios::binary) << text;
}

// A small tree with every kind of element the writer distinguishes.
std::unique_ptr<CXMLNode> SampleTree()
{
    auto root = std::make_unique<CXMLNode>("Ombrelix");
    root->SetAttribute("Version", "1");
    CXMLNode* traces = root->AddChild("Traces");
    CXMLNode* trace = traces->AddChild("Trace");
    trace->SetAttribute("name", "run1");
    trace->SetAttribute("empty", "");
    trace->SetText(" \r\n14.2,50,0\r\n");
    root->AddChild("Window");
    return root;
}

TEST(XMLText, WritesIndentedLines)
{
    std::string text;
    SampleTree()->WriteTo(text, 0);
    EXPECT_EQ(text,
              "<Ombrelix Version=\"1\">\r\n"
              "  <Traces>\r\n"
              "    <Trace name=\"run1\" empty=\"\"> \r\n14.2,50,0\r\n</Trace>\r\n"
              "  </Traces>\r\n"
              "  <Window />\r\n"
              "</Ombrelix>\r\n");
}

TEST(XMLText, WritesTheOneLineForm)
{
    std::string text;
    SampleTree()->WriteToString(text);
    EXPECT_EQ(text, "<Ombrelix Version=\"1\"><Traces><Trace name=\"run1\" empty=\"\"> \r\n14.2,50,0\r\n</Trace>"
                    "</Traces><Window /></Ombrelix>");
}

TEST(XMLText, ANodeWithChildrenWritesNoText)
{
    CXMLNode root("R");
    root.SetText("lost");
    root.AddChild("C");
    std::string text;
    root.WriteTo(text, 0);
    EXPECT_EQ(text, "<R>\r\n  <C />\r\n</R>\r\n");
}

TEST(XMLText, ReadsBackWhatItWrote)
{
    std::string text;
    SampleTree()->WriteTo(text, 0);
    CXMLNode root("Ombrelix");
    ASSERT_TRUE(root.LoadFromText("<?xml version=\"1.0\"?>\r\n" + text));
    EXPECT_EQ(root.GetAttribute("Version", ""), "1");
    CXMLNode* trace = root.Child("Traces")->Child("Trace");
    ASSERT_NE(trace, nullptr);
    EXPECT_EQ(trace->GetAttribute("name", ""), "run1");
    EXPECT_EQ(trace->GetAttribute("empty", "x"), "");
    EXPECT_EQ(trace->GetText(), " \r\n14.2,50,0\r\n");
    EXPECT_NE(root.Child("Window"), nullptr);
    EXPECT_EQ(root.GetText(), "");

    std::string again;
    root.WriteTo(again, 0);
    EXPECT_EQ(again, text);
}

TEST(XMLText, TrimsAttributeValuesAndDropsTextStartingWithALineBreak)
{
    CXMLNode root("R");
    ASSERT_TRUE(root.LoadFromText("<R a=\" padded \"><T>\r\nlost</T><U>kept\r\n</U></R>"));
    EXPECT_EQ(root.GetAttribute("a", ""), "padded");
    EXPECT_EQ(root.Child("T")->GetText(), "");
    EXPECT_EQ(root.Child("U")->GetText(), "kept\r\n");
}

TEST(XMLText, FindsTheRootOnlyByItsWholeName)
{
    EXPECT_EQ(CXMLNode::FindRoot("<Traces2><Traces a=\"1\">", "Traces"), 9u);
    EXPECT_EQ(CXMLNode::FindRoot("xx<Traces>", "Traces"), 2u);
    EXPECT_EQ(CXMLNode::FindRoot("<Traces2>", "Traces"), std::string::npos);

    CXMLNode node("Traces");
    EXPECT_FALSE(node.LoadFromText("<Traces2><Trace /></Traces2>"));
    EXPECT_EQ(node.ChildCount(), 0);
}

TEST(XMLText, LoadingAppendsToWhatTheNodeHolds)
{
    CXMLNode node("R");
    node.SetAttribute("old", "1");
    ASSERT_TRUE(node.LoadFromText("<R new=\"2\"><C /></R>"));
    EXPECT_EQ(node.AttributeCount(), 2);
    EXPECT_EQ(node.GetAttribute("old", ""), "1");
    EXPECT_EQ(node.GetAttribute("new", ""), "2");
    EXPECT_EQ(node.ChildCount(), 1);
}

TEST(XMLText, TruncatedOrMalformedTextLeavesTheNodeUntouched)
{
    const std::string whole = "<R a=\"1\"><C b=\"2\">text</C><D /></R>";
    for (size_t length = 0; length < whole.size(); ++length) {
        CXMLNode node("R");
        node.SetAttribute("old", "1");
        EXPECT_FALSE(node.LoadFromText(whole.substr(0, length))) << length;
        EXPECT_EQ(node.AttributeCount(), 1) << length;
        EXPECT_EQ(node.ChildCount(), 0) << length;
        EXPECT_FALSE(node.IsWriting());
    }
    for (const char* text : {"<R a=\"1>", "<R a=", "<R", "<R><C></R", "<R>text", "<R a=\"1\" /", "<R><C /></C></R>",
                             "<R>text</Q>", "<R><C a=\"1\"></R></C>"}) {
        CXMLNode node("R");
        EXPECT_FALSE(node.LoadFromText(text)) << text;
        EXPECT_EQ(node.AttributeCount() + node.ChildCount(), 0) << text;
    }
}

TEST(XMLText, RefusesNestingBeyondAnyFileOfTheProgram)
{
    std::string deep;
    for (int k = 0; k < 100000; ++k) deep += "<R>";
    CXMLNode node("R");
    EXPECT_FALSE(node.LoadFromText(deep));

    std::string fine = "<R>";
    for (int k = 0; k < 50; ++k) fine += "<C>";
    for (int k = 0; k < 50; ++k) fine += "</C>";
    fine += "</R>";
    EXPECT_TRUE(node.LoadFromText(fine));
}

TEST(XMLText, ParseElementReturnsThePositionAfterTheElement)
{
    CXMLNode node;
    const std::string text = "xx<Traces><Trace name=\"a\" /></Traces>tail";
    EXPECT_EQ(node.ParseElement(text, 2), text.size() - 4);
    EXPECT_EQ(node.Name(), "Traces");
    EXPECT_EQ(node.ChildCount(), 1);
    CXMLNode other;
    EXPECT_EQ(other.ParseElement(text, 0), std::string::npos);
    EXPECT_EQ(other.ParseElement(text, 1000), std::string::npos);
}

TEST(XMLFile, SavesWithDeclarationAndCrLf)
{
    TempDir dir;
    const std::string file = dir.File("doc.csv");
    ASSERT_TRUE(SampleTree()->SaveToFile(file));
    const std::string text = ReadAll(file);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?>\r\n<Ombrelix Version=\"1\">\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 13), "</Ombrelix>\r\n");

    CXMLNode root("Ombrelix");
    ASSERT_TRUE(root.LoadFromFile(file));
    EXPECT_EQ(root.Child("Traces")->Child("Trace")->GetText(), " \r\n14.2,50,0\r\n");
}

TEST(XMLFile, ReadsFilesWithAnyLineBreaks)
{
    TempDir dir;
    const std::string file = dir.File("lf.csv");
    WriteRaw(file, "<?xml version=\"1.0\"?>\n<Traces>\n  <Trace name=\"a\"> \n1,2,3\n2,3,4</Trace>\n</Traces>");
    CXMLNode root("Traces");
    ASSERT_TRUE(root.LoadFromFile(file));
    EXPECT_EQ(root.Child("Trace")->GetText(), " \r\n1,2,3\r\n2,3,4");

    WriteRaw(file, "<Traces>\r  <Trace> \r1,2,3\r</Trace>\r</Traces>\r");
    CXMLNode old("Traces");
    ASSERT_TRUE(old.LoadFromFile(file));
    EXPECT_EQ(old.Child("Trace")->GetText(), " \r\n1,2,3\r\n");
}

TEST(XMLFile, AMissingFileChangesNothingButTheMode)
{
    TempDir dir;
    CXMLNode root("R");
    root.SetAttribute("a", "1");
    EXPECT_FALSE(root.LoadFromFile(dir.File("missing.csv")));
    EXPECT_FALSE(root.IsWriting());
    EXPECT_EQ(root.AttributeCount(), 1);
}

TEST(XMLFile, SavingIntoAMissingFolderFails)
{
    TempDir dir;
    EXPECT_FALSE(SampleTree()->SaveToFile(dir.File("no/such/folder/doc.csv")));
    EXPECT_FALSE(SampleTree()->SaveToFile(""));
}

} // namespace
