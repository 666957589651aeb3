// The coach follows play at the table and works out, exactly, what each hold of the deal is
// worth, what the current hold means over the hands in play, and what the session's choices
// cost. It needs each variant's outcome table, which takes seconds to build: whoever shows the
// coach builds the table it asks for (off its own thread) and hands it over; until then the
// figures that need it wait, and nothing of play is lost.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/outcome_table.h"
#include "analysis/play_figures.h"
#include "coach/fraction.h"
#include "strategy/chart_generator.h"
#include "strategy/strategy_chart.h"
#include "table/table_observer.h"

// Which outcome table a pay table is counted on.
struct COutcomeKey {
    const CFamily* pFamily = &JacksFamily();
    CRules rules;
    friend bool operator==(const COutcomeKey&, const COutcomeKey&) = default;
};

// One deal as the coach keeps it.
struct CCoachDeal {
    int nGame = 0;
    CPayTable payTable;             // the table the deal was played by
    std::array<int, 5> arrCodes{};  // card codes in dealt order
    int nBet = 0;
    int nHands = 0;
    int nHoldMask = 0;  // the hold played, or held so far
    bool bDrawn = false;
    bool bPractice = false;  // dealt in practice, nothing at stake: not the session's play
    int nWon = 0;            // coins the draw paid, all hands together
    std::map<std::string, int> mapHandCounts;  // hands of each paying category the draw gave
    // Once the variant's table is there: the expected pay per coin of the hold played and of
    // the best hold, in 1/kAnyDeckDrawLcm coins, and the best hold's mask.
    bool bValued = false;
    std::int64_t nChosenPay = 0;
    std::int64_t nBestPay = 0;
    int nBestMask = 0;
    // Once the chart of its pay table and bet is there too: the chart's hold and its expected
    // pay per coin, in 1/kAnyDeckDrawLcm coins.
    bool bCharted = false;
    int nChartMask = 0;
    std::int64_t nChartPay = 0;
    std::string strChartLine;  // the name of the chart's line that decides the deal
    // Of each hand drawn, in order: the codes of the first five cards of its own pile, which a
    // replaced position i takes (card i). With them the draw can be replayed with any hold.
    std::vector<std::array<int, 5>> vecPiles;
};

// The chart of a pay table at a bet, which the coach asks for.
struct CChartKey {
    CPayTable payTable;
    int nBet = 0;
    EChartKind eKind = EChartKind::WithExceptions;
};

// The chart's view of the deal in view.
struct CStrategyFigures {
    std::shared_ptr<const CStrategyChart> pChart;
    int nGame = 0;       // of the deal: a family's games share their charts
    int nChartLine = 0;  // the line the chart picks, from 0
    int nChartMask = 0;  // its hold
    int nHoldLine = -1;  // the line of the hold played or held so far; -1 for none
    // Where the chart's hold pays less than the best hold: the coins it gives up over the
    // deal's bet and hands.
    bool bChartIsBest = true;
    CFraction chartCost;
};

// The holds of one deal, ranked, and where the hold played stands.
struct CDealFigures {
    CCoachDeal deal;
    int nDeal = 0;                        // 1 for the session's first deal
    std::vector<CHoldOutcomes> vecHolds;  // the 32 holds, best first
    int nRank = 0;                        // of the hold played: 1 to 32
    CFraction cost;                       // coins the hold played gives up in expectation
};

struct CCategoryFigure {
    std::string strName;  // in the coach's words; "" for the losing hand
    std::int64_t nCount = 0;
    CFraction probability;    // of one hand
    CFraction expectedHands;  // over the hands in play
    int nActualHands = 0;     // after the draw
};

// The current hold over the hands in play.
struct COverHandsFigures {
    int nHands = 0;
    int nBet = 0;
    std::vector<CCategoryFigure> vecCategories;  // pay-table order, the losing hand last
    CFraction meanPay;                           // of one hand, per coin
    double dPayDeviation = 0.0;                  // of one hand, per coin
    CFraction expectedWin;                       // coins over the hands in play
    double dWinDeviation = 0.0;                  // coins
    bool bDrawn = false;
    int nWon = 0;
    // How many deviations the win lies from its expectation; none where the win was certain.
    std::optional<double> dDeviations;
    // The table's figures at the deal's bet, once worked out: what a round of the hands in
    // play swings by before its deal, the hands of one deal moving together.
    std::optional<CPlayFigures> table;
};

struct CSessionFigures {
    int nDeals = 0;  // deals drawn
    std::int64_t nHandsPlayed = 0;
    std::int64_t nCoinsBet = 0;
    std::int64_t nCoinsWon = 0;
    std::int64_t nNet = 0;
    CFraction playedReturn;  // won / bet
    CFraction chosenReturn;  // expected pay of the holds played / bet
    CFraction bestReturn;    // expected pay of the best holds / bet
    int nBestDecisions = 0;
    int nDecisions = 0;  // decisions valued so far
    CFraction cost;      // coins the other decisions cost in expectation
    int nBiggestDraw = 0;
    int nWaiting = 0;  // deals drawn whose variant's table is not there yet
    // Decisions whose chart is there, those that held as the chart does, and what holding
    // otherwise gained (or, below 0, cost) against the chart in expectation, in coins.
    int nChartDecisions = 0;
    int nChartFollowed = 0;
    CFraction offChart;
};

// The current deal's hold before its draw, when it gives up expected pay.
struct CCostlyDraw {
    CFraction cost;  // coins over the bet and hands in play
    int nBestMask = 0;
};

struct CCostlyDecision {
    int nDeal = 0;  // 1 for the session's first deal
    CCoachDeal deal;
    CFraction cost;
};

class CCoach : public CTableObserver {
public:
    CCoach();
    ~CCoach() override;

    void OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) override;
    void OnHandPile(const CMultiHandDlg& dlg, int nHand, const CCardArray& pile) override;
    // Told after every change of what the coach shows.
    void SetChangeHandler(std::function<void()> changed) { m_changed = std::move(changed); }
    // Told once of each drawn deal, as soon as its holds are valued (at the draw, or once its
    // variant's table arrives), with the deal's number in the session (1 for the first).
    using CDecisionHandler = std::function<void(const CCoachDeal& deal, int nDeal)>;
    void SetDecisionHandler(CDecisionHandler decided) { m_decided = std::move(decided); }
    // True while a drawn deal waits for its variant's table.
    bool HasUnvaluedDraw() const;

    // The outcome table the coach waits for, most urgent first: the deal in view, the deals
    // drawn, then the pay table selected at the table. None when it waits for none.
    std::optional<COutcomeKey> GetNeededTable() const;
    bool HasTable(const COutcomeKey& key) const;
    void SetTable(std::shared_ptr<const COutcomeTable> pTable);

    // Shows deal nDeal (1 for the first) in place of the current one, until the table changes;
    // 0 goes back to the current deal.
    void ViewDeal(int nDeal);
    int GetViewedDeal() const { return m_nViewed; }
    // Deals so far, the current one included.
    int GetDealCount() const { return static_cast<int>(m_vecDeals.size()); }

    // The deal in view; none before the first deal or while its table is missing.
    std::optional<CDealFigures> GetDealFigures() const;
    // The hold of the deal in view over its hands in play; none as for GetDealFigures.
    std::optional<COverHandsFigures> GetOverHandsFigures() const;
    // The current deal, not yet drawn, when its hold costs more than dThreshold coins; none
    // too while the deal's table is missing, as nothing is known of the cost then.
    std::optional<CCostlyDraw> GetCostlyDraw(double dThreshold) const;
    CSessionFigures GetSessionFigures() const;
    // The decisions that gave up expected pay, newest first.
    std::vector<CCostlyDecision> GetCostlyDecisions() const;
    // The pay table selected at the table, whose counts the coach asks for once nothing else
    // waits; the table's events keep it up to date.
    void SetSelectedTable(const CPayTable& table) {
        m_selected = COutcomeKey{table.pFamily, table.rules};
        m_bSelected = true;
    }

    // The pay table and bet whose figures over time the coach waits for: the deal in view's,
    // once its table is there. None when it waits for none.
    std::optional<CChartKey> GetNeededPlayFigures() const;
    void SetPlayFigures(const CChartKey& key, const CPlayFigures& figures);

    // The chart the coach waits for once it waits for no table: the deal in view's, then the
    // drawn deals'. None when it waits for none.
    std::optional<CChartKey> GetNeededChart() const;
    void SetChart(std::shared_ptr<const CStrategyChart> pChart,
                  EChartKind eKind = EChartKind::WithExceptions);
    // Penalty cards on or off: the charts asked for and followed from now on, the deals so far
    // valued again by them once they are made.
    void SetChartKind(EChartKind eKind);
    EChartKind GetChartKind() const { return m_eChartKind; }
    // The deal in view by its chart; none before the first deal or while its table or chart
    // is missing.
    std::optional<CStrategyFigures> GetStrategyFigures() const;

private:
    const COutcomeTable* Table(const COutcomeKey& key) const;
    std::shared_ptr<const CStrategyChart> Chart(const CCoachDeal& deal) const;
    void ValueChart(CCoachDeal& deal) const;
    static COutcomeKey KeyOf(const CCoachDeal& deal) {
        return {deal.payTable.pFamily, deal.payTable.rules};
    }
    // 1 for the first deal; the current deal unless one was picked. Only with a deal.
    int ViewedDealNumber() const {
        return m_nViewed > 0 ? m_nViewed : static_cast<int>(m_vecDeals.size());
    }
    bool CountHolds(const CCoachDeal& deal, std::array<CHoldOutcomes, 32>& arrHolds) const;
    void Value(CCoachDeal& deal) const;
    void Changed() {
        if (m_changed) m_changed();
    }

    std::vector<std::shared_ptr<const COutcomeTable>> m_tables;
    std::vector<std::pair<EChartKind, std::shared_ptr<const CStrategyChart>>> m_charts;
    EChartKind m_eChartKind = EChartKind::WithExceptions;
    std::vector<std::pair<CChartKey, CPlayFigures>> m_vecPlayFigures;
    const CPlayFigures* PlayFigures(const CCoachDeal& deal) const;
    std::vector<CCoachDeal> m_vecDeals;  // the session's deals, the current one last
    int m_nViewed = 0;
    COutcomeKey m_selected;
    bool m_bSelected = false;
    std::function<void()> m_changed;
    CDecisionHandler m_decided;
};
