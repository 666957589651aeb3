#include "ui/table/table_keys.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/up_down_ctrl.h"
#include "table/resource.h"

namespace {

using A = ETableKeyAction;

constexpr CTableKey kTableKeys[] = {
    {"1", {IDC_HOLD1, 0}, A::Command, 0, "hold or release card 1"},
    {"2", {IDC_HOLD2, 0}, A::Command, 0, "hold or release card 2"},
    {"3", {IDC_HOLD3, 0}, A::Command, 0, "hold or release card 3"},
    {"4", {IDC_HOLD4, 0}, A::Command, 0, "hold or release card 4"},
    {"5", {IDC_HOLD5, 0}, A::Command, 0, "hold or release card 5"},
    // Deal and Draw are never enabled together, so one key serves both.
    {"D", {IDC_DEAL, IDC_DRAW, 0}, A::Command, 0, "deal, or draw"},
    {"+", {IDC_SPIN_BET, 0}, A::Spin, 1, "bet one coin more"},
    {"-", {IDC_SPIN_BET, 0}, A::Spin, -1, "bet one coin less"},
    {".", {IDC_SPIN_HANDS, 0}, A::Spin, 1, "one hand more"},
    {",", {IDC_SPIN_HANDS, 0}, A::Spin, -1, "one hand less"},
    {">", {IDC_SPIN_HANDS, 0}, A::Spin, 10, "ten hands more"},
    {"<", {IDC_SPIN_HANDS, 0}, A::Spin, -10, "ten hands less"},
    // The boxes as they stand on the table, top to bottom.
    {"G",
     {IDC_JACKS_OR_BETTER, IDC_BONUS, IDC_DOUBLE_BONUS, IDC_DUCES_WILD},
     A::NextGame,
     0,
     "the next game"},
};

bool PressNextGame(CQtDialogHost& host, const CTableKey& key) {
    for (size_t i = 0; i < std::size(key.arrIDs); ++i) {
        if (host.GetCheck(key.arrIDs[i]) == 0) continue;
        const int nNext = key.arrIDs[(i + 1) % std::size(key.arrIDs)];
        if (!host.IsControlEnabled(nNext)) return false;
        host.SendCommand(nNext);
        return true;
    }
    return false;
}

// The key, and for a symbol typed with Shift on common layouts the key with Shift too: the X
// server reports Shift+= as Shift and plus, which "+" alone does not match.
QList<QKeySequence> KeySequences(const char* pszKey) {
    QList<QKeySequence> keys{QKeySequence(pszKey)};
    if (QString("+<>").contains(pszKey)) keys << QKeySequence(QString("Shift+") + pszKey);
    return keys;
}

}  // namespace

std::span<const CTableKey> TableKeys() {
    return kTableKeys;
}

bool PressTableKey(CQtDialogHost& host, const CTableKey& key) {
    if (key.eAction == A::NextGame) return PressNextGame(host, key);
    for (int nID : key.arrIDs) {
        if (nID == 0) break;
        if (!host.IsControlEnabled(nID)) continue;
        if (key.eAction == A::Spin) {
            auto* pSpin = qobject_cast<CUpDownCtrl*>(host.GetControl(nID));
            if (pSpin == nullptr) return false;
            pSpin->Step(key.nDelta);
        } else {
            host.SendCommand(nID);
        }
        return true;
    }
    return false;
}

void InstallTableKeys(CQtDialogHost& host) {
    for (const CTableKey& key : kTableKeys) {
        auto* pShortcut = new QShortcut(&host);
        pShortcut->setKeys(KeySequences(key.pszKey));
        pShortcut->setContext(Qt::WindowShortcut);
        // A held key repeats; a repeated hold would only undo itself.
        pShortcut->setAutoRepeat(false);
        QObject::connect(pShortcut, &QShortcut::activated, &host,
                         [&host, &key] { PressTableKey(host, key); });
    }
}

void InstallWindowKey(CQtDialogHost& host, const char* pszKey, std::function<void()> action) {
    auto* pShortcut = new QShortcut(QKeySequence(pszKey), &host);
    pShortcut->setContext(Qt::WindowShortcut);
    pShortcut->setAutoRepeat(false);
    QObject::connect(pShortcut, &QShortcut::activated, &host, std::move(action));
}

void ShareTableKeys(CQtDialogHost& host, QWidget& window) {
    for (QShortcut* pOwn : host.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
        auto* pShared = new QShortcut(&window);
        pShared->setKeys(pOwn->keys());
        pShared->setContext(Qt::WindowShortcut);
        pShared->setAutoRepeat(pOwn->autoRepeat());
        QObject::connect(pShared, &QShortcut::activated, pOwn, &QShortcut::activated);
    }
    for (const char* pszKey : {"Return", "Enter"}) {
        auto* pShared = new QShortcut(QKeySequence(pszKey), &window);
        pShared->setContext(Qt::WindowShortcut);
        pShared->setAutoRepeat(false);
        QObject::connect(pShared, &QShortcut::activated, &host, [&host] {
            for (QPushButton* pButton : host.findChildren<QPushButton*>())
                if (pButton->isDefault() && pButton->isEnabled()) pButton->click();
        });
    }
}
