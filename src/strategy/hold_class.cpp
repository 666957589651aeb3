#include "strategy/hold_class.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <map>
#include <mutex>
#include <unordered_map>

#include "analysis/parallel_for.h"

namespace {

constexpr int kAce = 14;

enum EKind : std::uint32_t {
    kNothing,
    kMade,  // five cards making a category
    kFour,
    kThree,
    kTwoPair,
    kPair,
    kKind,  // Deuces Wild: n of a kind with the deuces
    kDeucesOnly,
    kRoyalDraw,
    kStraightFlushDraw,
    kFlushDraw,
    kStraightDraw,
    kHighCards,  // unsuited cards of a paying rank (or one alone)
    kOther
};

// A class as small numbers, so that millions of sets are told apart without strings.
struct CKey {
    std::uint32_t nKind = kOther, nDeuces = 0, nCards = 0, nA = 0, nB = 0;
    std::uint32_t Packed() const {
        return nKind << 24 | nDeuces << 20 | nCards << 16 | nA << 8 | nB;
    }
    static CKey Unpack(std::uint32_t n) {
        return {n >> 24, n >> 20 & 15, n >> 16 & 15, n >> 8 & 255, n & 255};
    }
};

// Ranks a family pays apart, from its description: a kind group is the four of a kind that
// pays a rank with any kicker (in Bonus: aces, 2-4, 5-K); a pair group is a kind group split
// into pairs that pay and pairs that do not (in Bonus: aces, J-K, 2-4, 5-10). Numbered in
// pay-table order, paying pairs first.
struct CRankGroups {
    std::array<std::uint32_t, 15> arrKind{}, arrPair{};
    std::array<int, 16> arrKindCategory{};    // by kind group
    std::array<unsigned, 16> arrPairRanks{};  // by pair group
    std::array<bool, 16> arrPairPays{};       // by pair group
    std::uint32_t nKinds = 0, nPairs = 0;
    int nLowPair = 0;  // the lowest rank whose pair pays; 15 where none does
};

CRankGroups MakeRankGroups(const CFamily& family) {
    CRankGroups groups;
    groups.nLowPair = family.nLowestPair >= 2 ? family.nLowestPair : 15;
    // Each rank's kind group: the first plain four of a kind covering it.
    std::array<int, 15> arrCategory{};
    for (int r = 2; r <= kAce; ++r) {
        arrCategory[static_cast<std::size_t>(r)] = -1;
        for (int c = 0; c < family.CategoryCount(); ++c) {
            const CCategory& category = family.categories[static_cast<std::size_t>(c)];
            if (category.eShape == EShape::FourOfAKind && category.nKickers == ALL_RANKS &&
                (category.nRanks >> r & 1u) != 0) {
                arrCategory[static_cast<std::size_t>(r)] = c;
                break;
            }
        }
    }
    for (int c = -1; c < family.CategoryCount(); ++c) {
        bool bUsed = false;
        for (int r = 2; r <= kAce; ++r)
            if (arrCategory[static_cast<std::size_t>(r)] == c) {
                groups.arrKind[static_cast<std::size_t>(r)] = groups.nKinds;
                bUsed = true;
            }
        if (bUsed) groups.arrKindCategory[groups.nKinds++] = c;
    }
    for (const bool bPays : {true, false})
        for (std::uint32_t g = 0; g < groups.nKinds; ++g) {
            unsigned nRanks = 0;
            for (int r = family.LowestNaturalRank(); r <= kAce; ++r)
                if (groups.arrKind[static_cast<std::size_t>(r)] == g &&
                    (r >= groups.nLowPair) == bPays)
                    nRanks |= 1u << r;
            if (nRanks == 0) continue;
            for (int r = 2; r <= kAce; ++r)
                if ((nRanks >> r & 1u) != 0)
                    groups.arrPair[static_cast<std::size_t>(r)] = groups.nPairs;
            groups.arrPairRanks[groups.nPairs] = nRanks;
            groups.arrPairPays[groups.nPairs++] = bPays;
        }
    return groups;
}

// How many straights (five ranks in a row; A-2-3-4-5 too where the rules say so) hold every
// rank of the mask (bit r for rank r, 2 to 14), from the one whose lowest rank is nFirst.
int StraightWindows(unsigned nRanks, const CRules& rules, int nFirst) {
    int nWindows = 0;
    if (nFirst < 2 && !rules.bWheelStraight) nFirst = 2;
    for (int nLow = nFirst; nLow <= 10; ++nLow) {
        unsigned nWindow = 0;
        for (int r = nLow; r < nLow + 5; ++r) nWindow |= 1u << (r == 1 ? kAce : r);
        if ((nRanks & ~nWindow) == 0) ++nWindows;
    }
    return nWindows;
}

CKey Classify(const CFamily& family, const CRankGroups& groups, const CRules& rules,
              const int* pCodes, int nCount) {
    const bool bDeuces = family.eWild != EWild::None;
    CKey key;
    key.nCards = static_cast<std::uint32_t>(nCount);
    int nNatural = 0, nWild = 0;
    int arrCount[15] = {};
    unsigned nRankMask = 0, nSuitMask = 0;
    for (int i = 0; i < nCount; ++i) {
        if (family.IsWild(pCodes[i])) {
            ++nWild;
            continue;
        }
        const int nRank = CardCodeRank(pCodes[i]);
        const int nSuit = CardCodeSuit(pCodes[i]) / 100;
        ++nNatural;
        ++arrCount[nRank];
        nRankMask |= 1u << nRank;
        nSuitMask |= 1u << nSuit;
    }
    key.nDeuces = static_cast<std::uint32_t>(nWild);
    if (nCount == 0) return {kNothing, 0, 0, 0, 0};
    if (nCount == 5) {
        const int nCategory = ClassifyHand(family, rules, pCodes);
        // A made hand is kept whole; a four of a kind (or Deuces' four deuces) with a fifth card
        // is the four kept.
        const EShape eShape = nCategory == NO_CATEGORY
                                  ? EShape::Pair
                                  : family.categories[static_cast<std::size_t>(nCategory)].eShape;
        if (eShape != EShape::Pair && eShape != EShape::TwoPair && eShape != EShape::ThreeOfAKind &&
            eShape != EShape::FourOfAKind && eShape != EShape::FourWild) {
            key.nKind = kMade;
            key.nA = static_cast<std::uint32_t>(nCategory);
        }
        return key;
    }
    int nDistinct = 0, nMost = 0, nPairs = 0, nMostRank = 0;
    for (int r = 2; r <= kAce; ++r) {
        if (arrCount[r] == 0) continue;
        ++nDistinct;
        if (arrCount[r] == 2) ++nPairs;
        if (arrCount[r] > nMost) nMost = arrCount[r], nMostRank = r;
    }
    if (bDeuces) {
        if (nNatural == 0) {
            key.nKind = kDeucesOnly;
            return key;
        }
        if (nDistinct == 1 && nCount >= 3) {
            key.nKind = kKind;
            return key;
        }
        if (nWild == 0 && nCount == 2 && nMost == 2) {
            key.nKind = kPair;
            key.nA = groups.arrPair[static_cast<std::size_t>(nMostRank)];
            return key;
        }
        if (nWild == 0 && nCount == 4 && nPairs == 2) {
            key.nKind = kTwoPair;
            return key;
        }
    } else if (nMost >= 2) {
        const auto nRank = static_cast<std::size_t>(nMostRank);
        if (nMost == 4) key.nKind = kFour, key.nA = groups.arrKind[nRank];
        if (nMost == 3 && nCount == 3) key.nKind = kThree, key.nA = groups.arrKind[nRank];
        if (nPairs == 2 && nCount == 4) key.nKind = kTwoPair;
        if (nMost == 2 && nCount == 2) key.nKind = kPair, key.nA = groups.arrPair[nRank];
        return key;
    }
    if (nMost >= 2) return key;  // a pair and more, in Deuces Wild

    // Different ranks from here on, with any deuces as wild cards.
    int nHigh = 0;
    for (int r = groups.nLowPair; r <= kAce; ++r) nHigh += arrCount[r];
    const bool bSuited = std::popcount(nSuitMask) == 1 && (nNatural >= 2 || nWild > 0);
    if (!bDeuces && (!bSuited || nNatural == 1) && nHigh == nNatural) {
        key.nKind = kHighCards;
        key.nA = nRankMask >> groups.nLowPair;
        return key;
    }
    if (!bDeuces && nNatural == 1) return key;  // one low card
    if (!bDeuces) key.nB = static_cast<std::uint32_t>(nHigh);
    // In Deuces Wild only a deuce fills a straight's 2, a deuce the draw then lacks: those
    // straights count only where no other is left, and as one gap more.
    int nWindows = StraightWindows(nRankMask, rules, family.LowestNaturalRank() == 3 ? 3 : 1);
    int nEndGap = 0;
    if (family.LowestNaturalRank() == 3 && nWindows == 0 && nWild > 0) {
        nWindows = StraightWindows(nRankMask, rules, 1);
        nEndGap = 1;
    }
    // A straight the cards could have been part of but are not: a rank missing between them or
    // the end of the ranks. Deuces are not counted: a deuce fills a gap the natural cards leave.
    key.nA = static_cast<std::uint32_t>(std::max(0, 6 - nNatural - nWindows) + nEndGap);
    if (bSuited && (nRankMask & ((1u << 10) - 1)) == 0) {
        key.nKind = kRoyalDraw;
        key.nA = key.nB = 0;
        // Which two high cards matters where they are all the player holds of the royal.
        if (nNatural == 2 && nCount <= 3) key.nA = nRankMask >> 10;
        return key;
    }
    if (nWindows > 0) {
        key.nKind = bSuited ? kStraightFlushDraw : kStraightDraw;
        return key;
    }
    if (bSuited) {
        key.nKind = kFlushDraw;
        key.nA = 0;
        if (nCount == 4) key.nB = 0;
        return key;
    }
    return CKey{kOther, key.nDeuces, key.nCards, 0, 0};
}

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

}  // namespace

// A name in three parts, so that lines of one group (the same draw with other high cards,
// other suited or unsuited high cards) can share one name: prefix, detail, suffix.
struct CHoldClasses::CNameParts {
    std::string strPrefix, strDetail, strSuffix;
    EDetail eDetail = EDetail::None;
    int nDetail = 0;  // high cards, or the mask of ranks
    std::uint32_t nGroup = 0;
};

CHoldClasses::~CHoldClasses() = default;

CHoldClasses::CNameParts CHoldClasses::Parts(std::uint32_t nPacked) const {
    const CKey key = CKey::Unpack(nPacked);
    const bool bDeuces = m_pFamily->eWild != EWild::None;
    const std::string strWild = m_pFamily->pszWild != nullptr ? m_pFamily->pszWild : "";
    CNameParts parts;
    parts.nGroup = nPacked;
    std::string& str = parts.strPrefix;
    if (bDeuces && key.nKind != kNothing) {
        str = key.nDeuces == 0 ? "No " + Lower(strWild) : std::to_string(key.nDeuces);
        if (key.nDeuces > 0) str += " " + strWild + (key.nDeuces == 1 ? "" : "s");
        str += ": ";
    }
    const auto highCards = [&](const std::string& strBase) {
        str += strBase;
        if (bDeuces) return;
        str += ", ";
        parts.eDetail = EDetail::HighCards;
        parts.nDetail = static_cast<int>(key.nB);
        parts.strDetail = Counted(key.nB, "high card", "high cards");
        parts.nGroup = nPacked & ~0xffu;
    };
    const auto ranks = [&](int nLowest) {
        parts.eDetail = EDetail::Ranks;
        parts.nDetail = static_cast<int>(key.nA);
        parts.strDetail = RanksText(key.nA, nLowest);
        parts.nGroup = nPacked & ~0xff00u;
    };
    switch (key.nKind) {
        case kNothing:
            str = "Nothing: draw five new cards";
            break;
        case kMade:
            str += m_pFamily->CategoryName(static_cast<int>(key.nA));
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
            str += "the " + Lower(strWild) + (m_nWildCards > 1 ? "s" : "") + " alone";
            if (key.nDeuces == 4) str = "4 " + strWild + "s";
            break;
        case kRoyalDraw:
            if (!bDeuces && key.nCards == 2) {
                str += "Suited ";
                ranks(10);
            } else if (key.nA != 0) {
                str += std::to_string(key.nCards);
                str += " to a Royal Flush, ";
                ranks(10);
            } else {
                str += std::to_string(key.nCards);
                str += " to a Royal Flush";
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
            if (key.nCards < 4) {
                std::string strBase = std::to_string(key.nCards);
                strBase += " to a Flush";
                highCards(strBase);
            } else {
                str += "4 to a Flush";
            }
            break;
        case kHighCards:
            ranks(m_nLowPair);
            if (key.nCards == 1) {
                parts.strDetail = RankWord(m_nLowPair + std::countr_zero(key.nA));
                parts.strSuffix = " alone";
            } else {
                parts.strSuffix = " unsuited";
            }
            break;
        default:
            str += "Any other ";
            str += std::to_string(key.nCards);
            str += key.nCards == 1 ? " card" : " cards";
            break;
    }
    // A Deuces Wild class stands for its deuces once: the same hand with other deuces can
    // share its line, as no deal offers both.
    if (bDeuces && key.nKind != kNothing && parts.eDetail == EDetail::None) {
        const std::size_t nColon = str.find(": ");
        if (nColon != std::string::npos) {
            parts.strSuffix = str.substr(nColon);
            parts.strDetail = str.substr(0, nColon);
            str.clear();
            parts.eDetail = EDetail::Deuces;
            parts.nDetail = static_cast<int>(key.nDeuces);
            parts.nGroup = nPacked & ~(15u << 20);
        }
    }
    return parts;
}

CHoldClasses::CHoldClasses(const CFamily& family, const CRules& rules)
    : m_pFamily(&family), m_rules(rules) {
    const CRankGroups groups = MakeRankGroups(family);
    m_nLowPair = std::min(groups.nLowPair, kAce);
    m_nWildCards = family.WildCards();
    for (std::uint32_t g = 0; g < groups.nKinds; ++g) {
        const int nCategory = groups.arrKindCategory[g];
        std::string strFour = nCategory >= 0 ? family.CategoryName(nCategory) : "4 of a Kind";
        m_vecFourNames.push_back(strFour);
        m_vecThreeNames.push_back("3" + strFour.substr(1));
    }
    for (std::uint32_t g = 0; g < groups.nPairs; ++g) {
        const unsigned nRanks = groups.arrPairRanks[g];
        const bool bPays = groups.arrPairPays[g];
        std::string strName = bPays ? "High Pair" : "Low Pair";
        if (groups.nLowPair > kAce) {
            strName = "Pair";
        } else if (std::popcount(nRanks) == 1) {
            strName = "Pair of " + RankPlural(std::countr_zero(nRanks));
        } else if (groups.nKinds > 1) {
            // The kind group's own words where the pair takes all of its ranks.
            const int nRank = std::countr_zero(nRanks);
            const int nCategory =
                groups.arrKindCategory[groups.arrKind[static_cast<std::size_t>(nRank)]];
            const std::string strCategory = nCategory >= 0 ? family.CategoryName(nCategory) : "";
            const std::size_t nOpen = strCategory.find('(');
            const bool bAll =
                nCategory >= 0 &&
                family.categories[static_cast<std::size_t>(nCategory)].nRanks == nRanks;
            strName += " (" +
                       (bAll && nOpen != std::string::npos
                            ? strCategory.substr(nOpen + 1, strCategory.size() - nOpen - 2)
                            : RanksRange(nRanks)) +
                       ")";
        }
        m_vecPairNames.push_back(strName);
    }
    std::unordered_map<std::uint32_t, std::uint16_t> mapIds;
    std::map<std::uint32_t, int> mapOrdered;  // so class numbers do not depend on set order
    std::array<std::vector<std::uint32_t>, 6> arrKeys;
    for (int nCount = 0; nCount <= 5; ++nCount) {
        std::vector<std::uint32_t>& vecKeys = arrKeys[static_cast<std::size_t>(nCount)];
        vecKeys.resize(static_cast<std::size_t>(Binomial(family.nCards, nCount)));
        ParallelFor(static_cast<int>(vecKeys.size()), 8192, [&](int nBegin, int nEnd) {
            int arrCodes[5];
            ColexUnrank(nBegin, nCount, arrCodes);
            for (int nSlot = nBegin; nSlot < nEnd; ++nSlot) {
                vecKeys[static_cast<std::size_t>(nSlot)] =
                    Classify(family, groups, rules, arrCodes, nCount).Packed();
                ColexNext(arrCodes, nCount, family.nCards);
            }
        });
        for (std::uint32_t nKey : vecKeys) mapOrdered.emplace(nKey, 0);
    }
    for (auto& [nKey, nId] : mapOrdered) {
        nId = static_cast<int>(m_vecNames.size());
        mapIds.emplace(nKey, static_cast<std::uint16_t>(nId));
        m_vecParts.push_back(Parts(nKey));
        m_vecNames.push_back(m_vecParts.back().strPrefix + m_vecParts.back().strDetail +
                             m_vecParts.back().strSuffix);
        const std::uint32_t nKind = CKey::Unpack(nKey).nKind;
        m_vecFloor.push_back(nKind == kNothing || nKind == kDeucesOnly);
    }
    for (int nCount = 0; nCount <= 5; ++nCount) {
        const std::vector<std::uint32_t>& vecKeys = arrKeys[static_cast<std::size_t>(nCount)];
        std::vector<std::uint16_t>& vecIds = m_arrBySlot[static_cast<std::size_t>(nCount)];
        vecIds.resize(vecKeys.size());
        for (std::size_t i = 0; i < vecKeys.size(); ++i) vecIds[i] = mapIds[vecKeys[i]];
    }
}

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
    const CNameParts& a = m_vecParts[static_cast<std::size_t>(nClass)];
    const CNameParts& b = m_vecParts[static_cast<std::size_t>(nOther)];
    return a.eDetail != EDetail::None && a.nGroup == b.nGroup && a.eDetail == b.eDetail;
}

// "Suited A K, A Q or A J"; "4 to a Straight Flush, 1 or 2 high cards"; the bare group where
// the line takes every class of it.
std::string CHoldClasses::LineName(const std::vector<int>& vecClasses) const {
    if (vecClasses.size() == 1) return GetName(vecClasses.front());
    const CNameParts& first = m_vecParts[static_cast<std::size_t>(vecClasses.front())];
    std::string strDetail;
    if (first.eDetail == EDetail::Deuces) {
        std::vector<int> vecDeuces;
        for (int nClass : vecClasses)
            vecDeuces.push_back(m_vecParts[static_cast<std::size_t>(nClass)].nDetail);
        std::sort(vecDeuces.begin(), vecDeuces.end());
        const auto nInGroup =
            std::count_if(m_vecParts.begin(), m_vecParts.end(),
                          [&](const CNameParts& parts) { return parts.nGroup == first.nGroup; });
        if (nInGroup == static_cast<std::ptrdiff_t>(vecClasses.size()))
            return first.strSuffix.substr(2);  // with any deuces: without the "...: "
        for (std::size_t i = 0; i < vecDeuces.size(); ++i) {
            if (i > 0) strDetail += i + 1 < vecDeuces.size() ? ", " : " or ";
            strDetail += std::to_string(vecDeuces[i]);
        }
        strDetail += vecDeuces.back() > 1 ? " Deuces" : " Deuce";
    } else if (first.eDetail == EDetail::HighCards) {
        std::vector<int> vecCounts;
        for (int nClass : vecClasses)
            vecCounts.push_back(m_vecParts[static_cast<std::size_t>(nClass)].nDetail);
        std::sort(vecCounts.begin(), vecCounts.end());
        const auto nInGroup =
            std::count_if(m_vecParts.begin(), m_vecParts.end(),
                          [&](const CNameParts& parts) { return parts.nGroup == first.nGroup; });
        if (nInGroup == static_cast<std::ptrdiff_t>(vecClasses.size()))
            return first.strPrefix.substr(0, first.strPrefix.size() - 2);  // without ", "
        const bool bRun = vecCounts.size() > 2 && vecCounts.back() - vecCounts.front() + 1 ==
                                                      static_cast<int>(vecCounts.size());
        if (bRun) {
            strDetail = std::to_string(vecCounts.front());
            strDetail += " to ";
            strDetail += std::to_string(vecCounts.back());
        } else {
            for (std::size_t i = 0; i < vecCounts.size(); ++i) {
                if (i > 0) strDetail += i + 1 < vecCounts.size() ? ", " : " or ";
                strDetail += std::to_string(vecCounts[i]);
            }
        }
        strDetail += " high cards";
    } else {
        for (std::size_t i = 0; i < vecClasses.size(); ++i) {
            if (i > 0) strDetail += i + 1 < vecClasses.size() ? ", " : " or ";
            strDetail += m_vecParts[static_cast<std::size_t>(vecClasses[i])].strDetail;
        }
    }
    std::string strName = first.strPrefix;
    strName += strDetail;
    strName += first.strSuffix;
    return strName;
}
