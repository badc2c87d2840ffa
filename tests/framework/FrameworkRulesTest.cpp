#include <gtest/gtest.h>

#include "FrameworkRules.h"

using namespace FrameworkRules;

TEST(MessageBoxTypeWithIcon, AddsTheExclamationOnlyToIconlessAskingBoxes)
{
    struct Case {
        unsigned type;
        unsigned expected;
    };
    const Case cases[] = {
        {0x00, 0x30},  // MB_OK
        {0x01, 0x31},  // MB_OKCANCEL
        {0x03, 0x33},  // MB_YESNOCANCEL
        {0x04, 0x34},  // MB_YESNO
        {0x02, 0x02},  // MB_ABORTRETRYIGNORE keeps no icon
        {0x05, 0x05},  // MB_RETRYCANCEL
        {0x10, 0x10},  // an icon of its own stays
        {0x40, 0x40},
        {0x24, 0x24},
        {0x1000, 0x1030},  // other bits (MB_SYSTEMMODAL) are kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageBoxTypeWithIcon(c.type), c.expected) << "type 0x" << std::hex << c.type;
}

TEST(MinimisedIconOrigin, CentresWithTruncatingHalves)
{
    struct Case {
        int width;
        int x;
    };
    // A 32-pixel icon in a client area `width` wide.
    const Case cases[] = {{36, 2}, {35, 2}, {33, 1}, {32, 0}, {30, 0}, {28, -1}, {27, -2}};
    for (const Case& c : cases) {
        const Point origin = MinimisedIconOrigin(0, 0, c.width, c.width, 32, 32);
        EXPECT_EQ(origin.x, c.x) << "width " << c.width;
        EXPECT_EQ(origin.y, c.x) << "height " << c.width;
    }
    // The client rectangle's own origin counts only through its size.
    const Point shifted = MinimisedIconOrigin(10, 20, 46, 56, 32, 32);
    EXPECT_EQ(shifted.x, 2);
    EXPECT_EQ(shifted.y, 2);
}

TEST(ModulePathNames, NameAndHelpFileFollowTheExecutable)
{
    struct Case {
        const char* path;
        const char* name;
        const char* help;
    };
    const Case cases[] = {
        {"C:\\Tools\\Sonvale.exe", "Sonvale", "C:\\Tools\\Sonvale.HLP"},
        {"C:\\Tools\\Tool.exe", "Tool", "C:\\Tools\\Tool.HLP"},
        {"C:\\my.tools\\Sonvale.EXE", "Sonvale", "C:\\my.tools\\Sonvale.HLP"},
        {"C:\\my.tools\\Sonvale", "Sonvale", "C:\\my.tools\\Sonvale.HLP"},
        {"\\\\server\\share\\a.b.exe", "a.b", "\\\\server\\share\\a.b.HLP"},
        {"Z:/srv/bin/Sonvale.exe", "Sonvale", "Z:/srv/bin/Sonvale.HLP"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApplicationNameFromModulePath(c.path), c.name) << c.path;
        EXPECT_EQ(HelpFilePathFromModulePath(c.path), c.help) << c.path;
    }
}

TEST(ModulePathNames, TrailBytesAreNotSeparators)
{
    auto shiftJis = [](unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); };
    // 95 5C is one character whose trail byte is the code of "\".
    EXPECT_EQ(ApplicationNameFromModulePath("C:\\\x95\x5C.exe", +shiftJis), "\x95\x5C");
    EXPECT_EQ(HelpFilePathFromModulePath("C:\\\x95\x5C.exe", +shiftJis), "C:\\\x95\x5C.HLP");
}
