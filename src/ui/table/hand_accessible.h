// One painted hand as an element of the table window for screen readers: a picture whose name
// tells its cards and category. Not a widget; the table window's interface makes and owns it.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class CQtDialogHost;
class CMultiHandDlg;

class CHandAccessible : public QAccessibleInterface {
public:
    CHandAccessible(CQtDialogHost* pHost, int nIndex);

    int GetIndex() const { return m_nIndex; }
    // The area of the hand and its label, in the window's own pixels.
    static QRect HandRect(int nIndex);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    const CMultiHandDlg* Table() const;

    QPointer<CQtDialogHost> m_pHost;
    int m_nIndex;
};
