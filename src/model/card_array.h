// The ordered, growable array of card pointers that deck and hands are built on. Holds no
// ownership. A position that does not exist reads as null and is never written.
#pragma once

#include <cstddef>
#include <vector>

class CCard;

class CCardArray {
public:
    CCardArray() = default;

    int GetSize() const { return static_cast<int>(m_cards.size()); }
    bool IsEmpty() const { return m_cards.empty(); }
    CCard* GetAt(int nIndex) const {
        if (IsValidIndex(nIndex)) return m_cards[static_cast<std::size_t>(nIndex)];
        ReportBadIndex();
        return nullptr;
    }
    CCard* operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, CCard* pCard);
    // New slots are null.
    void SetSize(int nNewSize);
    // Returns the index of the new element.
    int Add(CCard* pCard) {
        m_cards.push_back(pCard);
        return GetSize() - 1;
    }
    void Append(const CCardArray& src);
    // Later elements move down one place.
    void RemoveAt(int nIndex);
    void RemoveAll() { m_cards.clear(); }
    void Reserve(int nCapacity) { m_cards.reserve(static_cast<std::size_t>(nCapacity)); }
    CCard* const* begin() const { return m_cards.data(); }
    CCard* const* end() const { return m_cards.data() + m_cards.size(); }

    bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }
    friend bool operator==(const CCardArray&, const CCardArray&) = default;

private:
    static void ReportBadIndex();

    std::vector<CCard*> m_cards;
};
