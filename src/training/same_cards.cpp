#include "training/same_cards.h"

#include <algorithm>
#include <array>

#include "analysis/hand_scorer.h"
#include "coach/coach.h"

std::int64_t ReplayHold(const CCoachDeal& deal, int nHoldMask) {
    const CHandScorer& scorer = SharedHandScorer(deal.payTable.Family(), deal.payTable.rules);
    std::int64_t nWon = 0;
    for (const std::array<int, 5>& arrPile : deal.vecPiles) {
        std::array<int, 5> arrHand{};
        for (int i = 0; i < 5; ++i) {
            const auto u = static_cast<size_t>(i);
            arrHand[u] = (nHoldMask >> i) & 1 ? deal.arrCodes[u] : arrPile[u];
        }
        std::sort(arrHand.begin(), arrHand.end());
        const int nCategory = scorer.Score(arrHand.data());
        nWon += static_cast<std::int64_t>(deal.payTable.Pay(nCategory, deal.nBet)) * deal.nBet;
    }
    return nWon;
}

CSameCards ReplaySameCards(const CCoachDeal& deal) {
    if (!deal.bDrawn || !deal.bValued || deal.vecPiles.empty()) return {};
    return {ReplayHold(deal, deal.nHoldMask), ReplayHold(deal, deal.nBestMask)};
}
