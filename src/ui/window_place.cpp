#include "ui/window_place.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint PlaceBesideTable(const QWidget& table, const QSize& size) {
    const QRect rcTable = table.frameGeometry();
    QPoint pt(rcTable.right() + 8, rcTable.top());
    if (const QScreen* pScreen = table.screen()) {
        const QRect rcScreen = pScreen->availableGeometry();
        pt.setX(std::min(pt.x(), rcScreen.right() - size.width()));
        pt.setY(std::clamp(pt.y(), rcScreen.top(), rcScreen.bottom() - size.height()));
    }
    return pt;
}
