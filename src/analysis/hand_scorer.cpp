#include "analysis/hand_scorer.h"

#include <memory>
#include <mutex>

CHandScorer::CHandScorer(const CFamily& family, const CRules& rules)
    : m_pFamily(&family),
      m_nLosing(family.CategoryCount()),
      m_vecOutcomes(static_cast<std::size_t>(Slots(5)),
                    static_cast<std::uint8_t>(family.CategoryCount())) {
    for (int nCode = 0; nCode < MAX_CARD_CODES; ++nCode)
        m_arrSuitBits[static_cast<std::size_t>(nCode)] =
            family.IsWild(nCode) || nCode >= JOKER_CODE ? 0u : 1u << (nCode % 4);
    ForEachKind(5, [&](std::size_t nSlot, const int* pCodes) {
        const int nCategory = ClassifyHand(family, rules, pCodes);
        m_vecOutcomes[nSlot] =
            static_cast<std::uint8_t>(nCategory == NO_CATEGORY ? m_nLosing : nCategory);
    });
}

void CHandScorer::ForEachKind(int nCount,
                              const std::function<void(std::size_t, const int*)>& visit) const {
    ForEachKindOfSet(*m_pFamily, nCount,
                     [&](const int* pCodes) { visit(SetSlot(pCodes, nCount), pCodes); });
}

const CHandScorer& SharedHandScorer(const CFamily& family, const CRules& rules) {
    struct CEntry {
        const CFamily* pFamily;
        CRules rules;
        std::unique_ptr<const CHandScorer> pScorer;
    };
    // Never destroyed: a worker may still score while the process ends.
    static std::mutex& s_mutex = *new std::mutex;
    static std::vector<CEntry>& s_vecEntries = *new std::vector<CEntry>;
    const std::lock_guard lock(s_mutex);
    for (const CEntry& entry : s_vecEntries)
        if (entry.pFamily == &family && entry.rules == rules) return *entry.pScorer;
    s_vecEntries.push_back({&family, rules, std::make_unique<const CHandScorer>(family, rules)});
    return *s_vecEntries.back().pScorer;
}
