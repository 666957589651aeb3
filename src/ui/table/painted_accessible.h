// An element of the table window that is painted, not a widget: a leaf under the window's own
// interface, which makes and owns it (the notification: the table's speaker). Its window and
// parent are the table's while it lives.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class CQtDialogHost;

class CPaintedAccessible : public QAccessibleInterface {
public:
    explicit CPaintedAccessible(CQtDialogHost* pHost);

    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<CQtDialogHost> m_pHost;
};
