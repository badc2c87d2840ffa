#include "CWnd.h"

#include <string>

#include "CWinApp.h"

namespace {
// The window property that holds a window's framework object.
constexpr char kObjectProperty[] = "Sonvale.CWnd";
}  // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_hWnd != nullptr)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty)) : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    if (!::SetPropA(hWnd, kObjectProperty, this))
        return FALSE;
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::RouteMessage)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return pParent != nullptr && SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    const HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CALLBACK CWnd::RouteMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone: the object no longer refers to it, and the
        // application no longer has it as its main window.
        wnd->UnsubclassWindow();
        if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == wnd)
            app->m_pMainWnd = nullptr;
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = Default();
    m_current = saved;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 0;
        return TRUE;
    }
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    switch (entry->signature) {
    case HandlerSignature::Void:
        (this->*reinterpret_cast<void (CWnd::*)()>(entry->handler))();
        *result = 0;
        return TRUE;
    case HandlerSignature::SysCommand:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, LPARAM)>(entry->handler))(static_cast<UINT>(wParam), lParam);
        *result = 0;
        return TRUE;
    case HandlerSignature::QueryDragIcon:
        *result = reinterpret_cast<LRESULT>((this->*reinterpret_cast<HCURSOR (CWnd::*)()>(entry->handler))());
        return TRUE;
    case HandlerSignature::HelpInfo:
        *result = (this->*reinterpret_cast<BOOL (CWnd::*)(HELPINFO*)>(entry->handler))(
            reinterpret_cast<HELPINFO*>(lParam));
        return TRUE;
    case HandlerSignature::Message:
        *result = (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(entry->handler))(wParam, lParam);
        return TRUE;
    case HandlerSignature::Command:
    case HandlerSignature::End:
        break;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Menus and accelerators give code 0 or 1 with no control; both are commands.
    const UINT code = lParam == 0 ? 0 : HIWORD(wParam);
    return OnCmdMsg(LOWORD(wParam), code);
}

LRESULT CWnd::Default()
{
    if (m_pfnSuper == nullptr)
        return ::DefWindowProcA(m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

void CWnd::OnPaint() { Default(); }

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

BOOL CWnd::OnHelpInfo(HELPINFO* pHelpInfo)
{
    const bool modifierDown = (::GetKeyState(VK_SHIFT) | ::GetKeyState(VK_CONTROL) | ::GetKeyState(VK_MENU)) & 0x8000;
    CWnd* main = AfxGetMainWnd();
    if (modifierDown || main == nullptr || main->m_hWnd == nullptr)
        return FALSE;
    // A message box may pass one F1 on to its owner twice (its own handler
    // and then default processing both do, under Wine): one key press asks
    // for help once.
    static LONG lastKeyTime = 0;
    static HANDLE lastItem = nullptr;
    const LONG keyTime = ::GetMessageTime();
    const HANDLE item = pHelpInfo ? pHelpInfo->hItemHandle : nullptr;
    if (keyTime == lastKeyTime && item == lastItem)
        return TRUE;
    lastKeyTime = keyTime;
    lastItem = item;
    main->SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return m_hWnd ? ::SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

int CWnd::GetWindowText(CString& text) const
{
    if (m_hWnd == nullptr) {
        text.Empty();
        return 0;
    }
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int got = ::GetWindowTextA(m_hWnd, &buffer[0], length + 1);
    buffer.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    text = CString(buffer);
    return got;
}

void CWnd::SetWindowText(LPCSTR text)
{
    if (m_hWnd != nullptr)
        ::SetWindowTextA(m_hWnd, text);
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(RECT* rect) const
{
    if (m_hWnd != nullptr)
        ::GetClientRect(m_hWnd, rect);
}

CMenu CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu(m_hWnd ? ::GetSystemMenu(m_hWnd, bRevert) : nullptr);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (m_hWnd == nullptr)
        return;
    HWND center = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (center != nullptr && (!::IsWindowVisible(center) || ::IsIconic(center)))
        center = nullptr;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(center ? center : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    RECT around = work;
    if (center != nullptr)
        ::GetWindowRect(center, &around);

    RECT self{};
    ::GetWindowRect(m_hWnd, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int left = (around.left + around.right) / 2 - width / 2;
    int top = (around.top + around.bottom) / 2 - height / 2;
    if (left + width > work.right)
        left = work.right - width;
    if (left < work.left)
        left = work.left;
    if (top + height > work.bottom)
        top = work.bottom - height;
    if (top < work.top)
        top = work.top;
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
