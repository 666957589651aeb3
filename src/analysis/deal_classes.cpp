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

    // The classes of nCards natural cards, each followed by the joker where bJoker.
    std::vector<CDealClass> List(int nCards, bool bJoker) {
        m_vecClasses.clear();
        m_bJoker = bJoker;
        Place(0, nCards, (1u << kRanks) - 1);
        return std::move(m_vecClasses);
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
        for (int nRank = 0; nRank < kRanks; ++nRank)
            for (int nSuit = 0; nSuit < 4; ++nSuit)
                if (m_arrMasks[nSuit] & (1u << nRank))
                    dealClass.arrCodes[nCard++] = nRank * 4 + nSuit;
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
        m_vecClasses.push_back(dealClass);
    }

    std::array<std::vector<unsigned>, 6> m_vecMasks;  // rank sets by size, largest first
    std::array<unsigned, 4> m_arrMasks{};
    std::vector<CDealClass> m_vecClasses;
    bool m_bJoker = false;
};

}  // namespace

const std::vector<CDealClass>& DealClasses(int nCards) {
    // Never destroyed: made after main starts, they would go before the exit handler that stops
    // the workers reading them.
    static const std::vector<CDealClass>& s_vecClasses =
        *new std::vector<CDealClass>(CClassLister().List(5, false));
    if (nCards <= CARD_CODES) return s_vecClasses;
    static const std::vector<CDealClass>& s_vecWithJoker = *[] {
        auto* pClasses = new std::vector<CDealClass>(s_vecClasses);
        const std::vector<CDealClass> vecFour = CClassLister().List(4, true);
        pClasses->insert(pClasses->end(), vecFour.begin(), vecFour.end());
        return pClasses;
    }();
    return s_vecWithJoker;
}
