#include "training/trainer.h"

#include "analysis/hold_value.h"
#include "coach/coach.h"
#include "strategy/chart_cache.h"
#include "training/decision_record.h"
#include "training/drill.h"
#include "training/history_store.h"

CTrainer::CTrainer(CCoach& coach) : m_coach(coach), m_clock([] { return std::time(nullptr); }) {
    m_coach.SetDecisionHandler([this](const CCoachDeal& deal, int) { OnDecision(deal); });
}

CTrainer::~CTrainer() {
    m_coach.SetDecisionHandler({});
}

void CTrainer::OnTableChanged(const CMultiHandDlg& /*dlg*/, ETableEvent eEvent) {
    if (eEvent != ETableEvent::NewSession) return;
    m_session = {};
    m_nDecisions = 0;
}

void CTrainer::TurnHistoryOff(std::string strWhy) {
    m_pStore = nullptr;
    m_strOffReason = std::move(strWhy);
}

EGrade CTrainer::Grade(const CCoachDeal& deal) const {
    return GradeOf(deal.nBestPay, deal.nChosenPay, kAnyDeckDrawLcm, m_dMinorShare);
}

void CTrainer::OnDecision(const CCoachDeal& deal) {
    if (!deal.bPractice) {
        const CSameCards same = ReplaySameCards(deal);
        m_session.nHeldWon += same.nHeldWon;
        m_session.nBestWon += same.nBestWon;
        ++m_nDecisions;
    }
    if (m_pStore != nullptr) {
        CDecisionRecord record = MakeDecisionRecord(deal, m_dMinorShare, m_clock());
        // The coach may not have the chart in hand; one made for anyone else this run serves.
        if (!record.chartLine)
            if (const auto pChart = FindStrategyChart(deal.payTable, deal.nBet))
                record.chartLine = ChartLineName(*pChart, deal.arrCodes);
        const std::string strWhy = m_pStore->Append(record);
        if (!strWhy.empty()) TurnHistoryOff(strWhy);
    }
    if (m_decided) m_decided(deal, Grade(deal));
}
