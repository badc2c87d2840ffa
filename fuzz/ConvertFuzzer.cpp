// Feeds arbitrary files through the real conversion run and compares the
// packed file with the plain byte-at-a-time model.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "ConvertAudioFile.h"
#include "PackingModel.h"

namespace {

std::string TempPath(const char* name)
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/sonvale-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr)
            std::abort();
        return std::string(made);
    }();
    return folder + "/" + name;
}

Bytes Slurp(const std::string& path)
{
    Bytes bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::uint8_t block[65536];
        std::size_t got;
        while ((got = std::fread(block, 1, sizeof block, file)) > 0)
            bytes.insert(bytes.end(), block, block + got);
        std::fclose(file);
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Most inputs should get past the magic number check.
    Bytes input = {0x2E, 0x73, 0x6E, 0x64};
    if (size > 0 && data[0] == 0xFF)
        input.clear();
    input.insert(input.end(), data, data + size);

    const std::string in = TempPath("in.au");
    const std::string out = TempPath("out.zqa");
    std::remove(out.c_str());
    if (std::FILE* file = std::fopen(in.c_str(), "wb")) {
        std::fwrite(input.data(), 1, input.size(), file);
        std::fclose(file);
    }
    int calls = 0;
    const ConversionOutcome outcome = ConvertAudioFile(in, out, [&calls](const std::string&) { ++calls; });
    if (calls != 1)
        std::abort();
    const bool accepted = input.size() >= 4 && input[0] == 0x2E && input[1] == 0x73 &&
                          ((input[2] == 0x6E && input[3] == 0x64) || (input[2] == 0x64 && input[3] == 0x00));
    if (accepted != (outcome == ConversionOutcome::Saved))
        std::abort();
    if (accepted && Slurp(out) != ModelPackedFile(input))
        std::abort();
    return 0;
}
