#pragma once

#include <string>

#include "CCmdTarget.h"

class CWnd;

// The help command, sent to the main window by F1.
inline constexpr UINT ID_HELP = 0xE146;

// The application object. A program derives one class from it, makes one
// global instance, and overrides InitInstance (and its message map, for
// ID_HELP). Start-up runs through AfxWinMain, called from the framework's
// WinMain; the program does not write a WinMain of its own.
class CWinApp : public CCmdTarget {
public:
    // A null name makes the framework take the executable's base name.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName = nullptr;       // caption of every message box
    LPCSTR m_pszHelpFilePath = nullptr;  // the executable's path with ".HLP"
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;          // emptied when its window is destroyed

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop, for programs whose InitInstance returns TRUE.
    virtual int Run();

    // Shows a message box captioned with the application name and owned by
    // whatever the main window shows on top.
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // Starts the system help engine on m_pszHelpFilePath.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // The 3-D look: native on Windows 4.0 and later, where this does nothing.
    BOOL Enable3dControlsStatic();

    // The handler for ID_HELP: asks the focused window and then its parents
    // and owners for a help context, and shows that topic.
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);
    void SetNamesFromModule(const std::string& modulePath);

    std::string m_appName;
    std::string m_helpFilePath;
    bool m_helpFailureShown = false;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
// Shows `lpszText` through the application's DoMessageBox; returns the
// button that closed the box.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
