// Failures the platform can be made to give for real: a folder read as a
// file, a full disk, a file-size limit hit part way through a write.
#include <gtest/gtest.h>

#include "ConvertAudioFile.h"
#include "TestFiles.h"

#include <filesystem>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string RunForMessage(const std::string& input, const std::string& output, ConversionOutcome& outcome)
{
    std::string message;
    int calls = 0;
    outcome = ConvertAudioFile(input, output, [&](const std::string& text) {
        message = text;
        ++calls;
    });
    EXPECT_EQ(calls, 1);
    return message;
}

}  // namespace

#ifndef _WIN32

TEST(FileFailure, ReadErrorIsNotEndOfInput)
{
    TempDir dir;
    std::filesystem::create_directory(dir.Path("folder.au"));
    WriteFile(dir.Path("old.zqa"), {1, 2, 3});
    ConversionOutcome outcome{};
    EXPECT_EQ(RunForMessage(dir.Path("folder.au"), dir.Path("old.zqa"), outcome), "Cannot read Input file.");
    EXPECT_EQ(outcome, ConversionOutcome::InputNotRead);
    EXPECT_EQ(ReadFile(dir.Path("old.zqa")), (Bytes{1, 2, 3}));
}

TEST(FileFailure, FullDiskIsNotSuccessAndTheDeviceIsKept)
{
    struct stat before {};
    if (stat("/dev/full", &before) != 0)
        GTEST_SKIP() << "no /dev/full here";
    TempDir dir;
    // Large enough that something reaches the device before the close.
    WriteFile(dir.Path("in.au"), Concat(AuHeader(24), PseudoRandomBytes(300000, 3)));
    ConversionOutcome outcome{};
    EXPECT_EQ(RunForMessage(dir.Path("in.au"), "/dev/full", outcome), "Cannot write Output file.");
    EXPECT_EQ(outcome, ConversionOutcome::OutputNotWritten);
    struct stat after {};
    ASSERT_EQ(stat("/dev/full", &after), 0) << "the device was removed";
    EXPECT_TRUE(S_ISCHR(after.st_mode));

    // The smallest output too: the failure shows at the flush.
    WriteFile(dir.Path("tiny.au"), {0x2E, 0x73, 0x6E, 0x64});
    EXPECT_EQ(RunForMessage(dir.Path("tiny.au"), "/dev/full", outcome), "Cannot write Output file.");
}

TEST(FileFailure, WriteThatFailsPartWayRemovesTheIncompleteOutput)
{
    TempDir dir;
    WriteFile(dir.Path("in.au"), Concat(AuHeader(24), PseudoRandomBytes(1 << 20, 5)));
    WriteFile(dir.Path("out.zqa"), {4, 5, 6});
    // The limit applies to the whole process, so it is set in a child only.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 100000;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string message;
        const ConversionOutcome outcome = ConvertAudioFile(dir.Path("in.au"), dir.Path("out.zqa"),
                                                           [&message](const std::string& text) { message = text; });
        const bool right = outcome == ConversionOutcome::OutputNotWritten && message == "Cannot write Output file.";
        _exit(right ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the run did not report \"Cannot write Output file.\"";
    EXPECT_FALSE(FileExists(dir.Path("out.zqa"))) << "a half-written output was left behind";
}

TEST(FileFailure, UnwritableOutputFolderIsAnOpenFailure)
{
    TempDir dir;
    WriteFile(dir.Path("in.au"), AuHeader(24));
    std::filesystem::create_directory(dir.Path("out.zqa"));
    ConversionOutcome outcome{};
    EXPECT_EQ(RunForMessage(dir.Path("in.au"), dir.Path("out.zqa"), outcome), "Cannot open Output file.");
    EXPECT_EQ(outcome, ConversionOutcome::OutputNotOpened);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("out.zqa")));
}

#else

TEST(FileFailure, FolderAsInputOrOutputIsAnOpenFailure)
{
    TempDir dir;
    WriteFile(dir.Path("in.au"), AuHeader(24));
    std::filesystem::create_directory(dir.Path("folder"));
    ConversionOutcome outcome{};
    EXPECT_EQ(RunForMessage(dir.Path("folder"), dir.Path("out.zqa"), outcome), "Cannot open Input file.");
    EXPECT_EQ(RunForMessage(dir.Path("in.au"), dir.Path("folder"), outcome), "Cannot open Output file.");
    EXPECT_EQ(outcome, ConversionOutcome::OutputNotOpened);
}

#endif
