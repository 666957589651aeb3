// The coach's lists show cards as "9♥ K♣": this delegate paints each card in its suit's ink,
// red for hearts and diamonds, as on the cards themselves.
#pragma once

#include <QStyledItemDelegate>

class CSuitInkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
