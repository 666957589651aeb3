// The coach's lists: rows of cards and figures that move with arrows and page keys only (a
// typed letter or digit is the table's), cards painted in their suits' inks.
#pragma once

#include <QStringList>

class QTreeWidget;
class QWidget;

// A list named strName for screen readers. With three columns the middle one takes what the
// others leave; else the last one does.
QTreeWidget* MakeCoachList(const QString& strName, const QStringList& headers, QWidget* pParent);
