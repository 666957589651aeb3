#include "coach/coach.h"

#include <algorithm>
#include <cmath>

#include "analysis/card_code.h"
#include "games/family.h"
#include "model/card_array.h"
#include "table/multi_hand_dlg.h"

namespace {

// Expected pay per coin in 1/kAnyDeckDrawLcm coins: whole, so that a session adds up exactly.
std::int64_t LcmPay(const CHoldOutcomes& hold) {
    return hold.nPaySum * (kAnyDeckDrawLcm / hold.nDraws);
}

// Coins given up over the deal's hands in play, from expected pays in 1/kAnyDeckDrawLcm coins.
CFraction Cost(const CCoachDeal& deal, std::int64_t nBestPay, std::int64_t nChosenPay) {
    return CFraction((nBestPay - nChosenPay) * deal.nBet * deal.nHands, kAnyDeckDrawLcm);
}

}  // namespace

CCoach::CCoach() = default;

CCoach::~CCoach() = default;

void CCoach::OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) {
    if (eEvent == ETableEvent::Closed) return;  // the cards are gone; the figures stand
    if (eEvent == ETableEvent::NewSession) {
        m_vecDeals.clear();
        m_nViewed = 0;
    }
    SetSelectedTable(dlg.GetPayTable());
    if (eEvent == ETableEvent::Dealt) {
        CCoachDeal deal;
        deal.nGame = dlg.GetGame();
        deal.payTable = dlg.GetPayTable();
        deal.nBet = dlg.GetBet();
        deal.nHands = dlg.GetHandsInPlay();
        deal.bPractice = dlg.IsPractice();
        for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
            deal.arrCodes[static_cast<size_t>(i)] = CardCodeOf(dlg.GetHand(0).GetCard(i));
        m_vecDeals.push_back(deal);
    }
    if (!m_vecDeals.empty() && !m_vecDeals.back().bDrawn) {
        CCoachDeal& deal = m_vecDeals.back();
        if (eEvent == ETableEvent::HoldChanged || eEvent == ETableEvent::Drawn) {
            deal.nHoldMask = 0;
            for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
                if (dlg.IsHeld(i)) deal.nHoldMask |= 1 << i;
        }
        if (eEvent == ETableEvent::Drawn) {
            deal.bDrawn = true;
            deal.mapHandCounts = dlg.GetHandCounts();
            for (const auto& [strName, nCoins] : dlg.GetWinnings()) deal.nWon += nCoins;
            Value(deal);
            if (deal.bValued && m_decided) m_decided(deal, static_cast<int>(m_vecDeals.size()));
        }
    }
    if (eEvent == ETableEvent::Dealt || eEvent == ETableEvent::HoldChanged) m_nViewed = 0;
    Changed();
}

void CCoach::OnHandPile(const CMultiHandDlg& /*dlg*/, int nHand, const CCardArray& pile) {
    if (m_vecDeals.empty() || m_vecDeals.back().bDrawn || pile.GetSize() < 5) return;
    std::vector<std::array<int, 5>>& vecPiles = m_vecDeals.back().vecPiles;
    if (nHand == 0) vecPiles.clear();
    std::array<int, 5> arrTop{};
    for (int i = 0; i < 5; ++i) arrTop[static_cast<size_t>(i)] = CardCodeOf(pile[i]);
    vecPiles.push_back(arrTop);
}

bool CCoach::HasUnvaluedDraw() const {
    return std::any_of(m_vecDeals.begin(), m_vecDeals.end(),
                       [](const CCoachDeal& deal) { return deal.bDrawn && !deal.bValued; });
}

const COutcomeTable* CCoach::Table(const COutcomeKey& key) const {
    for (const auto& pTable : m_tables)
        if (&pTable->GetFamily() == key.pFamily && pTable->GetRules() == key.rules)
            return pTable.get();
    return nullptr;
}

bool CCoach::HasTable(const COutcomeKey& key) const {
    return Table(key) != nullptr;
}

std::optional<COutcomeKey> CCoach::GetNeededTable() const {
    if (!m_vecDeals.empty()) {
        const COutcomeKey key = KeyOf(m_vecDeals[static_cast<size_t>(ViewedDealNumber() - 1)]);
        if (!HasTable(key)) return key;
    }
    for (const CCoachDeal& deal : m_vecDeals)
        if (deal.bDrawn && !deal.bValued && !HasTable(KeyOf(deal))) return KeyOf(deal);
    if (m_bSelected && !HasTable(m_selected)) return m_selected;
    return std::nullopt;
}

std::optional<CChartKey> CCoach::GetNeededPlayFigures() const {
    if (m_vecDeals.empty()) return std::nullopt;
    const CCoachDeal& deal = m_vecDeals[static_cast<size_t>(ViewedDealNumber() - 1)];
    if (!HasTable(KeyOf(deal)) || PlayFigures(deal) != nullptr) return std::nullopt;
    return CChartKey{deal.payTable, deal.nBet};
}

void CCoach::SetPlayFigures(const CChartKey& key, const CPlayFigures& figures) {
    m_vecPlayFigures.emplace_back(key, figures);
    Changed();
}

const CPlayFigures* CCoach::PlayFigures(const CCoachDeal& deal) const {
    for (const auto& [key, figures] : m_vecPlayFigures)
        if (key.nBet == deal.nBet && SamePlay(key.payTable, deal.payTable)) return &figures;
    return nullptr;
}

void CCoach::SetTable(std::shared_ptr<const COutcomeTable> pTable) {
    if (!pTable) return;
    const COutcomeKey key{&pTable->GetFamily(), pTable->GetRules()};
    if (!HasTable(key)) m_tables.push_back(std::move(pTable));
    for (size_t i = 0; i < m_vecDeals.size(); ++i) {
        CCoachDeal& deal = m_vecDeals[i];
        if (!deal.bDrawn || deal.bValued || !(KeyOf(deal) == key)) continue;
        Value(deal);
        if (deal.bValued && m_decided) m_decided(deal, static_cast<int>(i) + 1);
    }
    Changed();
}

void CCoach::ViewDeal(int nDeal) {
    m_nViewed = nDeal >= 1 && nDeal <= static_cast<int>(m_vecDeals.size()) ? nDeal : 0;
    Changed();
}

bool CCoach::CountHolds(const CCoachDeal& deal, std::array<CHoldOutcomes, 32>& arrHolds) const {
    const COutcomeTable* pTable = Table(KeyOf(deal));
    return pTable != nullptr &&
           pTable->CountHolds(deal.arrCodes, deal.payTable, deal.nBet, arrHolds);
}

void CCoach::Value(CCoachDeal& deal) const {
    std::array<CHoldOutcomes, 32> arrHolds;
    if (!CountHolds(deal, arrHolds)) return;
    const CHoldOutcomes* pBest = &arrHolds[0];
    for (const CHoldOutcomes& hold : arrHolds)
        if (IsBetterHold(hold.Value(), pBest->Value())) pBest = &hold;
    deal.nBestMask = pBest->nHoldMask;
    deal.nBestPay = LcmPay(*pBest);
    deal.nChosenPay = LcmPay(arrHolds[static_cast<size_t>(deal.nHoldMask & 31)]);
    deal.bValued = true;
    ValueChart(deal);
}

// The chart stands for its table's play and bet, not the table's name.
std::shared_ptr<const CStrategyChart> CCoach::Chart(const CCoachDeal& deal) const {
    for (const auto& [eKind, pChart] : m_charts)
        if (eKind == m_eChartKind && pChart->GetBet() == deal.nBet &&
            SamePlay(pChart->GetPayTable(), deal.payTable))
            return pChart;
    return nullptr;
}

void CCoach::ValueChart(CCoachDeal& deal) const {
    const std::shared_ptr<const CStrategyChart> pChart = Chart(deal);
    std::array<CHoldOutcomes, 32> arrHolds;
    if (!deal.bValued || pChart == nullptr || !CountHolds(deal, arrHolds)) return;
    const CChartChoice choice = pChart->Choose(deal.arrCodes);
    deal.nChartMask = choice.nHoldMask;
    if (choice.nLine >= 0 && choice.nLine < static_cast<int>(pChart->GetLines().size()))
        deal.strChartLine = pChart->GetLines()[static_cast<size_t>(choice.nLine)].strName;
    deal.nChartPay = LcmPay(arrHolds[static_cast<size_t>(deal.nChartMask)]);
    deal.bCharted = true;
}

std::optional<CChartKey> CCoach::GetNeededChart() const {
    if (m_vecDeals.empty()) return std::nullopt;
    const CCoachDeal& viewed = m_vecDeals[static_cast<size_t>(ViewedDealNumber() - 1)];
    if (Chart(viewed) == nullptr) return CChartKey{viewed.payTable, viewed.nBet, m_eChartKind};
    for (const CCoachDeal& deal : m_vecDeals)
        if (deal.bDrawn && !deal.bCharted && Chart(deal) == nullptr)
            return CChartKey{deal.payTable, deal.nBet, m_eChartKind};
    return std::nullopt;
}

void CCoach::SetChart(std::shared_ptr<const CStrategyChart> pChart, EChartKind eKind) {
    if (!pChart) return;
    m_charts.emplace_back(eKind, std::move(pChart));
    for (CCoachDeal& deal : m_vecDeals)
        if (deal.bValued && !deal.bCharted) ValueChart(deal);
    Changed();
}

void CCoach::SetChartKind(EChartKind eKind) {
    if (eKind == m_eChartKind) return;
    m_eChartKind = eKind;
    for (CCoachDeal& deal : m_vecDeals) {
        deal.bCharted = false;
        ValueChart(deal);
    }
    Changed();
}

std::optional<CStrategyFigures> CCoach::GetStrategyFigures() const {
    if (m_vecDeals.empty()) return std::nullopt;
    const CCoachDeal& deal = m_vecDeals[static_cast<size_t>(ViewedDealNumber() - 1)];
    const std::shared_ptr<const CStrategyChart> pChart = Chart(deal);
    std::array<CHoldOutcomes, 32> arrHolds;
    if (pChart == nullptr || !CountHolds(deal, arrHolds)) return std::nullopt;
    CStrategyFigures figures;
    figures.pChart = pChart;
    figures.nGame = deal.nGame;
    const CChartChoice choice = pChart->Choose(deal.arrCodes);
    figures.nChartLine = choice.nLine;
    figures.nChartMask = choice.nHoldMask;
    figures.nHoldLine = pChart->LineOfHold(deal.arrCodes, deal.nHoldMask);
    std::int64_t nBest = 0;
    for (const CHoldOutcomes& hold : arrHolds) nBest = std::max(nBest, LcmPay(hold));
    const std::int64_t nChart = LcmPay(arrHolds[static_cast<size_t>(choice.nHoldMask)]);
    figures.bChartIsBest = nChart == nBest;
    figures.chartCost = Cost(deal, nBest, nChart);
    return figures;
}

std::optional<CDealFigures> CCoach::GetDealFigures() const {
    if (m_vecDeals.empty()) return std::nullopt;
    CDealFigures figures;
    figures.nDeal = ViewedDealNumber();
    figures.deal = m_vecDeals[static_cast<size_t>(figures.nDeal - 1)];
    std::array<CHoldOutcomes, 32> arrHolds;
    if (!CountHolds(figures.deal, arrHolds)) return std::nullopt;
    figures.vecHolds.assign(arrHolds.begin(), arrHolds.end());
    std::sort(figures.vecHolds.begin(), figures.vecHolds.end(),
              [](const CHoldOutcomes& a, const CHoldOutcomes& b) {
                  return IsBetterHold(a.Value(), b.Value());
              });
    for (size_t i = 0; i < figures.vecHolds.size(); ++i)
        if (figures.vecHolds[i].nHoldMask == figures.deal.nHoldMask)
            figures.nRank = static_cast<int>(i) + 1;
    const CHoldOutcomes& best = figures.vecHolds.front();
    const CHoldOutcomes& chosen = arrHolds[static_cast<size_t>(figures.deal.nHoldMask & 31)];
    figures.cost = Cost(figures.deal, LcmPay(best), LcmPay(chosen));
    return figures;
}

std::optional<COverHandsFigures> CCoach::GetOverHandsFigures() const {
    if (m_vecDeals.empty()) return std::nullopt;
    const CCoachDeal& deal = m_vecDeals[static_cast<size_t>(ViewedDealNumber() - 1)];
    const COutcomeTable* pTable = Table(KeyOf(deal));
    std::array<CHoldOutcomes, 32> arrHolds;
    if (pTable == nullptr || !CountHolds(deal, arrHolds)) return std::nullopt;
    const CHoldOutcomes& hold = arrHolds[static_cast<size_t>(deal.nHoldMask & 31)];
    const std::int64_t nDraws = hold.nDraws;
    COverHandsFigures figures;
    figures.nHands = deal.nHands;
    figures.nBet = deal.nBet;
    int nPaying = 0;  // hands the draw paid, of every category
    for (const auto& [strName, nCount] : deal.mapHandCounts) nPaying += nCount;
    for (int c = 0; c < pTable->GetCategoryCount(); ++c) {
        CCategoryFigure category;
        // The draw's tally is by the table's labels; the coach shows the category in words.
        const std::string strLabel = pTable->GetCategoryName(c);
        category.strName = strLabel.empty() ? "" : pTable->GetFamily().CategoryWords(c);
        category.nCount = hold.arrCounts[static_cast<size_t>(c)];
        category.probability = CFraction(category.nCount, nDraws);
        category.expectedHands = CFraction(category.nCount * deal.nHands, nDraws);
        if (deal.bDrawn) {
            const auto it = deal.mapHandCounts.find(strLabel);
            category.nActualHands = strLabel.empty()                 ? deal.nHands - nPaying
                                    : it != deal.mapHandCounts.end() ? it->second
                                                                     : 0;
        }
        figures.vecCategories.push_back(category);
    }
    // The hands draw independently, so over N hands at bet B the win has N B times one hand's
    // mean and sqrt(N) B times its deviation.
    figures.meanPay = CFraction(hold.nPaySum, nDraws);
    figures.dPayDeviation = hold.PayDeviation();
    figures.expectedWin = CFraction(hold.nPaySum * deal.nHands * deal.nBet, nDraws);
    figures.dWinDeviation =
        std::sqrt(static_cast<double>(deal.nHands)) * deal.nBet * figures.dPayDeviation;
    figures.bDrawn = deal.bDrawn;
    figures.nWon = deal.nWon;
    if (deal.bDrawn && figures.dWinDeviation > 0.0)
        figures.dDeviations = (deal.nWon - figures.expectedWin.Value()) / figures.dWinDeviation;
    if (const CPlayFigures* pTable = PlayFigures(deal)) figures.table = *pTable;
    return figures;
}

std::optional<CCostlyDraw> CCoach::GetCostlyDraw(double dThreshold) const {
    if (m_vecDeals.empty() || m_vecDeals.back().bDrawn) return std::nullopt;
    CCoachDeal deal = m_vecDeals.back();
    Value(deal);
    if (!deal.bValued) return std::nullopt;
    const CFraction cost = Cost(deal, deal.nBestPay, deal.nChosenPay);
    if (cost.Value() <= dThreshold) return std::nullopt;
    return CCostlyDraw{cost, deal.nBestMask};
}

CSessionFigures CCoach::GetSessionFigures() const {
    CSessionFigures figures;
    std::int64_t nChosen = 0;  // 1/kAnyDeckDrawLcm coins
    std::int64_t nBest = 0;
    std::int64_t nValuedBet = 0;
    std::int64_t nOffChart = 0;  // 1/kAnyDeckDrawLcm coins
    for (const CCoachDeal& deal : m_vecDeals) {
        if (!deal.bDrawn || deal.bPractice) continue;
        const std::int64_t nBet = static_cast<std::int64_t>(deal.nBet) * deal.nHands;
        ++figures.nDeals;
        figures.nHandsPlayed += deal.nHands;
        figures.nCoinsBet += nBet;
        figures.nCoinsWon += deal.nWon;
        figures.nBiggestDraw = std::max(figures.nBiggestDraw, deal.nWon);
        if (!deal.bValued) {
            ++figures.nWaiting;
            continue;
        }
        ++figures.nDecisions;
        if (deal.nChosenPay == deal.nBestPay) ++figures.nBestDecisions;
        if (deal.bCharted) {
            ++figures.nChartDecisions;
            if (deal.nHoldMask == deal.nChartMask) ++figures.nChartFollowed;
            nOffChart += (deal.nChosenPay - deal.nChartPay) * nBet;
        }
        nChosen += deal.nChosenPay * nBet;
        nBest += deal.nBestPay * nBet;
        nValuedBet += nBet;
    }
    figures.nNet = figures.nCoinsWon - figures.nCoinsBet;
    if (figures.nCoinsBet > 0)
        figures.playedReturn = CFraction(figures.nCoinsWon, figures.nCoinsBet);
    if (nValuedBet > 0) {
        figures.chosenReturn = CFraction(nChosen, kAnyDeckDrawLcm * nValuedBet);
        figures.bestReturn = CFraction(nBest, kAnyDeckDrawLcm * nValuedBet);
    }
    figures.cost = CFraction(nBest - nChosen, kAnyDeckDrawLcm);
    figures.offChart = CFraction(nOffChart, kAnyDeckDrawLcm);
    return figures;
}

std::vector<CCostlyDecision> CCoach::GetCostlyDecisions() const {
    std::vector<CCostlyDecision> vecCostly;
    for (int i = static_cast<int>(m_vecDeals.size()) - 1; i >= 0; --i) {
        const CCoachDeal& deal = m_vecDeals[static_cast<size_t>(i)];
        if (!deal.bValued || deal.nBestPay == deal.nChosenPay) continue;
        vecCostly.push_back({i + 1, deal, Cost(deal, deal.nBestPay, deal.nChosenPay)});
    }
    return vecCostly;
}
