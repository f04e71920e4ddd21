#include "FileSizeLimit.h"
#include "TempDir.h"
#include "model/FileIO.h"
#include "model/FileReplacement.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& fileName)
{
    std::string text;
    EXPECT_TRUE(ReadFileBytes(fileName, text));
    return text;
}

size_t FilesIn(const std::filesystem::path& dir)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(FileIO, ReplacesAFileWithItsNewContent)
{
    TempDir dir;
    const std::string file = dir.File("a.txt");
    ASSERT_TRUE(WriteFileReplacing(file, "first"));
    ASSERT_TRUE(WriteFileReplacing(file, "second"));
    EXPECT_EQ(ReadAll(file), "second");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(FileIO, AWriteThatFailsKeepsTheOldFileAndGivesTheReasonOfTheStepThatFailed)
{
    TempDir dir;
    const std::string file = dir.File("document.csv");
    ASSERT_TRUE(WriteFileReplacing(file, "the user's measurements"));
    {
        FileSizeLimit limit(1000);
        const WriteResult written = WriteFileReplacing(file, std::string(100000, 'x'), file + "~");
        EXPECT_FALSE(written);
        EXPECT_EQ(written.Error(), EFBIG);
        EXPECT_EQ(written.Reason(), "File too large");
    }
    EXPECT_EQ(ReadAll(file), "the user's measurements");
    // No backup either: there was no new file to make room for.
    EXPECT_EQ(FilesIn(dir.path()), 1u);

    EXPECT_EQ(WriteFileReplacing(dir.File("gone/document.csv"), "x").Reason(), "No such file or directory");
    std::filesystem::create_directory(dir.File("folder.csv"));
    EXPECT_EQ(WriteFileReplacing(dir.File("folder.csv"), "x").Reason(), "Is a directory");
    EXPECT_EQ(FilesIn(dir.path()), 2u);
}

TEST(FileIO, KeepsTheOldFileAsBackupOnlyOnceTheNewOneIsWritten)
{
    TempDir dir;
    const std::string file = dir.File("document.csv");
    const std::string backup = file + "~";

    ASSERT_TRUE(WriteFileReplacing(file, "first", backup));
    EXPECT_FALSE(std::filesystem::exists(backup));
    ASSERT_TRUE(WriteFileReplacing(file, "second", backup));
    ASSERT_TRUE(WriteFileReplacing(file, "third", backup));
    EXPECT_EQ(ReadAll(file), "third");
    EXPECT_EQ(ReadAll(backup), "second");

    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteFileReplacing(file, std::string(100000, 'x'), backup));
    }
    EXPECT_EQ(ReadAll(file), "third");
    EXPECT_EQ(ReadAll(backup), "second");
    EXPECT_EQ(FilesIn(dir.path()), 2u);
}

// Between the backup and the renaming the old file stands under both names;
// where the file system allows it the backup is the same file, not a copy.
TEST(FileIO, ABackupNeverTakesTheFileFromItsName)
{
    TempDir dir;
    const std::string file = dir.File("document.csv");
    const std::string backup = file + "~";
    ASSERT_TRUE(WriteFileReplacing(file, "old"));
    ASSERT_TRUE(WriteFileReplacing(backup, "older"));

    CFileReplacement replacement(file);
    ASSERT_TRUE(replacement.Write("new"));
    ASSERT_TRUE(replacement.KeepBackup(backup));
    EXPECT_EQ(ReadAll(file), "old");
    EXPECT_EQ(ReadAll(backup), "old");
    EXPECT_EQ(ReadAll(replacement.TemporaryPath()), "new");
    struct stat named {}, kept {};
    ASSERT_EQ(::stat(file.c_str(), &named), 0);
    ASSERT_EQ(::stat(backup.c_str(), &kept), 0);
    EXPECT_EQ(named.st_ino, kept.st_ino);
    // The backup was made under a name of its own and renamed: none is left.
    EXPECT_EQ(FilesIn(dir.path()), 3u);

    ASSERT_TRUE(replacement.Commit());
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_EQ(ReadAll(backup), "old");
    EXPECT_EQ(FilesIn(dir.path()), 2u);
}

// The backup is made under a name of its own, which never stays behind: not
// when the renaming fails (a folder under the backup's name), nor when a
// save killed between the backup and the renaming left the file under both
// names, where renaming one name of a file over the other does nothing.
TEST(FileIO, TheNameABackupIsMadeUnderNeverStaysBehind)
{
    TempDir dir;
    const std::string file = dir.File("document.csv");
    const std::string backup = file + "~";
    ASSERT_TRUE(WriteFileReplacing(file, "old"));
    std::filesystem::create_directories(backup + "/kept");
    EXPECT_EQ(WriteFileReplacing(file, "new", backup).Error(), EISDIR);
    EXPECT_EQ(ReadAll(file), "old");
    EXPECT_EQ(FilesIn(dir.path()), 2u);
    EXPECT_EQ(FilesIn(backup), 1u);

    std::filesystem::remove_all(backup);
    ASSERT_EQ(::link(file.c_str(), backup.c_str()), 0);
    ASSERT_TRUE(WriteFileReplacing(file, "new", backup));
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_EQ(ReadAll(backup), "old");
    EXPECT_EQ(FilesIn(dir.path()), 2u);
}

// A link to a file on another file system: the backup beside the link can
// only be a copy, and the file it points to is replaced in place.
TEST(FileIO, ABackupAcrossFileSystemsIsACopyBesideTheLink)
{
    TempDir dir;
    std::string pattern = "/dev/shm/ombrelix-test-XXXXXX";
    struct stat here {}, there {};
    if (::stat("/dev/shm", &there) != 0 || ::stat(dir.path().c_str(), &here) != 0 || here.st_dev == there.st_dev ||
        !::mkdtemp(pattern.data())) {
        GTEST_SKIP() << "no second file system at /dev/shm";
    }
    const std::filesystem::path elsewhere = pattern;
    const struct Removal {
        std::filesystem::path folder;
        ~Removal() { std::filesystem::remove_all(folder); }
    } removal{elsewhere};
    const std::string real = (elsewhere / "document.csv").string();
    const std::string link = dir.File("document.csv");
    const std::string old(4000, 'o');
    ASSERT_TRUE(WriteFileReplacing(real, old));
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WriteFileReplacing(link + "~", "older"));

    // A copy that fails part-way leaves the older backup whole.
    {
        CFileReplacement replacement(link);
        ASSERT_TRUE(replacement.Write("new"));
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(replacement.KeepBackup(link + "~"));
    }
    EXPECT_EQ(ReadAll(link + "~"), "older");
    EXPECT_EQ(FilesIn(dir.path()), 2u);

    EXPECT_TRUE(WriteFileReplacing(link, "new", link + "~"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "new");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(link + "~")));
    EXPECT_EQ(ReadAll(link + "~"), old);
    EXPECT_EQ(FilesIn(elsewhere), 1u);
}

bool IsLink(const std::string& name) { return std::filesystem::is_symlink(std::filesystem::symlink_status(name)); }

// As a shell's redirection does: through a chain of links, each relative
// one read in its own folder, to a file not there yet; the links stay.
TEST(FileIO, WritesThroughLinksToAFileNotYetThere)
{
    TempDir dir;
    std::filesystem::create_directories(dir.File("data"));
    std::filesystem::create_directories(dir.File("other"));
    std::filesystem::create_symlink("data/document.csv", dir.File("link.csv"));
    std::filesystem::create_symlink("../link.csv", dir.File("other/chain.csv"));
    ASSERT_TRUE(WriteFileReplacing(dir.File("other/chain.csv"), "new"));
    EXPECT_EQ(ReadAll(dir.File("data/document.csv")), "new");

    // Nowhere to write: the system's reason, and the links left as they are.
    std::filesystem::create_symlink("missing/document.csv", dir.File("lost.csv"));
    EXPECT_EQ(WriteFileReplacing(dir.File("lost.csv"), "x").Reason(), "No such file or directory");
    std::filesystem::create_symlink("circle-b", dir.File("circle-a"));
    std::filesystem::create_symlink("circle-a", dir.File("circle-b"));
    EXPECT_EQ(WriteFileReplacing(dir.File("circle-a"), "x").Reason(), "Too many levels of symbolic links");
    for (const char* link : {"link.csv", "other/chain.csv", "lost.csv", "circle-a", "circle-b"}) {
        EXPECT_TRUE(IsLink(dir.File(link))) << link;
    }
    EXPECT_EQ(FilesIn(dir.path()), 6u);
    EXPECT_EQ(FilesIn(dir.File("data")), 1u);
}

// A file kept aside before, or anything else under a name, is never replaced.
TEST(FileIO, MovesAFileToTheFirstFreeNumberedName)
{
    TempDir dir;
    const std::string file = dir.File("settings.omt");
    const std::string kept = file + ".bad";
    std::string taken;
    ASSERT_TRUE(WriteFileReplacing(file, "first"));
    ASSERT_TRUE(MoveToFreeName(file, kept, taken));
    EXPECT_EQ(taken, kept);
    std::filesystem::create_directory(kept + ".2");
    ASSERT_TRUE(WriteFileReplacing(file, "second"));
    ASSERT_TRUE(MoveToFreeName(file, kept, taken));
    EXPECT_EQ(taken, kept + ".3");
    EXPECT_EQ(ReadAll(kept), "first");
    EXPECT_EQ(ReadAll(kept + ".3"), "second");

    for (int number = 4; number <= kMostNumberedNames; ++number) {
        std::filesystem::create_directory(kept + "." + std::to_string(number));
    }
    ASSERT_TRUE(WriteFileReplacing(file, "third"));
    EXPECT_EQ(MoveToFreeName(file, kept, taken).Error(), EEXIST);
    EXPECT_EQ(ReadAll(file), "third");
    EXPECT_EQ(FilesIn(dir.path()), static_cast<size_t>(kMostNumberedNames) + 1);
}

TEST(FileIO, KeepsTheFileModeAndWritesThroughALink)
{
    TempDir dir;
    const std::string file = dir.File("settings.omt");
    ASSERT_TRUE(WriteFileReplacing(file, "old"));
    ::chmod(file.c_str(), 0640);
    std::filesystem::create_symlink(file, dir.File("link.omt"));

    ASSERT_TRUE(WriteFileReplacing(dir.File("link.omt"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.omt")));
    EXPECT_EQ(ReadAll(file), "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileIO, ReadingAMissingFileFails)
{
    TempDir dir;
    std::string text = "unchanged";
    EXPECT_FALSE(ReadFileBytes(dir.File("missing"), text));
    EXPECT_EQ(text, "unchanged");
}

// A named pipe would wait for a writer and a device never ends (/dev/zero
// would fill memory): only regular files are read, and nothing waits. Were
// a read ever to wait on the pipe, a writer that opens and closes it ends
// the wait, so the test fails instead of hanging.
TEST(FileIO, OnlyRegularFilesAreReadAndNothingWaits)
{
    TempDir dir;
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink(pipe, dir.File("pipe-link"));
    ASSERT_TRUE(WriteFileReplacing(dir.File("plain"), "text"));
    std::filesystem::create_symlink(dir.File("plain"), dir.File("plain-link"));

    for (const std::string& name : {pipe, dir.File("pipe-link"), std::string("/dev/null"), dir.path().string()}) {
        std::string text = "unchanged";
        auto read = std::async(std::launch::async, [&name, &text] { return ReadFileBytes(name, text); });
        if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            ADD_FAILURE() << name << " kept the read waiting";
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_FALSE(read.get()) << name;
        EXPECT_EQ(text, "unchanged") << name;
    }
    EXPECT_EQ(ReadAll(dir.File("plain-link")), "text");
}

TEST(FileIO, NormalizesLineBreaksToCrLf)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\n\nb\r\n", "a\r\n\r\nb\r\n"},
        {"a\r\r\nb", "a\r\n\r\nb\r\n"},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        NormalizeLineBreaks(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
}

} // namespace
