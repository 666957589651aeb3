#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"
#include "ui/qt_dialog_host.h"
#include "ui/static_text.h"
#include "ui/table_accessible.h"
#include "ui/table_keys.h"

namespace {

// A button whose name comes first and its caption ("Held") after it.
constexpr const char* kNameBeforeCaption = "handfallNameBeforeCaption";

struct CControlName {
    int nID;
    const char* pszName;
    bool bNameBeforeCaption;
};

constexpr CControlName kTableNames[] = {
    {IDC_HOLD1, "Hold card 1", true},         {IDC_HOLD2, "Hold card 2", true},
    {IDC_HOLD3, "Hold card 3", true},         {IDC_HOLD4, "Hold card 4", true},
    {IDC_HOLD5, "Hold card 5", true},         {IDC_BET, "Bet", false},
    {IDC_SPIN_BET, "Bet up-down", false},     {IDC_HANDS, "Hands", false},
    {IDC_SPIN_HANDS, "Hands up-down", false}, {IDC_COINS, "Coins", false},
    {IDC_RESULTS, "Results", false},
};

class CNamedButtonAccessible : public QAccessibleWidget {
public:
    explicit CNamedButtonAccessible(QAbstractButton* pButton)
        : QAccessibleWidget(pButton, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString strName = widget()->accessibleName();
        const QString strCaption = Button()->text();
        return strCaption.isEmpty() ? strName : strName + ", " + strCaption;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->isDown();
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
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

class CStaticTextAccessible : public QAccessibleWidget {
public:
    explicit CStaticTextAccessible(CStaticText* pText)
        : QAccessibleWidget(pText, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        // Lines as lines; a tab only lines up the pays, so it reads as a space.
        QString str = static_cast<CStaticText*>(widget())->GetText();
        str.replace("\r\n", "\n");
        for (qsizetype i = str.indexOf('\t'); i >= 0; i = str.indexOf('\t')) {
            qsizetype nEnd = i;
            while (nEnd < str.size() && str[nEnd] == '\t') ++nEnd;
            str.replace(i, nEnd - i, (i == 0 || str[i - 1] == '\n') ? "" : " ");
        }
        return str;
    }
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
    if (strKey == QLatin1String("QPushButton") && pObject->property(kNameBeforeCaption).toBool())
        return new CNamedButtonAccessible(static_cast<QAbstractButton*>(pObject));
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
            if (name.bNameBeforeCaption) pWidget->setProperty(kNameBeforeCaption, true);
        }
        for (const CTableKey& key : TableKeys()) {
            for (int nID : key.arrIDs) {
                if (QWidget* pWidget = nID != 0 ? host.GetControl(nID) : nullptr)
                    pWidget->setAccessibleDescription(QString("Key %1").arg(key.pszKey));
            }
        }
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
