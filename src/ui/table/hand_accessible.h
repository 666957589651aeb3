// One painted hand as an element of the table window for screen readers: a picture whose name
// tells its cards and category. Not a widget; the table window's interface makes and owns it.
#pragma once

#include "ui/table/painted_accessible.h"

class CQtDialogHost;
class CMultiHandDlg;

class CHandAccessible : public CPaintedAccessible {
public:
    CHandAccessible(CQtDialogHost* pHost, int nIndex);

    int GetIndex() const { return m_nIndex; }
    // The area of the hand and its label, in the window's own pixels.
    static QRect HandRect(int nIndex);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    const CMultiHandDlg* Table() const;

    int m_nIndex;
};
