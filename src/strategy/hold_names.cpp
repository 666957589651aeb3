#include "strategy/hold_names.h"

#include <algorithm>
#include <bit>
#include <cctype>

#include "analysis/card_code.h"

using namespace hold_key;

namespace {

const char* RankName(int nRank) {
    static const char* const kNames[] = {"",  "",  "2",  "3", "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K", "A"};
    return kNames[nRank];
}

// Ranks of a mask from the highest down: "K Q J".
std::string RanksText(unsigned nMask, int nLowest) {
    std::string str;
    for (int r = kAce; r >= nLowest; --r)
        if (nMask & (1u << (r - nLowest))) {
            if (!str.empty()) str += ' ';
            str += RankName(r);
        }
    return str;
}

std::string Counted(unsigned n, const char* pszOne, const char* pszMany) {
    if (n == 0) return std::string("no ") + pszMany;
    std::string str = std::to_string(n);
    str += ' ';
    str += n == 1 ? pszOne : pszMany;
    return str;
}

const char* RankWord(int nRank) {
    static const char* const kWords[] = {"",     "",     "Two",   "Three", "Four",
                                         "Five", "Six",  "Seven", "Eight", "Nine",
                                         "Ten",  "Jack", "Queen", "King",  "Ace"};
    return nRank >= 2 && nRank <= kAce ? kWords[nRank] : "";
}

// "Aces", "Tens", "9s".
std::string RankPlural(int nRank) {
    return nRank >= 10 ? std::string(RankWord(nRank)) + "s" : std::string(RankName(nRank)) + "s";
}

// "J-K" for ranks in a row, else "2,3,4" ... from the lowest.
std::string RanksRange(unsigned nRanks) {
    const int nLow = std::countr_zero(nRanks), nHigh = std::bit_width(nRanks) - 1;
    if (nHigh > nLow && nRanks == RanksFrom(nLow, nHigh) && nHigh - nLow > 0)
        return std::string(RankName(nLow)) + "-" + RankName(nHigh);
    std::string str;
    for (int r = nLow; r <= nHigh; ++r)
        if ((nRanks >> r & 1u) != 0) str += (str.empty() ? "" : ",") + std::string(RankName(r));
    return str;
}

std::string Lower(std::string str) {
    for (char& c : str) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return str;
}

std::string DrawBase(const CKey& key, const char* pszTo, const char* pszInside) {
    std::string str = std::to_string(key.nCards);
    str += pszTo;
    if (key.nCards == 4 && key.nA <= 1) {
        if (key.nA == 1) str += pszInside;
    } else {
        str += ", ";
        str += Counted(key.nA, "gap", "gaps");
    }
    return str;
}

// "2s/3s/4s", "Aces", "Kings/Queens/Jacks": faces from the highest down, as players say them.
std::string RanksPlural(unsigned nRanks) {
    std::vector<int> vecRanks;
    for (int r = 2; r <= kAce; ++r)
        if ((nRanks >> r & 1u) != 0) vecRanks.push_back(r);
    if (!vecRanks.empty() && vecRanks.front() >= 10) std::reverse(vecRanks.begin(), vecRanks.end());
    std::string str;
    for (int r : vecRanks) str += (str.empty() ? "" : "/") + RankPlural(r);
    return str;
}

// "a 2, 3 or 4", "an A, 2, 3 or 4", "a face": the kickers a four pays more with. The ace is
// named first beside low cards, as it plays low there.
std::string KickerText(unsigned nKickers) {
    if (nKickers == RanksFrom(11, 13)) return "a face";
    std::vector<int> vecRanks;
    if ((nKickers & RanksFrom(kAce)) != 0 && (nKickers & 4u) != 0) vecRanks.push_back(kAce);
    for (int r = 2; r <= kAce; ++r)
        if ((nKickers >> r & 1u) != 0 && (r != kAce || vecRanks.empty() || vecRanks[0] != kAce))
            vecRanks.push_back(r);
    std::string str = vecRanks.front() == kAce || vecRanks.front() == 8 ? "an " : "a ";
    for (std::size_t i = 0; i < vecRanks.size(); ++i) {
        if (i > 0) str += i + 1 < vecRanks.size() ? ", " : " or ";
        str += RankName(vecRanks[i]);
    }
    return str;
}

}  // namespace

CHoldNamer::CHoldNamer(const CFamily& family, const CRankGroups& groups)
    : m_pFamily(&family),
      m_bDeuces(family.eWild != EWild::None),
      m_bHighPays(groups.nLowPair <= kAce),
      m_strWild(family.pszWild != nullptr ? family.pszWild : ""),
      m_nLowPair(std::min(groups.nLowPair, kAce)),
      m_nWildCards(family.WildCards()) {
    for (std::uint32_t g = 0; g < groups.nKinds; ++g) {
        const int nCategory = groups.arrKindCategory[g];
        std::string strFour = nCategory >= 0 ? family.CategoryName(nCategory) : "4 of a Kind";
        m_vecFourNames.push_back(strFour);
        m_vecThreeNames.push_back("3" + strFour.substr(1));
    }
    for (std::uint32_t g = 0; g < groups.nPairs; ++g) {
        m_vecPairNames.push_back(PairName(groups, g));
        m_vecPairPays.push_back(groups.arrPairPays[g]);
    }
}

// "Aces with a 2, 3 or 4": the ranks of a four paid more with a kicker, and the kickers.
std::string CHoldNamer::KickerWords(std::uint32_t nCategory) const {
    const CCategory& category = m_pFamily->categories[nCategory];
    return RanksPlural(category.nRanks) + " with " + KickerText(category.nKickers);
}

std::string CHoldNamer::PairName(const CRankGroups& groups, std::uint32_t nGroup) const {
    const unsigned nRanks = groups.arrPairRanks[nGroup];
    if (groups.nLowPair > kAce) return "Pair";
    if (std::popcount(nRanks) == 1) return "Pair of " + RankPlural(std::countr_zero(nRanks));
    // Players call a pair of jacks or better a High Pair; other games name their lowest pair.
    if (groups.arrPairPays[nGroup] && groups.nLowPair != 11 && nRanks == RanksFrom(groups.nLowPair))
        return "Pair of " + RankPlural(groups.nLowPair) + " or Better";
    std::string strName = groups.arrPairPays[nGroup] ? "High Pair" : "Low Pair";
    if (groups.nKinds > 1) {
        // The kind group's own words where the pair takes all of its ranks.
        const int nRank = std::countr_zero(nRanks);
        const int nCategory =
            groups.arrKindCategory[groups.arrKind[static_cast<std::size_t>(nRank)]];
        const std::string strCategory = nCategory >= 0 ? m_pFamily->CategoryName(nCategory) : "";
        const std::size_t nOpen = strCategory.find('(');
        const bool bAll =
            nCategory >= 0 &&
            m_pFamily->categories[static_cast<std::size_t>(nCategory)].nRanks == nRanks;
        strName += " (" +
                   (bAll && nOpen != std::string::npos
                        ? strCategory.substr(nOpen + 1, strCategory.size() - nOpen - 2)
                        : RanksRange(nRanks)) +
                   ")";
    }
    return strName;
}

CHoldNameParts CHoldNamer::Parts(std::uint32_t nPacked) const {
    const CKey key = CKey::Unpack(nPacked);
    CHoldNameParts parts;
    parts.nGroup = nPacked;
    std::string& str = parts.strPrefix;
    // One wild card is held or not: "Joker + 4 to a Royal Flush", what the cards make with it.
    const bool bOneWild = m_nWildCards == 1;
    if (bOneWild && key.nDeuces > 0 && key.nKind != kDeucesOnly) str = m_strWild + " + ";
    if (m_bDeuces && !bOneWild && key.nKind != kNothing) {
        str = key.nDeuces == 0 ? "No " + Lower(m_strWild) : std::to_string(key.nDeuces);
        if (key.nDeuces > 0) str += " " + m_strWild + (key.nDeuces == 1 ? "" : "s");
        str += ": ";
    }
    if (key.nKind <= kDeucesOnly || key.nKind >= kThreeKicker) {
        NameKept(key, str);
    } else {
        NameDraw(key, nPacked, parts);
    }
    // A hand made, or n of a kind, with the one wild card or without it can share a line:
    // "Straight Flush, with or without the Joker".
    const bool bKept = key.nKind == kMade || key.nKind == kThree || key.nKind == kFour;
    const std::string strWithWild = key.nDeuces > 0 ? m_strWild + " + " : "";
    if (bOneWild && bKept && parts.eDetail == EHoldDetail::None && str.starts_with(strWithWild)) {
        parts.strDetail = strWithWild;
        parts.strSuffix = str.substr(parts.strDetail.size());
        str.clear();
        parts.eDetail = EHoldDetail::Deuces;
        parts.nDetail = static_cast<int>(key.nDeuces);
        parts.nGroup = nPacked & ~(15u << 20);
    }
    // Made hands, and fours, threes or pairs that pay alike of the rank groups a family pays
    // apart, can share a line: no deal offers two of them (a pair's group says in nB whether it
    // pays).
    const bool bKind =
        key.nKind == kFour || key.nKind == kThree || key.nKind == kPair || key.nKind == kMade;
    if (!m_bDeuces && bKind && parts.eDetail == EHoldDetail::None) {
        parts.strDetail = str;
        str.clear();
        parts.eDetail = EHoldDetail::Kinds;
        parts.nDetail = static_cast<int>(key.nA);
        parts.nGroup = nPacked & ~0xff00u;
        if (key.nKind == kPair && m_vecPairPays[key.nA]) parts.nGroup |= 1;
    }
    // A Deuces Wild class stands for its deuces once: the same hand with other deuces can
    // share its line, as no deal offers both.
    if (m_bDeuces && !bOneWild && key.nKind != kNothing && parts.eDetail == EHoldDetail::None) {
        const std::size_t nColon = str.find(": ");
        if (nColon != std::string::npos) {
            parts.strSuffix = str.substr(nColon);
            parts.strDetail = str.substr(0, nColon);
            str.clear();
            parts.eDetail = EHoldDetail::Deuces;
            parts.nDetail = static_cast<int>(key.nDeuces);
            parts.nGroup = nPacked & ~(15u << 20);
        }
    }
    return parts;
}

void CHoldNamer::NameKept(const CKey& key, std::string& str) const {
    switch (key.nKind) {
        case kNothing:
            str = "Nothing: draw five new cards";
            break;
        case kMade:
            if (m_pFamily->categories[key.nA].eShape == EShape::FourOfAKind) {
                str += "4 " + KickerWords(key.nA) + " kicker";
            } else if (m_nWildCards == 1 &&
                       (m_pFamily->categories[key.nA].eShape == EShape::WildRoyal ||
                        m_pFamily->categories[key.nA].eShape == EShape::FiveOfAKind)) {
                // Says the wild card, or is made with it alone.
                str = m_pFamily->CategoryName(static_cast<int>(key.nA));
            } else {
                str += m_pFamily->CategoryName(static_cast<int>(key.nA));
            }
            break;
        case kThreeKicker:
            str += "3 " + KickerWords(key.nA) + " kicker";
            break;
        case kPairKicker:
            str += "Pair of " + KickerWords(key.nA);
            break;
        case kFour:
            str += m_vecFourNames[key.nA];
            break;
        case kThree:
            str += m_vecThreeNames[key.nA];
            break;
        case kTwoPair:
            str += "2 Pair";
            break;
        case kPair:
            str += m_vecPairNames[key.nA];
            break;
        case kKind:
            str += std::to_string(key.nCards);
            str += " of a Kind";
            break;
        case kDeucesOnly:
            if (m_nWildCards == 1) {
                str = m_strWild + " alone";
                break;
            }
            str += "the " + Lower(m_strWild) + (m_nWildCards > 1 ? "s" : "") + " alone";
            if (key.nDeuces == 4) str = "4 " + m_strWild + "s";
            break;
    }
}

void CHoldNamer::NameDraw(const CKey& key, std::uint32_t nPacked, CHoldNameParts& parts) const {
    std::string& str = parts.strPrefix;
    const auto highCards = [&](const std::string& strBase) {
        str += strBase;
        if (!m_bHighPays) return;
        str += ", ";
        parts.eDetail = EHoldDetail::HighCards;
        parts.nDetail = static_cast<int>(key.nB);
        parts.strDetail = Counted(key.nB, "high card", "high cards");
        parts.nGroup = nPacked & ~0xffu;
    };
    const auto ranks = [&](int nLowest) {
        parts.eDetail = EHoldDetail::Ranks;
        parts.nDetail = static_cast<int>(key.nA);
        parts.strDetail = RanksText(key.nA, nLowest);
        parts.nGroup = nPacked & ~0xff00u;
    };
    const std::string strCards = std::to_string(key.nCards);
    switch (key.nKind) {
        case kRoyalDraw:
            if (!m_bDeuces && key.nCards == 2) {
                str += "Suited ";
                ranks(10);
            } else {
                str += strCards + " to a Royal Flush" + (key.nA != 0 ? ", " : "");
                if (key.nA != 0) ranks(10);
            }
            break;
        case kStraightFlushDraw:
            highCards(DrawBase(key, " to a Straight Flush", ", inside"));
            break;
        case kStraightDraw:
            highCards(key.nCards == 4 && key.nA <= 1
                          ? (key.nA > 0 ? "4 to an Inside Straight" : "4 to an Outside Straight")
                          : DrawBase(key, " to a Straight", ""));
            break;
        case kFlushDraw:
            if (key.nCards < 4 || key.nDeuces > 0) {
                highCards(strCards + " to a Flush");
            } else {
                str += "4 to a Flush";
            }
            break;
        case kHighCards:
            ranks(m_nLowPair);
            if (key.nCards - key.nDeuces == 1) {
                parts.strDetail = RankWord(m_nLowPair + std::countr_zero(key.nA));
                parts.strSuffix = key.nDeuces > 0 ? "" : " alone";
            } else {
                parts.strSuffix = " unsuited";
            }
            break;
        default:
            str += "Any other " + strCards + (key.nCards == 1 ? " card" : " cards");
            break;
    }
}
