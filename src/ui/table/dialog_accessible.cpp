#include "ui/table/dialog_accessible.h"

#include <QGroupBox>

#include <algorithm>

namespace {

// What a screen reader sees of a dialog's widgets: those shown, in the order they were made.
std::vector<QWidget*> ShownChildren(const QWidget* pParent) {
    std::vector<QWidget*> vecChildren;
    for (QObject* pObject : pParent->children()) {
        auto* pWidget = qobject_cast<QWidget*>(pObject);
        if (pWidget && !pWidget->isWindow() && !pWidget->isHidden()) vecChildren.push_back(pWidget);
    }
    return vecChildren;
}

int IndexIn(const std::vector<QWidget*>& vecWidgets, const QAccessibleInterface* pChild) {
    if (pChild == nullptr) return -1;
    const auto it = std::find(vecWidgets.begin(), vecWidgets.end(), pChild->object());
    return it == vecWidgets.end() ? -1 : static_cast<int>(it - vecWidgets.begin());
}

}  // namespace

CDialogAccessible::CDialogAccessible(QWidget* pDialog, QAccessible::Role role)
    : QAccessibleWidget(pDialog, role) {}

QGroupBox* CDialogAccessible::GroupOf(const QWidget* pWidget) {
    if (pWidget == nullptr || pWidget->parentWidget() == nullptr ||
        qobject_cast<const QGroupBox*>(pWidget))
        return nullptr;
    for (QWidget* pSibling : ShownChildren(pWidget->parentWidget())) {
        auto* pGroup = qobject_cast<QGroupBox*>(pSibling);
        if (pGroup && pGroup->geometry().contains(pWidget->geometry())) return pGroup;
    }
    return nullptr;
}

std::vector<QWidget*> CDialogAccessible::GroupMembers(const QGroupBox* pGroup) {
    std::vector<QWidget*> vecMembers;
    if (pGroup == nullptr || pGroup->parentWidget() == nullptr) return vecMembers;
    for (QWidget* pWidget : ShownChildren(pGroup->parentWidget()))
        if (GroupOf(pWidget) == pGroup) vecMembers.push_back(pWidget);
    return vecMembers;
}

QAccessibleInterface* CDialogAccessible::ParentOf(const QWidget* pWidget) {
    if (pWidget == nullptr) return nullptr;
    if (QGroupBox* pGroup = GroupOf(pWidget)) return QAccessible::queryAccessibleInterface(pGroup);
    return QAccessible::queryAccessibleInterface(pWidget->parentWidget());
}

std::vector<QWidget*> CDialogAccessible::TopChildren() const {
    std::vector<QWidget*> vecChildren = ShownChildren(widget());
    std::erase_if(vecChildren, [](const QWidget* p) { return GroupOf(p) != nullptr; });
    return vecChildren;
}

int CDialogAccessible::childCount() const {
    return static_cast<int>(TopChildren().size());
}

QAccessibleInterface* CDialogAccessible::child(int nIndex) const {
    const std::vector<QWidget*> vecChildren = TopChildren();
    if (nIndex < 0 || nIndex >= static_cast<int>(vecChildren.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(vecChildren[static_cast<size_t>(nIndex)]);
}

int CDialogAccessible::indexOfChild(const QAccessibleInterface* pChild) const {
    return IndexIn(TopChildren(), pChild);
}

CGroupBoxAccessible::CGroupBoxAccessible(QGroupBox* pGroup)
    : QAccessibleWidget(pGroup, QAccessible::Grouping) {}

QString CGroupBoxAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<QGroupBox*>(widget())->title().remove('&');
    return QAccessibleWidget::text(t);
}

int CGroupBoxAccessible::childCount() const {
    return static_cast<int>(
        CDialogAccessible::GroupMembers(static_cast<QGroupBox*>(widget())).size());
}

QAccessibleInterface* CGroupBoxAccessible::child(int nIndex) const {
    const auto vecMembers = CDialogAccessible::GroupMembers(static_cast<QGroupBox*>(widget()));
    if (nIndex < 0 || nIndex >= static_cast<int>(vecMembers.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(vecMembers[static_cast<size_t>(nIndex)]);
}

int CGroupBoxAccessible::indexOfChild(const QAccessibleInterface* pChild) const {
    return IndexIn(CDialogAccessible::GroupMembers(static_cast<QGroupBox*>(widget())), pChild);
}

QAccessibleInterface* CGroupBoxAccessible::parent() const {
    return CDialogAccessible::ParentOf(widget());
}
