// The program as a whole: its name, its command line, its icons, its help
// route, and what it leaves behind.
#include <gtest/gtest.h>

#include <set>

#include "Driver.h"
#include "HelpEngineStandIn.h"
#include "Resource.h"

using namespace driver;

namespace {

std::set<std::string> SubkeyNames(HKEY root, const char* path)
{
    std::set<std::string> names;
    HKEY key;
    if (::RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.insert(name);
    }
    ::RegCloseKey(key);
    return names;
}

std::set<std::string> IniFiles(const std::string& folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((folder + "\\*.ini").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            names.insert(found.cFileName);
        while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    return names;
}

std::string WindowsFolder()
{
    char path[MAX_PATH];
    ::GetWindowsDirectoryA(path, sizeof path);
    return path;
}

// F1 as the system reports it. On Windows the key press becomes WM_KEYF1
// for the focused window, which default processing turns into WM_HELP.
// Wine 8 skips that first step (a typed F1 reaches the program and nothing
// follows), so the driver posts WM_KEYF1 itself; from there on everything is
// the system's and the program's own.
void PressF1(Program& program)
{
    constexpr UINT WM_KEYF1 = 0x004D;
    ::PostMessageA(program.Focus(), WM_KEYF1, 0, 0);
}

}  // namespace

TEST(Application, MessageBoxCaptionFollowsTheExecutableName)
{
    TempDir folder;
    const std::string tool = folder.Path("Tool.exe");
    ASSERT_TRUE(::CopyFileA(g_programPath.c_str(), tool.c_str(), FALSE));
    Program program(tool);
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    const MessageBoxView view = ConvertAndRead(program, dialog);
    EXPECT_EQ(view.caption, "Tool");
    EXPECT_EQ(view.text, "Cannot open Input file.");
}

TEST(Application, CommandLineArgumentsChangeNothing)
{
    Program program(g_programPath, "C:\\voice.au \"out put.zqa\" /convert -q");
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_INPUT_PATH)), "");
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_OUTPUT_PATH)), "");
    EXPECT_EQ(program.Focus(), ::GetDlgItem(dialog, IDOK));
    EXPECT_EQ(ConvertAndRead(program, dialog).text, "Cannot open Input file.");
}

TEST(Application, TwoCopiesRunSideBySide)
{
    Program first;
    HWND firstDialog = first.WaitForDialog();
    Program second;
    HWND secondDialog = second.WaitForDialog();
    ASSERT_NE(firstDialog, nullptr);
    ASSERT_NE(secondDialog, nullptr);
    EXPECT_NE(firstDialog, secondDialog);
    EXPECT_TRUE(first.Running());
}

TEST(Application, BigSmallAndDragIconsAreTheApplicationIcon)
{
    Program program;
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    ProbeResult icons{};
    ASSERT_TRUE(program.Ask(dialog, ProbeIcons, 0, icons)) << "the probe did not answer";
    EXPECT_NE(icons.resourceIcon, nullptr);
    EXPECT_EQ(icons.bigIcon, icons.resourceIcon);
    EXPECT_EQ(icons.smallIcon, icons.resourceIcon);
    EXPECT_EQ(icons.dragIcon, icons.resourceIcon);
}

TEST(Application, F1AsksTheHelpEngineForTheHelpFileBesideTheExecutable)
{
    HelpEngineStandIn helpEngine;
    Program program;
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    std::string expectedFile = g_programPath.substr(0, g_programPath.rfind('.')) + ".HLP";

    PressF1(program);
    ASSERT_TRUE(helpEngine.WaitForRequest(10000)) << "no help request";
    EXPECT_EQ(::lstrcmpiA(helpEngine.File().c_str(), expectedFile.c_str()), 0) << helpEngine.File();
    EXPECT_EQ(helpEngine.Command(), HELP_CONTEXT);
    EXPECT_EQ(static_cast<unsigned long>(helpEngine.Context()), 0x20066ul) << Hex(helpEngine.Context());

    // In a message box over the dialog, the dialog's context.
    HWND box = Convert(program, dialog);
    ASSERT_NE(box, nullptr);
    PressF1(program);
    ASSERT_TRUE(helpEngine.WaitForRequest(10000)) << "no help request from the message box";
    EXPECT_EQ(static_cast<unsigned long>(helpEngine.Context()), 0x20066ul) << Hex(helpEngine.Context());
    DismissMessageBox(box);
    EXPECT_EQ(helpEngine.Requests(), 2);
}

TEST(Application, HelpEngineThatFailsIsReported)
{
    HelpEngineStandIn helpEngine(false);
    Program program;
    HWND dialog = program.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    PressF1(program);
    ASSERT_TRUE(helpEngine.WaitForRequest(10000)) << "no help request";
    HWND box = program.WaitForOwnedWindow(dialog);
    ASSERT_NE(box, nullptr) << "no message when help could not be started";
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.caption, "Sonvale");
    EXPECT_EQ(view.text, "Failed to launch help.");
    EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
    // While the failure is shown, F1 does nothing.
    ASSERT_TRUE(program.WaitForFocus(::GetDlgItem(box, IDOK)));
    PressF1(program);
    EXPECT_FALSE(helpEngine.WaitForRequest(1000)) << "F1 asked again while the failure was shown";
    EXPECT_EQ(program.WaitForOwnedWindow(box, 300), nullptr);
    ASSERT_TRUE(DismissMessageBox(box));
    EXPECT_TRUE(::IsWindowEnabled(dialog));
    EXPECT_TRUE(program.Running());
}

TEST(Application, LeavesNoRegistryKeyAndNoIniFile)
{
    const auto userBefore = SubkeyNames(HKEY_CURRENT_USER, "Software");
    const auto machineBefore = SubkeyNames(HKEY_LOCAL_MACHINE, "Software");
    const auto iniBefore = IniFiles(WindowsFolder());
    {
        TempDir folder;
        WriteFile(folder.Path("in.au"), {0x2E, 0x73, 0x6E, 0x64});
        Program program;
        HWND dialog = program.WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        SetText(::GetDlgItem(dialog, IDC_INPUT_PATH), folder.Path("in.au"));
        SetText(::GetDlgItem(dialog, IDC_OUTPUT_PATH), folder.Path("out.zqa"));
        EXPECT_EQ(ConvertAndRead(program, dialog).text, "Velloc Audio file saved successfully.");
        program.PressKey(VK_ESCAPE);
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    EXPECT_EQ(SubkeyNames(HKEY_CURRENT_USER, "Software"), userBefore);
    EXPECT_EQ(SubkeyNames(HKEY_LOCAL_MACHINE, "Software"), machineBefore);
    EXPECT_EQ(IniFiles(WindowsFolder()), iniBefore);
    const std::string exeFolder = g_programPath.substr(0, g_programPath.rfind('\\'));
    EXPECT_TRUE(IniFiles(exeFolder).empty());
}
