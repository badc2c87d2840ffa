#include <gtest/gtest.h>

#include "ProposeOutputName.h"

TEST(ProposeOutputName, Table)
{
    struct Case {
        const char* input;
        const char* proposal;
    };
    const Case cases[] = {
        {"", "Output.zqa"},
        {"C:\\Sounds\\voice.au", "C:\\Sounds\\voice.zqa"},
        {"C:\\Sounds\\voice.AU", "C:\\Sounds\\voice.zqa"},
        {"C:\\a.b\\x.au", "C:\\a.b\\x.zqa"},
        {"voice.take2.au", "voice.take2.zqa"},
        // A dot in a folder name is not an extension.
        {"C:\\my.dir\\voice", "C:\\my.dir\\voice.zqa"},
        {"/srv/my.dir/voice", "/srv/my.dir/voice.zqa"},
        {"voice", "voice.zqa"},
        {".au", ".zqa"},
        {".\\voice.au", ".\\voice.zqa"},
        {"voice.", "voice.zqa"},
        {"C:\\Sounds\\voice.zqa", "C:\\Sounds\\voice.zqa"},
        {"voice.au", "voice.zqa"},
        // An empty file-name part takes the name "Output".
        {"C:\\Sounds\\", "C:\\Sounds\\Output.zqa"},
        {"sounds/", "sounds/Output.zqa"},
        {"C:", "C:Output.zqa"},
        // Blanks are kept as typed.
        {"   ", "   .zqa"},
        {" C:\\voice.au", " C:\\voice.zqa"},
        {"C:\\voice.a u ", "C:\\voice.zqa"},
        {"D:voice.au", "D:voice.zqa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProposeOutputName(c.input), c.proposal) << "input \"" << c.input << "\"";
}

namespace {
// Shift-JIS lead bytes, as the system reports them for code page 932.
bool IsShiftJisLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
}  // namespace

TEST(ProposeOutputName, TrailBytesOfDoubleByteCharactersAreNeverSeparatorsOrDots)
{
    struct Case {
        const char* input;
        const char* proposal;
    };
    const Case cases[] = {
        // U+8868 is 95 5C in Shift-JIS: its trail byte is the code of "\".
        {"C:\\a.b\\\x95\x5C", "C:\\a.b\\\x95\x5C.zqa"},
        {"C:\\\x95\x5C.au", "C:\\\x95\x5C.zqa"},
        {"x.au\\\x95\x5C", "x.au\\\x95\x5C.zqa"},
        // A lead byte cut off at the end of the text is a byte of its own.
        {"voice.au\x95", "voice.zqa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProposeOutputName(c.input, IsShiftJisLeadByte), c.proposal) << "input \"" << c.input << "\"";

    // The same bytes read as a single-byte code page: 5C is a separator.
    EXPECT_EQ(ProposeOutputName("C:\\a.b\\\x95\x5C"), "C:\\a.b\\\x95\\Output.zqa");
}

TEST(ProposeOutputName, LeadByteBeforeADotTakesTheDot)
{
    // In a code page whose trail bytes include 2E, that 2E is not a dot.
    auto leadIsE0 = [](unsigned char byte) { return byte == 0xE0; };
    EXPECT_EQ(ProposeOutputName("voice\xE0.au", +leadIsE0), "voice\xE0.au.zqa");
    EXPECT_EQ(ProposeOutputName("voice\xE0.", +leadIsE0), "voice\xE0..zqa");
}
