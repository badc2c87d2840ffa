#pragma once

#include <windows.h>

class CWnd;

// The context of one data exchange between a dialog and its members.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Attaches control `nIDC` of the dialog to `rControl` the first time it runs
// for that member; later runs do nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
