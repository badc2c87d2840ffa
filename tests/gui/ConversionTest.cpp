// Convert as a user presses it: the message box that answers, the file
// written, and the dialog afterwards.
#include <gtest/gtest.h>

#include "ConverterFixture.h"
#include "Driver.h"
#include "PackingModel.h"
#include "Resource.h"

using namespace driver;

namespace {

class Conversion : public ConverterFixture {
protected:

    // Types both paths, presses Convert, reads the message box and presses
    // its OK; returns the box as the user saw it.
    MessageBoxView ConvertWith(const std::string& input, const std::string& output)
    {
        SetText(Item(IDC_INPUT_PATH), input);
        SetText(Item(IDC_OUTPUT_PATH), output);
        return ConvertAndRead(program, dialog);
    }

    TempDir folder;
};

}  // namespace

TEST_F(Conversion, EnterWithEmptyFieldsReportsTheInputAndTheDialogTakesInputAgain)
{
    program.PressKey(VK_RETURN);
    HWND box = program.WaitForWindow("#32770", nullptr, dialog);
    ASSERT_NE(box, nullptr) << "no message box";
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.caption, "Sonvale");
    EXPECT_EQ(view.text, "Cannot open Input file.");
    ASSERT_EQ(view.buttons.size(), 1u);
    EXPECT_EQ(view.buttons[0], "OK");
    EXPECT_EQ(view.owner, dialog);
    ProbeResult icon{};
    ASSERT_TRUE(program.Ask(box, ProbeMessageBoxIcon, 0, icon));
    EXPECT_EQ(icon.iconKind, IconExclamation);
    // While the box is up the dialog takes no input.
    EXPECT_FALSE(::IsWindowEnabled(dialog));

    ASSERT_TRUE(DismissMessageBox(box));
    EXPECT_TRUE(::IsWindowEnabled(dialog));
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(WindowText(Item(IDC_INPUT_PATH)), "");
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), "");
    // And at once a second run.
    program.PressKey(VK_RETURN);
    box = program.WaitForWindow("#32770", nullptr, dialog);
    ASSERT_NE(box, nullptr) << "the dialog did not take Enter again";
    EXPECT_EQ(ReadMessageBox(box).text, "Cannot open Input file.");
    DismissMessageBox(box);
}

TEST_F(Conversion, TypedPathsGiveThePackedFileByteForByte)
{
    const Bytes input = Concat(AuHeader(28, {1, 2, 3, 4}), PseudoRandomBytes(100001, 11));
    WriteFile(folder.Path("voice.au"), input);
    const MessageBoxView view = ConvertWith(folder.Path("voice.au"), folder.Path("voice.zqa"));
    EXPECT_EQ(view.text, "Velloc Audio file saved successfully.");
    EXPECT_EQ(view.caption, "Sonvale");
    EXPECT_TRUE(ReadFile(folder.Path("voice.zqa")) == ModelPackedFile(input));
    // The fields keep their texts and the dialog stays.
    EXPECT_EQ(WindowText(Item(IDC_INPUT_PATH)), folder.Path("voice.au"));
    EXPECT_EQ(WindowText(Item(IDC_OUTPUT_PATH)), folder.Path("voice.zqa"));
    EXPECT_TRUE(program.Running());

    const Bytes small = Concat(AuHeader(24), {128, 16, 200});
    WriteFile(folder.Path("small.au"), small);
    EXPECT_EQ(ConvertWith(folder.Path("small.au"), folder.Path("small.zqa")).text,
              "Velloc Audio file saved successfully.");
    EXPECT_EQ(ReadFile(folder.Path("small.zqa")), Concat(AuHeader(24), {0x90, 0xF0}));
}

TEST_F(Conversion, EveryOutcomeHasItsMessage)
{
    WriteFile(folder.Path("good.au"), Concat(AuHeader(24), {1, 2, 3}));
    WriteFile(folder.Path("song.wav"), {0x52, 0x49, 0x46, 0x46, 0, 0, 0, 0});
    WriteFile(folder.Path("kept.zqa"), {7, 7, 7});
    struct Case {
        std::string input;
        std::string output;
        const char* message;
    };
    const Case cases[] = {
        {folder.Path("missing.au"), folder.Path("a.zqa"), "Cannot open Input file."},
        {folder.Path("good.au"), folder.Path("no-such-folder\\a.zqa"), "Cannot open Output file."},
        {folder.Path("song.wav"), folder.Path("kept.zqa"), "Not a valid AU file."},
        {folder.Path("good.au"), folder.Path("GOOD.AU"), "Input and Output file are the same."},
        {folder.Path("good.au"), folder.Path(".\\good.au"), "Input and Output file are the same."},
        // Wine reaches the Unix devices through drive Z:.
        {folder.Path("good.au"), "Z:\\dev\\full", "Cannot write Output file."},
        {"Z:\\proc\\self\\mem", folder.Path("a.zqa"), "Cannot read Input file."},
        {folder.Path("good.au"), folder.Path("b.zqa"), "Velloc Audio file saved successfully."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input + " -> " + c.output);
        const MessageBoxView view = ConvertWith(c.input, c.output);
        EXPECT_EQ(view.text, c.message);
        EXPECT_EQ(view.caption, "Sonvale");
        ASSERT_TRUE(program.Running());
    }
    // Refused runs touched nothing.
    EXPECT_EQ(ReadFile(folder.Path("kept.zqa")), (Bytes{7, 7, 7}));
    EXPECT_EQ(ReadFile(folder.Path("good.au")), Concat(AuHeader(24), {1, 2, 3}));
    EXPECT_FALSE(FileExists(folder.Path("a.zqa")));
}
