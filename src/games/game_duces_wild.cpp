#include "games/game_duces_wild.h"

#include <algorithm>
#include <bit>

IMPLEMENT_DYNAMIC(CGameDucesWild, CGame)

namespace {

constexpr int kDeuce = 2;
constexpr int kLowestNatural = 3;

}  // namespace

CGameDucesWild::CGameDucesWild(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameDucesWild::Evaluate(m_strName);
}

int CGameDucesWild::Evaluate(std::string& strName) const {
    const CPayLine& line = kLines[Classify(CountCards(true))];
    strName = line.pszName;
    return line.nMultiplier;
}

// The lines pay less the further down the pay table they stand, so trying them from the top
// and stopping at the first the hand makes gives its best pay.
CGameDucesWild::ELine CGameDucesWild::Classify(const CCounts& counts) {
    const int nWild = counts.nDeuces;
    if (nWild == 4) return FOUR_WILD;

    // The natural cards all share one suit.
    bool bFlush = false;
    for (int nSuit = 1; nSuit <= 4; ++nSuit) bFlush = bFlush || counts.arrSuit[nSuit] + nWild == 5;

    // The ranks the natural cards are scanned over; a 2 is always wild.
    constexpr unsigned kNaturalRanks = RANKS_ALL & ~(1u << kDeuce);
    auto heldExactly = [&counts](int n) {
        return n >= 0 && n <= 5 ? counts.arrRanksHeld[n] & kNaturalRanks : 0u;
    };
    const unsigned nHeld = kNaturalRanks & ~counts.arrRanksHeld[0];
    const unsigned nPairs = heldExactly(2);

    // A window low..low+4 is a straight when the five positions hold ranked cards, no natural
    // rank twice, and every natural card lies in the window: the 2s fill its gaps.
    const bool bFiveSingles =
        counts.nRanked == 5 && (nPairs | heldExactly(3) | heldExactly(4) | heldExactly(5)) == 0;
    auto fitsWindow = [nHeld](int nLow) { return (nHeld & ~(0x1Fu << nLow)) == 0; };
    if (bFlush && bFiveSingles && fitsWindow(10))
        return nWild == 0 ? ROYAL_FLUSH : ROYAL_FLUSH_WILD;

    // A rank reaches n of a kind when its count plus the 2s makes n.
    if (heldExactly(5 - nWild) != 0) return FIVE;

    // Windows run from 3-7 to 10-14: the ace is high only, so A-2-3-4-5 is no straight.
    const int nHighest = nHeld != 0 ? std::bit_width(nHeld) - 1 : kLowestNatural;
    const bool bStraight = bFiveSingles && fitsWindow(std::max(kLowestNatural, nHighest - 4));
    if (bStraight && bFlush) return STRAIGHT_FLUSH;
    if (heldExactly(4 - nWild) != 0) return FOUR;

    // The 2s never make a pair: a full house is three of a kind and a natural pair, or with one
    // 2 two natural pairs, one of them made three by the 2.
    const bool bThree = heldExactly(3 - nWild) != 0;
    const int nPairsBesideThree = CountRanks(nPairs) - (nWild == 1 ? 1 : 0);
    if (bThree && nWild <= 1 && nPairsBesideThree >= 1) return FULL_HOUSE;
    if (bFlush) return FLUSH;
    if (bStraight) return STRAIGHT;
    return bThree ? THREE : NOTHING;
}
