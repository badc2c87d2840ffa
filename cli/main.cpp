// sonvale-convert: the converter for scripts and batch jobs, on the same core
// as the Windows program.
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "ConvertAudioFile.h"
#include "ProposeOutputName.h"

namespace {

constexpr const char* kVersion = "1.0.0.1";

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream,
                 "Usage: sonvale-convert [-o OUTPUT] [-f] [-q] INPUT...\n"
                 "Convert Sun audio files (.au) to packed Velloc audio files (.zqa).\n"
                 "\n"
                 "Each INPUT is written to its own name with the extension .zqa\n"
                 "(voice.au becomes voice.zqa), or with -o to OUTPUT.\n"
                 "\n"
                 "  -o OUTPUT   write to OUTPUT (one INPUT only)\n"
                 "  -f          overwrite an existing output file\n"
                 "  -q          print nothing for inputs that were saved\n"
                 "  --help      show this help and exit\n"
                 "  --version   show the version and exit\n"
                 "\n"
                 "Exit status: 0 when every input was saved, 1 when any was not,\n"
                 "2 for a usage error.\n");
}

int UsageError(const char* message, const char* detail)
{
    std::fprintf(stderr, "sonvale-convert: %s%s\n", message, detail);
    std::fprintf(stderr, "Try 'sonvale-convert --help' for more information.\n");
    return 2;
}

// Only an ordinary file holds something to lose; a device such as
// /dev/null may always be written.
bool IsExistingRegularFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

struct Options {
    std::string output;
    bool hasOutput = false;
    bool force = false;
    bool quiet = false;
    std::vector<std::string> inputs;
};

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    bool onlyOperands = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (onlyOperands || arg.empty() || arg[0] != '-' || arg == "-") {
            options.inputs.push_back(arg);
        } else if (arg == "--") {
            onlyOperands = true;
        } else if (arg == "--help" || arg == "-h") {
            PrintUsage(stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("sonvale-convert (Sonvale) %s\n", kVersion);
            return 0;
        } else if (arg == "-f") {
            options.force = true;
        } else if (arg == "-q") {
            options.quiet = true;
        } else if (arg == "-o") {
            if (i + 1 >= argc)
                return UsageError("option requires an argument -- ", "o");
            options.output = argv[++i];
            options.hasOutput = true;
        } else if (arg.compare(0, 2, "-o") == 0) {
            options.output = arg.substr(2);
            options.hasOutput = true;
        } else {
            return UsageError("unknown option ", arg.c_str());
        }
    }
    if (options.inputs.empty())
        return UsageError("no input file", "");
    if (options.hasOutput && options.inputs.size() != 1)
        return UsageError("-o takes one INPUT only", "");

    bool allSaved = true;
    for (const std::string& input : options.inputs) {
        const std::string output = options.hasOutput ? options.output : ProposeOutputName(input);
        if (!options.force && IsExistingRegularFile(output)) {
            std::fprintf(stderr, "%s: output file '%s' exists; not overwritten (use -f to overwrite)\n",
                         input.c_str(), output.c_str());
            allSaved = false;
            continue;
        }
        std::string message;
        const ConversionOutcome outcome =
            ConvertAudioFile(input, output, [&message](const std::string& text) { message = text; });
        if (outcome == ConversionOutcome::Saved) {
            if (!options.quiet)
                std::printf("%s: %s\n", input.c_str(), message.c_str());
        } else {
            std::fflush(stdout);
            std::fprintf(stderr, "%s: %s\n", input.c_str(), message.c_str());
            allSaved = false;
        }
    }
    return allSaved ? 0 : 1;
}
