#include "ui/desktop_integration.h"

#include <QGuiApplication>

#include "table/multi_hand_dlg.h"
#include "ui/accessibility.h"
#include "ui/qt_dialog_host.h"
#include "ui/table_keys.h"

void SetUpDesktopIntegration(QGuiApplication& app) {
    // Lets the desktop match the window to its entry and icon.
    app.setDesktopFileName(kDesktopAppID);
    InstallAccessibility();
}

void SetUpDialogHost(CQtDialogHost& host) {
    NameControls(host);
    if (dynamic_cast<CMultiHandDlg*>(&host.GetDialog())) {
        InstallTableKeys(host);
        WatchHandChanges(host);
    }
}
