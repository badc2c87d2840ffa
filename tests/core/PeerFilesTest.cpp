// .au files as other tools write them: sox puts an annotation in the
// header, Python's sunau pads its header to a multiple of eight.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ConvertAudioFile.h"
#include "PackedAudioFormat.h"
#include "PackingModel.h"

TEST(PeerFiles, ConvertLikeTheModelWithTheirHeadersKept)
{
    const char* folder = std::getenv("SONVALE_FIXTURES");
    if (folder == nullptr)
        GTEST_SKIP() << "SONVALE_FIXTURES is not set";
    const char* names[] = {"sox-mulaw.au", "sox-s8-annotated.au", "sox-odd.au", "sunau-u8.au", "sunau-s16.au"};
    TempDir dir;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const std::string input = std::string(folder) + "/" + name;
        ASSERT_TRUE(FileExists(input)) << input;
        const Bytes original = ReadFile(input);
        ASSERT_GE(original.size(), 24u);
        std::string message;
        const ConversionOutcome outcome =
            ConvertAudioFile(input, dir.Path("out.zqa"), [&message](const std::string& text) { message = text; });
        EXPECT_EQ(outcome, ConversionOutcome::Saved) << message;
        const Bytes output = ReadFile(dir.Path("out.zqa"));
        EXPECT_TRUE(output == ModelPackedFile(original));
        const std::uint64_t header = PackedAudioFormat::HeaderBlockLength(PackedAudioFormat::ReadBigEndian32(&original[4]));
        EXPECT_GE(header, 24u);
        ASSERT_LE(header, output.size());
        EXPECT_TRUE(std::equal(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(header), output.begin()));
        EXPECT_EQ(output.size(), header + PackedAudioFormat::PackedLength(original.size() - header));
    }
}
