#include "platform/dialog.h"

#include <charconv>
#include <map>

IMPLEMENT_DYNAMIC(CDialog, CObject)

namespace {

CDialogRunner* g_pRunner = nullptr;

std::map<int, COLORREF>& SysColors() {
    static std::map<int, COLORREF> colors{{COLOR_BTNFACE, RGB(239, 239, 239)}};
    return colors;
}

}  // namespace

bool CBrush::CreateSolidBrush(COLORREF cr) {
    m_crColor = cr;
    m_bCreated = true;
    return true;
}

CDialogRunner* AfxSetDialogRunner(CDialogRunner* pRunner) {
    CDialogRunner* pOld = g_pRunner;
    g_pRunner = pRunner;
    return pOld;
}

CDialogRunner* AfxGetDialogRunner() {
    return g_pRunner;
}

COLORREF AfxGetSysColor(int nIndex) {
    const auto it = SysColors().find(nIndex);
    return it == SysColors().end() ? RGB(0, 0, 0) : it->second;
}

void AfxSetSysColor(int nIndex, COLORREF cr) {
    SysColors()[nIndex] = cr;
}

int AfxGetSystemMetrics(int nIndex) {
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? 32 : 0;
}

void CWnd::Attach(CDialogHost* pHost, int nID) {
    m_pHost = pHost;
    m_nID = nID;
}

// An unbound control does nothing: the window it stood for is gone or not built yet.
void CWnd::EnableWindow(bool bEnable) {
    if (m_pHost) m_pHost->EnableControl(m_nID, bEnable);
}

void CWnd::SetWindowText(const std::string& strText) {
    if (m_pHost) m_pHost->SetControlText(m_nID, strText);
}

void CButton::SetCheck(int nCheck) {
    if (m_pHost) m_pHost->SetCheck(m_nID, nCheck);
}

int CButton::GetCheck() const {
    return m_pHost ? m_pHost->GetCheck(m_nID) : 0;
}

void CSpinButtonCtrl::SetRange(int nLower, int nUpper) {
    if (m_pHost) m_pHost->SetSpinRange(m_nID, nLower, nUpper);
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const {
    nLower = nUpper = 0;
    if (m_pHost) m_pHost->GetSpinRange(m_nID, nLower, nUpper);
}

void CSpinButtonCtrl::SetPos(int nPos) {
    if (m_pHost) m_pHost->SetSpinPos(m_nID, nPos);
}

int CSpinButtonCtrl::GetPos() const {
    return m_pHost ? m_pHost->GetSpinPos(m_nID) : 0;
}

void CListBox::ResetContent() {
    if (m_pHost) m_pHost->ResetList(m_nID);
}

void CListBox::AddString(const std::string& strLine, const std::string& strSpoken) {
    if (m_pHost) m_pHost->AddListLine(m_nID, strLine, strSpoken);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.IsBound()) pDX->m_pDlgWnd->BindControl(rControl, nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    CDialogHost* pHost = pDX->m_pDlgWnd->GetHost();
    if (pHost == nullptr) return;
    if (!pDX->m_bSaveAndValidate) {
        pHost->SetControlText(nIDC, std::to_string(value));
        return;
    }
    const std::string text = pHost->GetControlText(nIDC);
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        pDX->m_bFailed = true;
        return;
    }
    value = parsed;
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) pDX->m_bFailed = true;
}

CDialog::CDialog(const CDialogTemplate& tmpl, CDialog* pParent)
    : m_template(tmpl), m_pParent(pParent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    CDialogRunner* pRunner = AfxGetDialogRunner();
    return pRunner ? pRunner->RunModal(*this) : -1;
}

void CDialog::DetachHost() {
    // The controls named the host's windows: they are unbound with it, so that nothing reaches
    // a host that is gone and the next run binds them to its own.
    for (CWnd* pControl : m_boundControls) pControl->Detach();
    m_boundControls.clear();
    m_pHost = nullptr;
}

void CDialog::BindControl(CWnd& rControl, int nID) {
    if (m_pHost == nullptr) return;
    rControl.Attach(m_pHost, nID);
    m_boundControls.push_back(&rControl);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(int nID) {
    if (nID == IDOK) {
        OnOK();
        return true;
    }
    if (nID == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnNotify(int, NMHDR*, LRESULT*) {
    return false;
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == SC_CLOSE) {
        OnCancel();
    } else if (m_pHost) {
        m_pHost->DefaultSysCommand(nID & 0xFFF0);
    }
}

LRESULT CDialog::WindowProc(UINT, WPARAM, LPARAM) {
    return 0;
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::EndDialog(int nResult) {
    if (m_pHost) m_pHost->EndDialog(nResult);
}

void CDialog::InvalidateRect(const RECT*, bool) {
    if (m_pHost) m_pHost->Invalidate();
}

CMenu* CDialog::GetSystemMenu(bool bRevert) {
    if (bRevert) m_sysMenu.RemoveAll();
    return (m_template.dwStyle & WS_SYSMENU) ? &m_sysMenu : nullptr;
}

void CDialog::SetIcon(HICON hIcon, bool bBigIcon) {
    if (m_pHost) m_pHost->SetIcon(hIcon, bBigIcon);
}

bool CDialog::IsIconic() const {
    return m_pHost && m_pHost->IsIconic();
}

void CDialog::GetClientRect(RECT* lpRect) const {
    *lpRect = m_pHost ? m_pHost->GetClientRect()
                      : RECT{0, 0, DialogUnitsToPixelsX(m_template.cx),
                             DialogUnitsToPixelsY(m_template.cy)};
}

CPaintDC::CPaintDC(CDialog* pWnd)
    : m_pDC(pWnd->GetHost() ? pWnd->GetHost()->GetPaintDC() : nullptr) {}
