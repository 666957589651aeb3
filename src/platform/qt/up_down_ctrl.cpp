#include "platform/qt/up_down_ctrl.h"

#include <QEvent>
#include <QToolButton>

#include <algorithm>

CUpDownCtrl::CUpDownCtrl(QWidget* pParent)
    : QWidget(pParent), m_pUp(new QToolButton(this)), m_pDown(new QToolButton(this)) {
    setFocusPolicy(Qt::NoFocus);
    for (QToolButton* pButton : {m_pUp, m_pDown}) {
        pButton->setFocusPolicy(Qt::NoFocus);
        pButton->setAutoRepeat(true);
        pButton->setAutoRepeatDelay(400);
        pButton->setAutoRepeatInterval(100);
    }
    m_pUp->setArrowType(Qt::UpArrow);
    m_pDown->setArrowType(Qt::DownArrow);
    m_pUp->setAccessibleName("Up");
    m_pDown->setAccessibleName("Down");
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CUpDownCtrl::SetRange(int nLower, int nUpper) {
    m_nLower = nLower;
    m_nUpper = nUpper;
}

void CUpDownCtrl::GetRange(int& nLower, int& nUpper) const {
    nLower = m_nLower;
    nUpper = m_nUpper;
}

void CUpDownCtrl::SetPos(int nPos) {
    m_nPos = std::clamp(nPos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
}

void CUpDownCtrl::Step(int nDelta) {
    if (!isEnabled()) return;
    if (m_handler && !m_handler(m_nPos, nDelta)) return;
    SetPos(m_nPos + nDelta);
}

void CUpDownCtrl::resizeEvent(QResizeEvent*) {
    const int nHalf = height() / 2;
    m_pUp->setGeometry(0, 0, width(), nHalf);
    m_pDown->setGeometry(0, nHalf, width(), height() - nHalf);
}

void CUpDownCtrl::changeEvent(QEvent* pEvent) {
    // A held arrow stops repeating the moment the control is disabled.
    if (pEvent->type() == QEvent::EnabledChange && !isEnabled()) {
        m_pUp->setDown(false);
        m_pDown->setDown(false);
    }
    QWidget::changeEvent(pEvent);
}
