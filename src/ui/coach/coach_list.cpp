#include "ui/coach/coach_list.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "ui/coach/suit_ink.h"

namespace {

class CCoachList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    void keyboardSearch(const QString&) override {}
    // As tall as its least: the lists share what room there is by their stretch, and the
    // window's height, which follows the groups' hints, then fits a screen of 1080 lines.
    QSize sizeHint() const override { return {QTreeWidget::sizeHint().width(), minimumHeight()}; }
};

}  // namespace

QTreeWidget* MakeCoachList(const QString& strName, const QStringList& headers, QWidget* pParent) {
    auto* pList = new CCoachList(pParent);
    pList->setAccessibleName(strName);
    pList->setHeaderLabels(headers);
    pList->setRootIsDecorated(false);
    pList->setUniformRowHeights(true);
    pList->setFocusPolicy(Qt::StrongFocus);
    // The middle column takes what the others leave; the figures keep their width.
    pList->header()->setStretchLastSection(false);
    if (headers.size() == 3) {
        pList->header()->setSectionResizeMode(0, QHeaderView::Fixed);
        pList->header()->setSectionResizeMode(1, QHeaderView::Stretch);
        pList->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    } else {
        pList->header()->setStretchLastSection(true);
    }
    pList->setItemDelegate(new CSuitInkDelegate(pList));
    return pList;
}
