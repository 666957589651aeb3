// A dialog host without a window system: keeps every control's state by id and plays the
// user's clicks as the real host would (a disabled control sends no event; an auto check box
// toggles itself before its handler runs).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "support/recording_dc.h"

struct CRecordedControl {
    CControlKind kind = CControlKind::Static;
    bool bEnabled = true;
    std::string strText;
    int nCheck = 0;
    std::vector<std::string> lines;
    std::vector<std::string> spokenLines;  // as a screen reader reads them
    int nSpinLower = 0;
    int nSpinUpper = 100;
    int nSpinPos = 0;
};

class CRecordingDialogHost : public CDialogHost {
public:
    explicit CRecordingDialogHost(const CDialogTemplate& tmpl);
    ~CRecordingDialogHost() override;

    // Attaches to the dialog and runs its initialisation, as a modal run starts.
    bool Open(CDialog& dialog);
    CDialog* GetDialog() const { return m_pDialog; }

    // The user's actions.
    void Click(int nID);
    void SpinClick(int nID, int nDelta);
    // One painting into a fresh recording surface; returns what was drawn.
    CRecordingDC& Paint();
    void SetIconic(bool bIconic) { m_bIconic = bIconic; }

    const CRecordedControl& Control(int nID) const;
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }
    HICON GetIcon(bool bBigIcon) const { return bBigIcon ? m_hBigIcon : m_hSmallIcon; }

    void EnableControl(int nID, bool bEnable) override { Mutable(nID).bEnabled = bEnable; }
    bool IsControlEnabled(int nID) const override { return Control(nID).bEnabled; }
    void SetControlText(int nID, const std::string& str) override { Mutable(nID).strText = str; }
    std::string GetControlText(int nID) const override { return Control(nID).strText; }
    void SetCheck(int nID, int nCheck) override { Mutable(nID).nCheck = nCheck; }
    int GetCheck(int nID) const override { return Control(nID).nCheck; }
    void ResetList(int nID) override {
        Mutable(nID).lines.clear();
        Mutable(nID).spokenLines.clear();
    }
    void AddListLine(int nID, const std::string& str, const std::string& strSpoken) override {
        Mutable(nID).lines.push_back(str);
        Mutable(nID).spokenLines.push_back(strSpoken.empty() ? str : strSpoken);
    }
    void SetSpinRange(int nID, int nLower, int nUpper) override {
        Mutable(nID).nSpinLower = nLower;
        Mutable(nID).nSpinUpper = nUpper;
    }
    void SetSpinPos(int nID, int nPos) override { Mutable(nID).nSpinPos = nPos; }
    int GetSpinPos(int nID) const override { return Control(nID).nSpinPos; }
    void GetSpinRange(int nID, int& nLower, int& nUpper) const override {
        nLower = Control(nID).nSpinLower;
        nUpper = Control(nID).nSpinUpper;
    }
    void Invalidate() override {}
    void SetIcon(HICON hIcon, bool bBig) override { (bBig ? m_hBigIcon : m_hSmallIcon) = hIcon; }
    bool IsIconic() const override { return m_bIconic; }
    RECT GetClientRect() const override;
    CDC* GetPaintDC() override { return m_pPaintDC; }
    void EndDialog(int nResult) override {
        m_bEnded = true;
        m_nResult = nResult;
    }
    void DefaultSysCommand(UINT nID) override {
        if (nID == SC_MINIMIZE) m_bIconic = true;
    }

private:
    CRecordedControl& Mutable(int nID);

    const CDialogTemplate& m_template;
    CDialog* m_pDialog = nullptr;
    std::map<int, CRecordedControl> m_controls;
    CRecordingDC m_paintDC;
    CDC* m_pPaintDC = nullptr;
    bool m_bIconic = false;
    bool m_bEnded = false;
    int m_nResult = 0;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
};

// Runs dialogs modally on recording hosts: counts the runs per template id and lets a test act
// while the dialog is open. With no action the dialog ends with IDOK.
class CRecordingDialogRunner : public CDialogRunner {
public:
    using Action = std::function<void(CRecordingDialogHost&)>;

    CRecordingDialogRunner() : m_pOld(AfxSetDialogRunner(this)) {}
    ~CRecordingDialogRunner() override { AfxSetDialogRunner(m_pOld); }

    int RunModal(CDialog& dialog) override;
    int Runs(UINT nTemplateID) const;
    int TotalRuns() const;
    void SetAction(Action action) { m_action = std::move(action); }

private:
    CDialogRunner* m_pOld;
    std::map<UINT, int> m_runs;
    Action m_action;
};
