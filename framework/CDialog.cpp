#include "CDialog.h"

#include "CWinApp.h"

namespace {

// The dialog whose window is being created. The dialog manager calls the
// dialog procedure before DialogBoxIndirectParam returns, which is when the
// window is attached. One thread runs every dialog, so one slot is enough.
CDialog* g_dialogBeingCreated = nullptr;

DWORD ReadLittleEndian32(const BYTE* bytes)
{
    return DWORD{bytes[0]} | DWORD{bytes[1]} << 8 | DWORD{bytes[2]} << 16 | DWORD{bytes[3]} << 24;
}

// The style of a DIALOG or DIALOGEX template.
DWORD TemplateStyle(const BYTE* dialogTemplate)
{
    const bool extended = dialogTemplate[0] == 1 && dialogTemplate[1] == 0 && dialogTemplate[2] == 0xFF &&
                          dialogTemplate[3] == 0xFF;
    return ReadLittleEndian32(dialogTemplate + (extended ? 12 : 0));
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_COMMANDHELP, &CDialog::OnCommandHelp)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    const HINSTANCE instance = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(5) /*RT_DIALOG*/);
    const HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    const auto* dialogTemplate = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    if (dialogTemplate == nullptr)
        return -1;
    m_templateStyle = TemplateStyle(dialogTemplate);

    // Without a parent, the dialog is owned by whatever the main window
    // shows on top, so that it is modal to the program.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main != this && main->m_hWnd != nullptr)
            owner = ::GetLastActivePopup(main->m_hWnd);
    }

    g_dialogBeingCreated = this;
    const INT_PTR result = ::DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate),
                                                     owner, &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    g_dialogBeingCreated = nullptr;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The first message that reaches here (WM_SETFONT, or WM_INITDIALOG)
    // attaches the window; from then on every message goes through the
    // message map first and comes here only as default processing.
    if (g_dialogBeingCreated != nullptr && CWnd::FromHandlePermanent(hWnd) == nullptr) {
        CDialog* dialog = g_dialogBeingCreated;
        g_dialogBeingCreated = nullptr;
        dialog->SubclassWindow(hWnd);
        if (message == WM_INITDIALOG)
            return dialog->HandleInitDialog(wParam, lParam);
    }
    return FALSE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    ::GetWindowRect(m_hWnd, &m_rectBeforeInit);
    const BOOL result = OnInitDialog();
    if (m_hWnd != nullptr && CheckAutoCenter())
        CenterWindow();
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::CheckAutoCenter()
{
    if (m_templateStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN))
        return FALSE;
    if (::IsWindowVisible(m_hWnd))
        return FALSE;
    RECT now{};
    ::GetWindowRect(m_hWnd, &now);
    return now.left == m_rectBeforeInit.left && now.top == m_rectBeforeInit.top;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnCmdMsg(UINT nID, UINT nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    // Commands a dialog does not handle go to the application (ID_HELP).
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode);
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam != 0)
        return lParam;
    return m_nIDHelp != 0 ? HID_BASE_RESOURCE + m_nIDHelp : 0;
}
