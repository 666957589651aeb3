#include "ui/table/accessibility.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <map>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/static_text.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"
#include "ui/table/table_accessible.h"
#include "ui/table/table_keys.h"

namespace {

struct CControlName {
    int nID;
    const char* pszName;
};

constexpr CControlName kTableNames[] = {
    {IDC_HOLD1, "Hold card 1"},    {IDC_HOLD2, "Hold card 2"}, {IDC_HOLD3, "Hold card 3"},
    {IDC_HOLD4, "Hold card 4"},    {IDC_HOLD5, "Hold card 5"}, {IDC_BET, "Bet"},
    {IDC_SPIN_BET, "Bet up-down"}, {IDC_HANDS, "Hands"},       {IDC_SPIN_HANDS, "Hands up-down"},
    {IDC_COINS, "Coins"},          {IDC_RESULTS, "Results"},
};

// A dialog's push button: its name first, then its caption, so that a hold button reads
// "Hold card 1, Held"; a button with no name of its own reads its caption. Qt makes a
// button's interface while the button is built, before any name is set, so this serves all.
class CDialogButtonAccessible : public QAccessibleWidget {
public:
    explicit CDialogButtonAccessible(QPushButton* pButton)
        : QAccessibleWidget(pButton, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString strName = widget()->accessibleName();
        QString strCaption = Button()->text();
        strCaption.remove('&');
        if (strName.isEmpty()) return strCaption;
        if (strCaption.isEmpty() || strCaption == strName) return strName;
        return strName + ", " + strCaption;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->isDown();
        state.defaultButton = Button()->isDefault();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& strAction) override {
        // A click on a disabled button does nothing, as the mouse's would.
        if (strAction == pressAction()) {
            Button()->click();
        } else {
            QAccessibleWidget::doAction(strAction);
        }
    }

private:
    QPushButton* Button() const { return static_cast<QPushButton*>(widget()); }
};

// Static text names itself after its text; what Qt lacks is that it is text, not a pane.
class CStaticTextAccessible : public QAccessibleWidget {
public:
    explicit CStaticTextAccessible(CStaticText* pText)
        : QAccessibleWidget(pText, QAccessible::StaticText) {}
};

QAccessibleInterface* AccessibleFactory(const QString& strKey, QObject* pObject) {
    if (strKey == QLatin1String("CQtDialogHost")) {
        auto* pHost = qobject_cast<CQtDialogHost*>(pObject);
        if (pHost && dynamic_cast<CMultiHandDlg*>(&pHost->GetDialog()))
            return new CTableAccessible(pHost);
        return nullptr;
    }
    if (strKey == QLatin1String("CStaticText")) {
        if (auto* pText = qobject_cast<CStaticText*>(pObject))
            return new CStaticTextAccessible(pText);
        return nullptr;
    }
    if (strKey == QLatin1String("QPushButton") && qobject_cast<CQtDialogHost*>(pObject->parent()))
        return new CDialogButtonAccessible(static_cast<QPushButton*>(pObject));
    return nullptr;
}

// Asks the table's interface to compare the hands each time the window is painted.
class CHandChangeWatcher : public QObject {
public:
    explicit CHandChangeWatcher(CQtDialogHost& host) : QObject(&host), m_host(host) {}

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == &m_host && pEvent->type() == QEvent::Paint && QAccessible::isActive()) {
            if (auto* pTable =
                    dynamic_cast<CTableAccessible*>(QAccessible::queryAccessibleInterface(&m_host)))
                pTable->NotifyChangedHands();
        }
        return false;
    }

private:
    CQtDialogHost& m_host;
};

}  // namespace

void InstallAccessibility() {
    static bool bInstalled = false;
    if (bInstalled) return;
    QAccessible::installFactory(&AccessibleFactory);
    bInstalled = true;
}

void NameControls(CQtDialogHost& host) {
    if (dynamic_cast<CMultiHandDlg*>(&host.GetDialog())) {
        for (const CControlName& name : kTableNames) {
            QWidget* pWidget = host.GetControl(name.nID);
            if (pWidget == nullptr) continue;
            pWidget->setAccessibleName(name.pszName);
        }
        std::map<QWidget*, QStringList> mapKeys;
        for (const CTableKey& key : TableKeys()) {
            for (int nID : key.arrIDs) {
                if (QWidget* pWidget = nID != 0 ? host.GetControl(nID) : nullptr)
                    mapKeys[pWidget] << QString(key.pszKey);
            }
        }
        for (const auto& [pWidget, keys] : mapKeys)
            pWidget->setAccessibleDescription((keys.size() == 1 ? "Key " : "Keys ") +
                                              keys.join(' '));
    }
    // The about box's picture is the application's icon.
    for (QLabel* pLabel : host.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (pLabel->text().isEmpty() && pLabel->accessibleName().isEmpty())
            pLabel->setAccessibleName(QString(MultiHandDialogTemplate().pszTitle) + " icon");
    }
}

void WatchHandChanges(CQtDialogHost& host) {
    if (dynamic_cast<CMultiHandDlg*>(&host.GetDialog()))
        host.installEventFilter(new CHandChangeWatcher(host));
}
