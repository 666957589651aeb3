#include "ui/coach/coach_figure.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>

#include "coach/coach_text.h"

CCoachFigure::CCoachFigure(const QString& strName, QWidget* pParent) : QLabel(pParent) {
    setAccessibleName(strName);
    setTextInteractionFlags(Qt::NoTextInteraction);
    // Every figure is plain text: no rich-text guess on each of the many updates.
    setTextFormat(Qt::PlainText);
}

QString CCoachFigure::Spoken() const {
    if (!m_strSpoken.isEmpty()) return m_strSpoken;
    return QString::fromStdString(
        FigureSpeech(accessibleName().toStdString(), text().toStdString()));
}

void CCoachFigure::NotifyIfRenamed() {
    if (!QAccessible::isActive()) return;
    const QString strSpoken = Spoken();
    if (strSpoken == m_strLastSpoken) return;
    m_strLastSpoken = strSpoken;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void CCoachFigure::paintEvent(QPaintEvent* pEvent) {
    NotifyIfRenamed();
    QLabel::paintEvent(pEvent);
}

CCoachBar::CCoachBar(const QString& strName, QWidget* pParent) : CCoachFigure(strName, pParent) {
    setMinimumWidth(40);
}

void CCoachBar::SetShare(double dShare) {
    dShare = std::clamp(dShare, 0.0, 1.0);
    if (dShare == m_dShare) return;
    m_dShare = dShare;
    update();
}

void CCoachBar::paintEvent(QPaintEvent*) {
    NotifyIfRenamed();
    QPainter painter(this);
    const QRect rcTrack = rect().adjusted(0, 2, 0, -2);
    painter.fillRect(rcTrack, palette().color(QPalette::Base));
    // A share that rounds to nothing still shows a sliver, so that "can come up" is visible.
    const int nWidth =
        m_dShare > 0.0 ? std::max(1, static_cast<int>(rcTrack.width() * m_dShare)) : 0;
    painter.fillRect(QRect(rcTrack.left(), rcTrack.top(), nWidth, rcTrack.height()),
                     palette().color(QPalette::Highlight));
}
