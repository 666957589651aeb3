// A window menu kept as data: the dialog appends items, the host shows them.
#pragma once

#include <string>
#include <vector>

#include "platform/afx.h"

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

struct CMenuItem {
    UINT nFlags;
    UINT nID;
    std::string strText;
};

class CMenu {
public:
    bool AppendMenu(UINT nFlags, UINT nIDNewItem = 0, const std::string& strNewItem = {});
    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    const std::vector<CMenuItem>& GetItems() const { return m_items; }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CMenuItem> m_items;
};
