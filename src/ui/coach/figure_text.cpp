#include "ui/coach/figure_text.h"

#include <QStringList>
#include <QWidget>

#include "analysis/card_code.h"
#include "coach/fraction.h"

QString CardText(int nCode) {
    static const char16_t kSuits[] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};
    QString strText = QString::fromStdString(CardCodeText(nCode));
    strText.chop(1);
    return strText + QChar(kSuits[nCode % 4]);
}

QString DealText(const std::array<int, 5>& arrCodes) {
    QStringList cards;
    for (int nCode : arrCodes) cards << CardText(nCode);
    return cards.join(' ');
}

QString HoldText(const std::array<int, 5>& arrCodes, int nMask) {
    QStringList cards;
    for (int i = 0; i < 5; ++i)
        if ((nMask >> i) & 1) cards << CardText(arrCodes[static_cast<size_t>(i)]);
    return cards.isEmpty() ? QString("nothing (draw five)") : cards.join(' ');
}

QString Number(double d, int nDecimals) {
    return QString::number(d, 'f', nDecimals);
}

QString Coins(const CFraction& coins) {
    return Number(coins.Value(), 2) + " coins";
}

QString Percent(const CFraction& fraction) {
    return Number(fraction.Value() * 100.0, 4) + " %";
}

QString Exactly(const CFraction& fraction) {
    return "Exactly " + QString::fromStdString(fraction.Text());
}

QColor CostColour() {
    return {200, 0, 0};
}

void SetCostColour(QWidget* pWidget, bool bCostly) {
    QPalette palette = pWidget->palette();
    palette.setColor(
        QPalette::WindowText,
        bCostly ? CostColour() : pWidget->parentWidget()->palette().color(QPalette::WindowText));
    pWidget->setPalette(palette);
}
