#include "CWinApp.h"

#include "CWnd.h"
#include "FrameworkRules.h"

namespace {
CWinApp* g_app = nullptr;

bool IsSystemLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

std::string ModuleFileName(HINSTANCE instance)
{
    // Paths may be longer than MAX_PATH; grow until the name fits.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::string buffer(size, '\0');
        const DWORD length = ::GetModuleFileNameA(instance, &buffer[0], size);
        if (length == 0)
            return std::string();
        if (length < size) {
            buffer.resize(length);
            return buffer;
        }
    }
    return std::string();
}
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    if (lpszAppName != nullptr) {
        m_appName = lpszAppName;
        m_pszAppName = m_appName.c_str();
    }
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

HINSTANCE AfxGetResourceHandle()
{
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

void CWinApp::SetNamesFromModule(const std::string& modulePath)
{
    if (m_pszAppName == nullptr) {
        m_appName = FrameworkRules::ApplicationNameFromModulePath(modulePath, IsSystemLeadByte);
        m_pszAppName = m_appName.c_str();
    }
    m_helpFilePath = FrameworkRules::HelpFilePathFromModulePath(modulePath, IsSystemLeadByte);
    m_pszHelpFilePath = m_helpFilePath.c_str();
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run()
{
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return ExitInstance();
}

BOOL CWinApp::Enable3dControlsStatic()
{
    // Windows 4.0 and later draw dialogs in 3-D themselves; nothing to switch on.
    return LOBYTE(LOWORD(::GetVersion())) >= 4;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND owner = nullptr;
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
        owner = ::GetLastActivePopup(m_pMainWnd->m_hWnd);
    return ::MessageBoxA(owner, lpszPrompt, m_pszAppName, FrameworkRules::MessageBoxTypeWithIcon(nType));
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* app = AfxGetApp())
        return app->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(nullptr, lpszText, nullptr, FrameworkRules::MessageBoxTypeWithIcon(nType));
}

void CWinApp::OnHelp()
{
    if (m_helpFailureShown)
        return;
    HWND window = ::GetFocus();
    if (window == nullptr && m_pMainWnd != nullptr)
        window = m_pMainWnd->m_hWnd;
    // GetParent gives a child's parent and a pop-up's owner: the chain runs
    // from a message box's button to the box and on to the dialog it is over.
    for (; window != nullptr; window = ::GetParent(window)) {
        const LRESULT context = ::SendMessageA(window, WM_COMMANDHELP, 0, 0);
        if (context != 0) {
            WinHelp(static_cast<DWORD_PTR>(context), HELP_CONTEXT);
            return;
        }
    }
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    const HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514) /*IDC_WAIT*/));
    const BOOL started = ::WinHelpA(owner, m_pszHelpFilePath, nCmd, dwData);
    ::SetCursor(previous);
    if (!started) {
        m_helpFailureShown = true;
        AfxMessageBox("Failed to launch help.");
        m_helpFailureShown = false;
    }
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    // Critical hardware conditions (a drive without a medium) fail quietly
    // to the caller, which reports them in its own words.
    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    app->m_hInstance = hInstance;
    app->SetNamesFromModule(ModuleFileName(hInstance));

    if (!app->InitApplication() || !app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
