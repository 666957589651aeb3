#include "platform/menu.h"

bool CMenu::AppendMenu(UINT nFlags, UINT nIDNewItem, const std::string& strNewItem) {
    m_items.push_back({nFlags, (nFlags & MF_SEPARATOR) ? 0u : nIDNewItem,
                       (nFlags & MF_SEPARATOR) ? std::string() : strNewItem});
    return true;
}
