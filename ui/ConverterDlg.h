#pragma once

#include "AfxWin.h"

// The main window: input and output path fields, their Browse buttons, and
// Convert, which runs one conversion and reports it in a message box.
class CConverterDlg : public CDialog {
public:
    explicit CConverterDlg(CWnd* pParent = nullptr);
    ~CConverterDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Convert (the default button, and Enter): never ends the dialog.
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBrowseInput();
    void OnBrowseOutput();

    DECLARE_MESSAGE_MAP()

private:
    CEdit m_editOutput;
    CEdit m_editInput;
    HICON m_hIcon;  // shared icon from the program's resources; never freed
};
