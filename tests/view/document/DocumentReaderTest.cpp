#include "ImportTestSupport.h"
#include "RecordingMessageSink.h"
#include "ScopedModesHold.h"
#include "TempDir.h"
#include "view/document/DocumentReader.h"
#include "view/document/DocumentState.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

void Write(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

TEST(DocumentReader, RecognisesByContentOwnDocumentFirst)
{
    EXPECT_EQ(RecognizeDocumentFormat(""), DocumentFormat::Empty);
    EXPECT_EQ(RecognizeDocumentFormat("\xEF\xBB\xBF"), DocumentFormat::Empty);
    EXPECT_EQ(RecognizeDocumentFormat(";Tolvi\r\n<Ombrelix>"), DocumentFormat::Own);
    EXPECT_EQ(RecognizeDocumentFormat("\xEF\xBB\xBF;Tolvi\r\n;Freqs=1"), DocumentFormat::Varnet);
    EXPECT_EQ(RecognizeDocumentFormat("\xEF\xBB\xBF" "Firmware Rev 3"), DocumentFormat::Bird);
    EXPECT_EQ(RecognizeDocumentFormat("firmware rev 3"), DocumentFormat::Csv);
    EXPECT_EQ(RecognizeDocumentFormat("<Ombrelix2>"), DocumentFormat::Foreign);
    EXPECT_EQ(RecognizeDocumentFormat("\xEF\xBB\xBF \r\n\t<foo>1,50,0</foo>"), DocumentFormat::Foreign);
    EXPECT_EQ(RecognizeDocumentFormat("1,50,0\r\n<foo>"), DocumentFormat::Csv);
    EXPECT_EQ(RecognizeDocumentFormat(" ;Tolvi"), DocumentFormat::Csv);
}

TEST(DocumentReader, OpensOwnDocumentsWhateverTheirNameAndImportsTheRest)
{
    TempDir dir;
    CXMLNode root("Ombrelix");
    CTrace trace;
    trace.Name = "run 1";
    trace.Data.Append(14, 50, 0);
    trace.Exchange(root.AddChild("Traces")->AddChild("Trace"));
    ASSERT_TRUE(root.SaveToFile(dir.File("saved.csv")));
    ScriptedFrequencyDialog dialog;
    DocumentContent content = ReadDocumentFile(dir.File("saved.csv"), dialog.Chooser());
    ASSERT_EQ(content.Format, DocumentFormat::Own);
    ASSERT_TRUE(content.Root);
    EXPECT_FALSE(content.Root->IsWriting());
    EXPECT_EQ(content.Root->Child("Traces")->ChildCount(), 1);
    EXPECT_TRUE(content.Imported.Traces.empty());

    // Another program's XML is not a measurement: the user is told.
    ScopedMessageRecorder messages;
    Write(dir.File("settings.xml"), Lines({"<?xml version=\"1.0\"?>", "<OB_settings Version=\"1\" />"}));
    content = ReadDocumentFile(dir.File("settings.xml"), dialog.Chooser());
    EXPECT_EQ(content.Format, DocumentFormat::Foreign);
    EXPECT_TRUE(content.Imported.Traces.empty());
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Open");
    EXPECT_EQ(messages.boxes()[0].text, "Can't read the file, or wrong file format:\n" + dir.File("settings.xml"));

    Write(dir.File("bom.txt"), "\xEF\xBB\xBF#%first\n1,50,0\n");
    content = ReadDocumentFile(dir.File("bom.txt"), dialog.Chooser());
    ASSERT_EQ(content.Imported.Traces.size(), 1u);
    EXPECT_EQ(content.Imported.Traces[0]->Name, "first");
    // A Varnet file that yields nothing has told its own reason already.
    Write(dir.File("none.vmd"), Lines({";Tolvi", ";Freqs=0"}));
    ReadDocumentFile(dir.File("none.vmd"), dialog.Chooser());
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[1].text, "No frequencies");
}

TEST(DocumentReader, DamagedAndUnreadableFilesAreReported)
{
    ScopedMessageRecorder messages;
    TempDir dir;
    ScriptedFrequencyDialog dialog;
    Write(dir.File("damaged.csv"), Lines({"<?xml version=\"1.0\"?>", "<Ombrelix>", "  <Traces>", "    <Trace name=\"a"}));
    DocumentContent content = ReadDocumentFile(dir.File("damaged.csv"), dialog.Chooser());
    EXPECT_EQ(content.Format, DocumentFormat::Damaged);
    EXPECT_FALSE(content.Root);
    EXPECT_TRUE(content.Imported.Traces.empty());
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Open");
    EXPECT_EQ(messages.boxes()[0].text, "The document is damaged and cannot be read:\n" + dir.File("damaged.csv"));

    content = ReadDocumentFile(dir.path().string(), dialog.Chooser());
    EXPECT_EQ(content.Format, DocumentFormat::Unreadable);
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[1].text, "Can't read the file:\n" + dir.path().string() + "\nIs a directory");

    Write(dir.File("empty.csv"), "");
    EXPECT_EQ(ReadDocumentFile(dir.File("empty.csv"), dialog.Chooser()).Format, DocumentFormat::Empty);
    EXPECT_EQ(messages.boxes().size(), 2u);
}

// A time record cut short after its head would open as an empty window that
// says nothing once a frequency was chosen; a cancelled choice stays silent.
TEST(DocumentReader, ATimeRecordWithoutAnyPointIsToldOnceAFrequencyWasChosen)
{
    ScopedMessageRecorder messages;
    TempDir dir;
    ScriptedFrequencyDialog dialog;
    const std::string varnet = dir.File("cut.vmd");
    Write(varnet, Lines({";Tolvi", ";FileVer=0", ";Freqs=1", ";DataSets=1,0", ";Freq=0,13560,1"}));
    const std::string bird = dir.File("cut.csv");
    Write(bird, Lines({"Firmware Rev 2.1", "", "", "Date,Time,Index,ms,13.56MHz_Freq_h_1,F1,V1,I1,P1,-",
                       "\"Mon Dec 7, 2026\",10:00,1"}));
    for (const std::string& file : {varnet, bird}) {
        EXPECT_FALSE(ReadDocumentFile(file, dialog.Chooser()).Imported.TimeRecord);
        dialog.Choose(0);
        const DocumentContent content = ReadDocumentFile(file, dialog.Chooser());
        EXPECT_TRUE(content.Imported.TimeRecord) << file;
        EXPECT_TRUE(content.Imported.Traces.empty()) << file;
    }
    EXPECT_EQ(dialog.questions.size(), 4u);
    ASSERT_EQ(messages.boxes().size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(messages.boxes()[i].caption, "Open");
        EXPECT_EQ(messages.boxes()[i].text, "No points could be read from the file:\n" + (i == 0 ? varnet : bird));
    }
}

// The names File > Open passes on when it cannot look at them itself, and a
// file that is there but may not be read, each told with the system's reason.
TEST(DocumentReader, AFileThatCannotBeReadIsToldWhy)
{
    ScopedMessageRecorder messages;
    TempDir dir;
    ScriptedFrequencyDialog dialog;
    std::filesystem::create_symlink("loop.csv", dir.File("loop.csv"));
    Write(dir.File("locked.csv"), "1,50,0\n");
    std::filesystem::create_directory(dir.File("closed"));
    Write(dir.File("closed/inside.csv"), "1,50,0\n");
    ASSERT_EQ(::mkfifo(dir.File("pipe.csv").c_str(), 0600), 0);
    ::chmod(dir.File("locked.csv").c_str(), 0);
    ::chmod(dir.File("closed").c_str(), 0600);
    const std::pair<std::string, std::string> cases[] = {
        {dir.File("loop.csv"), "Too many levels of symbolic links"},
        {dir.File(std::string(300, 'n') + ".csv"), "File name too long"},
        {dir.File("closed/inside.csv"), "Permission denied"},
        {dir.File("locked.csv"), "Permission denied"},
        {dir.File("pipe.csv"), "Not a regular file"},
    };
    {
        const ScopedModesHold modes;
        ASSERT_TRUE(modes.Held());
        for (const auto& [name, reason] : cases) {
            EXPECT_EQ(ReadDocumentFile(name, dialog.Chooser()).Format, DocumentFormat::Unreadable) << name;
        }
    }
    ::chmod(dir.File("closed").c_str(), 0700);
    ASSERT_EQ(messages.boxes().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(messages.boxes()[i].caption, "Open");
        EXPECT_EQ(messages.boxes()[i].text, "Can't read the file:\n" + cases[i].first + "\n" + cases[i].second);
    }
}

// A document whose root tag is damaged is no CSV text either: the trace
// lines inside must not come back as a made-up trace.
TEST(DocumentReader, ADocumentWithADamagedRootTagIsTheWrongFormat)
{
    ScriptedFrequencyDialog dialog;
    const std::string text = Lines({"<?xml version=\"1.0\"?>", "<Ombrelx>", "<Traces>", "<Trace name=\"a\"> ",
                                    "14,50,0", "15,51,1", "</Trace>", "</Traces>", "</Ombrelx>"});
    const DocumentContent content = ReadDocumentText(text, dialog.Chooser());
    EXPECT_EQ(content.Format, DocumentFormat::Foreign);
    EXPECT_FALSE(content.Root);
    EXPECT_TRUE(content.Imported.Traces.empty());
}

// The writer's text of a document with three traces and a view state.
std::string ThreeTraceDocument()
{
    DocumentState document;
    for (const char* name : {"a", "b", "c"}) {
        auto trace = std::make_unique<CTrace>();
        trace->Name = name;
        trace->Data.Append(14, 50, 0);
        document.Traces.Add(std::move(trace));
    }
    CXMLNode root("Ombrelix");
    FillDocumentTree(document, WindowLayout{}, root);
    std::string text;
    root.WriteTo(text, 0);
    return text;
}

std::string Replaced(std::string text, const std::string& what, const std::string& by)
{
    const size_t at = text.find(what);
    return at == std::string::npos ? std::string() : text.replace(at, what.size(), by);
}

// A doubled, misspelt or misplaced end tag would close elements in the wrong
// place and open the document in part, as if whole.
TEST(DocumentReader, ADocumentWithAnEndTagOfAnotherNameIsDamaged)
{
    ScriptedFrequencyDialog dialog;
    const std::string whole = ThreeTraceDocument();
    DocumentContent content = ReadDocumentText(whole, dialog.Chooser());
    ASSERT_EQ(content.Format, DocumentFormat::Own);
    EXPECT_EQ(content.Root->Child("Traces")->ChildCount(), 3);

    for (const std::string& damaged : {Replaced(whole, "</Trace>", "</Trace></Trace>"),
                                       Replaced(whole, "<Screen", "<Scr een"), Replaced(whole, "</Trace>", "</Trac>")}) {
        ASSERT_FALSE(damaged.empty());
        content = ReadDocumentText(damaged, dialog.Chooser());
        EXPECT_EQ(content.Format, DocumentFormat::Damaged) << damaged;
        EXPECT_FALSE(content.Root);
        EXPECT_TRUE(content.Imported.Traces.empty());
    }
}

// Address space this process uses now, in bytes.
rlim_t AddressSpace()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0) return static_cast<rlim_t>(std::atoll(line.c_str() + 7)) * 1024;
    }
    return 0;
}

// Opens the file with 256 MB more address space than in use; 0 when the
// open failed and told so.
int OpenWithLittleMemory(const std::string& file)
{
    const rlimit limit{AddressSpace() + (256u << 20), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    ScopedMessageRecorder messages;
    ScriptedFrequencyDialog dialog;
    const DocumentContent content = ReadDocumentFile(file, dialog.Chooser());
    const bool told =
        messages.boxes().size() == 1 && messages.boxes()[0].text == "Not enough memory to open the file:\n" + file;
    return content.Format == DocumentFormat::Unreadable && told ? 0 : 1;
}

TEST(DocumentReaderDeathTest, AFileTooBigForMemoryIsToldAndEndsNothing)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
    TempDir dir;
    const std::string file = dir.File("huge.csv");
    std::ofstream(file) << "#%huge\n";
    std::filesystem::resize_file(file, 4ull << 30);
    EXPECT_EXIT(std::_Exit(OpenWithLittleMemory(file)), ::testing::ExitedWithCode(0), "");
}

} // namespace
