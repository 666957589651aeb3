#include "ui/table/table_accessible.h"

#include "platform/qt/qt_dialog_host.h"
#include "ui/table/hand_accessible.h"
#include "ui/table/table_speaker.h"

CTableAccessible::CTableAccessible(CQtDialogHost* pHost)
    : CDialogAccessible(pHost, QAccessible::Dialog), m_pHost(pHost) {}

CTableAccessible::~CTableAccessible() {
    for (QAccessible::Id id : m_arrHandIDs)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* CTableAccessible::Announcement() const {
    const CTableSpeaker* pSpeaker = m_pHost ? CTableSpeaker::Of(*m_pHost) : nullptr;
    return pSpeaker ? pSpeaker->Notice() : nullptr;
}

CHandAccessible* CTableAccessible::Hand(int nIndex) const {
    if (nIndex < 0 || nIndex >= CMultiHandDlg::kHands) return nullptr;
    QAccessible::Id& id = m_arrHandIDs[static_cast<size_t>(nIndex)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new CHandAccessible(m_pHost, nIndex));
    return static_cast<CHandAccessible*>(QAccessible::accessibleInterface(id));
}

int CTableAccessible::childCount() const {
    return CDialogAccessible::childCount() + CMultiHandDlg::kHands + (Announcement() ? 1 : 0);
}

QAccessibleInterface* CTableAccessible::child(int nIndex) const {
    const int nWidgets = CDialogAccessible::childCount();
    if (nIndex < nWidgets) return CDialogAccessible::child(nIndex);
    if (nIndex == nWidgets + CMultiHandDlg::kHands) return Announcement();
    return Hand(nIndex - nWidgets);
}

int CTableAccessible::indexOfChild(const QAccessibleInterface* pChild) const {
    for (int i = 0; i < CMultiHandDlg::kHands; ++i) {
        const QAccessible::Id id = m_arrHandIDs[static_cast<size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == pChild)
            return CDialogAccessible::childCount() + i;
    }
    if (pChild != nullptr && pChild == Announcement())
        return CDialogAccessible::childCount() + CMultiHandDlg::kHands;
    return CDialogAccessible::indexOfChild(pChild);
}

QAccessibleInterface* CTableAccessible::childAt(int x, int y) const {
    // Controls first; the hands lie where no control is.
    const int nWidgets = CDialogAccessible::childCount();
    for (int i = 0; i < nWidgets; ++i) {
        QAccessibleInterface* pChild = CDialogAccessible::child(i);
        if (pChild && pChild->isValid() && pChild->rect().contains(x, y)) return pChild;
    }
    const QPoint ptLocal = m_pHost->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < CMultiHandDlg::kHands; ++i)
        if (CHandAccessible::HandRect(i).contains(ptLocal)) return Hand(i);
    return nullptr;
}

std::vector<int> CTableAccessible::NotifyChangedHands() {
    std::vector<int> changed;
    for (int i = 0; i < CMultiHandDlg::kHands; ++i) {
        CHandAccessible* pHand = Hand(i);
        const QString strName = pHand->text(QAccessible::Name);
        QString& strLast = m_arrLastNames[static_cast<size_t>(i)];
        if (strName == strLast) continue;
        strLast = strName;
        // The first look only learns the names: a screen reader reads them when it asks.
        if (!m_bPrimed) continue;
        changed.push_back(i);
        QAccessibleEvent event(pHand, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    m_bPrimed = true;
    return changed;
}
