#include "ConverterDlg.h"

#include "AboutDlg.h"
#include "ConvertAudioFile.h"
#include "FrameworkRules.h"
#include "ProposeOutputName.h"
#include "Resource.h"

namespace {

const char kOpenFilter[] = "Sun 8-bit Audio Files (*.au)|*.au|All Files (*.*)|*.*||";
const char kSaveFilter[] = "Pardune Audio Files (*.zqa)|*.zqa|All Files (*.*)|*.*||";

bool IsSystemLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

BEGIN_MESSAGE_MAP(CConverterDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BROWSE_INPUT, &CConverterDlg::OnBrowseInput)
    ON_BN_CLICKED(IDC_BROWSE_OUTPUT, &CConverterDlg::OnBrowseOutput)
END_MESSAGE_MAP()

CConverterDlg::CConverterDlg(CWnd* pParent)
    : CDialog(IDD_CONVERTER_DIALOG, pParent),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

CConverterDlg::~CConverterDlg() = default;

void CConverterDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_editOutput);
    DDX_Control(pDX, IDC_INPUT_PATH, m_editInput);
}

BOOL CConverterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu systemMenu = GetSystemMenu(FALSE);
    if (systemMenu.GetSafeHmenu() != nullptr) {
        CString aboutText;
        aboutText.LoadString(IDS_ABOUTBOX);
        if (!aboutText.IsEmpty()) {
            systemMenu.AppendMenu(MF_SEPARATOR);
            systemMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_editInput.SetWindowText("");
    m_editOutput.SetWindowText("");
    return TRUE;  // the dialog manager focuses the first tab stop, Convert
}

void CConverterDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    // The system keeps the four low bits of a command for itself.
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CConverterDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect{};
    GetClientRect(&rect);
    const FrameworkRules::Point origin =
        FrameworkRules::MinimisedIconOrigin(rect.left, rect.top, rect.right, rect.bottom, cxIcon, cyIcon);
    dc.DrawIcon(origin.x, origin.y, m_hIcon);
}

HCURSOR CConverterDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CConverterDlg::OnOK()
{
    CString input;
    CString output;
    m_editInput.GetWindowText(input);
    m_editOutput.GetWindowText(output);
    ConvertAudioFile(input.Str(), output.Str(), [](const std::string& text) { AfxMessageBox(text.c_str(), MB_OK, 0); });
}

void CConverterDlg::OnBrowseInput()
{
    CFileDialog dlg(TRUE, "au", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kOpenFilter, this);
    if (dlg.DoModal() == IDOK)
        m_editInput.SetWindowText(dlg.GetPathName());
}

void CConverterDlg::OnBrowseOutput()
{
    CString input;
    m_editInput.GetWindowText(input);
    const CString proposal(ProposeOutputName(input.Str(), IsSystemLeadByte));
    CFileDialog dlg(FALSE, "ZQA", proposal, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, kSaveFilter, this);
    if (dlg.DoModal() == IDOK)
        m_editOutput.SetWindowText(dlg.GetPathName());
}
