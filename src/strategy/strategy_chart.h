// A strategy chart: hold classes in order. For a deal a player reads down from the top, takes
// the first line one of the deal's holds falls in, and keeps those cards (the higher cards
// where two holds fall in the same line). Its figures are counted exactly over every deal.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/hold_value.h"
#include "games/pay_table.h"
#include "strategy/hold_class.h"

class CHoldPays;
struct CCostTotals;

// A penalty card: where one of the cards a line's hold discards has one of these ranks (and,
// where bSameSuit, the suit of the held cards), the deal's hold on line nInstead (below) is
// kept instead, if it has one; where nInstead is the line itself, its lower cards are.
struct CChartException {
    unsigned nRanks = 0;  // bit r for rank r
    bool bSameSuit = false;
    int nInstead = -1;
    // "but K Q J unsuited if a 10 of that suit is discarded"
    std::string Name(const std::string& strInstead) const;
    friend bool operator==(const CChartException&, const CChartException&) = default;
};

struct CChartLine;

// The sub-line of a penalty card under line nLine: "but K Q J unsuited if a 10 of that suit is
// discarded", "but the lower cards if a J or Q is discarded".
std::string ExceptionText(const std::vector<CChartLine>& vecLines, std::size_t nLine,
                          const CChartException& exception);

struct CChartLine {
    std::vector<int> vecClasses;  // one, or several of a group under one name
    std::string strName;
    std::vector<CChartException> vecExceptions;  // sub-lines under it, each its own kind
    // Over every deal of the deck: those the line decides, the expected pay per coin of its
    // holds on them and what they give up against the best hold, both added up times the
    // deck's draw LCM.
    std::int64_t nDeals = 0;
    std::int64_t nPaySum = 0;
    std::int64_t nLossSum = 0;
    std::int64_t nDrawLcm = kDrawLcm;                  // of the deck counted
    std::int64_t nAllDeals = Binomial(CARD_CODES, 5);  // of the deck counted

    double AveragePay() const;  // per coin, over the deals it decides
    double Share() const;       // of all deals
    // What the line's decisions give up, in percentage points of the game's return.
    double LossPoints() const;
};

// The chart's hold of a deal: its mask by dealt positions and its line (from 0).
struct CChartChoice {
    int nHoldMask = 0;
    int nLine = -1;  // -1 for a deal that is not five different cards
};

// Whether the exception's penalty card is among the cards the hold nSortedMask of five sorted
// codes discards: one of its ranks (of the held cards' one suit, where it says so).
bool SpoilsHold(const CChartException& exception, const CFamily& family, const int* pSortedCodes,
                int nSortedMask);

class CStrategyChart {
public:
    // Lines from the top; every class of pClasses is on at most one line, and every deal has a
    // hold on one of them.
    CStrategyChart(CPayTable table, int nBet, std::shared_ptr<const CHoldClasses> pClasses,
                   std::vector<CChartLine> vecLines);

    const CPayTable& GetPayTable() const { return m_table; }
    int GetBet() const { return m_nBet; }
    const std::vector<CChartLine>& GetLines() const { return m_vecLines; }
    // Lines and their sub-lines, as a page counts them.
    int GetRowCount() const;
    // While the chart is being made: a line's exceptions.
    void SetExceptions(int nLine, std::vector<CChartException> vecExceptions) {
        m_vecLines[static_cast<std::size_t>(nLine)].vecExceptions = std::move(vecExceptions);
    }
    const CHoldClasses& GetClasses() const { return *m_pClasses; }
    // For another chart of the same classes.
    const std::shared_ptr<const CHoldClasses>& GetSharedClasses() const { return m_pClasses; }

    // The line of the hold nSortedMask of five sorted codes; -1 for none. nDeuceMask: the cards it
    // must keep (CHoldClasses::KeptMask).
    int LineOfSortedHold(const int* pSortedCodes, int nSortedMask, int nDeuceMask) const;

    // Codes in dealt order.
    CChartChoice Choose(const std::array<int, 5>& arrCodes) const;
    // The line of a hold (mask by dealt positions); -1 where no line holds it (off the chart,
    // a line's exception keeps it off, or in Deuces Wild a hold that lets a deuce go).
    int LineOfHold(const std::array<int, 5>& arrCodes, int nHoldMask) const;
    // The same for five sorted codes, masks over them.
    int ChooseSorted(const int* pSortedCodes, int* pSortedMask) const;

    // Counted by CountChartCost.
    CGameReturn GetReturn() const { return m_chartReturn; }
    CGameReturn GetOptimalReturn() const { return m_optimalReturn; }
    // Percentage points of return the chart gives up against the best hold on every deal.
    double GapPoints() const;

private:
    friend void CountChartCost(CStrategyChart& chart, const CHoldPays& pays);
    int ChooseSortedTie(const int* pSortedCodes, int* pSortedMask, bool& bSuitTie) const;
    void AddDealCost(const CHoldPays& pays, const int* pSortedCodes, std::int64_t nWeight,
                     CCostTotals& totals) const;

    CPayTable m_table;
    int m_nBet;
    std::shared_ptr<const CHoldClasses> m_pClasses;
    std::vector<CChartLine> m_vecLines;
    std::vector<int> m_vecLineOfClass;  // -1 off the chart
    CGameReturn m_chartReturn;
    CGameReturn m_optimalReturn;
};

// Plays the chart on every deal of the deck, on every core, and keeps its return, the best
// return and each line's figures. pays is the chart's pay table and bet applied to the counts.
void CountChartCost(CStrategyChart& chart, const CHoldPays& pays);
