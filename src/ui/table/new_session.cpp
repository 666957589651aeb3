#include "ui/table/new_session.h"

#include <QEvent>
#include <QMessageBox>
#include <QScopeGuard>

#include "coach/coach_text.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/coach/coach_window.h"

namespace {

// The tip is worked out when it is about to show and when Deal is enabled or disabled, so it
// follows every change of bet, hands and coins.
class CDealTip : public QObject {
public:
    CDealTip(QWidget& deal, const CMultiHandDlg& dlg) : QObject(&deal), m_deal(deal), m_dlg(dlg) {}

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == &m_deal &&
            (pEvent->type() == QEvent::ToolTip || pEvent->type() == QEvent::EnabledChange))
            m_deal.setToolTip(QString::fromStdString(UncoveredStakeText(m_dlg)));
        return false;
    }

private:
    QWidget& m_deal;
    const CMultiHandDlg& m_dlg;
};

}  // namespace

void InstallNewSession(CQtDialogHost& host, CMultiHandDlg& dlg, CCoachWindow& coach) {
    auto start = [&host, &dlg, &coach] {
        if (dlg.IsDealt() || dlg.IsClosed()) return;
        const int nDeals = coach.GetCoach().GetDealCount();
        // Without a window manager nothing gives the table the keyboard back after the question.
        const auto reactivate = qScopeGuard([&host] { host.activateWindow(); });
        if (nDeals > 0 &&
            QMessageBox::question(
                &host, "New Session",
                QString("Start over with %1 coins? The %2 of this session and the coach's "
                        "figures of them are gone.")
                    .arg(CMultiHandDlg::kStartCoins)
                    .arg(nDeals == 1 ? QString("deal") : QString("%1 deals").arg(nDeals)),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
            return;
        dlg.NewSession();
    };
    host.AddWindowMenuItem("New &Session", start,
                           [&dlg] { return !dlg.IsDealt() && !dlg.IsClosed(); });
}

void InstallDealTip(CQtDialogHost& host, const CMultiHandDlg& dlg) {
    if (QWidget* pDeal = host.GetControl(IDC_DEAL)) {
        pDeal->installEventFilter(new CDealTip(*pDeal, dlg));
        pDeal->setToolTip(QString::fromStdString(UncoveredStakeText(dlg)));
    }
}
