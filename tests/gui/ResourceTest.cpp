// The resources inside Sonvale.exe, read as stored: the dialog templates
// byte for byte, the icon group, the string table and the version resource.
#include <gtest/gtest.h>

#include <cstring>

#include "Driver.h"
#include "Resource.h"

using namespace driver;

namespace {

constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Reads a resource's bytes in US English; empty when there is none.
std::vector<unsigned char> LoadResourceBytes(HMODULE module, LPCSTR type, LPCSTR name)
{
    const HRSRC found = ::FindResourceExA(module, type, name, kEnglishUs);
    if (found == nullptr)
        return {};
    const auto* bytes = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, found)));
    return std::vector<unsigned char>(bytes, bytes + ::SizeofResource(module, found));
}

// Little-endian reader over a template, with the alignment rules of one.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& bytes) : m_bytes(bytes) {}
    WORD Word()
    {
        WORD value = 0;
        if (m_pos + 2 <= m_bytes.size())
            value = static_cast<WORD>(m_bytes[m_pos] | m_bytes[m_pos + 1] << 8);
        m_pos += 2;
        return value;
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | DWORD{Word()} << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    // A string of UTF-16 units (ASCII here), or "#n" for an ordinal.
    std::string SzOrOrdinal()
    {
        const WORD first = Word();
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        std::string text;
        for (WORD unit = first; unit != 0; unit = Word())
            text += static_cast<char>(unit);
        return text;
    }
    void AlignDword() { m_pos = (m_pos + 3) & ~std::size_t{3}; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

private:
    const std::vector<unsigned char>& m_bytes;
    std::size_t m_pos = 0;
};

// A control's class, stored as the predefined ordinal or as its name.
std::string ClassOf(const std::string& stored)
{
    if (stored == "#128")
        return "BUTTON";
    if (stored == "#129")
        return "EDIT";
    if (stored == "#130")
        return "STATIC";
    std::string upper = stored;
    for (char& c : upper)
        c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    return upper;
}

struct Item {
    DWORD style, exStyle, id;
    short x, y, cx, cy;
    std::string className, text;
};

BOOL CALLBACK CountResource(HMODULE, LPCSTR, LPSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

class Resources : public testing::Test {
protected:
    void SetUp() override
    {
        module = ::LoadLibraryExA(g_programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << g_programPath;
    }
    void TearDown() override
    {
        if (module != nullptr)
            ::FreeLibrary(module);
    }
    HMODULE module = nullptr;
};

}  // namespace

TEST_F(Resources, ConverterDialogTemplateIsExtendedWithItsSettingsAndEightControls)
{
    const auto bytes = LoadResourceBytes(module, RT_DIALOG, MAKEINTRESOURCEA(IDD_CONVERTER_DIALOG));
    ASSERT_FALSE(bytes.empty()) << "no US English template 102";
    TemplateReader reader(bytes);
    EXPECT_EQ(reader.Word(), 1);       // dlgVer
    EXPECT_EQ(reader.Word(), 0xFFFF);  // signature: DIALOGEX
    EXPECT_EQ(reader.Dword(), 0u);     // help id
    EXPECT_EQ(Hex(reader.Dword()), Hex(0x00040000));  // WS_EX_APPWINDOW
    EXPECT_EQ(Hex(reader.Dword()), Hex(0x90C800C0));
    const WORD count = reader.Word();
    EXPECT_EQ(count, 8);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 228);
    EXPECT_EQ(reader.Short(), 106);
    EXPECT_EQ(reader.SzOrOrdinal(), "");  // no menu
    EXPECT_EQ(reader.SzOrOrdinal(), "");  // the system's dialog class
    EXPECT_EQ(reader.SzOrOrdinal(), "Quillet - Sonvale");
    EXPECT_EQ(reader.Word(), 8);          // points
    EXPECT_EQ(reader.Word(), 0);          // weight
    const WORD italicAndCharset = reader.Word();
    EXPECT_EQ(italicAndCharset & 0xFF, 0);    // not italic
    EXPECT_EQ(italicAndCharset >> 8, 1);      // DEFAULT_CHARSET
    EXPECT_EQ(reader.SzOrOrdinal(), "MS Sans Serif");

    const Item expected[] = {
        {0x50010001, 0, 1, 170, 80, 50, 14, "#128", "Convert"},
        {0x50020000, 0, 0xFFFFFFFF, 10, 80, 150, 20, "#130",
         "specify an input sound file and the output filename and click on the convert button."},
        {0x50000007, 0, 0xFFFFFFFF, 5, 40, 215, 30, "#128", "Output Velloc Audio File for Streaming"},
        {0x50000007, 0, 0xFFFFFFFF, 5, 5, 215, 30, "#128", "Input 8-bit 8 khz Audio File"},
        {0x50010000, 0, 1000, 185, 15, 30, 15, "#128", "Browse"},
        {0x50010000, 0, 1001, 185, 50, 30, 15, "#128", "Browse"},
        {0x50810080, 0, 1002, 10, 15, 170, 15, "#129", ""},
        {0x50810080, 0, 1003, 10, 50, 170, 15, "#129", ""},
    };
    for (WORD i = 0; i < count && i < 8; ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        reader.AlignDword();
        EXPECT_EQ(reader.Dword(), 0u);  // help id
        EXPECT_EQ(reader.Dword(), expected[i].exStyle);
        EXPECT_EQ(Hex(reader.Dword()), Hex(expected[i].style));
        EXPECT_EQ(reader.Short(), expected[i].x);
        EXPECT_EQ(reader.Short(), expected[i].y);
        EXPECT_EQ(reader.Short(), expected[i].cx);
        EXPECT_EQ(reader.Short(), expected[i].cy);
        EXPECT_EQ(Hex(reader.Dword()), Hex(expected[i].id));
        EXPECT_EQ(ClassOf(reader.SzOrOrdinal()), ClassOf(expected[i].className));
        EXPECT_EQ(reader.SzOrOrdinal(), expected[i].text);
        EXPECT_EQ(reader.Word(), 0);  // no creation data
    }
}

TEST_F(Resources, AboutBoxTemplateIsAStandardOneWithIconTextAndOk)
{
    const auto bytes = LoadResourceBytes(module, RT_DIALOG, MAKEINTRESOURCEA(IDD_ABOUTBOX));
    ASSERT_FALSE(bytes.empty()) << "no US English template 100";
    TemplateReader reader(bytes);
    EXPECT_EQ(Hex(reader.Dword()), Hex(0x80C800C0));  // a standard template starts with its style
    EXPECT_EQ(reader.Dword(), 0u);                      // extended style
    const WORD count = reader.Word();
    EXPECT_EQ(count, 3);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 172);
    EXPECT_EQ(reader.Short(), 55);
    EXPECT_EQ(reader.SzOrOrdinal(), "");
    EXPECT_EQ(reader.SzOrOrdinal(), "");
    EXPECT_EQ(reader.SzOrOrdinal(), "About Quillet Sonvale");
    EXPECT_EQ(reader.Word(), 8);
    EXPECT_EQ(reader.SzOrOrdinal(), "MS Sans Serif");

    const Item expected[] = {
        {0x50000003, 0, 0xFFFF, 10, 15, 21, 20, "#130", "#128"},  // the icon, by resource number
        {0x50020080, 0, 0xFFFF, 40, 15, 75, 8, "#130", "Sonvale Version 1.0"},
        {0x50030001, 0, 1, 130, 20, 32, 14, "#128", "OK"},
    };
    for (WORD i = 0; i < count && i < 3; ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        reader.AlignDword();
        EXPECT_EQ(Hex(reader.Dword()), Hex(expected[i].style));
        EXPECT_EQ(reader.Dword(), expected[i].exStyle);
        EXPECT_EQ(reader.Short(), expected[i].x);
        EXPECT_EQ(reader.Short(), expected[i].y);
        EXPECT_EQ(reader.Short(), expected[i].cx);
        EXPECT_EQ(reader.Short(), expected[i].cy);
        EXPECT_EQ(reader.Word(), expected[i].id);  // 16 bits in this form
        EXPECT_EQ(ClassOf(reader.SzOrOrdinal()), ClassOf(expected[i].className));
        EXPECT_EQ(reader.SzOrOrdinal(), expected[i].text);
        EXPECT_EQ(reader.Word(), 0);
    }
}

TEST_F(Resources, IconGroupHoldsA32And16PixelImageOf16Colours)
{
    const auto group = LoadResourceBytes(module, RT_GROUP_ICON, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_GE(group.size(), 6u) << "no icon group 128";
    TemplateReader reader(group);
    EXPECT_EQ(reader.Word(), 0);
    EXPECT_EQ(reader.Word(), 1);
    const WORD count = reader.Word();
    ASSERT_EQ(count, 2);
    const int sizes[] = {32, 16};
    for (int size : sizes) {
        const WORD widthHeight = reader.Word();
        EXPECT_EQ(widthHeight & 0xFF, size);
        EXPECT_EQ(widthHeight >> 8, size);
        EXPECT_EQ(reader.Word() & 0xFF, 16);  // colours
        EXPECT_EQ(reader.Word(), 1);          // planes
        EXPECT_EQ(reader.Word(), 4);          // bits per pixel
        reader.Dword();
        reader.Word();  // image id
    }
    // The only icon of the program.
    int icons = 0;
    ::EnumResourceNamesA(module, RT_GROUP_ICON, &CountResource, reinterpret_cast<LONG_PTR>(&icons));
    EXPECT_EQ(icons, 1);
}

TEST_F(Resources, StringAndVersionResources)
{
    char text[64] = "";
    ::LoadStringA(module, IDS_ABOUTBOX, text, sizeof text);
    EXPECT_STREQ(text, "&About Sonvale...");
    EXPECT_EQ(::LoadStringA(module, 0xE000, text, sizeof text), 0) << "the program has an application title string";

    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(g_programPath.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(::GetFileVersionInfoA(g_programPath.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(Hex(fixed->dwFileVersionMS), Hex(0x00010000));
    EXPECT_EQ(Hex(fixed->dwFileVersionLS), Hex(0x00000001));
    EXPECT_EQ(Hex(fixed->dwProductVersionMS), Hex(0x00010000));
    EXPECT_EQ(Hex(fixed->dwProductVersionLS), Hex(0x00000001));
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x4u);
    EXPECT_EQ(fixed->dwFileType, 0x1u);
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    DWORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                                 &length));
    EXPECT_EQ(Hex(*translation), Hex(0x04B00409));
    const struct {
        const char* key;
        const char* value;
    } strings[] = {
        {"CompanyName", ""},
        {"FileDescription", "Sonvale MFC Application"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "Sonvale"},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "Sonvale.EXE"},
        {"ProductName", "Sonvale Application"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    for (const auto& entry : strings) {
        char* value = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + entry.key;
        const bool found = ::VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length);
        ASSERT_TRUE(found) << entry.key;
        EXPECT_STREQ(length ? value : "", entry.value) << entry.key;
    }
}
