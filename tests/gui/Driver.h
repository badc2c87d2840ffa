#pragma once

// Drives Sonvale.exe from another process, as a user would: through the
// windows it shows, the keys the dialog manager acts on, and the files it
// writes. Waits always look for a window to be visible, not just to exist.
#include <windows.h>

#include <string>
#include <vector>

#include "Probe.h"
#include "TestFiles.h"  // TempDir, ReadFile, WriteFile, FileExists

namespace driver {

// Set by main from the command line.
extern std::string g_programPath;     // Windows path of Sonvale.exe
extern std::string g_screenshotDir;   // empty: no screenshots

std::string WindowText(HWND window);
std::string ClassName(HWND window);
LONG Style(HWND window);
LONG ExStyle(HWND window);
std::string Hex(unsigned long value);

// Processes this thread's messages (the help engine stand-in needs them)
// while waiting.
void PumpFor(DWORD milliseconds);


// One run of the program. Ends it (if still running) when destroyed.
class Program {
public:
    explicit Program(const std::string& exePath = g_programPath, const std::string& arguments = "");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    DWORD ThreadId() const { return m_process.dwThreadId; }
    bool WaitForExit(DWORD milliseconds);
    bool Running() const;

    // The converter dialog once it is visible, or null after the timeout.
    HWND WaitForDialog(const char* caption = "Quillet - Sonvale", DWORD milliseconds = 20000);
    // A visible top-level window of this process, other than `except`,
    // with the given class (and caption when not null).
    HWND WaitForWindow(const char* className, const char* caption, HWND except, DWORD milliseconds = 10000);
    HWND FindVisibleWindow(const char* className, const char* caption, HWND except) const;
    // A visible top-level window of this process owned by `owner`.
    HWND WaitForOwnedWindow(HWND owner, DWORD milliseconds = 10000);

    // The control that has the keyboard focus in the program's thread.
    HWND Focus() const;
    HWND ActiveWindow() const;
    // Posts a key press to the focused control, for the dialog manager.
    void PressKey(UINT virtualKey);
    // Types a key on the (virtual) keyboard: a hardware key press that goes
    // to the foreground window, which this brings to the front first.
    void TypeKey(HWND window, UINT virtualKey);
    // Waits until `control` has the focus.
    bool WaitForFocus(HWND control, DWORD milliseconds = 5000);
    // Waits until the focus is somewhere else than `previous`.
    HWND WaitForFocusChange(HWND previous, DWORD milliseconds = 5000);

    // In-process questions through the probe DLL.
    bool Ask(HWND window, ProbeQuery query, LPARAM argument, ProbeResult& result);

private:
    PROCESS_INFORMATION m_process{};
    HHOOK m_probeHook = nullptr;
};

// What a user can see of a message box.
struct MessageBoxView {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // texts of its push buttons
    HICON icon = nullptr;
    HWND owner = nullptr;
};
MessageBoxView ReadMessageBox(HWND box);
// Presses OK and waits for the box to go.
bool DismissMessageBox(HWND box);

void SetText(HWND control, const std::string& text);

// Presses Convert and returns the message box that answers, or null.
HWND Convert(Program& program, HWND dialog);
// Presses Convert, reads the message box that answers and presses its OK.
MessageBoxView ConvertAndRead(Program& program, HWND dialog);

// Waits until a window is destroyed.
bool WaitGone(HWND window, DWORD milliseconds = 10000);

// Writes a PNG of the window (with its frame) into the screenshot folder.
bool SaveScreenshot(HWND window, const std::string& name);

}  // namespace driver
