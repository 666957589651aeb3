// A dialog window for screen readers: the controls that stand inside a group box are that
// group's children, so a screen reader meets "Game" and then its four choices, or a pay table
// under its game's name. The widgets themselves stay side by side, as the template builds them.
#pragma once

#include <QAccessibleWidget>

#include <vector>

class QGroupBox;

class CDialogAccessible : public QAccessibleWidget {
public:
    CDialogAccessible(QWidget* pDialog, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface* child(int nIndex) const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;

    // The group box beside pWidget that frames it; null for none.
    static QGroupBox* GroupOf(const QWidget* pWidget);
    // The controls a group box frames, in the template's order.
    static std::vector<QWidget*> GroupMembers(const QGroupBox* pGroup);
    // What a dialog's control is a child of for screen readers: its group box or its dialog.
    static QAccessibleInterface* ParentOf(const QWidget* pWidget);

private:
    std::vector<QWidget*> TopChildren() const;
};

// A group box with the controls it frames as its children.
class CGroupBoxAccessible : public QAccessibleWidget {
public:
    explicit CGroupBoxAccessible(QGroupBox* pGroup);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int nIndex) const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QAccessibleInterface* parent() const override;
};
