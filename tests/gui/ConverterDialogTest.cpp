// The converter dialog as a user meets it: its window, its controls, the
// keyboard, and the ways it closes.
#include <gtest/gtest.h>

#include "ConverterFixture.h"
#include "Driver.h"
#include "Resource.h"

using namespace driver;

namespace {

struct ExpectedControl {
    const char* className;
    int id;
    int x, y, width, height;
    const char* text;
    unsigned long style;
};

// Template order, which is also Z-order and Tab order.
const ExpectedControl kControls[] = {
    {"Button", IDOK, 170, 80, 50, 14, "Convert", 0x50010001},
    {"Static", -1, 10, 80, 150, 20,
     "specify an input sound file and the output filename and click on the convert button.", 0x50020000},
    {"Button", -1, 5, 40, 215, 30, "Output Velloc Audio File for Streaming", 0x50000007},
    {"Button", -1, 5, 5, 215, 30, "Input 8-bit 8 khz Audio File", 0x50000007},
    {"Button", IDC_BROWSE_INPUT, 185, 15, 30, 15, "Browse", 0x50010000},
    {"Button", IDC_BROWSE_OUTPUT, 185, 50, 30, 15, "Browse", 0x50010000},
    {"Edit", IDC_INPUT_PATH, 10, 15, 170, 15, "", 0x50810080},
    {"Edit", IDC_OUTPUT_PATH, 10, 50, 170, 15, "", 0x50810080},
};

class ConverterDialog : public ConverterFixture {
protected:

};

}  // namespace

TEST_F(ConverterDialog, WindowHasItsCaptionFrameAndTaskbarButton)
{
    EXPECT_EQ(WindowText(dialog), "Quillet - Sonvale");
    EXPECT_EQ(ClassName(dialog), "#32770");
    const LONG style = Style(dialog);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU) << Hex(style);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0) << Hex(style);
    EXPECT_TRUE(style & DS_MODALFRAME) << Hex(style);
    EXPECT_TRUE(ExStyle(dialog) & WS_EX_APPWINDOW) << Hex(ExStyle(dialog));
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(dialog));
}

TEST_F(ConverterDialog, FirstShownCentredInTheWorkArea)
{
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT window{};
    ::GetWindowRect(dialog, &window);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1)
        << "window " << window.left << ".." << window.right << ", work area " << work.left << ".." << work.right;
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1)
        << "window " << window.top << ".." << window.bottom << ", work area " << work.top << ".." << work.bottom;
}

TEST_F(ConverterDialog, ControlsInTemplateOrderWithTheirClassesTextsStylesAndPlaces)
{
    HWND child = ::GetWindow(dialog, GW_CHILD);
    for (const ExpectedControl& expected : kControls) {
        SCOPED_TRACE(std::string(expected.className) + " \"" + expected.text + "\"");
        ASSERT_NE(child, nullptr) << "fewer controls than expected";
        EXPECT_EQ(::lstrcmpiA(ClassName(child).c_str(), expected.className), 0) << ClassName(child);
        EXPECT_EQ(::GetDlgCtrlID(child), expected.id);
        EXPECT_EQ(WindowText(child), expected.text);
        // The dialog manager draws a bordered edit control with a sunken
        // client edge instead of its border; either is the template's border.
        unsigned long style = static_cast<unsigned long>(Style(child));
        if (ExStyle(child) & WS_EX_CLIENTEDGE)
            style |= WS_BORDER;
        EXPECT_EQ(style, expected.style) << Hex(Style(child)) << " with extended style " << Hex(ExStyle(child));
        EXPECT_EQ(ExStyle(child) & ~(WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE), 0) << Hex(ExStyle(child));

        // The dialog manager maps the position and the size each on its own.
        ProbeResult position{};
        ProbeResult size{};
        ASSERT_TRUE(program.Ask(dialog, ProbeMapDialogRect, expected.x | expected.y << 8, position)) << "no probe answer";
        ASSERT_TRUE(program.Ask(dialog, ProbeMapDialogRect, expected.width << 16 | expected.height << 24, size));
        RECT actual{};
        ::GetWindowRect(child, &actual);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, position.rect.left);
        EXPECT_EQ(actual.top, position.rect.top);
        EXPECT_EQ(actual.right - actual.left, size.rect.right);
        EXPECT_EQ(actual.bottom - actual.top, size.rect.bottom);
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than expected";
}

TEST_F(ConverterDialog, ConvertHasTheFocusAndTabGoesThroughTheTabStopsInOrder)
{
    const int order[] = {IDOK, IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT, IDC_INPUT_PATH, IDC_OUTPUT_PATH, IDOK};
    HWND focus = program.Focus();
    EXPECT_EQ(focus, Item(IDOK)) << "focus on id " << ::GetDlgCtrlID(focus);
    for (std::size_t i = 1; i < sizeof order / sizeof order[0]; ++i) {
        program.PressKey(VK_TAB);
        focus = program.WaitForFocusChange(focus);
        EXPECT_EQ(::GetDlgCtrlID(focus), order[i]) << "after " << i << " Tab presses";
    }
}

TEST_F(ConverterDialog, EnterInEitherPathFieldConverts)
{
    for (int field : {IDC_INPUT_PATH, IDC_OUTPUT_PATH}) {
        SCOPED_TRACE(field);
        // The dialog manager moves the focus to the field, as a click would.
        ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(field)), TRUE);
        ASSERT_TRUE(program.WaitForFocus(Item(field))) << "focus on id " << ::GetDlgCtrlID(program.Focus());
        program.PressKey(VK_RETURN);
        HWND box = program.WaitForWindow("#32770", nullptr, dialog);
        ASSERT_NE(box, nullptr) << "Enter started no conversion";
        EXPECT_EQ(ReadMessageBox(box).text, "Cannot open Input file.");
        ASSERT_TRUE(DismissMessageBox(box));
    }
}

TEST_F(ConverterDialog, ClosingWaysEndTheProcess)
{
    // Every way ends in IDCANCEL whatever the fields hold.
    SetText(Item(IDC_INPUT_PATH), "C:\\some\\input.au");
    program.PressKey(VK_ESCAPE);
    EXPECT_TRUE(program.WaitForExit(10000)) << "Esc did not end the program";
}

namespace {
enum class CloseWay { CloseBox, AltF4, SystemMenuClose };

class ClosingWays : public testing::TestWithParam<CloseWay> {};

void Close(Program& program, HWND dialog, CloseWay way)
{
    switch (way) {
    case CloseWay::CloseBox:
    case CloseWay::SystemMenuClose:
        // What the close box and the system menu's Close item send.
        ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseWay::AltF4: {
        const UINT scan = ::MapVirtualKeyA(VK_F4, 0);
        ::PostMessageA(program.Focus(), WM_SYSKEYDOWN, VK_F4, 1 | scan << 16 | 1 << 29);
        ::PostMessageA(program.Focus(), WM_SYSKEYUP, VK_F4, 1 | scan << 16 | 1 << 29 | 0xC0000000u);
        break;
    }
    }
}
}  // namespace

TEST_P(ClosingWays, EndTheProcess)
{
    Program program;
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SetText(::GetDlgItem(dialog, IDC_OUTPUT_PATH), "out.zqa");
    Close(program, dialog, GetParam());
    EXPECT_TRUE(program.WaitForExit(10000));
}

INSTANTIATE_TEST_SUITE_P(ConverterDialog, ClosingWays,
                         testing::Values(CloseWay::CloseBox, CloseWay::AltF4, CloseWay::SystemMenuClose));
