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
