#pragma once

#include "CDataExchange.h"
#include "CWnd.h"

// The base offset of the help context that a dialog answers with: the
// dialog's template number is added to it.
inline constexpr DWORD HID_BASE_RESOURCE = 0x20000;

// A modal dialog made from a dialog template in the program's resources.
//
// A program overrides OnInitDialog (calling this class's first),
// DoDataExchange, OnOK and OnCancel as it needs; DoModal, EndDialog and the
// message routing are the framework's and are not overridden.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Shows the dialog and runs its modal loop. Returns the EndDialog
    // result, or -1 when the dialog could not be shown.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL OnCmdMsg(UINT nID, UINT nCode) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // TRUE when the framework should centre the dialog after OnInitDialog:
    // the template does not place it itself and OnInitDialog did not move
    // or show it.
    virtual BOOL CheckAutoCenter();

    UINT m_nIDHelp;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    DWORD m_templateStyle = 0;
    RECT m_rectBeforeInit{};
};
