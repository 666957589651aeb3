// The table window for screen readers: its controls as a dialog's, then the 50 painted hands
// as elements of their own (main hand first), since painting leaves no widget to read, then
// the notification that tells what happens in play.
#pragma once

#include <QString>

#include <array>
#include <vector>

#include "table/multi_hand_dlg.h"
#include "ui/table/dialog_accessible.h"

class CHandAccessible;
class CQtDialogHost;

class CTableAccessible : public CDialogAccessible {
public:
    explicit CTableAccessible(CQtDialogHost* pHost);
    ~CTableAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int nIndex) const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The element of hand nIndex (0 the main hand), made on first use.
    CHandAccessible* Hand(int nIndex) const;
    // The notification element of the table's speaker; null where the table has none.
    QAccessibleInterface* Announcement() const;
    // Tells screen readers of every hand whose text changed since the last call and returns
    // their indices; the first call only learns the texts.
    std::vector<int> NotifyChangedHands();

private:
    CQtDialogHost* m_pHost;
    // Registered with Qt's accessibility cache, which hands out their ids; deleted with this.
    mutable std::array<QAccessible::Id, CMultiHandDlg::kHands> m_arrHandIDs{};
    std::array<QString, CMultiHandDlg::kHands> m_arrLastNames;
    bool m_bPrimed = false;
};
