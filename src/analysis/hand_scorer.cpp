#include "analysis/hand_scorer.h"

#include <memory>
#include <mutex>

namespace {

constexpr int kJokerRank = JOKER_CODE / 4;

}  // namespace

CHandScorer::CHandScorer(const CFamily& family, const CRules& rules)
    : m_nCards(family.nCards),
      m_nLosing(family.CategoryCount()),
      m_vecOutcomes(static_cast<std::size_t>(Slots(5)),
                    static_cast<std::uint8_t>(family.CategoryCount())) {
    for (int nCode = 0; nCode < MAX_CARD_CODES; ++nCode)
        m_arrSuitBits[static_cast<std::size_t>(nCode)] =
            family.IsWild(nCode) || nCode >= JOKER_CODE ? 0u : 1u << (nCode % 4);
    ForEachKind(5, [&](std::size_t nSlot, const int* pCodes) {
        const int nCategory = ClassifyHand(family, rules, pCodes);
        m_vecOutcomes[nSlot] =
            static_cast<std::uint8_t>(nCategory == NO_CATEGORY ? m_nLosing : nCategory);
    });
}

// Every multiset of ranks the deck can deal, once with its natural cards in as few suits as
// they can be and once in more than one where they can be.
void CHandScorer::ForEachKind(int nCount,
                              const std::function<void(std::size_t, const int*)>& visit) const {
    const int nTopRank = m_nCards > JOKER_CODE ? kJokerRank : kJokerRank - 1;
    int arrRanks[5] = {0, 0, 0, 0, 0};
    for (;;) {
        int arrSeen[kRankValues] = {};
        bool bDealable = true;
        for (int i = 0; i < nCount; ++i)
            bDealable = bDealable && ++arrSeen[arrRanks[i]] <= (arrRanks[i] == kJokerRank ? 1 : 4);
        int nTopCard = nCount - 1;  // the highest card but the joker
        while (nTopCard > 0 && arrRanks[nTopCard] == kJokerRank) --nTopCard;
        std::size_t nLastSlot = static_cast<std::size_t>(-1);
        for (int nSpread = 0; bDealable && nSpread < 2; ++nSpread) {
            // A rank's cards take different suits; spread, the highest rank but the joker's
            // starts one suit along, so the other ranks' first cards differ from it in suit.
            int arrCodes[5];
            int arrTaken[kRankValues] = {};
            for (int i = 0; i < nCount; ++i) {
                const int nRank = arrRanks[i];
                const int nShift = nSpread != 0 && nRank == arrRanks[nTopCard] ? 1 : 0;
                arrCodes[i] =
                    nRank == kJokerRank ? JOKER_CODE : nRank * 4 + (arrTaken[nRank]++ + nShift) % 4;
            }
            SortCodes(arrCodes, nCount);
            const std::size_t nSlot = SetSlot(arrCodes, nCount);
            if (nSlot != nLastSlot) visit(nSlot, arrCodes);
            nLastSlot = nSlot;
        }
        // The next multiset, ranks never falling.
        int i = nCount - 1;
        while (i >= 0 && arrRanks[i] == nTopRank) --i;
        if (i < 0) break;
        const int nNext = arrRanks[i] + 1;
        for (int j = i; j < nCount; ++j) arrRanks[j] = nNext;
    }
}

const CHandScorer& SharedHandScorer(const CFamily& family, const CRules& rules) {
    struct CEntry {
        const CFamily* pFamily;
        CRules rules;
        std::unique_ptr<const CHandScorer> pScorer;
    };
    // Never destroyed: a worker may still score while the process ends.
    static std::mutex& s_mutex = *new std::mutex;
    static std::vector<CEntry>& s_vecEntries = *new std::vector<CEntry>;
    const std::lock_guard lock(s_mutex);
    for (const CEntry& entry : s_vecEntries)
        if (entry.pFamily == &family && entry.rules == rules) return *entry.pScorer;
    s_vecEntries.push_back({&family, rules, std::make_unique<const CHandScorer>(family, rules)});
    return *s_vecEntries.back().pScorer;
}
