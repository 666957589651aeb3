#include "analysis/deal_classes.h"

#include <algorithm>
#include <bit>

#include "analysis/card_code.h"

namespace {

constexpr int kRanks = 13;

// A deal is four sets of ranks, one per suit, and renaming suits permutes the four. Its class
// is the multiset of the four, so each class is listed once as sets in non-increasing order
// (read as 13-bit numbers); its size is the number of distinct ways to give them to the suits.
class CClassLister {
public:
    CClassLister() {
        for (unsigned nMask = 0; nMask < (1u << kRanks); ++nMask)
            if (std::popcount(nMask) <= 5) m_vecMasks[std::popcount(nMask)].push_back(nMask);
        for (std::vector<unsigned>& vecMasks : m_vecMasks)
            std::sort(vecMasks.rbegin(), vecMasks.rend());
    }

    // Adds the classes of nCards natural cards, each followed by the joker where bJoker.
    void List(int nCards, bool bJoker, std::vector<CDealClass>& vecClasses) {
        m_pClasses = &vecClasses;
        m_bJoker = bJoker;
        Place(0, nCards, (1u << kRanks) - 1);
    }

private:
    void Place(int nSuit, int nCardsLeft, unsigned nAtMost) {
        if (nSuit == 4) {
            if (nCardsLeft == 0) Emit();
            return;
        }
        // The last suit must take every card still to place.
        for (int nCards = nSuit == 3 ? nCardsLeft : 0; nCards <= nCardsLeft; ++nCards) {
            const std::vector<unsigned>& vecMasks = m_vecMasks[nCards];
            auto it = std::lower_bound(vecMasks.begin(), vecMasks.end(), nAtMost,
                                       [](unsigned a, unsigned b) { return a > b; });
            for (; it != vecMasks.end(); ++it) {
                m_arrMasks[nSuit] = *it;
                Place(nSuit + 1, nCardsLeft - nCards, *it);
            }
        }
    }

    void Emit() {
        CDealClass dealClass{};
        int nCard = 0;
        for (int nSuit = 0; nSuit < 4; ++nSuit)
            for (unsigned nMask = m_arrMasks[nSuit]; nMask != 0; nMask &= nMask - 1)
                dealClass.arrCodes[nCard++] = std::countr_zero(nMask) * 4 + nSuit;
        SortCodes(dealClass.arrCodes.data(), nCard);
        // 4! over the factorials of the runs of equal sets.
        int nDeals = 24;
        for (int i = 0; i < 4;) {
            int j = i;
            while (j < 4 && m_arrMasks[j] == m_arrMasks[i]) ++j;
            for (int n = 2; n <= j - i; ++n) nDeals /= n;
            i = j;
        }
        if (m_bJoker) dealClass.arrCodes[nCard] = JOKER_CODE;
        dealClass.nDeals = nDeals;
        m_pClasses->push_back(dealClass);
    }

    std::array<std::vector<unsigned>, 6> m_vecMasks;  // rank sets by size, largest first
    std::array<unsigned, 4> m_arrMasks{};
    std::vector<CDealClass>* m_pClasses = nullptr;
    bool m_bJoker = false;
};

std::size_t s_nNatural = 0;  // the classes without the joker

}  // namespace

std::span<const CDealClass> DealClasses(int nCards) {
    // Never destroyed: made after main starts, they would go before the exit handler that stops
    // the workers reading them.
    static const std::vector<CDealClass>& s_vecClasses = *[] {
        auto* pClasses = new std::vector<CDealClass>;
        pClasses->reserve(134459 + 16432);  // as many as there are
        CClassLister lister;
        lister.List(5, false, *pClasses);
        s_nNatural = pClasses->size();
        lister.List(4, true, *pClasses);
        return pClasses;
    }();
    return {s_vecClasses.data(), nCards <= CARD_CODES ? s_nNatural : s_vecClasses.size()};
}
