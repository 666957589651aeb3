#include "ui/table/painted_accessible.h"

#include <QAccessible>

#include "platform/qt/qt_dialog_host.h"

CPaintedAccessible::CPaintedAccessible(CQtDialogHost* pHost) : m_pHost(pHost) {}

QWindow* CPaintedAccessible::window() const {
    return m_pHost ? m_pHost->windowHandle() : nullptr;
}

QAccessibleInterface* CPaintedAccessible::parent() const {
    return m_pHost ? QAccessible::queryAccessibleInterface(m_pHost.data()) : nullptr;
}
