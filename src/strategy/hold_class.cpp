#include "strategy/hold_class.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <unordered_map>

#include "strategy/hold_key.h"
#include "strategy/hold_names.h"
#include "work/parallel_for.h"

using namespace hold_key;

// A class is decided by a set's kind (its ranks, and whether its natural cards share a suit),
// so one set of each kind is classified.
CHoldClasses::CHoldClasses(const CFamily& family, const CRules& rules)
    : m_pFamily(&family), m_rules(rules), m_pScorer(&SharedHandScorer(family, rules)) {
    const CRankGroups groups = MakeRankGroups(family);
    // The key of each kind of set of up to five cards, by its slot; no kind, no key.
    constexpr std::uint32_t kNoKey = ~std::uint32_t{0};
    std::array<std::vector<std::uint32_t>, 6> arrKeys;
    std::map<std::uint32_t, int> mapOrdered;  // so class numbers do not depend on set order
    for (int nCount = 0; nCount <= 5; ++nCount) {
        std::vector<std::uint32_t>& vecKeys = arrKeys[static_cast<std::size_t>(nCount)];
        vecKeys.assign(static_cast<std::size_t>(CHandScorer::Slots(nCount)), kNoKey);
        m_pScorer->ForEachKind(nCount, [&](std::size_t nSlot, const int* pCodes) {
            vecKeys[nSlot] = Classify(family, groups, rules, pCodes, nCount).Packed();
            mapOrdered.emplace(vecKeys[nSlot], 0);
        });
    }
    // Each key met a class, numbered in key order, named; then each slot its class.
    const CHoldNamer namer(family, groups);
    std::unordered_map<std::uint32_t, std::uint16_t> mapIds;
    for (auto& [nKey, nId] : mapOrdered) {
        nId = static_cast<int>(m_vecNames.size());
        mapIds.emplace(nKey, static_cast<std::uint16_t>(nId));
        m_vecParts.push_back(namer.Parts(nKey));
        m_vecNames.push_back(m_vecParts.back().strPrefix + m_vecParts.back().strDetail +
                             m_vecParts.back().strSuffix);
        const std::uint32_t nKind = CKey::Unpack(nKey).nKind;
        m_vecFloor.push_back(nKind == kNothing || nKind == kDeucesOnly);
    }
    for (int nCount = 0; nCount <= 5; ++nCount) {
        const std::vector<std::uint32_t>& vecKeys = arrKeys[static_cast<std::size_t>(nCount)];
        std::vector<std::uint16_t>& vecIds = m_arrBySlot[static_cast<std::size_t>(nCount)];
        vecIds.resize(vecKeys.size());
        for (std::size_t i = 0; i < vecKeys.size(); ++i)
            vecIds[i] = vecKeys[i] == kNoKey ? 0 : mapIds[vecKeys[i]];
    }
}

CHoldClasses::~CHoldClasses() = default;

std::shared_ptr<const CHoldClasses> SharedHoldClasses(const CFamily& family, const CRules& rules) {
    static std::mutex s_mutex;
    // Never destroyed, as the outcome tables: a worker may still read them at exit.
    static auto* s_pClasses = new std::vector<std::shared_ptr<const CHoldClasses>>;
    const auto find = [&]() -> std::shared_ptr<const CHoldClasses> {
        for (const std::shared_ptr<const CHoldClasses>& pClasses : *s_pClasses)
            if (&pClasses->GetFamily() == &family && pClasses->GetRules() == rules) return pClasses;
        return nullptr;
    };
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        if (auto pClasses = find()) return pClasses;
    }
    // Built outside the lock, so that nobody waits on a build that is being stopped; two
    // threads may both build, and the first one kept wins.
    auto pClasses = std::make_shared<const CHoldClasses>(family, rules);
    if (IsParallelWorkStopped()) return nullptr;
    std::lock_guard<std::mutex> lock(s_mutex);
    if (auto pKept = find()) return pKept;
    s_pClasses->push_back(pClasses);
    return pClasses;
}

std::uint32_t HoldTieKey(const int* pSortedCodes, int nCount) {
    std::uint32_t nRanks = 0, nSuits = 0;
    for (int i = nCount - 1; i >= 0; --i) {
        nRanks = nRanks << 4 | static_cast<std::uint32_t>(CardCodeRank(pSortedCodes[i]));
        nSuits = nSuits << 2 | static_cast<std::uint32_t>(pSortedCodes[i] % 4);
    }
    for (int i = nCount; i < 5; ++i) nRanks <<= 4, nSuits <<= 2;
    return nRanks << 10 | nSuits;
}

bool CHoldClasses::CanShareLine(int nClass, int nOther) const {
    const CHoldNameParts& a = m_vecParts[static_cast<std::size_t>(nClass)];
    const CHoldNameParts& b = m_vecParts[static_cast<std::size_t>(nOther)];
    return a.eDetail != EHoldDetail::None && a.nGroup == b.nGroup && a.eDetail == b.eDetail;
}

std::size_t CHoldClasses::GroupSize(std::uint32_t nGroup) const {
    return static_cast<std::size_t>(
        std::count_if(m_vecParts.begin(), m_vecParts.end(),
                      [&](const CHoldNameParts& parts) { return parts.nGroup == nGroup; }));
}

namespace {

// "1, 2 or 3": words as a list read aloud.
std::string OrList(const std::vector<std::string>& vecWords) {
    std::string strList;
    for (std::size_t i = 0; i < vecWords.size(); ++i) {
        if (i > 0) strList += i + 1 < vecWords.size() ? ", " : " or ";
        strList += vecWords[i];
    }
    return strList;
}

// "1 or 3", "2 to 4" for a run of three or more.
std::string CountList(std::vector<int> vecCounts, bool bRuns) {
    std::sort(vecCounts.begin(), vecCounts.end());
    if (bRuns && vecCounts.size() > 2 &&
        vecCounts.back() - vecCounts.front() + 1 == static_cast<int>(vecCounts.size()))
        return std::to_string(vecCounts.front()) + " to " + std::to_string(vecCounts.back());
    std::vector<std::string> vecWords;
    for (int n : vecCounts) vecWords.push_back(std::to_string(n));
    return OrList(vecWords);
}

}  // namespace

// "Suited A K, A Q or A J"; "4 to a Straight Flush, 1 or 2 high cards"; the bare group where
// the line takes every class of it.
std::string CHoldClasses::LineName(const std::vector<int>& vecClasses,
                                   const std::vector<int>& vecAbove) const {
    const CHoldNameParts& first = m_vecParts[static_cast<std::size_t>(vecClasses.front())];
    const std::size_t nAbove =
        first.eDetail == EHoldDetail::Deuces || first.eDetail == EHoldDetail::None
            ? 0
            : static_cast<std::size_t>(std::count_if(vecAbove.begin(), vecAbove.end(), [&](int c) {
                  return m_vecParts[static_cast<std::size_t>(c)].nGroup == first.nGroup;
              }));
    const bool bWhole = GroupSize(first.nGroup) == vecClasses.size() + nAbove;
    if (vecClasses.size() == 1 && (nAbove == 0 || !bWhole)) return GetName(vecClasses.front());
    std::vector<int> vecDetails;
    for (int nClass : vecClasses)
        vecDetails.push_back(m_vecParts[static_cast<std::size_t>(nClass)].nDetail);
    std::string strDetail;
    if (first.eDetail == EHoldDetail::Deuces) {
        if (m_pFamily->WildCards() == 1)  // the hand with the wild card and without
            return first.strSuffix + ", with or without the " + m_pFamily->pszWild;
        if (bWhole) return first.strSuffix.substr(2);  // with any deuces: without the "...: "
        strDetail = CountList(vecDetails, false);
        strDetail +=
            *std::max_element(vecDetails.begin(), vecDetails.end()) > 1 ? " Deuces" : " Deuce";
    } else if (first.eDetail == EHoldDetail::HighCards) {
        if (bWhole) return first.strPrefix.substr(0, first.strPrefix.size() - 2);  // no ", "
        strDetail = CountList(vecDetails, true) + " high cards";
    } else if (first.eDetail == EHoldDetail::Kinds) {
        return KindsLineName(vecClasses, bWhole);
    } else {
        // Every class of a draw's group: the draw alone ("Joker + 3 to a Royal Flush").
        const std::size_t nComma = first.strPrefix.rfind(", ");
        const bool bDrawFirst = nComma != std::string::npos && nComma + 2 == first.strPrefix.size();
        if (bWhole && bDrawFirst) return first.strPrefix.substr(0, nComma) + first.strSuffix;
        std::vector<std::string> vecWords, vecLeft;
        for (int nClass : vecClasses)
            vecWords.push_back(m_vecParts[static_cast<std::size_t>(nClass)].strDetail);
        // Most of what is left of the group: shorter said by the few it leaves out.
        for (int c = 0; c < GetClassCount(); ++c)
            if (m_vecParts[static_cast<std::size_t>(c)].nGroup == first.nGroup &&
                std::find(vecClasses.begin(), vecClasses.end(), c) == vecClasses.end() &&
                std::find(vecAbove.begin(), vecAbove.end(), c) == vecAbove.end())
                vecLeft.push_back(m_vecParts[static_cast<std::size_t>(c)].strDetail);
        if (bDrawFirst && vecWords.size() > 3 && vecLeft.size() < vecWords.size())
            return first.strPrefix.substr(0, nComma) + ", except " + OrList(vecLeft) +
                   first.strSuffix;
        strDetail = OrList(vecWords);
    }
    return first.strPrefix + strDetail + first.strSuffix;
}

// Made hands and rank groups sharing a line: "4 of a Kind", "High Pair", or the names joined,
// "3 of a Kind (2,3,4 or 5-K)" where they differ only in their ranks.
std::string CHoldClasses::KindsLineName(const std::vector<int>& vecClasses, bool bWhole) const {
    const CHoldNameParts& first = m_vecParts[static_cast<std::size_t>(vecClasses.front())];
    const std::uint32_t nKind = CKey::Unpack(first.nGroup).nKind;
    if (nKind != kMade && bWhole) {
        if (nKind == kPair) return CKey::Unpack(first.nGroup).nB != 0 ? "High Pair" : "Low Pair";
        return nKind == kFour ? "4 of a Kind" : "3 of a Kind";
    }
    std::string strCommon = first.strDetail.substr(0, first.strDetail.find(" (") + 2);
    for (int nClass : vecClasses) {
        const std::string& str = m_vecParts[static_cast<std::size_t>(nClass)].strDetail;
        if (strCommon.size() < 3 || !str.starts_with(strCommon) || !str.ends_with(")"))
            strCommon.clear();
    }
    std::vector<std::string> vecWords;
    for (int nClass : vecClasses) {
        const std::string& str = m_vecParts[static_cast<std::size_t>(nClass)].strDetail;
        vecWords.push_back(strCommon.empty()
                               ? str
                               : str.substr(strCommon.size(), str.size() - strCommon.size() - 1));
    }
    const std::string strDetail = OrList(vecWords);
    return first.strPrefix + (strCommon.empty() ? strDetail : strCommon + strDetail + ")") +
           first.strSuffix;
}
