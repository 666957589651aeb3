#include "ui/table/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <vector>

#include <map>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/static_text.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"
#include "table/table_speech.h"
#include "ui/table/dialog_accessible.h"
#include "ui/table/table_accessible.h"
#include "ui/table/table_keys.h"
#include "ui/table/table_speaker.h"

namespace {

struct CControlName {
    int nID;
    const char* pszName;
};

constexpr CControlName kTableNames[] = {
    {IDC_BET, "Bet"},     {IDC_SPIN_BET, "Bet up-down"},
    {IDC_HANDS, "Hands"}, {IDC_SPIN_HANDS, "Hands up-down"},
    {IDC_COINS, "Coins"}, {IDC_RESULTS, "Results"},
};

const CMultiHandDlg* TableOf(const QWidget* pWidget) {
    const auto* pHost =
        pWidget ? qobject_cast<const CQtDialogHost*>(pWidget->parentWidget()) : nullptr;
    return pHost ? dynamic_cast<const CMultiHandDlg*>(&pHost->GetDialog()) : nullptr;
}

// Which hold button pButton is (0 to 4), or -1 for any other button.
int HoldIndex(const QPushButton* pButton) {
    if (TableOf(pButton) == nullptr) return -1;
    const auto* pHost = static_cast<const CQtDialogHost*>(pButton->parentWidget());
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        if (pHost->GetControl(IDC_HOLDS[i]) == pButton) return i;
    return -1;
}

// A dialog's push button: its name first, then its caption, so that a button with a name of
// its own and a caption reads both; a button with no name of its own reads its caption. A
// hold button is a toggle: it reads its card ("Hold 9 of hearts") and is pressed while held,
// its caption "Held" being that state. Qt makes a button's interface while the button is
// built, before any name is set, so this serves all.
class CDialogButtonAccessible : public QAccessibleWidget {
public:
    explicit CDialogButtonAccessible(QPushButton* pButton)
        : QAccessibleWidget(pButton, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (const int nHold = HoldIndex(Button()); nHold >= 0)
            return QString::fromStdString(HoldButtonName(*TableOf(Button()), nHold));
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
        if (const int nHold = HoldIndex(Button()); nHold >= 0) {
            state.checkable = true;
            state.checked = state.pressed = TableOf(Button())->IsHeld(nHold);
        }
        return state;
    }
    QAccessibleInterface* parent() const override { return CDialogAccessible::ParentOf(widget()); }
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

// A dialog's check box, a child of the group that frames it.
class CDialogCheckBoxAccessible : public QAccessibleWidget {
public:
    explicit CDialogCheckBoxAccessible(QCheckBox* pBox)
        : QAccessibleWidget(pBox, QAccessible::CheckBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Box()->text().remove('&');
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Box()->isChecked();
        return state;
    }
    QAccessibleInterface* parent() const override { return CDialogAccessible::ParentOf(widget()); }
    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& strAction) override {
        if (strAction == toggleAction() || strAction == pressAction()) {
            Box()->click();
        } else {
            QAccessibleWidget::doAction(strAction);
        }
    }

private:
    QCheckBox* Box() const { return static_cast<QCheckBox*>(widget()); }
};

// One line of a table of static text: not a widget; the text's interface owns it.
class CStaticLineAccessible : public QAccessibleInterface {
public:
    CStaticLineAccessible(CStaticText* pText, int nLine) : m_pText(pText), m_nLine(nLine) {}

    bool isValid() const override { return !m_pText.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_pText ? m_pText->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_pText ? QAccessible::queryAccessibleInterface(m_pText.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !m_pText) return {};
        const QString strLine = m_pText->GetText().split('\n').value(m_nLine);
        return QString::fromStdString(PayLineSpeech(strLine.toStdString()));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_pText) return {};
        const int nHeight = QFontMetrics(m_pText->font()).lineSpacing();
        return QRect(m_pText->mapToGlobal(QPoint(0, m_nLine * nHeight)),
                     QSize(m_pText->width(), nHeight));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        if (!m_pText || !m_pText->isVisible()) state.invisible = true;
        return state;
    }

private:
    QPointer<CStaticText> m_pText;
    int m_nLine;
};

// Static text names itself after its text; what Qt lacks is that it is text, not a pane. Text
// set out in columns with tabs (a pay table) is a list of its lines, each read as words.
class CStaticTextAccessible : public QAccessibleWidget {
public:
    explicit CStaticTextAccessible(CStaticText* pText)
        : QAccessibleWidget(pText, QAccessible::StaticText) {}
    ~CStaticTextAccessible() override {
        for (QAccessible::Id id : m_vecLineIDs) QAccessible::deleteAccessibleInterface(id);
    }

    QAccessible::Role role() const override {
        return IsTable() ? QAccessible::List : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        // A table reads line by line; as one name it would run its lines together.
        if (t == QAccessible::Name && IsTable()) return {};
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* parent() const override { return CDialogAccessible::ParentOf(widget()); }
    int childCount() const override {
        return IsTable() ? static_cast<int>(Text()->GetText().count('\n')) + 1 : 0;
    }
    QAccessibleInterface* child(int nIndex) const override {
        if (nIndex < 0 || nIndex >= childCount()) return nullptr;
        while (static_cast<int>(m_vecLineIDs.size()) <= nIndex)
            m_vecLineIDs.push_back(QAccessible::registerAccessibleInterface(
                new CStaticLineAccessible(Text(), static_cast<int>(m_vecLineIDs.size()))));
        return QAccessible::accessibleInterface(m_vecLineIDs[static_cast<size_t>(nIndex)]);
    }
    int indexOfChild(const QAccessibleInterface* pChild) const override {
        for (size_t i = 0; i < m_vecLineIDs.size(); ++i)
            if (QAccessible::accessibleInterface(m_vecLineIDs[i]) == pChild)
                return static_cast<int>(i);
        return -1;
    }

private:
    CStaticText* Text() const { return static_cast<CStaticText*>(widget()); }
    bool IsTable() const { return Text()->GetText().contains('\t'); }

    mutable std::vector<QAccessible::Id> m_vecLineIDs;
};

QAccessibleInterface* AccessibleFactory(const QString& strKey, QObject* pObject) {
    if (strKey == QLatin1String("CQtDialogHost")) {
        auto* pHost = qobject_cast<CQtDialogHost*>(pObject);
        if (pHost == nullptr) return nullptr;
        if (dynamic_cast<CMultiHandDlg*>(&pHost->GetDialog())) return new CTableAccessible(pHost);
        return new CDialogAccessible(pHost, QAccessible::Dialog);
    }
    if (strKey == QLatin1String("CStaticText")) {
        if (auto* pText = qobject_cast<CStaticText*>(pObject))
            return new CStaticTextAccessible(pText);
        return nullptr;
    }
    if (!qobject_cast<CQtDialogHost*>(pObject->parent())) return nullptr;
    if (strKey == QLatin1String("QPushButton"))
        return new CDialogButtonAccessible(static_cast<QPushButton*>(pObject));
    if (strKey == QLatin1String("QCheckBox"))
        return new CDialogCheckBoxAccessible(static_cast<QCheckBox*>(pObject));
    if (strKey == QLatin1String("QGroupBox"))
        return new CGroupBoxAccessible(static_cast<QGroupBox*>(pObject));
    return nullptr;
}

// A list's current line reports the focus even after the focus has left the list. So the
// line is forgotten when the focus goes, and the first line taken when it comes back by key.
class CListFocusKeeper : public QObject {
public:
    explicit CListFocusKeeper(QAbstractItemView& view) : QObject(&view), m_view(view) {}

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched != &m_view || m_view.model() == nullptr) return false;
        if (pEvent->type() == QEvent::FocusOut && m_view.currentIndex().isValid()) {
            m_view.selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        } else if (pEvent->type() == QEvent::FocusIn &&
                   static_cast<QFocusEvent*>(pEvent)->reason() != Qt::MouseFocusReason) {
            // Once the list itself has been told as focused, its line is told after it, or
            // the list's own focus would speak over the line.
            QTimer::singleShot(0, &m_view, [pView = &m_view] {
                QModelIndex line = pView->currentIndex();
                if (!line.isValid()) line = pView->model()->index(0, 0, pView->rootIndex());
                if (!pView->hasFocus() || !line.isValid()) return;
                QItemSelectionModel* pSelection = pView->selectionModel();
                pSelection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
                pSelection->setCurrentIndex(line, QItemSelectionModel::NoUpdate);
            });
        }
        return false;
    }

private:
    QAbstractItemView& m_view;
};

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

void KeepListFocusTrue(QAbstractItemView& view) {
    view.installEventFilter(new CListFocusKeeper(view));
}

void InstallTableSpeech(CQtDialogHost& host, CMultiHandDlg& dlg) {
    new CTableSpeaker(host, dlg);
    // Space on a focused Deal or Draw leaves the focus on the other, where play goes on.
    host.SetFocusHandOver(IDC_DEAL, IDC_DRAW);
    host.SetFocusHandOver(IDC_DRAW, IDC_DEAL);
    if (auto* pList = qobject_cast<QAbstractItemView*>(host.GetControl(IDC_RESULTS)))
        KeepListFocusTrue(*pList);
}
