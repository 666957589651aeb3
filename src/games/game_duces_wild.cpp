#include "games/game_duces_wild.h"

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
    const int nWild = counts.arrRank[kDeuce];
    ELine eName = NOTHING;
    auto result = [&strName](ELine eLine, int nScore) {
        strName = kLines[eLine].pszName;
        return nScore;
    };

    if (nWild == 4) return result(FOUR_WILD, 200);

    // The natural cards all share one suit.
    bool bFlush = false;
    for (int nSuit = 1; nSuit <= 4; ++nSuit) bFlush = bFlush || counts.arrSuit[nSuit] + nWild == 5;

    // One pass over the natural ranks: which are held, which more than once, the natural pairs,
    // and the first rank held n times for each n (the scans for five, four and three of a kind
    // look for the first rank whose count plus the wild count reaches the target).
    unsigned nHeld = 0;
    unsigned nHeldTwice = 0;
    int nPairs = 0;
    int arrFirstWithCount[6] = {};
    for (int nRank = kLowestNatural; nRank <= RANK_ACE; ++nRank) {
        const int n = counts.arrRank[nRank];  // at most five cards are counted
        if (n >= 1) nHeld |= 1u << nRank;
        if (n >= 2) nHeldTwice |= 1u << nRank;
        if (n == 2) ++nPairs;
        if (arrFirstWithCount[n] == 0) arrFirstWithCount[n] = nRank;
    }
    auto firstReaching = [&](int nTarget) {
        const int n = nTarget - nWild;
        return n >= 0 && n <= 5 ? arrFirstWithCount[n] : 0;
    };
    // A window low..low+4 matches when no rank in it is held twice and the 2s fill its gaps
    // exactly, so every natural card lies in it.
    auto windowMatches = [&](int nLow) {
        const unsigned nWindow = 0x1Fu << nLow;
        return (nHeldTwice & nWindow) == 0 && std::popcount(nHeld & nWindow) + nWild == 5;
    };

    if (bFlush && windowMatches(10)) {
        return nWild == 0 ? result(ROYAL_FLUSH, 250) : result(ROYAL_FLUSH_WILD, 25);
    }

    // A 2 belongs to no window and the ace only to the top one: A-2-3-4-5 is no straight.
    int s = 0;
    for (int nLow = kLowestNatural; nLow <= 10; ++nLow) {
        if (windowMatches(nLow)) {
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

    if (firstReaching(5) != 0) return result(FIVE, 15);
    if (firstReaching(4) != 0) return nBest > 5 ? result(eBestName, nBest) : result(FOUR, 5);

    int t = v;
    if (firstReaching(3) != 0) {
        eName = THREE;
        t = 3;
    }
    // The 2s never make a pair; with one 2 the pair behind the three of a kind counts again.
    t += nPairs;

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
