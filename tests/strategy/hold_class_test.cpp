#include "strategy/hold_class.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "support/golden.h"

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

// The cases of golden/hold_classes.txt.
TEST(HoldClassTest, HoldsAreNamedAsPlayersCallThem) {
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/hold_classes.txt");
    EXPECT_GT(cases.size(), 50u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_EQ(c.size(), 4u) << c[0];
        const CRules rules = c[1] == "casino" ? kCasinoRules : kAsBuiltRules;
        const auto pClasses = SharedHoldClasses(GetFamily(c[0]), rules);
        EXPECT_EQ(ClassName(*pClasses, c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
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
        {GetFamily("joker"),
         {"Straight Flush", "Joker + Straight Flush"},
         "Straight Flush, with or without the Joker"},
        {GetFamily("joker"),
         {"3 of a Kind", "Joker + 3 of a Kind"},
         "3 of a Kind, with or without the Joker"},
        {GetFamily("joker"), {"Royal Flush", "Royal Flush w/Joker"}, ""},
        {GetFamily("bonus"), {"4 Aces", "4 of a Kind (2,3,4)", "4 of a Kind (5-K)"}, "4 of a Kind"},
        {GetFamily("bonus"), {"3 Aces", "3 of a Kind (5-K)"}, "3 Aces or 3 of a Kind (5-K)"},
        {GetFamily("bonus"), {"Low Pair (2,3,4)", "Low Pair (5-10)"}, "Low Pair"},
        {GetFamily("jacks"), {"Full House", "Flush"}, "Full House or Flush"},
        {GetFamily("bonus"),
         {"3 of a Kind (2,3,4)", "3 of a Kind (5-K)"},
         "3 of a Kind (2,3,4 or 5-K)"},
        {GetFamily("bonus"), {"High Pair (J-K)", "Low Pair (5-10)"}, ""},
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

// Read from the top, a line below the rest of its group takes what is left: it is named by the
// group alone, except where deuces are counted first.
TEST(HoldClassTest, ALineUnderTheRestOfItsGroupIsNamedByTheGroup) {
    struct CCase {
        const CFamily& family;
        std::vector<const char*> vecAbove, vecLine;
        const char* pszLine;
    };
    const CCase kCases[] = {
        {GetFamily("bonus"), {"Low Pair (2,3,4)"}, {"Low Pair (5-10)"}, "Low Pair"},
        {GetFamily("bonus"),
         {"3 Aces"},
         {"3 of a Kind (2,3,4)", "3 of a Kind (5-K)"},
         "3 of a Kind"},
        {GetFamily("jacks"),
         {"4 to an Outside Straight, 3 high cards", "4 to an Outside Straight, 2 high cards"},
         {"4 to an Outside Straight, 1 high card", "4 to an Outside Straight, no high cards"},
         "4 to an Outside Straight"},
        {GetFamily("jacks"),
         {"4 to an Outside Straight, 3 high cards"},
         {"4 to an Outside Straight, 1 high card", "4 to an Outside Straight, no high cards"},
         "4 to an Outside Straight, 0 or 1 high cards"},  // one is on no line
        {GetFamily("deuces"),
         {"2 Deuces: Straight Flush"},
         {"1 Deuce: Straight Flush"},
         "1 Deuce: Straight Flush"},
    };
    for (const CCase& test : kCases) {
        const auto pClasses = SharedHoldClasses(test.family, kCasinoRules);
        std::vector<int> vecAbove, vecLine;
        for (const char* pszClass : test.vecAbove)
            vecAbove.push_back(ClassNamed(*pClasses, pszClass));
        for (const char* pszClass : test.vecLine)
            vecLine.push_back(ClassNamed(*pClasses, pszClass));
        EXPECT_EQ(pClasses->LineName(vecLine, vecAbove), test.pszLine);
    }
    // Of the ten three-card royal draws, nine above leave the tenth the bare name.
    const auto pClasses = SharedHoldClasses(GetFamily("jacks"), kCasinoRules);
    const int nQJ10 = ClassNamed(*pClasses, "3 to a Royal Flush, Q J 10");
    std::vector<int> vecAbove;
    for (int c = 0; c < pClasses->GetClassCount(); ++c)
        if (c != nQJ10 && pClasses->GetName(c).starts_with("3 to a Royal Flush, "))
            vecAbove.push_back(c);
    EXPECT_EQ(vecAbove.size(), 9u);
    EXPECT_EQ(pClasses->LineName({nQJ10}, vecAbove), "3 to a Royal Flush");
    // Eight of them on a line with none above: named by the two they leave out.
    const int nKQJ = ClassNamed(*pClasses, "3 to a Royal Flush, K Q J");
    std::erase(vecAbove, nKQJ);
    EXPECT_EQ(pClasses->LineName(vecAbove), "3 to a Royal Flush, except Q J 10 or K Q J");
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
