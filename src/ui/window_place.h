// Where a window of ours opens beside the table.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Right of the table where the screen has room, else over its right side; never off the
// screen's available area.
QPoint PlaceBesideTable(const QWidget& table, const QSize& size);
