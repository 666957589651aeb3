// The root of the four game variants: built over one hand, a pay table and a bet, it scores the
// hand at once and keeps the category name and pay per coin; it also draws the hand's label.
#pragma once

#include <span>
#include <string>

#include "games/pay_table.h"
#include "platform/afx.h"
#include "platform/object.h"

class CDC;
class CHand;

// Game codes, as the table keeps them.
constexpr int GAME_DUCES_WILD = 1;
constexpr int GAME_JACKS_OR_BETTER = 2;
constexpr int GAME_BONUS = 3;
constexpr int GAME_DOUBLE_BONUS = 4;

class CGame : public CObject {
    DECLARE_DYNAMIC(CGame)

public:
    // Does not own pHand or pTable, which must outlive the object. A null hand is scored as
    // nothing: empty name, multiplier 0.
    explicit CGame(CHand* pHand, const CPayTable* pTable = nullptr, int nBet = MIN_BET);
    ~CGame() override;

    // Scores the five cards of the hand: writes the category name ("" for a losing hand) and
    // returns the multiplier. CGame's own rules score nothing.
    virtual int Evaluate(std::string& strName) const;

    // Coins per coin bet at the object's bet.
    int GetPayout() const { return m_nPayout; }
    const char* GetName() const { return m_strName.c_str(); }

    // The label under a hand drawn at ptHand: a red rounded box with the category name.
    void DrawResult(CDC* pDC, POINT ptHand, bool bLarge) const;

protected:
    // Scores the hand by the pay table's family and rules, and its pays at the bet: each game
    // plays whichever table was chosen for it, of its own family or one descended from it.
    int ScoreByTable(std::string& strName) const;

    CHand* m_pHand;
    const CPayTable* m_pPayTable;
    int m_nBet;
    std::string m_strName;
    int m_nPayout = 0;
};
