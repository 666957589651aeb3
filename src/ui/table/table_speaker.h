// Says what happens at the table as it happens, for screen readers: the dealt cards, each hold
// toggled, the hold Best Hold chose, the draw's outcome. Qt has no call to announce a text, so
// the words go to a notification element of the table window, which is shown anew each time;
// a screen reader speaks a notification when it is shown, wherever the focus is.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QTimer>

#include "table/table_observer.h"
#include "ui/table/painted_accessible.h"

class CMultiHandDlg;
class CQtDialogHost;

class CTableSpeaker : public QObject, public CTableObserver {
    Q_OBJECT

public:
    // Follows dlg from now on; a child of host, it goes with the host's window.
    CTableSpeaker(CQtDialogHost& host, CMultiHandDlg& dlg);
    ~CTableSpeaker() override;

    // The speaker of a table window; null on any other.
    static CTableSpeaker* Of(const CQtDialogHost& host);

    void OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) override;
    // Says strText once the current event is done and nDelayMs more have passed; of several
    // in that time, the last is said.
    void Announce(const QString& strText, int nDelayMs = 0);
    // A deal or a draw renames every hand: a screen reader that gets more than about fifty
    // events at once drops those not about the focus, the notification among them. So their
    // words wait until it has caught up.
    static constexpr int kAfterHandsMs = 300;
    // What was said last.
    const QString& GetSpoken() const { return m_strSpoken; }
    // The notification element, made on first use; the table window's interface lists it last.
    QAccessibleInterface* Notice() const;

private:
    void Speak();
    // Tells screen readers that the hold buttons' names (their cards) may have changed.
    void NotifyHoldNames();

    CQtDialogHost& m_host;
    CMultiHandDlg& m_dlg;
    QTimer m_timer;
    QString m_strPending;
    QString m_strSpoken;
    int m_nHeldMask = 0;  // the holds as last told
    // Registered with Qt's accessibility cache, which hands out its id; deleted with this.
    mutable QAccessible::Id m_nNoticeID = 0;
};

// The notification element: its name is what the speaker said last. Not a widget; the speaker
// makes and owns it.
class CAnnouncementAccessible : public CPaintedAccessible {
public:
    explicit CAnnouncementAccessible(CQtDialogHost* pHost);

    bool isValid() const override { return !m_pHost.isNull(); }
    QString text(QAccessible::Text t) const override;
    // Nothing on the screen: an empty box at the window's corner.
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;
};
