#include "support/recording_dialog_host.h"

#include <algorithm>

CRecordingDialogHost::CRecordingDialogHost(const CDialogTemplate& tmpl) : m_template(tmpl) {
    for (const CControlTemplate& control : tmpl.controls) {
        if (control.nID == IDC_STATIC) continue;
        CRecordedControl& state = m_controls[control.nID];
        state.kind = control.kind;
        state.bEnabled = (control.dwStyle & WS_DISABLED) == 0;
        state.strText = control.pszText ? control.pszText : "";
    }
}

CRecordingDialogHost::~CRecordingDialogHost() {
    if (m_pDialog) m_pDialog->DetachHost();
}

bool CRecordingDialogHost::Open(CDialog& dialog) {
    m_pDialog = &dialog;
    dialog.AttachHost(this);
    return dialog.OnInitDialog();
}

void CRecordingDialogHost::Click(int nID) {
    if (m_pDialog == nullptr || m_bEnded) return;
    const auto it = m_controls.find(nID);
    if (it != m_controls.end() && !it->second.bEnabled) return;
    if (it != m_controls.end() && it->second.kind == CControlKind::AutoCheckBox)
        it->second.nCheck = it->second.nCheck ? 0 : 1;
    m_pDialog->OnCommand(nID);
}

void CRecordingDialogHost::SpinClick(int nID, int nDelta) {
    if (m_pDialog == nullptr || m_bEnded) return;
    CRecordedControl& spin = Mutable(nID);
    if (!spin.bEnabled) return;
    NMUPDOWN nm{{nID, UDN_DELTAPOS}, spin.nSpinPos, nDelta};
    LRESULT result = 0;
    m_pDialog->OnNotify(nID, &nm.hdr, &result);
    if (result == 0) {
        const int nLow = std::min(spin.nSpinLower, spin.nSpinUpper);
        const int nHigh = std::max(spin.nSpinLower, spin.nSpinUpper);
        spin.nSpinPos = std::clamp(spin.nSpinPos + nDelta, nLow, nHigh);
    }
}

CRecordingDC& CRecordingDialogHost::Paint() {
    m_paintDC.Clear();
    m_pPaintDC = &m_paintDC;
    if (m_pDialog) m_pDialog->OnPaint();
    m_pPaintDC = nullptr;
    return m_paintDC;
}

const CRecordedControl& CRecordingDialogHost::Control(int nID) const {
    static const CRecordedControl none;
    const auto it = m_controls.find(nID);
    return it == m_controls.end() ? none : it->second;
}

CRecordedControl& CRecordingDialogHost::Mutable(int nID) {
    // An id outside the template is a broken contract; it is kept apart so nothing is lost.
    ASSERT(m_controls.count(nID) == 1);
    return m_controls[nID];
}

RECT CRecordingDialogHost::GetClientRect() const {
    return {0, 0, DialogUnitsToPixelsX(m_template.cx), DialogUnitsToPixelsY(m_template.cy)};
}

int CRecordingDialogRunner::RunModal(CDialog& dialog) {
    ++m_runs[dialog.GetTemplate().nID];
    CRecordingDialogHost host(dialog.GetTemplate());
    host.Open(dialog);
    if (m_action) {
        m_action(host);
    } else {
        host.EndDialog(IDOK);
    }
    return host.IsEnded() ? host.GetResult() : IDCANCEL;
}

int CRecordingDialogRunner::Runs(UINT nTemplateID) const {
    const auto it = m_runs.find(nTemplateID);
    return it == m_runs.end() ? 0 : it->second;
}

int CRecordingDialogRunner::TotalRuns() const {
    int n = 0;
    for (const auto& [id, runs] : m_runs) n += runs;
    return n;
}
