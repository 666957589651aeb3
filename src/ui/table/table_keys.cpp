#include "ui/table/table_keys.h"

#include <QKeySequence>
#include <QShortcut>

#include "platform/qt/qt_dialog_host.h"
#include "table/resource.h"

namespace {

constexpr CTableKey kTableKeys[] = {
    {"1", {IDC_HOLD1, 0}, "hold or release card 1"},
    {"2", {IDC_HOLD2, 0}, "hold or release card 2"},
    {"3", {IDC_HOLD3, 0}, "hold or release card 3"},
    {"4", {IDC_HOLD4, 0}, "hold or release card 4"},
    {"5", {IDC_HOLD5, 0}, "hold or release card 5"},
    // Deal and Draw are never enabled together, so one key serves both.
    {"D", {IDC_DEAL, IDC_DRAW}, "deal, or draw"},
};

}  // namespace

std::span<const CTableKey> TableKeys() {
    return kTableKeys;
}

bool PressTableKey(CQtDialogHost& host, const CTableKey& key) {
    for (int nID : key.arrIDs) {
        if (nID == 0) break;
        if (host.IsControlEnabled(nID)) {
            host.GetDialog().OnCommand(nID);
            return true;
        }
    }
    return false;
}

void InstallTableKeys(CQtDialogHost& host) {
    for (const CTableKey& key : kTableKeys) {
        auto* pShortcut = new QShortcut(QKeySequence(key.pszKey), &host);
        pShortcut->setContext(Qt::WindowShortcut);
        // A held key repeats; a repeated hold would only undo itself.
        pShortcut->setAutoRepeat(false);
        QObject::connect(pShortcut, &QShortcut::activated, &host,
                         [&host, &key] { PressTableKey(host, key); });
    }
}
