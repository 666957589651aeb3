#include "ui/training/history_menu.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt/qt_dialog_host.h"
#include "ui/coach/coach_window.h"
#include "ui/store/history_database.h"

namespace {

// A question or a warning over the table; the table takes the keyboard back as it goes, as
// nothing else gives it back without a window manager.
int Ask(CQtDialogHost& host, QMessageBox::Icon eIcon, const QString& strText,
        QMessageBox::StandardButtons buttons) {
    QMessageBox box(eIcon, "History", strText, buttons, &host);
    if (buttons & QMessageBox::No) box.setDefaultButton(QMessageBox::No);
    QObject::connect(&box, &QDialog::finished, &host, [&host] { host.activateWindow(); });
    return box.exec();
}

void Export(CQtDialogHost& host, CHistoryDatabase& history) {
    const QString strPath = QFileDialog::getSaveFileName(
        &host, "Export History", QDir::home().filePath("handfall-history.csv"),
        "CSV files (*.csv);;All files (*)");
    host.activateWindow();
    if (strPath.isEmpty()) return;
    const std::string strWhy = history.ExportCsv(strPath);
    if (!strWhy.empty())
        Ask(host, QMessageBox::Warning,
            "The history was not exported to " + strPath + ": " + QString::fromStdString(strWhy),
            QMessageBox::Ok);
}

void Clear(CQtDialogHost& host, CHistoryDatabase& history) {
    const int nRows = history.Count();
    if (Ask(host, QMessageBox::Question,
            nRows == 1 ? QString("Clear the history? The one decision kept is forgotten for good; "
                                 "export it first to keep a copy.")
                       : QString("Clear the history? The %1 decisions kept are forgotten for "
                                 "good; export them first to keep a copy.")
                             .arg(nRows),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const std::string strWhy = history.Clear();
    if (!strWhy.empty())
        Ask(host, QMessageBox::Warning,
            "The history was not cleared: " + QString::fromStdString(strWhy), QMessageBox::Ok);
}

}  // namespace

void InstallHistoryMenu(CQtDialogHost& host, CCoachWindow& coach) {
    auto hasHistory = [&coach] { return coach.GetHistory() != nullptr; };
    host.AddWindowMenuItem(
        "Export &History...",
        [&host, &coach] {
            if (CHistoryDatabase* pHistory = coach.GetHistory()) Export(host, *pHistory);
        },
        hasHistory);
    host.AddWindowMenuItem(
        "C&lear History...",
        [&host, &coach] {
            if (CHistoryDatabase* pHistory = coach.GetHistory()) Clear(host, *pHistory);
        },
        hasHistory);
}
