#pragma once

#include "CCmdTarget.h"
#include "CMenu.h"
#include "CString.h"

// A window the framework routes messages for. Its only state is the handle
// and the window procedure it replaced; the window itself belongs to
// Windows (a dialog, or a control of one) and is destroyed there.
//
// A program overrides the message handlers below by naming them in its
// message map; each default passes the message to Default(). It must not
// override WindowProc or OnWndMsg.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The framework object attached to a window, if any.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Routes the window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int GetWindowText(CString& text) const;
    void SetWindowText(LPCSTR text);
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;
    CMenu GetSystemMenu(BOOL bRevert) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // Centres over the owner (or `alternateOwner`), or over the work area
    // when there is none or it is hidden or minimised; kept inside the
    // work area either way.
    void CenterWindow(CWnd* alternateOwner = nullptr);

protected:
    // Handlers with their one signature each; see MessageMap.h.
    void OnPaint();
    void OnSysCommand(UINT nID, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    // F1: asks the application for help (ID_HELP) unless Shift, Ctrl or Alt is held.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    // The processing the window had before it was subclassed, for the
    // message being handled now.
    LRESULT Default();

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy() {}

    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK RouteMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    WNDPROC m_pfnSuper = nullptr;
    CurrentMessage m_current{};
};
