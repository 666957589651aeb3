#include "ui/table/table_speaker.h"

#include <QAccessible>
#include <QWidget>

#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_speech.h"

namespace {

int HeldMask(const CMultiHandDlg& dlg) {
    int nMask = 0;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        if (dlg.IsHeld(i)) nMask |= 1 << i;
    return nMask;
}

}  // namespace

CTableSpeaker::CTableSpeaker(CQtDialogHost& host, CMultiHandDlg& dlg)
    : QObject(&host), m_host(host), m_dlg(dlg) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CTableSpeaker::Speak);
    m_dlg.AddObserver(this);
}

CTableSpeaker::~CTableSpeaker() {
    m_dlg.RemoveObserver(this);
    if (m_nNoticeID != 0) QAccessible::deleteAccessibleInterface(m_nNoticeID);
}

QAccessibleInterface* CTableSpeaker::Notice() const {
    if (m_nNoticeID == 0)
        m_nNoticeID =
            QAccessible::registerAccessibleInterface(new CAnnouncementAccessible(&m_host));
    return QAccessible::accessibleInterface(m_nNoticeID);
}

CTableSpeaker* CTableSpeaker::Of(const CQtDialogHost& host) {
    return host.findChild<CTableSpeaker*>(QString(), Qt::FindDirectChildrenOnly);
}

void CTableSpeaker::OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) {
    const int nOldMask = m_nHeldMask;
    m_nHeldMask = HeldMask(dlg);
    switch (eEvent) {
        case ETableEvent::Dealt:
            NotifyHoldNames();
            Announce(QString::fromStdString(DealtSpeech(dlg)), kAfterHandsMs);
            break;
        case ETableEvent::HoldChanged:
            for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i) {
                if (((nOldMask ^ m_nHeldMask) >> i & 1) == 0) continue;
                if (QAccessible::isActive()) {
                    QAccessible::State changed;
                    changed.pressed = true;
                    changed.checked = true;
                    QAccessibleStateChangeEvent event(m_host.GetControl(IDC_HOLDS[i]), changed);
                    QAccessible::updateAccessibility(&event);
                }
                Announce(QString::fromStdString(HoldSpeech(dlg, i)));
            }
            break;
        case ETableEvent::Drawn:
            NotifyHoldNames();
            Announce(QString::fromStdString(DrawnSpeech(dlg)), kAfterHandsMs);
            break;
        default:
            break;
    }
}

void CTableSpeaker::NotifyHoldNames() {
    if (!QAccessible::isActive()) return;
    for (int nID : IDC_HOLDS) {
        QAccessibleEvent event(m_host.GetControl(nID), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CTableSpeaker::Announce(const QString& strText, int nDelayMs) {
    m_strPending = strText;
    // After the event at the soonest: the focus a key or a click moves is told first.
    m_timer.start(nDelayMs);
}

void CTableSpeaker::Speak() {
    m_strSpoken = m_strPending;
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* pNotice = Notice();
    QAccessibleEvent named(pNotice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // Being shown is what a screen reader speaks a notification on.
    QAccessibleEvent shown(pNotice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

CAnnouncementAccessible::CAnnouncementAccessible(CQtDialogHost* pHost)
    : CPaintedAccessible(pHost) {}

QRect CAnnouncementAccessible::rect() const {
    return m_pHost ? QRect(m_pHost->mapToGlobal(QPoint(0, 0)), QSize(0, 0)) : QRect();
}

QString CAnnouncementAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !m_pHost) return {};
    const CTableSpeaker* pSpeaker = CTableSpeaker::Of(*m_pHost);
    return pSpeaker ? pSpeaker->GetSpoken() : QString();
}

QAccessible::State CAnnouncementAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    if (!m_pHost || !m_pHost->isVisible()) state.invisible = true;
    return state;
}
