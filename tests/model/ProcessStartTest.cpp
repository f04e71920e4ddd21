#include "RecordingMessageSink.h"
#include "TempDir.h"
#include "model/FileIO.h"
#include "model/ProcessStart.h"
#include "model/SaveFailure.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the child found, as its exit status.
enum ChildResult { kReported = 0, kWritten = 2, kOtherError = 3, kNoMessage = 4 };

// A save past the file-size limit, through the program's writer and its
// message, as File > Save makes it.
int SaveTooMuch(const std::string& fileName)
{
    const ScopedMessageRecorder messages;
    const WriteResult written = WriteFileReplacing(fileName, std::string(100000, 'x'));
    if (written) return kWritten;
    if (written.Error() != EFBIG) return kOtherError;
    ShowSaveFailure("Save", fileName, written);
    const bool told = messages.boxes().size() == 1 &&
                      messages.boxes()[0].text == "Can't save the file:\n" + fileName + "\nFile too large";
    return told ? kReported : kNoMessage;
}

// The wait status of a child that starts with the signal's default action,
// as a fresh program does (whatever this test process has set), runs the
// program's start-up step or not, limits its files to 1000 bytes and saves.
int SaveInChild(bool prepare, const std::string& fileName)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        if (prepare) PrepareProcess();
        const rlimit limit{1000, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(SaveTooMuch(fileName));
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(ProcessStart, AWritePastTheFileSizeLimitFailsAndIsReportedInsteadOfEndingTheProgram)
{
    TempDir dir;
    const std::string file = dir.File("antenna.csv");
    ASSERT_TRUE(WriteFileReplacing(file, "the user's measurements"));

    const int prepared = SaveInChild(true, file);
    ASSERT_TRUE(WIFEXITED(prepared)) << "ended by signal " << WTERMSIG(prepared);
    EXPECT_EQ(WEXITSTATUS(prepared), kReported);
    std::string text;
    ASSERT_TRUE(ReadFileBytes(file, text));
    EXPECT_EQ(text, "the user's measurements");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // Without the start-up step the same save ends the process.
    const int bare = SaveInChild(false, file);
    ASSERT_TRUE(WIFSIGNALED(bare));
    EXPECT_EQ(WTERMSIG(bare), SIGXFSZ);
}

} // namespace
