#include "Driver.h"

#include <cstdio>

namespace driver {

std::string g_programPath;
std::string g_screenshotDir;

std::string WindowText(HWND window)
{
    char text[1024] = "";
    ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                          nullptr);
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

LONG Style(HWND window) { return ::GetWindowLongA(window, GWL_STYLE); }
LONG ExStyle(HWND window) { return ::GetWindowLongA(window, GWL_EXSTYLE); }

std::string Hex(unsigned long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (::GetTickCount() - start < milliseconds);
}


Program::Program(const std::string& exePath, const std::string& arguments)
{
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &m_process))
        m_process = PROCESS_INFORMATION{};
    else
        ::WaitForInputIdle(m_process.hProcess, 10000);
}

Program::~Program()
{
    if (m_probeHook != nullptr)
        ::UnhookWindowsHookEx(m_probeHook);
    if (m_process.hProcess != nullptr) {
        if (Running()) {
            ::TerminateProcess(m_process.hProcess, 1);
            ::WaitForSingleObject(m_process.hProcess, 5000);
        }
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
}

bool Program::Running() const
{
    return m_process.hProcess != nullptr && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (Running()) {
        if (::GetTickCount() - start > milliseconds)
            return false;
        PumpFor(20);
    }
    return true;
}

namespace {
struct Search {
    DWORD processId;
    const char* className;
    const char* caption;
    HWND except;
    HWND found;
    HWND owner = nullptr;  // when set, only windows it owns
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || window == search->except || !::IsWindowVisible(window))
        return TRUE;
    if (search->className && ClassName(window) != search->className)
        return TRUE;
    if (search->caption && WindowText(window) != search->caption)
        return TRUE;
    if (search->owner && ::GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND Program::FindVisibleWindow(const char* className, const char* caption, HWND except) const
{
    Search search{m_process.dwProcessId, className, caption, except, nullptr};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::WaitForWindow(const char* className, const char* caption, HWND except, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND found = FindVisibleWindow(className, caption, except))
            return found;
        if (::GetTickCount() - start > milliseconds || !Running())
            return nullptr;
        PumpFor(20);
    }
}

HWND Program::WaitForOwnedWindow(HWND owner, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        Search search{m_process.dwProcessId, nullptr, nullptr, nullptr, nullptr, owner};
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        if (::GetTickCount() - start > milliseconds || !Running())
            return nullptr;
        PumpFor(20);
    }
}

HWND Program::WaitForDialog(const char* caption, DWORD milliseconds)
{
    HWND dialog = WaitForWindow("#32770", caption, nullptr, milliseconds);
    if (dialog != nullptr)
        PumpFor(100);  // let the dialog manager finish setting the focus
    return dialog;
}

HWND Program::Focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(m_process.dwThreadId, &info);
    return info.hwndFocus;
}

HWND Program::ActiveWindow() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(m_process.dwThreadId, &info);
    return info.hwndActive;
}

void Program::PressKey(UINT virtualKey)
{
    HWND target = Focus();
    if (target == nullptr)
        target = ActiveWindow();
    const UINT scan = ::MapVirtualKeyA(virtualKey, 0);
    ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | scan << 16);
    ::PostMessageA(target, WM_KEYUP, virtualKey, 1 | scan << 16 | 0xC0000000u);
    PumpFor(50);
}

void Program::TypeKey(HWND window, UINT virtualKey)
{
    ::SetForegroundWindow(window);
    PumpFor(100);
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = static_cast<WORD>(virtualKey);
    keys[0].ki.wScan = keys[1].ki.wScan = static_cast<WORD>(::MapVirtualKeyA(virtualKey, 0));
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
    PumpFor(50);
}

bool Program::WaitForFocus(HWND control, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (Focus() != control) {
        if (::GetTickCount() - start > milliseconds)
            return false;
        PumpFor(10);
    }
    return true;
}

HWND Program::WaitForFocusChange(HWND previous, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    HWND focus = Focus();
    while (focus == previous && ::GetTickCount() - start < milliseconds) {
        PumpFor(10);
        focus = Focus();
    }
    return focus;
}

bool Program::Ask(HWND window, ProbeQuery query, LPARAM argument, ProbeResult& result)
{
    static const HANDLE mapping =
        ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeResult), kProbeMappingName);
    static const HANDLE done = ::CreateEventA(nullptr, FALSE, FALSE, kProbeDoneEventName);
    static const UINT probeMessage = ::RegisterWindowMessageA(kProbeMessageName);
    if (m_probeHook == nullptr) {
        const HMODULE probe = ::LoadLibraryA("probe.dll");
        const auto hook = probe ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(probe, "ProbeGetMessageHook"))) : nullptr;
        if (hook == nullptr)
            return false;
        m_probeHook = ::SetWindowsHookExA(WH_GETMESSAGE, hook, probe, m_process.dwThreadId);
        if (m_probeHook == nullptr)
            return false;
    }
    ::ResetEvent(done);
    ::PostMessageA(window, probeMessage, query, argument);
    if (::WaitForSingleObject(done, 5000) != WAIT_OBJECT_0)
        return false;
    const auto* view = static_cast<const ProbeResult*>(::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof result));
    if (view == nullptr)
        return false;
    result = *view;
    ::UnmapViewOfFile(view);
    return result.query == query;
}

MessageBoxView ReadMessageBox(HWND box)
{
    MessageBoxView view;
    view.caption = WindowText(box);
    view.owner = ::GetWindow(box, GW_OWNER);
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string className = ClassName(child);
        const LONG style = Style(child);
        if (className == "Button" && (style & WS_VISIBLE))
            view.buttons.push_back(WindowText(child));
        else if (className == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            view.icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        else if (className == "Static" && (style & WS_VISIBLE) && !WindowText(child).empty())
            view.text = WindowText(child);
    }
    return view;
}

bool WaitGone(HWND window, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (::IsWindow(window)) {
        if (::GetTickCount() - start > milliseconds)
            return false;
        PumpFor(10);
    }
    PumpFor(100);
    return true;
}

bool DismissMessageBox(HWND box)
{
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitGone(box, 5000);
}

void SetText(HWND control, const std::string& text)
{
    ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND Convert(Program& program, HWND dialog)
{
    ::PostMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return program.WaitForWindow("#32770", nullptr, dialog);
}

MessageBoxView ConvertAndRead(Program& program, HWND dialog)
{
    HWND box = Convert(program, dialog);
    if (box == nullptr)
        return {};
    MessageBoxView view = ReadMessageBox(box);
    DismissMessageBox(box);
    return view;
}

}  // namespace driver
