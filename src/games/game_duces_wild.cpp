#include "games/game_duces_wild.h"

#include <algorithm>
#include <bit>
#include <iterator>

#include "model/card.h"

IMPLEMENT_DYNAMIC(CGameDucesWild, CGame)

namespace {

enum ELine {
    ROYAL_FLUSH,
    FOUR_WILD,
    ROYAL_FLUSH_WILD,
    FIVE,
    STRAIGHT_FLUSH,
    FOUR,
    FULL_HOUSE,
    FLUSH,
    STRAIGHT,
    THREE,
    NOTHING
};

// Pay-table order; the last line is the losing hand, which the pay table does not list.
constexpr CPayLine kLines[] = {
    {"Royal Flush", 250},
    {"4 Wild", 200},
    {"Royal Flush w/2's", 25},
    {"5 of a Kind", 15},
    {"Straight Flush", 9},
    {"4 of a Kind", 5},
    {"Full House", 3},
    {"Flush", 2},
    {"Straight", 2},
    {"3 of a Kind", 1},
    {"", 0},
};
static_assert(std::size(kLines) == NOTHING + 1);

constexpr int kDeuce = 2;
constexpr int kLowestNatural = 3;

}  // namespace

CGameDucesWild::CGameDucesWild(CHand* pHand) : CGame(pHand) {
    // Named, so the call is not dispatched: this class's rules are the ones to apply here.
    if (pHand != nullptr) m_nPayout = CGameDucesWild::Evaluate(m_strName);
}

int CGameDucesWild::Evaluate(std::string& strName) const {
    const CCounts counts = CountCards(true);
    const int nWild = counts.nDeuces;
    auto result = [&strName](ELine eLine, int nScore) {
        strName = kLines[eLine].pszName;
        return nScore;
    };

    if (nWild == 4) return result(FOUR_WILD, 200);

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
    const bool bHeldTwice = (nPairs | heldExactly(3) | heldExactly(4) | heldExactly(5)) != 0;

    // A window low..low+4 matches when each of its rank counts is at most 1 and the 2s fill its
    // gaps, that is when the five positions hold ranked cards, no natural rank twice, and every
    // natural card lies in the window.
    const bool bFiveSingles = !bHeldTwice && counts.nRanked == 5;
    auto fitsWindow = [nHeld](int nLow) { return (nHeld & ~(0x1Fu << nLow)) == 0; };

    if (bFlush && bFiveSingles && fitsWindow(10)) {
        return nWild == 0 ? result(ROYAL_FLUSH, 250) : result(ROYAL_FLUSH_WILD, 25);
    }

    // Windows run from 3-7 to 10-14: the ace is high only, so A-2-3-4-5 is no straight.
    ELine eName = NOTHING;
    int s = 0;
    if (bFiveSingles) {
        const int nHighest = nHeld != 0 ? std::bit_width(nHeld) - 1 : kLowestNatural;
        if (fitsWindow(std::max(kLowestNatural, nHighest - 4))) {
            eName = STRAIGHT;
            s = 2;
        }
    }
    int v = s;
    if (bFlush) {
        eName = FLUSH;
        v = s + 2;
    }
    if (v == 4) {
        eName = STRAIGHT_FLUSH;
        v = 9;
    }
    const int nBest = v;
    const ELine eBestName = eName;

    // A rank reaches n of a kind when its count plus the 2s makes n.
    if (heldExactly(5 - nWild) != 0) return result(FIVE, 15);
    if (heldExactly(4 - nWild) != 0) {
        return nBest > 5 ? result(eBestName, nBest) : result(FOUR, 5);
    }

    int t = v;
    if (heldExactly(3 - nWild) != 0) {
        eName = THREE;
        t = 3;
    }
    // The 2s never make a pair; with one 2 the pair behind the three of a kind counts again.
    t += CountRanks(nPairs);

    int r = t;
    if (t <= 2) {
        eName = NOTHING;
        r = 0;
    } else if (t == 3) {
        r = 1;
    } else if (t == 4) {
        eName = nWild == 0 ? FULL_HOUSE : THREE;
        r = nWild == 0 ? 3 : 1;
    } else if (t == 5) {
        eName = FULL_HOUSE;
        r = 3;
    }
    return nBest > r ? result(eBestName, nBest) : result(eName, r);
}

const std::vector<CPayLine>& CGameDucesWild::GetPayTable() {
    static const std::vector<CPayLine> table(std::begin(kLines), std::end(kLines) - 1);
    return table;
}
