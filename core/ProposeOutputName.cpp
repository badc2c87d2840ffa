#include "ProposeOutputName.h"

std::string ProposeOutputName(const std::string& inputPath, LeadByteTest isLeadByte)
{
    const std::string::size_type npos = std::string::npos;
    std::string::size_type nameStart = 0;
    std::string::size_type lastDot = npos;
    for (std::string::size_type i = 0; i < inputPath.size();) {
        const unsigned char byte = static_cast<unsigned char>(inputPath[i]);
        if (isLeadByte(byte) && i + 1 < inputPath.size()) {
            i += 2;
            continue;
        }
        if (byte == '\\' || byte == '/' || byte == ':') {
            nameStart = i + 1;
            lastDot = npos;
        } else if (byte == '.') {
            lastDot = i;
        }
        ++i;
    }
    if (lastDot != npos)
        return inputPath.substr(0, lastDot) + ".zqa";
    if (nameStart == inputPath.size())
        return inputPath + "Output.zqa";
    return inputPath + ".zqa";
}
