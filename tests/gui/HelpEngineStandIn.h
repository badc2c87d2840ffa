#pragma once

// Stands in for the system help engine: Wine's WinHelp looks for a window
// of class "MS_WINHELP" and sends it WM_COPYDATA with the request. While
// one of these exists, the driver sees the help file and context a program
// asks for instead of a help viewer starting.
#include <windows.h>

#include <string>

class HelpEngineStandIn {
public:
    // `answers`: whether it reports the request as taken; an engine that
    // does not makes WinHelp fail.
    explicit HelpEngineStandIn(bool answers = true);
    ~HelpEngineStandIn();
    HelpEngineStandIn(const HelpEngineStandIn&) = delete;
    HelpEngineStandIn& operator=(const HelpEngineStandIn&) = delete;

    // Pumps messages until a request arrives; false after the timeout.
    bool WaitForRequest(DWORD milliseconds);
    int Requests() const { return m_requests; }
    const std::string& File() const { return m_file; }
    WORD Command() const { return m_command; }
    LONG Context() const { return m_context; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool m_answers;
    HWND m_window = nullptr;
    int m_requests = 0;
    std::string m_file;
    WORD m_command = 0;
    LONG m_context = 0;
};
