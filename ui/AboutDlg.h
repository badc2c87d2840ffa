#pragma once

#include "AfxWin.h"

// Names the program and its version; opened from the system menu.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
