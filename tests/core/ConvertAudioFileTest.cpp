#include <gtest/gtest.h>

#include <filesystem>

#include "ConvertAudioFile.h"
#include "PackingModel.h"

namespace {

struct RunResult {
    ConversionOutcome outcome;
    std::vector<std::string> messages;
};

RunResult Convert(const std::string& input, const std::string& output)
{
    RunResult result{};
    result.outcome =
        ConvertAudioFile(input, output, [&result](const std::string& text) { result.messages.push_back(text); });
    return result;
}

// Expects exactly one message, the outcome's own.
void ExpectReported(const RunResult& result, ConversionOutcome outcome, const char* text)
{
    EXPECT_EQ(result.outcome, outcome);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], text);
}

const Bytes kSnd = {0x2E, 0x73, 0x6E, 0x64};
const Bytes kSd0 = {0x2E, 0x73, 0x64, 0x00};

}  // namespace

TEST(ConvertAudioFile, ConvertsAsTheByteAtATimeRulesSay)
{
    struct Case {
        const char* what;
        Bytes input;
        Bytes expected;  // empty: the model's result
    };
    const Case cases[] = {
        {"three samples", Concat(AuHeader(24), {128, 16, 200}), Concat(AuHeader(24), {0x90, 0xF0})},
        {"no sample data", AuHeader(24), AuHeader(24)},
        {"magic number alone", kSnd, kSnd},
        {"older magic number", Concat(Concat(kSd0, {0, 0, 0, 8}), {200, 100}), Concat(Concat(kSd0, {0, 0, 0, 8}), {0xF5})},
        {"input ends inside the data offset", Concat(kSnd, {0, 0}), Concat(kSnd, {0, 0})},
        {"input ends inside the annotation", Concat(AuHeader(40), {1, 2, 3}), Concat(AuHeader(40), {1, 2, 3})},
        {"data offset far beyond the end", Concat(AuHeader(100000), {200, 100}), Concat(AuHeader(100000), {200, 100})},
        {"annotation copied with the header", Concat(AuHeader(28, {200, 100, 0, 255}), {200, 100}),
         Concat(AuHeader(28, {200, 100, 0, 255}), {0xF5})},
        // Offsets of 8 or less, negative ones included, leave an 8-byte header block.
        {"data offset 0", Concat(AuHeader(0), {128, 16}), {}},
        {"data offset 8", Concat(AuHeader(8), {128, 16}), {}},
        {"data offset with the top bit set", Concat(AuHeader(0x80000018u), {128}), {}},
        {"data offset inside the fixed fields", Concat(AuHeader(13), {200, 100, 7}), {}},
        {"random samples after an odd header", Concat(AuHeader(33, Bytes(9, 0x41)), PseudoRandomBytes(5001, 7)), {}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(dir.Path("in.au"), c.input);
        ExpectReported(Convert(dir.Path("in.au"), dir.Path("out.zqa")), ConversionOutcome::Saved,
                       "Velloc Audio file saved successfully.");
        const Bytes expected = c.expected.empty() ? ModelPackedFile(c.input) : c.expected;
        const Bytes actual = ReadFile(dir.Path("out.zqa"));
        EXPECT_EQ(actual, expected) << "got " << Hex(actual) << "\nwanted " << Hex(expected);
    }
}

TEST(ConvertAudioFile, OutputLengthIsHeaderPlusHalfTheSamplesRoundedUp)
{
    TempDir dir;
    for (std::size_t samples : {10u, 11u}) {
        const Bytes input = Concat(AuHeader(24, {}, static_cast<std::uint32_t>(samples)), PseudoRandomBytes(samples, 1));
        WriteFile(dir.Path("in.au"), input);
        Convert(dir.Path("in.au"), dir.Path("out.zqa"));
        const Bytes output = ReadFile(dir.Path("out.zqa"));
        EXPECT_EQ(output.size(), 24 + (samples + 1) / 2);
        // The data size field still describes the input.
        EXPECT_EQ(Bytes(output.begin() + 8, output.begin() + 12), Bytes(input.begin() + 8, input.begin() + 12));
    }
}

TEST(ConvertAudioFile, PairsAndHeadersAcrossBlockBoundaries)
{
    // The run reads 64 KiB blocks: odd header lengths put pairs across
    // block edges, and a huge annotation spans several blocks by itself.
    struct Case {
        std::uint32_t offset;
        std::size_t samples;
    };
    const Case cases[] = {{24, 65536 - 24}, {25, 65536 - 25}, {25, 65536 - 24}, {33, 131072 + 1},
                          {65537, 3},       {200001, 65539}, {8, 65536 * 3 - 7}};
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE("offset " + std::to_string(c.offset) + ", " + std::to_string(c.samples) + " samples");
        const Bytes annotation = PseudoRandomBytes(c.offset > 24 ? c.offset - 24 : 0, c.offset);
        const Bytes input = Concat(AuHeader(c.offset, annotation), PseudoRandomBytes(c.samples, 99));
        WriteFile(dir.Path("in.au"), input);
        ExpectReported(Convert(dir.Path("in.au"), dir.Path("out.zqa")), ConversionOutcome::Saved,
                       "Velloc Audio file saved successfully.");
        EXPECT_TRUE(ReadFile(dir.Path("out.zqa")) == ModelPackedFile(input));
    }
}

TEST(ConvertAudioFile, InputThatCannotBeOpenedCreatesNothing)
{
    TempDir dir;
    for (const std::string& input : {std::string(), dir.Path("missing.au")}) {
        ExpectReported(Convert(input, dir.Path("out.zqa")), ConversionOutcome::InputNotOpened, "Cannot open Input file.");
        EXPECT_FALSE(FileExists(dir.Path("out.zqa")));
    }
}

TEST(ConvertAudioFile, OutputInAMissingFolderLeavesTheInputAlone)
{
    TempDir dir;
    const Bytes input = Concat(AuHeader(24), {1, 2, 3});
    WriteFile(dir.Path("in.au"), input);
    ExpectReported(Convert(dir.Path("in.au"), dir.Path("no-such-folder/out.zqa")), ConversionOutcome::OutputNotOpened,
                   "Cannot open Output file.");
    EXPECT_EQ(ReadFile(dir.Path("in.au")), input);
    ExpectReported(Convert(dir.Path("in.au"), ""), ConversionOutcome::OutputNotOpened, "Cannot open Output file.");
}

TEST(ConvertAudioFile, NotAnAuFileLeavesTheOutputPathAsItWas)
{
    const Bytes notAu[] = {{}, {0x2E, 0x73, 0x6E}, {0x52, 0x49, 0x46, 0x46, 0, 0, 0, 0}, {0x2E, 0x73, 0x6E, 0x00},
                           {0x64, 0x6E, 0x73, 0x2E}};
    TempDir dir;
    for (const Bytes& input : notAu) {
        SCOPED_TRACE("input " + Hex(input));
        WriteFile(dir.Path("in.au"), input);
        ExpectReported(Convert(dir.Path("in.au"), dir.Path("new.zqa")), ConversionOutcome::NotAuFile,
                       "Not a valid AU file.");
        EXPECT_FALSE(FileExists(dir.Path("new.zqa")));

        WriteFile(dir.Path("old.zqa"), {9, 8, 7});
        ExpectReported(Convert(dir.Path("in.au"), dir.Path("old.zqa")), ConversionOutcome::NotAuFile,
                       "Not a valid AU file.");
        EXPECT_EQ(ReadFile(dir.Path("old.zqa")), (Bytes{9, 8, 7}));
    }
}

TEST(ConvertAudioFile, ExistingOutputIsReplacedAndRunsRepeat)
{
    TempDir dir;
    const Bytes input = Concat(AuHeader(24), {128, 16, 200});
    WriteFile(dir.Path("in.au"), input);
    WriteFile(dir.Path("out.zqa"), Bytes(1000, 0xAA));
    Convert(dir.Path("in.au"), dir.Path("out.zqa"));
    const Bytes first = ReadFile(dir.Path("out.zqa"));
    EXPECT_EQ(first, ModelPackedFile(input));
    Convert(dir.Path("in.au"), dir.Path("out.zqa"));
    EXPECT_EQ(ReadFile(dir.Path("out.zqa")), first);
}

TEST(ConvertAudioFile, SameFileUnderAnySpellingIsRefusedAndKept)
{
    TempDir dir;
    const Bytes input = Concat(AuHeader(24), {128, 16, 200});
    WriteFile(dir.Path("in.au"), input);
    std::filesystem::create_directory(dir.Path("sub"));
    std::vector<std::string> spellings = {dir.Path("in.au"), dir.Path("./in.au"), dir.Path("sub/../in.au")};
#ifdef _WIN32
    spellings.push_back(dir.Path("IN.AU"));
#endif
    for (const std::string& output : spellings) {
        SCOPED_TRACE(output);
        ExpectReported(Convert(dir.Path("in.au"), output), ConversionOutcome::SameFile,
                       "Input and Output file are the same.");
        EXPECT_EQ(ReadFile(dir.Path("in.au")), input);
    }

    std::filesystem::create_hard_link(dir.Path("in.au"), dir.Path("link.au"));
    ExpectReported(Convert(dir.Path("in.au"), dir.Path("link.au")), ConversionOutcome::SameFile,
                   "Input and Output file are the same.");
    ExpectReported(Convert(dir.Path("link.au"), dir.Path("in.au")), ConversionOutcome::SameFile,
                   "Input and Output file are the same.");
    EXPECT_EQ(ReadFile(dir.Path("in.au")), input);

    // A copy is another file: converting onto it is allowed.
    WriteFile(dir.Path("copy.au"), input);
    EXPECT_EQ(Convert(dir.Path("in.au"), dir.Path("copy.au")).outcome, ConversionOutcome::Saved);
}
