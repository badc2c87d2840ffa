// The About box and its item at the end of the converter dialog's system menu.
#include <gtest/gtest.h>

#include "ConverterFixture.h"
#include "Driver.h"
#include "HelpEngineStandIn.h"
#include "Resource.h"

using namespace driver;

namespace {

class AboutBox : public ConverterFixture {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        SetText(::GetDlgItem(dialog, IDC_INPUT_PATH), "C:\\in.au");
        SetText(::GetDlgItem(dialog, IDC_OUTPUT_PATH), "C:\\out.zqa");
    }

    HWND Open(UINT command = IDM_ABOUTBOX)
    {
        ::PostMessageA(dialog, WM_SYSCOMMAND, command, 0);
        return program.WaitForWindow("#32770", "About Quillet Sonvale", dialog, 5000);
    }


    void ExpectFieldsAsTheyWere()
    {
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_INPUT_PATH)), "C:\\in.au");
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_OUTPUT_PATH)), "C:\\out.zqa");
        EXPECT_TRUE(::IsWindowEnabled(dialog));
    }

};

}  // namespace

TEST_F(AboutBox, ItemIsLastInTheSystemMenuAfterASeparator)
{
    ProbeResult menu{};
    ASSERT_TRUE(program.Ask(dialog, ProbeSystemMenu, 0, menu)) << "the probe did not answer";
    ASSERT_TRUE(menu.hasMenu);
    ASSERT_GE(menu.itemCount, 3);
    const ProbeMenuItem& last = menu.items[menu.itemCount - 1];
    const ProbeMenuItem& beforeLast = menu.items[menu.itemCount - 2];
    EXPECT_STREQ(last.text, "&About Sonvale...");
    EXPECT_EQ(last.id, static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(last.type & MFT_SEPARATOR, 0u);
    EXPECT_TRUE(beforeLast.type & MFT_SEPARATOR) << "type " << Hex(beforeLast.type);
    // Exactly one About item.
    int abouts = 0;
    for (int i = 0; i < menu.itemCount; ++i)
        abouts += menu.items[i].id == IDM_ABOUTBOX;
    EXPECT_EQ(abouts, 1);
}

TEST_F(AboutBox, ShowsNameVersionIconAndOkCentredOverTheConverter)
{
    HWND about = Open();
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_EQ(::GetWindow(about, GW_OWNER), dialog);
    EXPECT_FALSE(::IsWindowEnabled(dialog)) << "the converter takes input while the About box is up";
    const LONG style = Style(about);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)
        << Hex(style);

    HWND icon = ::GetWindow(about, GW_CHILD);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(Style(icon) & SS_TYPEMASK, SS_ICON) << Hex(Style(icon));
    RECT iconRect{};
    ::GetWindowRect(icon, &iconRect);
    EXPECT_EQ(iconRect.right - iconRect.left, ::GetSystemMetrics(SM_CXICON)) << "the icon is not the large image";
    EXPECT_NE(::SendMessageA(icon, STM_GETICON, 0, 0), 0) << "no icon shown";
    HWND text = ::GetWindow(icon, GW_HWNDNEXT);
    EXPECT_EQ(WindowText(text), "Sonvale Version 1.0");
    HWND ok = ::GetDlgItem(about, IDOK);
    EXPECT_EQ(WindowText(ok), "OK");
    EXPECT_EQ(Style(ok) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(program.WaitForFocus(ok)) << "focus on " << ::GetDlgCtrlID(program.Focus());

    RECT box{}, owner{};
    ::GetWindowRect(about, &box);
    ::GetWindowRect(dialog, &owner);
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    ::PostMessageA(ok, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitGone(about));
    ExpectFieldsAsTheyWere();
}

TEST_F(AboutBox, SystemCommands0x10To0x1FOpenItAndOthersDoNot)
{
    for (UINT command = 0x10; command <= 0x1F; ++command) {
        SCOPED_TRACE(Hex(command));
        HWND about = Open(command);
        ASSERT_NE(about, nullptr) << "no About box";
        ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitGone(about));
    }
    ::PostMessageA(dialog, WM_SYSCOMMAND, 0x20, 0);
    PumpFor(500);
    EXPECT_EQ(program.FindVisibleWindow("#32770", "About Quillet Sonvale", nullptr), nullptr) << "0x20 opened it";
    ExpectFieldsAsTheyWere();
    // SC_CLOSE goes on to closing the converter, not to the About box.
    ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(AboutBox, EveryWayOfClosingItClosesOnlyIt)
{
    struct Way {
        const char* name;
        void (*close)(Program&, HWND);
    };
    const Way ways[] = {
        {"OK button", [](Program&, HWND about) { ::PostMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0); }},
        {"Enter", [](Program& program, HWND) { program.PressKey(VK_RETURN); }},
        {"Space", [](Program& program, HWND) { program.PressKey(VK_SPACE); }},
        {"Esc", [](Program& program, HWND) { program.PressKey(VK_ESCAPE); }},
        {"close box", [](Program&, HWND about) { ::PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        HWND about = Open();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(program.WaitForFocus(::GetDlgItem(about, IDOK)));
        way.close(program, about);
        EXPECT_TRUE(WaitGone(about)) << "still open";
        ExpectFieldsAsTheyWere();
        EXPECT_TRUE(program.Running());
    }
}

TEST_F(AboutBox, StaysInsideTheWorkAreaWhenTheConverterIsInACorner)
{
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT converter{};
    ::GetWindowRect(dialog, &converter);
    // The converter's right half off the screen's right edge, near the bottom.
    ::SetWindowPos(dialog, nullptr, work.right - (converter.right - converter.left) / 2,
                   work.bottom - (converter.bottom - converter.top) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(100);
    for (int showing = 0; showing < 2; ++showing) {
        HWND about = Open();
        ASSERT_NE(about, nullptr);
        RECT box{};
        ::GetWindowRect(about, &box);
        EXPECT_GE(box.left, work.left);
        EXPECT_GE(box.top, work.top);
        EXPECT_LE(box.right, work.right) << "box " << box.left << ".." << box.right;
        EXPECT_LE(box.bottom, work.bottom) << "box " << box.top << ".." << box.bottom;
        ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitGone(about));
    }
}

TEST_F(AboutBox, F1AsksForTheAboutBoxHelpContext)
{
    HelpEngineStandIn helpEngine;
    HWND about = Open();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(program.WaitForFocus(::GetDlgItem(about, IDOK)));
    constexpr UINT WM_KEYF1 = 0x004D;  // see PressF1 in ApplicationTest.cpp
    ::PostMessageA(program.Focus(), WM_KEYF1, 0, 0);
    ASSERT_TRUE(helpEngine.WaitForRequest(10000)) << "no help request";
    EXPECT_EQ(static_cast<unsigned long>(helpEngine.Context()), 0x20064ul) << Hex(helpEngine.Context());
    ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitGone(about));
}
