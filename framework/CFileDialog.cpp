#include "CFileDialog.h"

#include <cstring>

#include "CWinApp.h"
#include "CWnd.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd), m_szFileName()
{
    if (lpszDefExt != nullptr)
        m_defaultExtension = lpszDefExt;
    if (lpszFileName != nullptr) {
        std::strncpy(m_szFileName, lpszFileName, sizeof m_szFileName - 1);
        m_szFileName[sizeof m_szFileName - 1] = '\0';
    }
    if (lpszFilter != nullptr) {
        m_filter = lpszFilter;
        for (char& c : m_filter) {
            if (c == '|')
                c = '\0';
        }
    }

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrDefExt = lpszDefExt ? m_defaultExtension.c_str() : nullptr;
    m_ofn.lpstrFilter = lpszFilter ? m_filter.c_str() : nullptr;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK;
    if (LOBYTE(LOWORD(::GetVersion())) >= 4)
        m_ofn.Flags |= OFN_EXPLORER;
    m_ofn.lpfnHook = &CFileDialog::HookProc;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND, UINT, WPARAM, LPARAM)
{
    // Everything is left to the system dialog; the hook only keeps the
    // Explorer-style dialog free of a template of the program's.
    return 0;
}

INT_PTR CFileDialog::DoModal()
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (parent == nullptr) {
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr)
            parent = ::GetLastActivePopup(main->m_hWnd);
    }
    m_ofn.hwndOwner = parent;
    m_ofn.hInstance = AfxGetResourceHandle();
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(m_ofn.lpstrFile); }
