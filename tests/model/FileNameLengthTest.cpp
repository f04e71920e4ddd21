#include "TempDir.h"
#include "model/FileIO.h"
#include "model/FileNameLength.h"

#include <gtest/gtest.h>

#include <set>
#include <unistd.h>

namespace {

const std::string kEuro = "\xE2\x82\xAC";     // three bytes
const std::string kSmile = "\xF0\x9F\x98\x80"; // four bytes

std::string Repeated(const std::string& text, size_t times)
{
    std::string repeated;
    for (size_t i = 0; i < times; ++i) repeated += text;
    return repeated;
}

// Exactly `bytes` bytes of `character`, topped up with ASCII in front, so
// that the characters, not the top-up, meet the places where the temporary
// names are cut.
std::string NameOf(size_t bytes, const std::string& character)
{
    const std::string topUp(bytes % character.size(), 'a');
    return topUp + Repeated(character, bytes / character.size());
}

std::set<std::string> NamesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::string ReadAll(const std::string& fileName)
{
    std::string text;
    EXPECT_TRUE(ReadFileBytes(fileName, text)) << fileName.size() << " bytes";
    return text;
}

// The part taken from the name gives way to ".tmp-XXXXXX" a whole character
// at a time; the folder is kept as it is.
TEST(FileNameLength, ATemporaryNameIsCutBetweenCharacters)
{
    EXPECT_EQ(TemporaryPattern("/data/run.csv", 255), "/data/run.csv.tmp-XXXXXX");
    EXPECT_EQ(TemporaryPattern("/data/abcdefghij", 16), "/data/abcde.tmp-XXXXXX");
    for (const size_t most : {17u, 18u, 19u}) {
        EXPECT_EQ(TemporaryPattern("d/" + Repeated(kEuro, 3), most), "d/" + Repeated(kEuro, 2) + ".tmp-XXXXXX") << most;
    }
    EXPECT_EQ(TemporaryPattern(Repeated(kEuro, 3), 20), Repeated(kEuro, 3) + ".tmp-XXXXXX");
    EXPECT_EQ(TemporaryPattern("d/a" + kSmile, 15), "d/a.tmp-XXXXXX");
    EXPECT_EQ(MostNameBytes("/no/such/folder/file"), 255u);
}

// Each temporary name is 11 bytes longer than the name it stands beside, so
// these lengths take the cut of the file's and of the backup's temporary
// names on either side of the limit. A name of the full length leaves no
// room for the backup's "~" and is saved as it would be without a backup.
// A name the folder does not take is still refused.
TEST(FileNameLength, EveryNameTheFolderTakesIsSavedAndKeepsABackupWhereOneFits)
{
    const TempDir folder;
    if (::pathconf(folder.path().c_str(), _PC_NAME_MAX) != 255) {
        GTEST_SKIP() << "the lengths are chosen for a limit of 255 bytes";
    }
    for (const std::string& character : {std::string("a"), kEuro}) {
        for (const size_t bytes : {243u, 244u, 245u, 254u, 255u}) {
            SCOPED_TRACE(std::to_string(bytes) + " bytes of " + character);
            const TempDir dir;
            const std::string name = NameOf(bytes, character);
            const std::string file = dir.File(name);
            ASSERT_TRUE(WriteFileReplacing(file, "first", file + "~"));
            const WriteResult second = WriteFileReplacing(file, "second", file + "~");
            ASSERT_TRUE(second) << second.Reason();
            EXPECT_EQ(ReadAll(file), "second");
            std::set<std::string> left{name};
            if (bytes < 255) {
                EXPECT_EQ(ReadAll(file + "~"), "first");
                left.insert(name + "~");
            }
            EXPECT_EQ(NamesIn(dir.path()), left);
        }
    }
    // One byte more is refused, and the temporary file, which fitted, goes.
    EXPECT_EQ(WriteFileReplacing(folder.File(std::string(256, 'a')), "x").Reason(), "File name too long");
    EXPECT_TRUE(NamesIn(folder.path()).empty());
}

} // namespace
