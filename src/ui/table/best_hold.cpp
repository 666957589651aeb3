#include "ui/table/best_hold.h"

#include <QObject>
#include <array>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "platform/dialog.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_speech.h"
#include "ui/table/table_keys.h"
#include "ui/table/table_speaker.h"
#include "ui/work/window_job.h"

namespace {

std::array<int, 5> DealtCodes(const CMultiHandDlg& dlg) {
    std::array<int, 5> arrCodes{};
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        arrCodes[static_cast<size_t>(i)] = CardCodeOf(dlg.GetHand(0).GetCard(i));
    return arrCodes;
}

// Builds the outcome table H waits for in a background job, and applies the hold once it is
// there. The job stops when the table's window goes, and is never waited for.
class CBestHoldBuilder : public QObject {
public:
    CBestHoldBuilder(QObject* pParent, CMultiHandDlg& dlg) : QObject(pParent), m_dlg(dlg) {}

    void Apply() {
        if (!CanApplyBestHold(m_dlg)) return;
        if (ApplyBestHold(m_dlg)) return;
        // The hold follows for the last deal it was asked on, if that deal still waits.
        m_arrPending = DealtCodes(m_dlg);
        if (m_build.IsRunning()) return;
        const CPayTable& table = m_dlg.GetPayTable();
        m_build.Start(
            [pFamily = table.pFamily, rules = table.rules](const CProgressFunction&) {
                return NonNull(SharedOutcomeTable(*pFamily, rules));
            },
            [this](const std::shared_ptr<const COutcomeTable>&) {
                if (CanApplyBestHold(m_dlg) && DealtCodes(m_dlg) == m_arrPending) Apply();
            });
    }

private:
    CMultiHandDlg& m_dlg;
    std::array<int, 5> m_arrPending{};
    CWindowJob m_build{this};
};

}  // namespace

bool CanApplyBestHold(const CMultiHandDlg& dlg) {
    if (!dlg.IsDealt() || dlg.IsClosed() || dlg.GetHost() == nullptr) return false;
    for (int nID : IDC_HOLDS)
        if (!dlg.GetHost()->IsControlEnabled(nID)) return false;
    return true;
}

int BestHoldMask(const CMultiHandDlg& dlg) {
    if (!dlg.IsDealt()) return -1;
    const CPayTable& table = dlg.GetPayTable();
    const auto pTable = FindOutcomeTable(table.Family(), table.rules);
    if (!pTable) return -1;
    const std::vector<CHoldValue> vecHolds =
        pTable->RankHolds(DealtCodes(dlg), table, dlg.GetBet());
    return vecHolds.empty() ? -1 : vecHolds.front().nHoldMask;
}

bool ApplyBestHold(CMultiHandDlg& dlg) {
    if (!CanApplyBestHold(dlg)) return false;
    const int nMask = BestHoldMask(dlg);
    if (nMask < 0) return false;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i) {
        const bool bKeep = (nMask >> i) & 1;
        if (dlg.IsHeld(i) != bKeep) dlg.OnCommand(IDC_HOLDS[i]);
    }
    // The hold as a whole is said, rather than each card it toggled.
    if (auto* pHost = dynamic_cast<CQtDialogHost*>(dlg.GetHost()))
        if (CTableSpeaker* pSpeaker = CTableSpeaker::Of(*pHost))
            pSpeaker->Announce(QString::fromStdString(HeldSpeech(dlg)));
    return true;
}

void InstallBestHold(CQtDialogHost& host, CMultiHandDlg& dlg) {
    auto* pBuilder = new CBestHoldBuilder(&host, dlg);
    auto apply = [pBuilder] { pBuilder->Apply(); };
    InstallWindowKey(host, "H", apply);
    host.AddWindowMenuItem("&Best Hold", apply, [&dlg] { return CanApplyBestHold(dlg); });
}
