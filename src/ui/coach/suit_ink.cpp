#include "ui/coach/suit_ink.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>

#include "model/card.h"
#include "ui/art/card_art.h"

namespace {

bool IsRedSuit(QChar ch) {
    return ch == QChar(0x2665) || ch == QChar(0x2666);
}

}  // namespace

void CSuitInkDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString strText = opt.text;
    const bool bAnyRed = std::any_of(strText.begin(), strText.end(), IsRedSuit);
    const QStyle* pStyle = opt.widget ? opt.widget->style() : QApplication::style();
    QRect rcText = pStyle->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    // A margin as the style keeps around item text.
    const int nMargin = pStyle->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    rcText.adjust(nMargin, 0, -nMargin, 0);
    // Text that must be elided, and a selected row in the highlight's own colour, keep the
    // default painting: a red card on the highlight would be hard to read.
    if (!bAnyRed || (opt.state & QStyle::State_Selected) ||
        !(opt.displayAlignment & Qt::AlignLeft) ||
        opt.fontMetrics.horizontalAdvance(strText) > rcText.width()) {
        QStyledItemDelegate::paint(pPainter, option, index);
        return;
    }
    opt.text.clear();
    pStyle->drawControl(QStyle::CE_ItemViewItem, &opt, pPainter, opt.widget);

    pPainter->save();
    pPainter->setFont(opt.font);
    const QColor black = opt.palette.color(QPalette::Text);
    const QColor red = SuitInkColour(SUIT_HEARTS);
    int nX = rcText.left();
    // Paint word by word: a word ending in a red suit is one red card.
    const QStringList words = strText.split(' ');
    for (int i = 0; i < words.size(); ++i) {
        const QString strWord = i + 1 < words.size() ? words[i] + ' ' : words[i];
        const bool bRed = !words[i].isEmpty() && IsRedSuit(words[i].back());
        pPainter->setPen(bRed ? red : black);
        const QRect rcWord(nX, rcText.top(), rcText.right() - nX + 1, rcText.height());
        pPainter->drawText(rcWord, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, strWord);
        nX += opt.fontMetrics.horizontalAdvance(strWord);
    }
    pPainter->restore();
}
