// The root of the four game variants: built over one hand, it scores it at once and keeps the
// category name and pay multiplier; it also draws the hand's label.
#pragma once

#include <span>
#include <string>

#include "platform/afx.h"
#include "platform/object.h"

class CDC;
class CHand;

// Game codes, as the table keeps them.
constexpr int GAME_DUCES_WILD = 1;
constexpr int GAME_JACKS_OR_BETTER = 2;
constexpr int GAME_BONUS = 3;
constexpr int GAME_DOUBLE_BONUS = 4;

// One line of a variant's pay table.
struct CPayLine {
    const char* pszName;  // the category name exactly as the variant gives it
    int nMultiplier;
};

class CGame : public CObject {
    DECLARE_DYNAMIC(CGame)

public:
    // Does not own pHand. A null hand is scored as nothing: empty name, multiplier 0.
    explicit CGame(CHand* pHand);
    ~CGame() override;

    // Scores the five cards of the hand: writes the category name ("" for a losing hand) and
    // returns the multiplier. CGame's own rules score nothing.
    virtual int Evaluate(std::string& strName) const;

    int GetPayout() const { return m_nPayout; }
    const char* GetName() const { return m_strName.c_str(); }

    // The label under a hand drawn at ptHand: a red rounded box with the category name.
    void DrawResult(CDC* pDC, POINT ptHand, bool bLarge) const;

protected:
    // The hand's cards counted per suit index (suit code / 100) and per rank. The rank counts are
    // kept as one set of ranks per count, so that straights, pairs and kinds are found with a few
    // bit operations rather than a scan with a branch per rank. Only ranks 2 to 14 are counted,
    // and no rule reads suit index 0: a card back, a missing position or an unknown code takes
    // part in no category, and nothing is written outside the counts.
    struct CCounts {
        int arrSuit[5];
        unsigned arrRanksHeld[6];  // [n]: bit r set when rank r (2 to 14) is held exactly n times
        int nRanked;               // cards of a rank from 2 to 14
        int nDeuces;               // cards of rank 2
    };
    static constexpr unsigned RANKS_ALL = 0x7FFCu;  // bits 2 to 14
    // Reads positions 0 to 4 of the hand; with bDeucesWild a 2 is left out of the suit counts.
    CCounts CountCards(bool bDeucesWild) const;
    // The number of ranks in a set; at most two ranks of a hand share any count above 1.
    static int CountRanks(unsigned nRanks) {
        int n = 0;
        for (; nRanks != 0; nRanks &= nRanks - 1) ++n;
        return n;
    }

    // The steps that Jacks or Better, Bonus and Double Bonus share: the category of the hand
    // with no wild cards, and for four of a kind the rank it is made of.
    enum class ENatural {
        Nothing,
        Pair,
        TwoPair,
        ThreeOfAKind,
        Straight,
        Flush,
        FullHouse,
        FourOfAKind,
        StraightFlush,
        RoyalFlush
    };
    struct CNatural {
        ENatural eCategory;
        int nQuadRank;  // 2 to 14 for four of a kind, else 0
    };
    CNatural ClassifyNatural() const;
    // Scores the hand without wild cards against pay lines in pay-table order, the losing hand
    // last: ten lines with one four-of-a-kind line, or twelve with four aces, four 2s to 4s and
    // four 5s to kings as lines of their own.
    int ScoreNatural(std::span<const CPayLine> lines, std::string& strName) const;

    CHand* m_pHand;
    std::string m_strName;
    int m_nPayout = 0;
};
