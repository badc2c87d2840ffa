// An input over 4 GiB: every count and offset of the run must be 64-bit,
// in the 32-bit Windows build too. The input is sparse, so it costs little
// disk; the output is half of it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ConvertAudioFile.h"
#include "TestFiles.h"

namespace {

constexpr std::uint64_t kSampleBytes = (std::uint64_t{1} << 32) + 7;  // odd, past 4 GiB

bool WriteAt(const std::string& path, std::uint64_t offset, const Bytes& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr)
        return false;
#ifdef _WIN32
    const bool placed = _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    const bool placed = fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
    const bool written = placed && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

Bytes ReadTail(const std::string& path, std::uint64_t offset, std::size_t count)
{
    Bytes bytes(count);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return {};
#ifdef _WIN32
    _fseeki64(file, static_cast<long long>(offset), SEEK_SET);
#else
    fseeko(file, static_cast<off_t>(offset), SEEK_SET);
#endif
    bytes.resize(std::fread(bytes.data(), 1, count, file));
    std::fclose(file);
    return bytes;
}

}  // namespace

TEST(LargeFile, InputOver4GiBIsPackedWhole)
{
#ifdef SONVALE_SANITIZED_BUILD
    GTEST_SKIP() << "minutes under the sanitizers; the plain and the Windows runs cover it";
#endif
    TempDir dir;
    const std::string input = dir.Path("big.au");
    const std::string output = dir.Path("big.zqa");
    std::error_code error;
    const auto space = std::filesystem::space(std::filesystem::path(input).parent_path(), error);
    if (error || space.available < (std::uint64_t{5} << 30))
        GTEST_SKIP() << "needs 5 GiB of free disk for the 2 GiB output and the sparse input";

    WriteFile(input, AuHeader(24));
    std::filesystem::resize_file(input, 24 + kSampleBytes);
    ASSERT_TRUE(WriteAt(input, 24 + kSampleBytes - 3, {200, 100, 128}));

    std::string message;
    const ConversionOutcome outcome =
        ConvertAudioFile(input, output, [&message](const std::string& text) { message = text; });
    EXPECT_EQ(outcome, ConversionOutcome::Saved) << message;
    const std::uint64_t expectedSize = 24 + (kSampleBytes + 1) / 2;
    EXPECT_EQ(std::filesystem::file_size(output), expectedSize);
    // Sample n-3 has an even index (n = 2^32 + 7), so 200 and 100 are one
    // pair (0xF5) and 128 is the lone last sample: code 9 with the held low
    // code 5 of the 100 before it.
    EXPECT_EQ(ReadTail(output, expectedSize - 3, 3), (Bytes{0x00, 0xF5, 0x95}));
    EXPECT_EQ(ReadTail(output, 0, 24), AuHeader(24));
}
