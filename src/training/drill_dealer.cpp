#include "training/drill_dealer.h"

#include <algorithm>

#include "games/family.h"
#include "model/card.h"
#include "table/multi_hand_dlg.h"

CDrillDealer::CDrillDealer(CMultiHandDlg& dlg) : m_dlg(dlg) {
    m_dlg.AddObserver(this);
}

CDrillDealer::~CDrillDealer() {
    StepAside();
    m_dlg.RemoveObserver(this);
}

void CDrillDealer::SetDeals(std::vector<std::array<int, 5>> vecDeals) {
    m_vecDeals = std::move(vecDeals);
    m_nDealt = 0;
    m_nDrawn = 0;
    Arm();
}

void CDrillDealer::StepAside() {
    m_queNumbers.clear();
    if (m_bInstalled) AfxSetRandomSource(m_pPrevious);
    m_bInstalled = false;
}

int CDrillDealer::Next() {
    if (m_queNumbers.empty()) {
        // Not armed: the source that was there answers, as if this one were not.
        StepAside();
        return AfxRand();
    }
    const int n = m_queNumbers.front();
    m_queNumbers.pop_front();
    if (m_queNumbers.empty()) StepAside();
    return n;
}

// The deal's shuffle takes the dealt cards back in front of the rest, the joker at the bottom
// where the family plays it; the number that takes index i of n cards is i * (32768 / n).
void CDrillDealer::Arm() {
    StepAside();
    if (m_dlg.IsDealt() || m_dlg.IsClosed() || m_nDealt >= GetDealCount()) return;
    const CDeck& deck = m_dlg.GetDeck();
    std::vector<const CCard*> vecOrder(deck.GetDealt().begin(), deck.GetDealt().end());
    vecOrder.insert(vecOrder.end(), deck.GetCards().begin(), deck.GetCards().end());
    const bool bJokerIn =
        std::find(vecOrder.begin(), vecOrder.end(), deck.GetJoker()) != vecOrder.end();
    if (m_dlg.GetPayTable().Family().nCards != 53)
        std::erase(vecOrder, deck.GetJoker());
    else if (!bJokerIn && deck.GetJoker() != nullptr)
        vecOrder.push_back(deck.GetJoker());
    std::deque<int> queNumbers;
    for (int nCode : m_vecDeals[static_cast<size_t>(m_nDealt)]) {
        const auto it = std::find_if(vecOrder.begin(), vecOrder.end(),
                                     [nCode](const CCard* p) { return CardCodeOf(p) == nCode; });
        if (it == vecOrder.end()) return;  // not this family's card: dealt at random
        queNumbers.push_back(static_cast<int>(it - vecOrder.begin()) *
                             ((RAND_MAX_15 + 1) / static_cast<int>(vecOrder.size())));
        vecOrder.erase(it);
    }
    m_queNumbers = std::move(queNumbers);
    m_pPrevious = AfxSetRandomSource(this);
    m_bInstalled = true;
}

void CDrillDealer::OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) {
    if (eEvent == ETableEvent::Closed) return StepAside();
    if (eEvent == ETableEvent::Dealt) {
        StepAside();
        ++m_nDealt;
        return;
    }
    if (eEvent == ETableEvent::Drawn && m_nDrawn < m_nDealt) {
        ++m_nDrawn;
        if (m_drawn) m_drawn();
    }
    if (!dlg.IsDealt()) Arm();
}
