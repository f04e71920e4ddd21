#include "FileSizeLimit.h"
#include "TempDir.h"
#include "model/FileIO.h"

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

TEST(FileIO, AWriteThatFailsPartWayKeepsTheOldFile)
{
    TempDir dir;
    const std::string file = dir.File("document.csv");
    ASSERT_TRUE(WriteFileReplacing(file, "the user's measurements"));
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteFileReplacing(file, std::string(100000, 'x')));
    }
    EXPECT_EQ(ReadAll(file), "the user's measurements");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
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
