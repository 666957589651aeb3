#include "ui/desktop_integration.h"

#include <QEvent>
#include <QGuiApplication>

#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "ui/bankroll/bankroll_window.h"
#include "ui/coach/coach_window.h"
#include "ui/paytables/pay_tables_dialog.h"
#include "ui/table/accessibility.h"
#include "ui/table/best_hold.h"
#include "ui/table/new_session.h"
#include "ui/table/table_keys.h"
#include "ui/training/history_menu.h"
#include "ui/training/practice_dialog.h"
#include "ui/training/progress_window.h"

namespace {

// When a dialog over another closes, the one below takes the keyboard back. Window managers
// mostly do this themselves, but not all, and without one nothing does: the table's keys
// would then go nowhere after the pay table was shown.
class COwnerReactivator : public QObject {
public:
    explicit COwnerReactivator(QWidget& dialog) : QObject(&dialog), m_dialog(dialog) {}

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == &m_dialog && pEvent->type() == QEvent::Hide) {
            if (QWidget* pOwner = m_dialog.parentWidget(); pOwner && pOwner->isVisible())
                pOwner->activateWindow();
        }
        return false;
    }

private:
    QWidget& m_dialog;
};

}  // namespace

void SetUpDesktopIntegration(QGuiApplication& app) {
    // Lets the desktop match the window to its entry and icon.
    app.setDesktopFileName(kDesktopAppID);
    InstallAccessibility();
}

void SetUpDialogHost(CQtDialogHost& host) {
    NameControls(host);
    if (host.parentWidget()) host.installEventFilter(new COwnerReactivator(host));
    if (auto* pTable = dynamic_cast<CMultiHandDlg*>(&host.GetDialog())) {
        InstallTableKeys(host);
        InstallBestHold(host, *pTable);
        CCoachWindow* pCoach = InstallCoach(host, *pTable);
        InstallPayTables(host, *pTable);
        InstallBankroll(host, *pTable);
        InstallPractice(host, *pTable, *pCoach);
        InstallProgress(host, *pTable, *pCoach);
        InstallHistoryMenu(host, *pCoach);
        InstallNewSession(host, *pTable, *pCoach);
        InstallDealTip(host, *pTable);
        WatchHandChanges(host);
        InstallTableSpeech(host, *pTable);
        ShareTableKeys(host, *pCoach);
    }
}
