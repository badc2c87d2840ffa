// The two Browse buttons: the system's Open and Save As dialogs with their
// settings, and what choosing or cancelling does to the two fields.
#include <gtest/gtest.h>

#include "ConverterFixture.h"
#include "Driver.h"
#include "Resource.h"

using namespace driver;

namespace {

// Controls of the system's Explorer-style file dialog.
constexpr int kFileNameBox = 1148;  // cmb13
constexpr int kFileTypeBox = 1136;  // cmb1
constexpr int kReadOnlyBox = 1040;  // chx1
constexpr int kHelpButton = 1038;   // pshHelp

HWND FindDescendant(HWND parent, int id, const char* className)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == id && ClassName(child) == className)
            return child;
        if (HWND found = FindDescendant(child, id, className))
            return found;
    }
    return nullptr;
}

class FileDialogs : public ConverterFixture {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        WriteFile(folder.Path("voice.au"), {0x2E, 0x73, 0x6E, 0x64});
    }

    // Presses a Browse button and returns the file dialog once it is up.
    HWND Browse(int button)
    {
        ::PostMessageA(Item(button), BM_CLICK, 0, 0);
        HWND fileDialog = program.WaitForWindow("#32770", nullptr, dialog);
        if (fileDialog != nullptr)
            PumpFor(300);  // let it fill its folder view
        return fileDialog;
    }
    static HWND NameEdit(HWND fileDialog) { return FindDescendant(fileDialog, kFileNameBox, "Edit"); }
    static std::string NameText(HWND fileDialog) { return WindowText(NameEdit(fileDialog)); }

    // Types a name into the file dialog and presses its OK button.
    static void Choose(HWND fileDialog, const std::string& name)
    {
        SetText(NameEdit(fileDialog), name);
        ::PostMessageA(::GetDlgItem(fileDialog, IDOK), BM_CLICK, 0, 0);
    }
    static void CancelDialog(HWND fileDialog) { ::PostMessageA(::GetDlgItem(fileDialog, IDCANCEL), BM_CLICK, 0, 0); }


    static std::vector<std::string> Filters(HWND fileDialog)
    {
        std::vector<std::string> labels;
        HWND box = ::GetDlgItem(fileDialog, kFileTypeBox);
        const LRESULT count = ::SendMessageA(box, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            // The system's dialog is a Unicode window; ask it in its own form.
            wchar_t label[256] = L"";
            ::SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(label));
            char narrow[256] = "";
            ::WideCharToMultiByte(CP_ACP, 0, label, -1, narrow, sizeof narrow, nullptr, nullptr);
            labels.push_back(narrow);
        }
        return labels;
    }

    TempDir folder;
};

}  // namespace

TEST_F(FileDialogs, OpenDialogOffersAuFilesAndIsModalToTheConverter)
{
    HWND open = Browse(IDC_BROWSE_INPUT);
    ASSERT_NE(open, nullptr) << "no Open dialog";
    EXPECT_EQ(WindowText(open), "Open");
    EXPECT_EQ(::GetWindow(open, GW_OWNER), dialog);
    EXPECT_FALSE(::IsWindowEnabled(dialog));
    EXPECT_EQ(Filters(open), (std::vector<std::string>{"Sun 8-bit Audio Files (*.au)", "All Files (*.*)"}));
    EXPECT_EQ(::SendMessageA(::GetDlgItem(open, kFileTypeBox), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(NameText(open), "");
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(open, kReadOnlyBox)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(open, kHelpButton)));
    CancelDialog(open);
    ASSERT_TRUE(WaitGone(open));
    EXPECT_TRUE(::IsWindowEnabled(dialog));
    // The focus goes back to the button that opened the dialog.
    EXPECT_TRUE(program.WaitForFocus(Item(IDC_BROWSE_INPUT)));
}

TEST_F(FileDialogs, ChoosingAnInputFillsOnlyTheInputField)
{
    SetText(Item(IDC_OUTPUT_PATH), "typed.zqa");
    HWND open = Browse(IDC_BROWSE_INPUT);
    ASSERT_NE(open, nullptr);
    Choose(open, folder.Path("voice.au"));
    ASSERT_TRUE(WaitGone(open)) << "the Open dialog did not take the file";
    EXPECT_EQ(WindowText(Item(IDC_INPUT_PATH)), folder.Path("voice.au"));
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), "typed.zqa");
}

TEST_F(FileDialogs, TypedInputNameWithoutExtensionGetsAu)
{
    // Wine's Open dialog tests that a typed name exists before it appends
    // the default extension (Windows appends first), so a file of the bare
    // name must exist too for the dialog to accept it here.
    WriteFile(folder.Path("voice"), {1});
    HWND open = Browse(IDC_BROWSE_INPUT);
    ASSERT_NE(open, nullptr);
    Choose(open, folder.Path("voice"));
    ASSERT_TRUE(WaitGone(open)) << "the Open dialog did not take the name";
    EXPECT_EQ(::lstrcmpiA(WindowText(Item(IDC_INPUT_PATH)).c_str(), folder.Path("voice.au").c_str()), 0)
        << WindowText(Item(IDC_INPUT_PATH));
}

TEST_F(FileDialogs, CancelLeavesBothFields)
{
    for (int button : {IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT}) {
        SCOPED_TRACE(button);
        SetText(Item(IDC_INPUT_PATH), folder.Path("voice.au"));
        SetText(Item(IDC_OUTPUT_PATH), "elsewhere.zqa");  // not the proposal
        HWND fileDialog = Browse(button);
        ASSERT_NE(fileDialog, nullptr);
        CancelDialog(fileDialog);
        ASSERT_TRUE(WaitGone(fileDialog));
        EXPECT_EQ(WindowText(Item(IDC_INPUT_PATH)), folder.Path("voice.au"));
        EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), "elsewhere.zqa");
    }
}

TEST_F(FileDialogs, SaveDialogStartsFromTheProposalMadeFromTheInput)
{
    SetText(Item(IDC_INPUT_PATH), folder.Path("voice.au"));
    SetText(Item(IDC_OUTPUT_PATH), "ignored.zqa");
    HWND save = Browse(IDC_BROWSE_OUTPUT);
    ASSERT_NE(save, nullptr) << "no Save dialog";
    EXPECT_EQ(WindowText(save), "Save As");
    EXPECT_EQ(::GetWindow(save, GW_OWNER), dialog);
    EXPECT_EQ(Filters(save), (std::vector<std::string>{"Pardune Audio Files (*.zqa)", "All Files (*.*)"}));
    EXPECT_EQ(NameText(save), "voice.zqa");  // the dialog opens in the proposal's folder
    ::PostMessageA(::GetDlgItem(save, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitGone(save));
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), folder.Path("voice.zqa"));
    EXPECT_EQ(WindowText(Item(IDC_INPUT_PATH)), folder.Path("voice.au"));
}

TEST_F(FileDialogs, SaveProposalsFollowTheNameRule)
{
    struct Case {
        std::string input;
        const char* shown;
    };
    const Case cases[] = {
        {"", "Output.zqa"},
        {"voice", "voice.zqa"},
        {"voice.take2.AU", "voice.take2.zqa"},
        {"voice.au", "voice.zqa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("input \"" + c.input + "\"");
        SetText(Item(IDC_INPUT_PATH), c.input);
        HWND save = Browse(IDC_BROWSE_OUTPUT);
        ASSERT_NE(save, nullptr);
        EXPECT_EQ(NameText(save), c.shown);
        CancelDialog(save);
        ASSERT_TRUE(WaitGone(save));
    }
}

TEST_F(FileDialogs, RelativeInputGivesABareProposalAndAFullChosenPath)
{
    SetText(Item(IDC_INPUT_PATH), "voice.au");
    HWND save = Browse(IDC_BROWSE_OUTPUT);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(NameText(save), "voice.zqa");
    ::PostMessageA(::GetDlgItem(save, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitGone(save));
    const std::string chosen = WindowText(Item(IDC_OUTPUT_PATH));
    EXPECT_EQ(chosen.substr(1, 2), ":\\") << chosen;
    EXPECT_EQ(chosen.substr(chosen.size() - 10), "\\voice.zqa") << chosen;
}

TEST_F(FileDialogs, LongProposalArrivesCutTo259Bytes)
{
    const std::string stem(300, 'a');
    SetText(Item(IDC_INPUT_PATH), stem + ".au");
    HWND save = Browse(IDC_BROWSE_OUTPUT);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(NameText(save), std::string(259, 'a'));
    CancelDialog(save);
    ASSERT_TRUE(WaitGone(save));
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), "");
}

TEST_F(FileDialogs, TypedOutputNameGetsZqaAndAnExistingFileAsksFirst)
{
    HWND save = Browse(IDC_BROWSE_OUTPUT);
    ASSERT_NE(save, nullptr);
    Choose(save, folder.Path("fresh"));
    ASSERT_TRUE(WaitGone(save));
    EXPECT_EQ(::lstrcmpiA(WindowText(Item(IDC_OUTPUT_PATH)).c_str(), folder.Path("fresh.zqa").c_str()), 0)
        << WindowText(Item(IDC_OUTPUT_PATH));

    WriteFile(folder.Path("exists.zqa"), {1});
    SetText(Item(IDC_OUTPUT_PATH), "");
    save = Browse(IDC_BROWSE_OUTPUT);
    ASSERT_NE(save, nullptr);
    Choose(save, folder.Path("exists.zqa"));
    HWND question = program.WaitForOwnedWindow(save);
    ASSERT_NE(question, nullptr) << "no confirmation before an existing file is chosen";
    EXPECT_EQ(ReadMessageBox(question).buttons.size(), 2u) << "not a Yes/No question";
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), "") << "chosen before the user confirmed";
    ::PostMessageA(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(WaitGone(save));
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), folder.Path("exists.zqa"));
    EXPECT_EQ(ReadFile(folder.Path("exists.zqa")), (std::vector<unsigned char>{1})) << "the dialog wrote the file";
}

TEST_F(FileDialogs, EnterOnAFocusedBrowseButtonOpensItsDialog)
{
    ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_BROWSE_OUTPUT)), TRUE);
    ASSERT_TRUE(program.WaitForFocus(Item(IDC_BROWSE_OUTPUT)));
    program.PressKey(VK_RETURN);
    HWND save = program.WaitForWindow("#32770", nullptr, dialog);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(WindowText(save), "Save As");
    CancelDialog(save);
    ASSERT_TRUE(WaitGone(save));
}
