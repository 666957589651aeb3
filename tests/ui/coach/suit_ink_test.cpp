#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTreeWidget>

#include "ui/coach/suit_ink.h"

namespace {

// Pixels of the cards' red ink, give or take the edges' blending.
int RedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 150 && c.green() < 90 && c.blue() < 100;
        }
    return n;
}

TEST(SuitInkTest, RedSuitsArePaintedRedOnlyWhereTheWholeTextShows) {
    struct Case {
        const char* pszText;
        int nWidth;
        bool bSelected;
        bool bRed;
    };
    const Case cases[] = {
        {"9\u2665 9\u2663", 200, false, true},
        {"K\u2666 Q\u2663 J\u2660", 200, false, true},
        {"K\u2660 Q\u2663", 200, false, false},
        {"nothing (draw five)", 200, false, false},
        // Cut off: the default painting elides it, in one colour.
        {"9\u2665 9\u2663 8\u2666 7\u2665 6\u2666", 30, false, false},
        // On the highlight: the highlight's text colour.
        {"9\u2665 9\u2663", 200, true, false},
    };
    QTreeWidget list;
    list.setItemDelegate(new CSuitInkDelegate(&list));
    auto* pItem = new QTreeWidgetItem(&list);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        pItem->setText(0, QString::fromUtf8(c.pszText));
        QStyleOptionViewItem option;
        option.initFrom(&list);
        option.rect = QRect(0, 0, c.nWidth, 20);
        option.font = list.font();
        option.fontMetrics = QFontMetrics(list.font());
        option.widget = &list;
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        if (c.bSelected) option.state |= QStyle::State_Selected;
        QImage image(c.nWidth, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        list.itemDelegate()->paint(&painter, option, list.model()->index(0, 0));
        painter.end();
        EXPECT_EQ(RedPixels(image) > 0, c.bRed);
    }
}

}  // namespace
