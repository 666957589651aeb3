#include "strategy/chart_generator.h"

#include <algorithm>
#include <numeric>

#include "analysis/deal_classes.h"
#include "strategy/chart_exceptions.h"
#include "strategy/chart_promote.h"

namespace {

// A hold class a deal offers: the hold of that class the chart would keep (the one of the
// largest tie key), and its expected pay per coin times the deck's draw LCM.
struct COffer {
    int nClass;
    std::uint32_t nTie;
    std::int64_t nValue;
};

struct CDealOffers {
    std::int64_t nWeight = 0;       // deals equal up to suits
    int nBegin = 0, nEnd = 0;       // its offers
    int nChoice = 0, nSecond = -1;  // offers of the first and second classes in the order
};

// The order is searched by moving one class at a time to wherever it gains most. Only deals
// offering the class change, and for all targets at once: a deal whose chart hold lies at
// position q gains by the class moved up to any position up to q, and a deal the class decides
// falls to its second class once the class moves below it.
class CChartSearch {
public:
    CChartSearch(const CHoldClasses& classes, std::vector<CDealOffers> vecDeals,
                 std::vector<COffer> vecOffers)
        : m_classes(classes),
          m_vecDeals(std::move(vecDeals)),
          m_vecOffers(std::move(vecOffers)),
          m_nClasses(classes.GetClassCount()),
          m_vecOffering(static_cast<std::size_t>(m_nClasses)),
          m_vecMembers(static_cast<std::size_t>(m_nClasses)),
          m_vecStamp(m_vecDeals.size(), -1) {
        for (int c = 0; c < m_nClasses; ++c) m_vecMembers[static_cast<std::size_t>(c)] = {c};
        IndexOffers();
        // First guess: by the mean expected pay where offered.
        std::vector<double> vecMean(static_cast<std::size_t>(m_nClasses), -1.0);
        for (int c = 0; c < m_nClasses; ++c) {
            double dSum = 0, dWeight = 0;
            for (const auto& [d, i] : m_vecOffering[static_cast<std::size_t>(c)]) {
                dSum += static_cast<double>(m_vecOffers[i].nValue) *
                        static_cast<double>(m_vecDeals[d].nWeight);
                dWeight += static_cast<double>(m_vecDeals[d].nWeight);
            }
            if (dWeight > 0) vecMean[static_cast<std::size_t>(c)] = dSum / dWeight;
        }
        m_vecOrder.resize(static_cast<std::size_t>(m_nClasses));
        std::iota(m_vecOrder.begin(), m_vecOrder.end(), 0);
        std::stable_sort(m_vecOrder.begin(), m_vecOrder.end(), [&](int a, int b) {
            return vecMean[static_cast<std::size_t>(a)] > vecMean[static_cast<std::size_t>(b)];
        });
        m_nEnabled = m_nClasses;
        Reposition();
        for (int d = 0; d < static_cast<int>(m_vecDeals.size()); ++d) Rechoose(d);
    }

    // Sweeps until no move gains; false when stopped.
    bool Improve(int nMaxSweeps) {
        for (int nSweep = 0; nSweep < nMaxSweeps; ++nSweep) {
            bool bMoved = false;
            for (int c = 0; c < m_nClasses; ++c) {
                if (IsParallelWorkStopped()) return false;
                if (Pos(c) < m_nEnabled && TryMove(c)) bMoved = true;
            }
            if (!bMoved) break;
        }
        return true;
    }

    // Takes lines off until at most nMax decide deals, the cheapest first: a line is dropped
    // (its deals fall to their next line), or joins a line it can share a name with, the
    // higher cards of the two deciding where a deal offers both. Joining often costs far less:
    // a class of few deals keeps most of its worth beside its neighbour in play.
    bool Trim(int nMax) {
        for (int nOver = static_cast<int>(Lines().size()) - nMax; nOver > 0;
             nOver = static_cast<int>(Lines().size()) - nMax) {
            std::vector<CTrimStep> vecSteps = TrimSteps();
            if (vecSteps.empty()) return true;  // only the floor is left
            // As many steps as lines over at once, each on lines no other step touches.
            std::sort(vecSteps.begin(), vecSteps.end(),
                      [](const CTrimStep& a, const CTrimStep& b) { return a.nCost < b.nCost; });
            std::vector<bool> vecTouched(static_cast<std::size_t>(m_nClasses), false);
            int nTaken = 0;
            for (const CTrimStep& step : vecSteps) {
                if (nTaken >= (nOver + 2) / 3) break;
                if (vecTouched[static_cast<std::size_t>(step.nClass)] ||
                    (step.nInto >= 0 && vecTouched[static_cast<std::size_t>(step.nInto)]))
                    continue;
                vecTouched[static_cast<std::size_t>(step.nClass)] = true;
                if (step.nInto < 0) {
                    Disable(step.nClass);
                } else {
                    vecTouched[static_cast<std::size_t>(step.nInto)] = true;
                    Join(step.nClass, step.nInto, Pos(step.bAtClass ? step.nClass : step.nInto));
                }
                ++nTaken;
            }
            // A sweep between steps; a full search once the page is reached, which may part
            // lines again.
            if (!Improve(1)) return false;
            if (static_cast<int>(Lines().size()) <= nMax && !Improve(4)) return false;
        }
        return true;
    }

    // The classes that decide deals, from the top, a line's classes together: next classes of
    // one group share a line where no deal the line decides offers the next one, so sharing
    // changes no decision.
    // The chosen classes grouped in lines, before the classes joined into them are listed.
    std::vector<std::vector<int>> ChosenLines() const {
        std::vector<bool> vecChosen(static_cast<std::size_t>(m_nClasses), false);
        for (const CDealOffers& deal : m_vecDeals)
            vecChosen[static_cast<std::size_t>(m_vecOffers[deal.nChoice].nClass)] = true;
        std::vector<std::vector<int>> vecLines;
        std::vector<bool> vecInLine(static_cast<std::size_t>(m_nClasses), false);
        for (int c : m_vecOrder) {
            if (!vecChosen[static_cast<std::size_t>(c)]) continue;
            bool bShare = !vecLines.empty() && m_classes.CanShareLine(vecLines.back().front(), c);
            for (std::size_t j = 0; bShare && j < m_vecOffering[static_cast<std::size_t>(c)].size();
                 ++j) {
                const int d = m_vecOffering[static_cast<std::size_t>(c)][j].first;
                const int nChosen =
                    m_vecOffers[m_vecDeals[static_cast<std::size_t>(d)].nChoice].nClass;
                bShare = !vecInLine[static_cast<std::size_t>(nChosen)];
            }
            if (!bShare) {
                for (int nOld : vecLines.empty() ? std::vector<int>{} : vecLines.back())
                    vecInLine[static_cast<std::size_t>(nOld)] = false;
                vecLines.emplace_back();
            }
            vecLines.back().push_back(c);
            vecInLine[static_cast<std::size_t>(c)] = true;
        }
        return vecLines;
    }

    // The lines, each with every class joined into it.
    std::vector<std::vector<int>> Lines() const {
        std::vector<std::vector<int>> vecLines = ChosenLines();
        for (std::vector<int>& vecLine : vecLines) {
            std::vector<int> vecClasses;
            for (int c : vecLine)
                vecClasses.insert(vecClasses.end(),
                                  m_vecMembers[static_cast<std::size_t>(c)].begin(),
                                  m_vecMembers[static_cast<std::size_t>(c)].end());
            vecLine = std::move(vecClasses);
        }
        return vecLines;
    }

private:
    // A way to take a line off and what it costs: dropping nClass (nInto -1), or joining it
    // with nInto at the position of either.
    struct CTrimStep {
        std::int64_t nCost;
        int nClass, nInto;
        bool bAtClass;
    };
    std::vector<CTrimStep> TrimSteps() {
        std::vector<std::int64_t> vecCost(static_cast<std::size_t>(m_nClasses), 0);
        std::vector<bool> vecChosen(static_cast<std::size_t>(m_nClasses), false);
        for (const CDealOffers& deal : m_vecDeals) {
            const COffer& choice = m_vecOffers[deal.nChoice];
            vecChosen[static_cast<std::size_t>(choice.nClass)] = true;
            vecCost[static_cast<std::size_t>(choice.nClass)] +=
                deal.nWeight * (choice.nValue - m_vecOffers[deal.nSecond].nValue);
        }
        std::vector<int> vecLines;
        std::vector<CTrimStep> vecSteps;
        for (int c = 0; c < m_nClasses; ++c)
            if (vecChosen[static_cast<std::size_t>(c)] && !m_classes.IsFloor(c) &&
                Pos(c) < m_nEnabled) {
                vecLines.push_back(c);
                vecSteps.push_back({vecCost[static_cast<std::size_t>(c)], c, -1, true});
            }
        // Only a step that leaves a line empty shortens the page.
        std::vector<int> vecLineOf(static_cast<std::size_t>(m_nClasses), -1);
        std::vector<int> vecSize;
        for (const std::vector<int>& vecLine : ChosenLines()) {
            for (int c : vecLine)
                vecLineOf[static_cast<std::size_t>(c)] = static_cast<int>(vecSize.size());
            vecSize.push_back(static_cast<int>(vecLine.size()));
        }
        const auto alone = [&](int c) {
            const int nLine = vecLineOf[static_cast<std::size_t>(c)];
            return nLine >= 0 && vecSize[static_cast<std::size_t>(nLine)] == 1;
        };
        std::vector<CTrimStep> vecAny = vecSteps;
        std::erase_if(vecSteps, [&](const CTrimStep& step) { return !alone(step.nClass); });
        for (std::size_t a = 0; a < vecLines.size(); ++a)
            for (std::size_t b = a + 1; b < vecLines.size(); ++b) {
                const int c = vecLines[a], s = vecLines[b];
                if (!m_classes.CanShareLine(Front(c), Front(s)) ||
                    vecLineOf[static_cast<std::size_t>(c)] ==
                        vecLineOf[static_cast<std::size_t>(s)] ||
                    (!alone(c) && !alone(s)))
                    continue;
                const auto [nAtC, nAtS] = JoinCosts(c, s);
                // At c's place s's line empties, at s's place c's.
                if (alone(s)) vecSteps.push_back({nAtC, c, s, true});
                if (alone(c)) vecSteps.push_back({nAtS, c, s, false});
            }
        return vecSteps.empty() ? vecAny : vecSteps;
    }
    int Pos(int c) const { return m_vecPos[static_cast<std::size_t>(c)]; }
    int Front(int c) const { return m_vecMembers[static_cast<std::size_t>(c)].front(); }
    void IndexOffers() {
        for (auto& vecOffering : m_vecOffering) vecOffering.clear();
        for (int d = 0; d < static_cast<int>(m_vecDeals.size()); ++d)
            for (int i = m_vecDeals[d].nBegin; i < m_vecDeals[d].nEnd; ++i)
                m_vecOffering[static_cast<std::size_t>(m_vecOffers[i].nClass)].push_back({d, i});
    }
    // What the deals give up when the classes c and s become one line, at c's position and at
    // s's: one pass over the deals offering either.
    std::pair<std::int64_t, std::int64_t> JoinCosts(int c, int s) {
        ++m_nStampRound;
        std::int64_t nAtC = 0, nAtS = 0;
        for (int k : {c, s})
            for (const auto& offering : m_vecOffering[static_cast<std::size_t>(k)]) {
                const int d = offering.first;
                if (m_vecStamp[static_cast<std::size_t>(d)] == m_nStampRound) continue;
                m_vecStamp[static_cast<std::size_t>(d)] = m_nStampRound;
                const CDealOffers& deal = m_vecDeals[static_cast<std::size_t>(d)];
                int nFirst = -1, nFirstPos = 0, nJoined = -1;
                for (int j = deal.nBegin; j < deal.nEnd; ++j) {
                    const int nClass = m_vecOffers[j].nClass;
                    if (nClass == c || nClass == s) {
                        if (nJoined < 0 || m_vecOffers[j].nTie > m_vecOffers[nJoined].nTie)
                            nJoined = j;
                    } else if (nFirst < 0 || Pos(nClass) < nFirstPos) {
                        nFirst = j, nFirstPos = Pos(nClass);
                    }
                }
                const std::int64_t nNow = m_vecOffers[deal.nChoice].nValue;
                const auto valueAt = [&](int nPos) {
                    return m_vecOffers[nFirst < 0 || nPos < nFirstPos ? nJoined : nFirst].nValue;
                };
                nAtC += deal.nWeight * (nNow - valueAt(Pos(c)));
                nAtS += deal.nWeight * (nNow - valueAt(Pos(s)));
            }
        return {nAtC, nAtS};
    }
    // Makes c part of s's line at position nPos: a deal offering both keeps the higher cards.
    void Join(int c, int s, int nPos) {
        for (auto& [d, i] : m_vecOffering[static_cast<std::size_t>(c)]) {
            CDealOffers& deal = m_vecDeals[static_cast<std::size_t>(d)];
            int nOther = -1;
            for (int j = deal.nBegin; j < deal.nEnd; ++j)
                if (m_vecOffers[j].nClass == s) nOther = j;
            if (nOther < 0) {
                m_vecOffers[i].nClass = s;
                continue;
            }
            if (m_vecOffers[i].nTie > m_vecOffers[nOther].nTie)
                m_vecOffers[nOther] = m_vecOffers[i];
            m_vecOffers[nOther].nClass = s;
            m_vecOffers[i] = m_vecOffers[deal.nEnd - 1];
            --deal.nEnd;
        }
        auto& vecMembers = m_vecMembers[static_cast<std::size_t>(s)];
        vecMembers.insert(vecMembers.end(), m_vecMembers[static_cast<std::size_t>(c)].begin(),
                          m_vecMembers[static_cast<std::size_t>(c)].end());
        IndexOffers();
        // At c's place: just above the class that followed c.
        const bool bAtC = nPos == Pos(c) && Pos(c) + 1 < m_nClasses;
        const int nNext = bAtC ? m_vecOrder[static_cast<std::size_t>(Pos(c) + 1)] : -1;
        Disable(c);
        if (bAtC && nNext != s) MoveTo(s, Pos(nNext) - (Pos(s) < Pos(nNext) ? 1 : 0));
        for (const auto& [d, i] : m_vecOffering[static_cast<std::size_t>(s)]) Rechoose(d);
    }
    void Reposition() {
        m_vecPos.resize(static_cast<std::size_t>(m_nClasses));
        for (int p = 0; p < m_nClasses; ++p)
            m_vecPos[static_cast<std::size_t>(m_vecOrder[static_cast<std::size_t>(p)])] = p;
    }
    void Rechoose(int d) {
        CDealOffers& deal = m_vecDeals[static_cast<std::size_t>(d)];
        int nFirst = -1, nSecond = -1;
        for (int i = deal.nBegin; i < deal.nEnd; ++i) {
            const int p = Pos(m_vecOffers[i].nClass);
            if (nFirst < 0 || p < Pos(m_vecOffers[nFirst].nClass)) {
                nSecond = nFirst;
                nFirst = i;
            } else if (nSecond < 0 || p < Pos(m_vecOffers[nSecond].nClass)) {
                nSecond = i;
            }
        }
        deal.nChoice = nFirst;
        deal.nSecond = nSecond < 0 ? nFirst : nSecond;
    }
    void MoveTo(int c, int nTarget) {
        m_vecOrder.erase(m_vecOrder.begin() + Pos(c));
        m_vecOrder.insert(m_vecOrder.begin() + nTarget, c);
        Reposition();
        for (const auto& [d, i] : m_vecOffering[static_cast<std::size_t>(c)]) Rechoose(d);
    }
    void Disable(int c) {
        MoveTo(c, m_nClasses - 1);
        --m_nEnabled;
    }
    bool TryMove(int c) {
        const int nPos = Pos(c);
        std::vector<std::int64_t>& vecUp = m_vecUp;
        std::vector<std::int64_t>& vecDown = m_vecDown;
        vecUp.assign(static_cast<std::size_t>(m_nClasses), 0);
        vecDown.assign(static_cast<std::size_t>(m_nClasses), 0);
        for (const auto& [d, i] : m_vecOffering[static_cast<std::size_t>(c)]) {
            const CDealOffers& deal = m_vecDeals[static_cast<std::size_t>(d)];
            const COffer& choice = m_vecOffers[deal.nChoice];
            if (choice.nClass != c) {
                vecUp[static_cast<std::size_t>(Pos(choice.nClass))] +=
                    deal.nWeight * (m_vecOffers[i].nValue - choice.nValue);
            } else if (deal.nSecond != deal.nChoice) {
                const COffer& second = m_vecOffers[deal.nSecond];
                vecDown[static_cast<std::size_t>(Pos(second.nClass))] +=
                    deal.nWeight * (second.nValue - choice.nValue);
            }
        }
        std::int64_t nBestGain = 0, nGain = 0;
        int nBestTarget = nPos;
        for (int p = nPos - 1; p >= 0; --p) {
            nGain += vecUp[static_cast<std::size_t>(p)];
            if (nGain > nBestGain) nBestGain = nGain, nBestTarget = p;
        }
        nGain = 0;
        for (int p = nPos + 1; p < m_nEnabled; ++p) {
            nGain += vecDown[static_cast<std::size_t>(p)];
            if (nGain > nBestGain) nBestGain = nGain, nBestTarget = p;
        }
        if (nBestTarget == nPos) return false;
        MoveTo(c, nBestTarget);
        return true;
    }

    const CHoldClasses& m_classes;
    std::vector<CDealOffers> m_vecDeals;
    std::vector<COffer> m_vecOffers;
    int m_nClasses;
    std::vector<std::vector<std::pair<int, int>>> m_vecOffering;  // [class]: (deal, offer)
    std::vector<std::vector<int>> m_vecMembers;  // [class]: the classes joined in its line
    std::vector<int> m_vecStamp;                 // [deal]: the last round that counted it
    int m_nStampRound = 0;
    std::vector<int> m_vecOrder;
    std::vector<int> m_vecPos;
    int m_nEnabled;  // classes before this position may decide deals
    std::vector<std::int64_t> m_vecUp, m_vecDown;
};

// Each deal class's offers: per class, the hold the chart would keep (the higher cards).
bool CollectOffers(const CHoldClasses& classes, const CHoldPays& pays,
                   std::vector<CDealOffers>& vecDeals, std::vector<COffer>& vecOffers,
                   const CProgressFunction& progress) {
    const std::span<const CDealClass> vecClasses = DealClasses(pays.GetTable().GetCards());
    const std::size_t nDeals = vecClasses.size();
    // Each chunk's offers apart, so that no deal needs room for all 32 holds at once.
    constexpr int kChunk = 2048;
    std::vector<std::vector<COffer>> vecChunks((nDeals + kChunk - 1) / kChunk);
    std::vector<int> vecCount(nDeals, 0);
    ParallelFor(
        static_cast<int>(nDeals), kChunk,
        [&](int nBegin, int nEnd) {
            std::vector<COffer>& vecChunk = vecChunks[static_cast<std::size_t>(nBegin / kChunk)];
            vecChunk.reserve(static_cast<std::size_t>(nEnd - nBegin) * 20);
            for (int d = nBegin; d < nEnd; ++d) {
                const int* pCodes = vecClasses[static_cast<std::size_t>(d)].arrCodes.data();
                std::int64_t arrValues[32];
                pays.HoldValues(pCodes, arrValues);
                const int nDeuceMask = classes.KeptMask(pCodes);
                COffer arrOffers[32];
                int nCount = 0;
                for (int nMask = 0; nMask < 32; ++nMask) {
                    if ((nMask & nDeuceMask) != nDeuceMask) continue;
                    int arrSubset[5];
                    const int nHeld = MaskedCards(pCodes, nMask, arrSubset);
                    const int nClass = classes.ClassOf(arrSubset, nHeld);
                    const std::uint32_t nTie = HoldTieKey(arrSubset, nHeld);
                    int j = 0;
                    while (j < nCount && arrOffers[j].nClass != nClass) ++j;
                    if (j == nCount) {
                        arrOffers[nCount++] = {nClass, nTie, arrValues[nMask]};
                    } else if (nTie > arrOffers[j].nTie) {
                        arrOffers[j] = {nClass, nTie, arrValues[nMask]};
                    }
                }
                vecChunk.insert(vecChunk.end(), arrOffers, arrOffers + nCount);
                vecCount[static_cast<std::size_t>(d)] = nCount;
            }
        },
        progress);
    if (IsParallelWorkStopped()) return false;
    vecDeals.resize(nDeals);
    std::size_t nOffers = 0;
    for (const std::vector<COffer>& vecChunk : vecChunks) nOffers += vecChunk.size();
    vecOffers.clear();
    vecOffers.reserve(nOffers);
    for (std::vector<COffer>& vecChunk : vecChunks) {
        vecOffers.insert(vecOffers.end(), vecChunk.begin(), vecChunk.end());
        std::vector<COffer>().swap(vecChunk);
    }
    int nBegin = 0;
    for (std::size_t d = 0; d < nDeals; ++d) {
        vecDeals[d].nWeight = vecClasses[d].nDeals;
        vecDeals[d].nBegin = nBegin;
        nBegin += vecCount[d];
        vecDeals[d].nEnd = nBegin;
    }
    return true;
}

}  // namespace

std::shared_ptr<const CStrategyChart> GenerateChart(const COutcomeTable& counts,
                                                    const CPayTable& table, int nBet,
                                                    const CProgressFunction& progress,
                                                    EChartKind eKind) {
    std::shared_ptr<const CHoldClasses> pClasses = SharedHoldClasses(table.Family(), table.rules);
    if (!pClasses) return nullptr;
    const CHoldPays pays = counts.ApplyPays(table, nBet);
    std::vector<CDealOffers> vecDeals;
    std::vector<COffer> vecOffers;
    if (!CollectOffers(*pClasses, pays, vecDeals, vecOffers, ScaledProgress(progress, 0, 0.2)))
        return nullptr;
    CChartSearch search(*pClasses, std::move(vecDeals), std::move(vecOffers));
    if (!search.Improve(40)) return nullptr;
    if (progress) progress(0.5);
    // A full page that still falls a hundredth of a point short may do better with a few lines
    // fewer and their rows given to penalty cards: one such page is tried (it costs as much
    // again, so only there).
    std::shared_ptr<CStrategyChart> pBest;
    for (int nMax = MAX_CHART_LINES; nMax >= MAX_CHART_LINES - 3; nMax -= 3) {
        if (!search.Trim(nMax)) return nullptr;
        std::vector<CChartLine> vecLines;
        for (std::vector<int>& vecClasses : search.Lines()) {
            CChartLine line;
            line.vecClasses = std::move(vecClasses);
            vecLines.push_back(line);
        }
        const int nRoom = MAX_CHART_LINES - static_cast<int>(vecLines.size());
        auto pChart = std::make_shared<CStrategyChart>(table, nBet, pClasses, std::move(vecLines));
        if (eKind == EChartKind::WithExceptions && !AddChartExceptions(*pChart, pays, nRoom))
            return nullptr;
        CountChartCost(*pChart, pays);
        if (IsParallelWorkStopped()) return nullptr;
        if (pBest && pChart->GapPoints() >= pBest->GapPoints()) break;
        pBest = pChart;
        // Rows left over (more room would go unused), or close enough.
        if (eKind == EChartKind::Simple || pChart->GetRowCount() < MAX_CHART_LINES ||
            pChart->GapPoints() <= 0.01)
            break;
        if (progress) progress(0.7);
    }
    // Rows left over: a class a line loses to may do better above it with a penalty card.
    if (eKind == EChartKind::WithExceptions && pBest->GetRowCount() < MAX_CHART_LINES &&
        !PromoteWithPenaltyCards(pBest, pays, 3, MAX_CHART_LINES))
        return nullptr;
    if (progress) progress(1.0);
    return pBest;
}
