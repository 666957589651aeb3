#include "strategy/hold_class.h"

#include <algorithm>
#include <bit>
#include <map>
#include <mutex>
#include <unordered_map>

#include "analysis/parallel_for.h"

namespace {

constexpr int kAce = 14;
constexpr int kJack = 11;

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

// Rank groups that pay differently in the Bonus family: aces, 2-4 and 5-K for four and three of
// a kind; aces, J-K, 2-4 and 5-10 for pairs.
std::uint32_t KindGroup(EFamily eFamily, int nRank) {
    if (eFamily != EFamily::Bonus) return 0;
    return nRank == kAce ? 0 : nRank <= 4 ? 1 : 2;
}
std::uint32_t PairGroup(EFamily eFamily, int nRank) {
    if (eFamily == EFamily::Bonus)
        return nRank == kAce ? 0 : nRank >= kJack ? 1 : nRank <= 4 ? 2 : 3;
    return nRank >= kJack ? 0 : 1;
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

CKey Classify(EFamily eFamily, const CRules& rules, const int* pCodes, int nCount) {
    const bool bDeuces = eFamily == EFamily::DeucesWild;
    CKey key;
    key.nCards = static_cast<std::uint32_t>(nCount);
    int arrRanks[5], arrSuits[5];
    int nNatural = 0, nWild = 0;
    int arrCount[15] = {};
    unsigned nRankMask = 0, nSuitMask = 0;
    for (int i = 0; i < nCount; ++i) {
        const int nRank = CardCodeRank(pCodes[i]);
        arrRanks[i] = nRank;
        arrSuits[i] = CardCodeSuit(pCodes[i]) / 100;
        if (bDeuces && nRank == 2) {
            ++nWild;
            continue;
        }
        ++nNatural;
        ++arrCount[nRank];
        nRankMask |= 1u << nRank;
        nSuitMask |= 1u << arrSuits[i];
    }
    key.nDeuces = static_cast<std::uint32_t>(nWild);
    if (nCount == 0) return {kNothing, 0, 0, 0, 0};
    if (nCount == 5) {
        const int nCategory = ClassifyHand(eFamily, rules, arrRanks, arrSuits);
        const std::string_view strName =
            nCategory == NO_CATEGORY ? "" : FamilyCategories(eFamily)[nCategory];
        // A made hand is kept whole; a four of a kind (or Deuces' four deuces) with a fifth card
        // is the four kept.
        if (strName.find("Flush") != std::string_view::npos || strName == "Full House" ||
            strName == "Straight" || strName == "5 of a Kind") {
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
            return key;
        }
        if (nWild == 0 && nCount == 4 && nPairs == 2) {
            key.nKind = kTwoPair;
            return key;
        }
    } else if (nMost >= 2) {
        if (nMost == 4) key.nKind = kFour, key.nA = KindGroup(eFamily, nMostRank);
        if (nMost == 3 && nCount == 3) key.nKind = kThree, key.nA = KindGroup(eFamily, nMostRank);
        if (nPairs == 2 && nCount == 4) key.nKind = kTwoPair;
        if (nMost == 2 && nCount == 2) key.nKind = kPair, key.nA = PairGroup(eFamily, nMostRank);
        return key;
    }
    if (nMost >= 2) return key;  // a pair and more, in Deuces Wild

    // Different ranks from here on, with any deuces as wild cards.
    int nHigh = 0;
    for (int r = kJack; r <= kAce; ++r) nHigh += arrCount[r];
    const bool bSuited = std::popcount(nSuitMask) == 1 && (nNatural >= 2 || nWild > 0);
    if (!bDeuces && (!bSuited || nNatural == 1) && nHigh == nNatural) {
        key.nKind = kHighCards;
        key.nA = nRankMask >> kJack;
        return key;
    }
    if (!bDeuces && nNatural == 1) return key;  // one low card
    if (!bDeuces) key.nB = static_cast<std::uint32_t>(nHigh);
    // In Deuces Wild only a deuce fills a straight's 2, a deuce the draw then lacks: those
    // straights count only where no other is left, and as one gap more.
    int nWindows = StraightWindows(nRankMask, rules, bDeuces ? 3 : 1);
    int nEndGap = 0;
    if (bDeuces && nWindows == 0 && nWild > 0) {
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
    static const char* const kWords[] = {"Jack", "Queen", "King", "Ace"};
    return kWords[nRank - kJack];
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

CHoldClasses::CNameParts CHoldClasses::Parts(EFamily eFamily, std::uint32_t nPacked) {
    const CKey key = CKey::Unpack(nPacked);
    const bool bDeuces = eFamily == EFamily::DeucesWild;
    const bool bBonus = eFamily == EFamily::Bonus;
    CNameParts parts;
    parts.nGroup = nPacked;
    std::string& str = parts.strPrefix;
    if (bDeuces && key.nKind != kNothing) {
        str = key.nDeuces == 0 ? "No deuce" : std::to_string(key.nDeuces);
        if (key.nDeuces > 0) str += key.nDeuces == 1 ? " Deuce" : " Deuces";
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
            str += FamilyCategories(eFamily)[key.nA];
            break;
        case kFour: {
            static const char* const kBonus[] = {"4 Aces", "4 of a Kind (2,3,4)",
                                                 "4 of a Kind (5-K)"};
            str += bBonus ? kBonus[key.nA] : "4 of a Kind";
            break;
        }
        case kThree: {
            static const char* const kBonus[] = {"3 Aces", "3 of a Kind (2,3,4)",
                                                 "3 of a Kind (5-K)"};
            str += bBonus ? kBonus[key.nA] : "3 of a Kind";
            break;
        }
        case kTwoPair:
            str += "2 Pair";
            break;
        case kPair: {
            static const char* const kBonus[] = {"Pair of Aces", "High Pair (J-K)",
                                                 "Low Pair (2,3,4)", "Low Pair (5-10)"};
            static const char* const kJacks[] = {"High Pair", "Low Pair"};
            str += bDeuces ? "Pair" : bBonus ? kBonus[key.nA] : kJacks[key.nA];
            break;
        }
        case kKind:
            str += std::to_string(key.nCards);
            str += " of a Kind";
            break;
        case kDeucesOnly:
            str += "the deuces alone";
            if (key.nDeuces == 4) str = "4 Deuces";
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
            ranks(kJack);
            if (key.nCards == 1) {
                parts.strDetail = RankWord(kJack + std::countr_zero(key.nA));
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

CHoldClasses::CHoldClasses(EFamily eFamily, const CRules& rules)
    : m_eFamily(eFamily), m_rules(rules) {
    std::unordered_map<std::uint32_t, std::uint16_t> mapIds;
    std::map<std::uint32_t, int> mapOrdered;  // so class numbers do not depend on set order
    std::array<std::vector<std::uint32_t>, 6> arrKeys;
    for (int nCount = 0; nCount <= 5; ++nCount) {
        std::vector<std::uint32_t>& vecKeys = arrKeys[static_cast<std::size_t>(nCount)];
        vecKeys.resize(static_cast<std::size_t>(Binomial(CARD_CODES, nCount)));
        ParallelFor(static_cast<int>(vecKeys.size()), 8192, [&](int nBegin, int nEnd) {
            int arrCodes[5];
            ColexUnrank(nBegin, nCount, arrCodes);
            for (int nSlot = nBegin; nSlot < nEnd; ++nSlot) {
                vecKeys[static_cast<std::size_t>(nSlot)] =
                    Classify(eFamily, rules, arrCodes, nCount).Packed();
                ColexNext(arrCodes, nCount);
            }
        });
        for (std::uint32_t nKey : vecKeys) mapOrdered.emplace(nKey, 0);
    }
    for (auto& [nKey, nId] : mapOrdered) {
        nId = static_cast<int>(m_vecNames.size());
        mapIds.emplace(nKey, static_cast<std::uint16_t>(nId));
        m_vecParts.push_back(Parts(eFamily, nKey));
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

std::shared_ptr<const CHoldClasses> SharedHoldClasses(EFamily eFamily, const CRules& rules) {
    static std::mutex s_mutex;
    // Never destroyed, as the outcome tables: a worker may still read them at exit.
    static auto* s_pClasses = new std::vector<std::shared_ptr<const CHoldClasses>>;
    const auto find = [&]() -> std::shared_ptr<const CHoldClasses> {
        for (const std::shared_ptr<const CHoldClasses>& pClasses : *s_pClasses)
            if (pClasses->GetFamily() == eFamily && pClasses->GetRules() == rules) return pClasses;
        return nullptr;
    };
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        if (auto pClasses = find()) return pClasses;
    }
    // Built outside the lock, so that nobody waits on a build that is being stopped; two
    // threads may both build, and the first one kept wins.
    auto pClasses = std::make_shared<const CHoldClasses>(eFamily, rules);
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
