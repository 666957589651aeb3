#include "model/card_array.h"

#include <cstddef>

#include "platform/afx.h"

void CCardArray::ReportBadIndex() {
    ASSERT(!"position outside the array");
}

void CCardArray::SetAt(int nIndex, CCard* pCard) {
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex)) m_cards[static_cast<std::size_t>(nIndex)] = pCard;
}

void CCardArray::SetSize(int nNewSize) {
    ASSERT(nNewSize >= 0);
    m_cards.resize(static_cast<std::size_t>(nNewSize < 0 ? 0 : nNewSize), nullptr);
}

void CCardArray::Append(const CCardArray& src) {
    // A copy first, so that appending an array to itself doubles it correctly.
    const std::vector<CCard*> copy = src.m_cards;
    m_cards.insert(m_cards.end(), copy.begin(), copy.end());
}

void CCardArray::RemoveAt(int nIndex) {
    ASSERT(IsValidIndex(nIndex));
    if (IsValidIndex(nIndex)) m_cards.erase(m_cards.begin() + nIndex);
}
