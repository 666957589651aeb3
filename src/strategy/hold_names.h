// The words of the hold classes, for hold_class.cpp alone: "4 to a Royal Flush, A K Q", "Low
// Pair", "2 Deuces: 4 of a Kind", each in three parts so that classes of one group can share
// a line of the chart under one name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/family.h"
#include "strategy/hold_key.h"

// What the detail of a name tells, where classes of a group differ only in it.
// Kinds: made hands, or n of a kind (or a pair) of the ranks the family pays apart, which no
// deal offers two of, so that "4 Aces" and "4 of a Kind (5-K)" may be one line.
enum class EHoldDetail { None, HighCards, Ranks, Deuces, Kinds };

// A name in three parts, so that lines of one group (the same draw with other high cards,
// other suited or unsuited high cards) can share one name: prefix, detail, suffix.
struct CHoldNameParts {
    std::string strPrefix, strDetail, strSuffix;
    EHoldDetail eDetail = EHoldDetail::None;
    int nDetail = 0;  // high cards, or the mask of ranks
    std::uint32_t nGroup = 0;
};

// Names the classes of one family by their packed keys.
class CHoldNamer {
public:
    CHoldNamer(const CFamily& family, const hold_key::CRankGroups& groups);

    CHoldNameParts Parts(std::uint32_t nPacked) const;

private:
    // The name of a class kept whole: made hands, n of a kind, pairs and the deuces alone.
    void NameKept(const hold_key::CKey& key, std::string& str) const;
    // The name of a draw or of high cards, its detail told apart where the group shares a line.
    void NameDraw(const hold_key::CKey& key, std::uint32_t nPacked, CHoldNameParts& parts) const;
    std::string KickerWords(std::uint32_t nCategory) const;
    std::string PairName(const hold_key::CRankGroups& groups, std::uint32_t nGroup) const;

    const CFamily* m_pFamily;
    bool m_bDeuces;    // wild cards in the deck
    bool m_bHighPays;  // a pair of high cards pays
    std::string m_strWild;
    // Names of the rank groups the family pays apart, by the group numbers the classes keep.
    std::vector<std::string> m_vecFourNames, m_vecThreeNames, m_vecPairNames;
    std::vector<bool> m_vecPairPays;
    int m_nLowPair;    // the lowest rank of a high card: its pair pays
    int m_nWildCards;  // in the deck
};
