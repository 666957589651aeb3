#include "ui/table/hand_accessible.h"

#include <QWidget>

#include "model/layout.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "ui/table/hand_description.h"

namespace {

// A hand with its label.
constexpr QSize kSmallHandArea(HAND_SMALL_WIDTH, CARD_SMALL_HEIGHT + LABEL_BOTTOM);
constexpr QSize kMainHandArea(HAND_LARGE_WIDTH, CARD_LARGE_HEIGHT + LABEL_BOTTOM);

}  // namespace

CHandAccessible::CHandAccessible(CQtDialogHost* pHost, int nIndex)
    : CPaintedAccessible(pHost), m_nIndex(nIndex) {}

QRect CHandAccessible::HandRect(int nIndex) {
    const POINT pt = CMultiHandDlg::HandOrigin(nIndex);
    return QRect(QPoint(pt.x, pt.y), nIndex == 0 ? kMainHandArea : kSmallHandArea);
}

const CMultiHandDlg* CHandAccessible::Table() const {
    return m_pHost ? dynamic_cast<const CMultiHandDlg*>(&m_pHost->GetDialog()) : nullptr;
}

bool CHandAccessible::isValid() const {
    return Table() != nullptr;
}

QString CHandAccessible::text(QAccessible::Text t) const {
    const CMultiHandDlg* pTable = Table();
    if (pTable == nullptr) return {};
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(DescribeHand(*pTable, m_nIndex));
        case QAccessible::Description:
            return m_nIndex == 0 ? QStringLiteral("The dealt hand; 1 to 5 hold its cards")
                                 : QStringLiteral("Drawn from the held cards of the main hand");
        default:
            return {};
    }
}

QRect CHandAccessible::rect() const {
    if (!m_pHost) return {};
    const QRect local = HandRect(m_nIndex);
    return QRect(m_pHost->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CHandAccessible::state() const {
    QAccessible::State state;
    state.readOnly = true;
    if (!m_pHost || !m_pHost->isVisible()) state.invisible = true;
    if (const CMultiHandDlg* pTable = Table(); pTable && m_nIndex >= pTable->GetHandsInPlay()) {
        // A hand out of play shows what it last held, as painting does; it is not active.
        state.disabled = true;
    }
    return state;
}
