#pragma once

#include <windows.h>
#include <commdlg.h>

#include "CString.h"

class CWnd;

// The system's Open or Save As dialog, run modally.
class CFileDialog {
public:
    // `lpszFilter` is "label|pattern|label|pattern||". The initial file name
    // is cut to what the 260-byte name buffer holds.
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file; IDCANCEL otherwise, the system
    // dialog's own failures included.
    INT_PTR DoModal();
    // The full path chosen; valid after DoModal gave IDOK.
    CString GetPathName() const;

    OPENFILENAMEA m_ofn;

private:
    static UINT_PTR CALLBACK HookProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    std::string m_defaultExtension;
    std::string m_filter;  // the filter with every "|" turned into a NUL
    char m_szFileName[260];
};
