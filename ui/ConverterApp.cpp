#include "ConverterApp.h"

#include "ConverterDlg.h"

BEGIN_MESSAGE_MAP(CConverterApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object, constructed before WinMain runs.
CConverterApp theApp;

// No name: the framework names the program after its executable file.
CConverterApp::CConverterApp() = default;

BOOL CConverterApp::InitInstance()
{
    Enable3dControlsStatic();

    CConverterDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog's window is gone, so the framework has emptied m_pMainWnd.

    // The dialog was the program's whole life: no message loop follows.
    return FALSE;
}
