// Pictures of the real program for the README; run by `make screenshots`.
#include <gtest/gtest.h>

#include "Driver.h"
#include "Resource.h"

using namespace driver;

TEST(Screenshots, ConverterDialogAndMessageBox)
{
    if (g_screenshotDir.empty())
        GTEST_SKIP() << "no --screenshots folder given";
    Program program;
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    SetText(::GetDlgItem(dialog, IDC_INPUT_PATH), "C:\\Sounds\\voice.au");
    SetText(::GetDlgItem(dialog, IDC_OUTPUT_PATH), "C:\\Sounds\\voice.zqa");
    PumpFor(300);
    EXPECT_TRUE(SaveScreenshot(dialog, "converter-dialog"));
    HWND box = Convert(program, dialog);
    ASSERT_NE(box, nullptr);
    PumpFor(300);
    EXPECT_TRUE(SaveScreenshot(box, "message-box"));
    DismissMessageBox(box);
}

TEST(Screenshots, FileDialogsAndAboutBox)
{
    if (g_screenshotDir.empty())
        GTEST_SKIP() << "no --screenshots folder given";
    Program program;
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);

    ::PostMessageA(::GetDlgItem(dialog, IDC_BROWSE_INPUT), BM_CLICK, 0, 0);
    HWND open = program.WaitForOwnedWindow(dialog);
    ASSERT_NE(open, nullptr);
    PumpFor(500);
    EXPECT_TRUE(SaveScreenshot(open, "open-dialog"));
    ::PostMessageA(::GetDlgItem(open, IDCANCEL), BM_CLICK, 0, 0);
    PumpFor(500);

    SetText(::GetDlgItem(dialog, IDC_INPUT_PATH), "C:\\windows\\voice.au");
    ::PostMessageA(::GetDlgItem(dialog, IDC_BROWSE_OUTPUT), BM_CLICK, 0, 0);
    HWND save = program.WaitForOwnedWindow(dialog);
    ASSERT_NE(save, nullptr);
    PumpFor(500);
    EXPECT_TRUE(SaveScreenshot(save, "save-dialog"));
    ::PostMessageA(::GetDlgItem(save, IDCANCEL), BM_CLICK, 0, 0);
    PumpFor(500);

    ::PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = program.WaitForOwnedWindow(dialog);
    ASSERT_NE(about, nullptr);
    PumpFor(300);
    EXPECT_TRUE(SaveScreenshot(about, "about-box"));
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);
}
