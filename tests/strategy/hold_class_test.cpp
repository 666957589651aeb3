#include "strategy/hold_class.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

std::vector<int> SortedCodes(const std::string& strCards) {
    std::istringstream in(strCards);
    std::vector<int> vecCodes;
    for (std::string strCard; in >> strCard;) {
        vecCodes.push_back(ParseCardCode(strCard));
        EXPECT_NE(vecCodes.back(), NO_CARD_CODE) << strCard;
    }
    std::sort(vecCodes.begin(), vecCodes.end());
    return vecCodes;
}

std::string ClassName(const CHoldClasses& classes, const std::string& strCards) {
    const std::vector<int> vecCodes = SortedCodes(strCards);
    return classes.GetName(classes.ClassOf(vecCodes.data(), static_cast<int>(vecCodes.size())));
}

int ClassNamed(const CHoldClasses& classes, const std::string& strName) {
    for (int c = 0; c < classes.GetClassCount(); ++c)
        if (classes.GetName(c) == strName) return c;
    ADD_FAILURE() << "no class " << strName;
    return 0;
}

struct CClassCase {
    const CFamily& family;
    CRules rules;
    const char* pszHeld;
    const char* pszClass;
};

// What players call a hold: straights and straight flushes counted by the straights the cards
// fit, so the end of the ranks reads as a gap; deuces wild and grouped apart.
const CClassCase kClassCases[] = {
    {GetFamily("jacks"), kCasinoRules, "", "Nothing: draw five new cards"},
    {GetFamily("jacks"), kCasinoRules, "Ah Kh Qh Jh 10h", "Royal Flush"},
    {GetFamily("jacks"), kCasinoRules, "Ah 2h 3h 4h 5h", "Straight Flush"},
    {GetFamily("jacks"), kAsBuiltRules, "Ah 2h 3h 4h 5h", "Flush"},
    {GetFamily("jacks"), kCasinoRules, "Ac 2d 3h 4s 5c", "Straight"},
    {GetFamily("jacks"), kAsBuiltRules, "Ac 2d 3h 4s 5c", "Any other 5 cards"},
    {GetFamily("jacks"), kCasinoRules, "9c 9d 9h 9s", "4 of a Kind"},
    {GetFamily("jacks"), kCasinoRules, "9c 9d 9h 9s 2c", "Any other 5 cards"},
    {GetFamily("jacks"), kCasinoRules, "Jc Jd 4h 4s", "2 Pair"},
    {GetFamily("jacks"), kCasinoRules, "Jc Jd", "High Pair"},
    {GetFamily("jacks"), kCasinoRules, "10c 10d", "Low Pair"},
    {GetFamily("jacks"), kCasinoRules, "Jc Jd 5c", "Any other 3 cards"},
    {GetFamily("jacks"), kCasinoRules, "Ah Kh Qh 10h", "4 to a Royal Flush"},
    {GetFamily("jacks"), kCasinoRules, "Ah Kh 10h", "3 to a Royal Flush"},
    {GetFamily("jacks"), kCasinoRules, "Qh Jh", "Suited Q J"},
    {GetFamily("jacks"), kCasinoRules, "Jh 10h", "Suited J 10"},
    {GetFamily("jacks"), kCasinoRules, "Kd Qc Js", "K Q J unsuited"},
    {GetFamily("jacks"), kCasinoRules, "Ad Kc Qs Jh", "A K Q J unsuited"},
    {GetFamily("jacks"), kCasinoRules, "Qs", "Queen alone"},
    {GetFamily("jacks"), kCasinoRules, "10s", "Any other 1 card"},
    {GetFamily("jacks"), kCasinoRules, "9h 8h 7h 6h", "4 to a Straight Flush, no high cards"},
    {GetFamily("jacks"), kCasinoRules, "Jh 9h 8h 7h", "4 to a Straight Flush, inside, 1 high card"},
    {GetFamily("jacks"), kCasinoRules, "9h 10h Jh", "3 to a Straight Flush, no gaps, 1 high card"},
    {GetFamily("jacks"), kCasinoRules, "2h 3h 4h", "3 to a Straight Flush, 1 gap, no high cards"},
    {GetFamily("jacks"), kAsBuiltRules, "2h 3h 4h", "3 to a Straight Flush, 2 gaps, no high cards"},
    {GetFamily("jacks"), kCasinoRules, "Ah 2h 3h", "3 to a Straight Flush, 2 gaps, 1 high card"},
    {GetFamily("jacks"), kAsBuiltRules, "Ah 2h 3h", "3 to a Flush, 1 high card"},
    {GetFamily("jacks"), kCasinoRules, "Ah 9h 5h 2h", "4 to a Flush"},
    {GetFamily("jacks"), kCasinoRules, "5c 6d 7h 8s", "4 to an Outside Straight, no high cards"},
    {GetFamily("jacks"), kCasinoRules, "10c Jd Qh Ks", "4 to an Outside Straight, 3 high cards"},
    {GetFamily("jacks"), kCasinoRules, "Ac 2d 3h 4s", "4 to an Inside Straight, 1 high card"},
    {GetFamily("jacks"), kAsBuiltRules, "2c 3d 4h 5s", "4 to an Inside Straight, no high cards"},
    {GetFamily("jacks"), kCasinoRules, "Ac Kd 9s", "Any other 3 cards"},
    {GetFamily("bonus"), kCasinoRules, "Ac Ad", "Pair of Aces"},
    {GetFamily("bonus"), kCasinoRules, "Kc Kd", "High Pair (J-K)"},
    {GetFamily("bonus"), kCasinoRules, "3c 3d", "Low Pair (2,3,4)"},
    {GetFamily("bonus"), kCasinoRules, "9c 9d", "Low Pair (5-10)"},
    {GetFamily("bonus"), kCasinoRules, "3c 3d 3h", "3 of a Kind (2,3,4)"},
    {GetFamily("bonus"), kCasinoRules, "Ac Ad Ah As", "4 Aces"},
    {GetFamily("deuces"), kCasinoRules, "", "Nothing: draw five new cards"},
    {GetFamily("deuces"), kCasinoRules, "2c 2d 2h 2s", "4 Deuces"},
    {GetFamily("deuces"), kCasinoRules, "2c 2d", "2 Deuces: the deuces alone"},
    {GetFamily("deuces"), kCasinoRules, "2c 2d Ah Kh Qh", "2 Deuces: Royal Flush w/2's"},
    {GetFamily("deuces"), kCasinoRules, "2c 9d 9h", "1 Deuce: 3 of a Kind"},
    {GetFamily("deuces"), kCasinoRules, "9d 9h", "No deuce: Pair"},
    {GetFamily("deuces"), kCasinoRules, "9d 9h 5c 5s", "No deuce: 2 Pair"},
    {GetFamily("deuces"), kCasinoRules, "2c 9d 9h 5c", "1 Deuce: Any other 4 cards"},
    {GetFamily("deuces"), kCasinoRules, "2c Qh Jh", "1 Deuce: 3 to a Royal Flush, Q J"},
    {GetFamily("deuces"), kCasinoRules, "2c 6h 7h", "1 Deuce: 3 to a Straight Flush, no gaps"},
    {GetFamily("deuces"), kCasinoRules, "2c 6h 8h", "1 Deuce: 3 to a Straight Flush, 1 gap"},
    // Only a deuce fills a straight's 2.
    {GetFamily("deuces"), kCasinoRules, "2c 3h 4h", "1 Deuce: 3 to a Straight Flush, 3 gaps"},
    {GetFamily("deuces"), kCasinoRules, "2c Ah 3h 4h", "1 Deuce: 4 to a Straight Flush, 3 gaps"},
    {GetFamily("deuces"), kCasinoRules, "5h 6h 7h 8h", "No deuce: 4 to a Straight Flush"},
    {GetFamily("deuces"), kCasinoRules, "5c 6h 7h 8h", "No deuce: 4 to an Outside Straight"},
    {GetFamily("deuces"), kCasinoRules, "Kh Qh", "No deuce: 2 to a Royal Flush, K Q"},
};

TEST(HoldClassTest, HoldsAreNamedAsPlayersCallThem) {
    for (const CClassCase& test : kClassCases) {
        const auto pClasses = SharedHoldClasses(test.family, test.rules);
        EXPECT_EQ(ClassName(*pClasses, test.pszHeld), test.pszClass)
            << test.family.pszKey << (test.rules.bWheelStraight ? " casino " : " as built ")
            << test.pszHeld;
    }
}

// A chart line is found by its name, so two classes may never share one.
TEST(HoldClassTest, EveryClassHasANameOfItsOwn) {
    for (const CFamily& family : Families())
        for (CRules rules : {kAsBuiltRules, kCasinoRules}) {
            const auto pClasses = SharedHoldClasses(family, rules);
            std::set<std::string> setNames;
            for (int c = 0; c < pClasses->GetClassCount(); ++c)
                EXPECT_TRUE(setNames.insert(pClasses->GetName(c)).second)
                    << family.pszKey << ": " << pClasses->GetName(c);
        }
}

TEST(HoldClassTest, LinesOfOneGroupShareANameListingTheirCards) {
    struct CCase {
        const CFamily& family;
        std::vector<const char*> vecClasses;
        const char* pszLine;  // "" where they may not share a line
    };
    const CCase kCases[] = {
        {GetFamily("jacks"), {"Suited A K", "Suited A Q", "Suited A J"}, "Suited A K, A Q or A J"},
        {GetFamily("jacks"), {"King alone", "Queen alone"}, "King or Queen alone"},
        {GetFamily("jacks"),
         {"4 to a Straight Flush, 1 high card", "4 to a Straight Flush, 2 high cards"},
         "4 to a Straight Flush, 1 or 2 high cards"},
        {GetFamily("jacks"),
         {"4 to a Straight Flush, no high cards", "4 to a Straight Flush, 1 high card",
          "4 to a Straight Flush, 2 high cards"},
         "4 to a Straight Flush"},  // every high card count there is
        {GetFamily("deuces"),
         {"1 Deuce: Straight Flush", "2 Deuces: Straight Flush"},
         "1 or 2 Deuces: Straight Flush"},
        {GetFamily("deuces"),
         {"1 Deuce: Royal Flush w/2's", "2 Deuces: Royal Flush w/2's",
          "3 Deuces: Royal Flush w/2's"},
         "Royal Flush w/2's"},
        {GetFamily("jacks"), {"High Pair", "Low Pair"}, ""},
        {GetFamily("jacks"), {"Suited Q J", "Q J unsuited"}, ""},
    };
    for (const CCase& test : kCases) {
        const auto pClasses = SharedHoldClasses(test.family, kCasinoRules);
        std::vector<int> vecClasses;
        for (const char* pszClass : test.vecClasses)
            vecClasses.push_back(ClassNamed(*pClasses, pszClass));
        const bool bShare = pClasses->CanShareLine(vecClasses[0], vecClasses[1]);
        EXPECT_EQ(bShare, *test.pszLine != '\0') << test.vecClasses[0];
        if (bShare) {
            EXPECT_EQ(pClasses->LineName(vecClasses), test.pszLine);
        }
    }
}

TEST(HoldClassTest, TheHigherCardsWinATie) {
    const auto key = [](const std::string& strCards) {
        const std::vector<int> vecCodes = SortedCodes(strCards);
        return HoldTieKey(vecCodes.data(), static_cast<int>(vecCodes.size()));
    };
    EXPECT_GT(key("Kh Qh"), key("Kh Jh"));
    EXPECT_GT(key("Ac 2d"), key("Kc Qd"));
    EXPECT_GT(key("As Kc"), key("Ac Ks"));  // same ranks: a fixed order of suits
}

}  // namespace
