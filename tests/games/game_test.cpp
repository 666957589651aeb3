#include "games/game.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game_test_util.h"
#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_factory.h"
#include "games/game_jack_or_better.h"
#include "support/assert_counter.h"

namespace {

constexpr int kGameCodes[] = {GAME_DUCES_WILD, GAME_JACKS_OR_BETTER, GAME_BONUS, GAME_DOUBLE_BONUS};

TEST(Game, TheRootScoresNothingEvenForARoyalFlush) {
    const CTestCards cards;
    CHand hand = cards.Hand("10h Jh Qh Kh Ah");
    CGame game(&hand);
    EXPECT_STREQ(game.GetName(), "");
    EXPECT_EQ(game.GetPayout(), 0);
    std::string strName = "Flush";
    EXPECT_EQ(game.Evaluate(strName), 0);
    EXPECT_EQ(strName, "");
}

TEST(Game, EachClassTellsItsNameAndDerivesFromTheRoot) {
    struct {
        int nGame;
        const char* pszClass;
    } const kClasses[] = {{GAME_DUCES_WILD, "CGameDucesWild"},
                          {GAME_JACKS_OR_BETTER, "CGameJackOrBetter"},
                          {GAME_BONUS, "CGameBonus"},
                          {GAME_DOUBLE_BONUS, "CGameDoubleBonus"}};
    const CTestCards cards;
    CHand hand = cards.Hand("XX XX XX XX XX");
    for (const auto& c : kClasses) {
        const std::unique_ptr<CGame> pGame = CreateGame(c.nGame, &hand);
        ASSERT_NE(pGame, nullptr) << c.nGame;
        const CRuntimeClass* pClass = pGame->GetRuntimeClass();
        EXPECT_STREQ(pClass->m_lpszClassName, c.pszClass);
        EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CGame));
        EXPECT_TRUE(pGame->IsKindOf(RUNTIME_CLASS(CGame)));
    }
    CGame root(&hand);
    EXPECT_STREQ(root.GetRuntimeClass()->m_lpszClassName, "CGame");
    EXPECT_EQ(root.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CObject));
}

TEST(Game, CreateGameKnowsOnlyTheFourCodes) {
    const CTestCards cards;
    CHand hand = cards.Hand("XX XX XX XX XX");
    for (int nGame : {-1, 0, 5, 100}) EXPECT_EQ(CreateGame(nGame, &hand), nullptr) << nGame;
    EXPECT_TRUE(CreateGame(GAME_DUCES_WILD, &hand)->IsKindOf(RUNTIME_CLASS(CGameDucesWild)));
    EXPECT_TRUE(
        CreateGame(GAME_JACKS_OR_BETTER, &hand)->IsKindOf(RUNTIME_CLASS(CGameJackOrBetter)));
    EXPECT_TRUE(CreateGame(GAME_BONUS, &hand)->IsKindOf(RUNTIME_CLASS(CGameBonus)));
    EXPECT_TRUE(CreateGame(GAME_DOUBLE_BONUS, &hand)->IsKindOf(RUNTIME_CLASS(CGameDoubleBonus)));
}

TEST(Game, OneHandScoredByEachCodeGivesThatVariantsResult) {
    // Four deuces tell the variants apart: wild, a plain four, or the low four of the bonuses.
    const CTestCards cards;
    CHand hand = cards.Hand("2c 2d 2h 2s Ah");
    const CScore kExpected[] = {{"4 Wild", 200},
                                {"4 of a Kind", 25},
                                {"4 of a Kind (2,3,4)", 40},
                                {"4 of a Kind (2,3,4)", 80}};
    for (int i = 0; i < 4; ++i) {
        const std::unique_ptr<CGame> pGame = CreateGame(kGameCodes[i], &hand);
        EXPECT_EQ((CScore{pGame->GetName(), pGame->GetPayout()}), kExpected[i]) << kGameCodes[i];
        // Through the root's pointer the variant's own rules still apply.
        std::string strName;
        EXPECT_EQ(pGame->Evaluate(strName), kExpected[i].nPayout);
        EXPECT_EQ(strName, kExpected[i].strName);
    }
}

TEST(Game, FiveCardBacksLoseInEveryVariant) {
    const CTestCards cards;
    CHand hand = cards.Hand("XX XX XX XX XX");
    for (int nGame : kGameCodes) {
        const std::unique_ptr<CGame> pGame = CreateGame(nGame, &hand);
        EXPECT_STREQ(pGame->GetName(), "") << nGame;
        EXPECT_EQ(pGame->GetPayout(), 0) << nGame;
    }
}

TEST(Game, ALosingEvaluationEmptiesWhateverTheStringHeld) {
    const CTestCards cards;
    CHand hand = cards.Hand("Ac 2d 3h 4s 5c");  // loses in every variant
    for (int nGame : kGameCodes) {
        const std::unique_ptr<CGame> pGame = CreateGame(nGame, &hand);
        std::string strName = "Flush";
        EXPECT_EQ(pGame->Evaluate(strName), 0) << nGame;
        EXPECT_EQ(strName, "") << nGame;
    }
}

TEST(Game, TheResultIsKeptFromConstructionWhileEvaluateReadsTheHandAnew) {
    const CTestCards cards;
    CHand hand = cards.Hand("Jc Jd 4h 7s Kc");
    CGameJackOrBetter game(&hand);
    hand.SetCard(2, cards.Parse("Jh"));
    EXPECT_STREQ(game.GetName(), "Pair");
    EXPECT_EQ(game.GetPayout(), 1);
    std::string strName;
    EXPECT_EQ(game.Evaluate(strName), 3);
    EXPECT_EQ(strName, "3 of a Kind");
}

TEST(Game, ANullHandIsScoredAsNothing) {
    for (int nGame : kGameCodes) {
        const std::unique_ptr<CGame> pGame = CreateGame(nGame, nullptr);
        EXPECT_STREQ(pGame->GetName(), "") << nGame;
        EXPECT_EQ(pGame->GetPayout(), 0) << nGame;
    }
}

TEST(Game, AHandWithoutFiveCardsIsReportedAndReadOnlyWhereItHasCards) {
    // Each missing or null position takes part in nothing; the sanitizer build would catch a read
    // past the hand's storage.
    const CTestCards cards;
    struct {
        const char* pszHand;
        CScore jacks;
        CScore deuces;
    } const kCases[] = {
        {"", {"", 0}, {"", 0}},
        {"Ah Kh Qh Jh", {"", 0}, {"", 0}},
        {"2c 2d 2h 2s", {"4 of a Kind", 25}, {"4 Wild", 200}},
        {"Ac Ad Kc Kd", {"2 Pair", 2}, {"", 0}},
        {"2c 3c 4c 5c 9c 6c", {"Flush", 6}, {"Flush", 2}},  // only the first five count
    };
    for (const auto& c : kCases) {
        const CAssertCounter counter;
        EXPECT_EQ(ScoreHand<CGameJackOrBetter>(cards, c.pszHand), c.jacks) << c.pszHand;
        EXPECT_EQ(ScoreHand<CGameDucesWild>(cards, c.pszHand), c.deuces) << c.pszHand;
        EXPECT_GT(counter.Count(), 0) << c.pszHand;
    }
}

TEST(Game, ANullCardTakesPartInNothing) {
    const CTestCards cards;
    CHand hand = cards.Hand("10h Jh Qh Kh Ah");
    hand.SetCard(0, nullptr);
    EXPECT_STREQ(CGameJackOrBetter(&hand).GetName(), "");
    EXPECT_STREQ(CGameDucesWild(&hand).GetName(), "");
    hand.SetCard(0, cards.Parse("Jc"));
    EXPECT_STREQ(CGameJackOrBetter(&hand).GetName(), "Pair");
}

TEST(PayTable, ListsEachVariantsCategoriesInPayTableOrder) {
    auto lines = [](int nGame) {
        std::vector<CScore> result;
        for (const CPayLine& line : GetPayTable(nGame))
            result.push_back({line.pszName, line.nMultiplier});
        return result;
    };
    EXPECT_EQ(lines(GAME_JACKS_OR_BETTER), (std::vector<CScore>{{"Royal Flush", 250},
                                                                {"Straight Flush", 50},
                                                                {"4 of a Kind", 25},
                                                                {"Full House", 9},
                                                                {"Flush", 6},
                                                                {"Straight", 4},
                                                                {"3 of a Kind", 3},
                                                                {"2 Pair", 2},
                                                                {"Pair", 1}}));
    EXPECT_EQ(lines(GAME_DUCES_WILD), (std::vector<CScore>{{"Royal Flush", 250},
                                                           {"4 Wild", 200},
                                                           {"Royal Flush w/2's", 25},
                                                           {"5 of a Kind", 15},
                                                           {"Straight Flush", 9},
                                                           {"4 of a Kind", 5},
                                                           {"Full House", 3},
                                                           {"Flush", 2},
                                                           {"Straight", 2},
                                                           {"3 of a Kind", 1}}));
    EXPECT_EQ(lines(GAME_BONUS), (std::vector<CScore>{{"Royal Flush", 250},
                                                      {"Straight Flush", 50},
                                                      {"4 Aces", 80},
                                                      {"4 of a Kind (2,3,4)", 40},
                                                      {"4 of a Kind (5-K)", 25},
                                                      {"Full House", 8},
                                                      {"Flush", 5},
                                                      {"Straight", 4},
                                                      {"3 of a Kind", 3},
                                                      {"2 Pair", 2},
                                                      {"Pair", 1}}));
    EXPECT_EQ(lines(GAME_DOUBLE_BONUS), (std::vector<CScore>{{"Royal Flush", 250},
                                                             {"Straight Flush", 50},
                                                             {"4 Aces", 160},
                                                             {"4 of a Kind (2,3,4)", 80},
                                                             {"4 of a Kind (5-K)", 50},
                                                             {"Full House", 10},
                                                             {"Flush", 7},
                                                             {"Straight", 5},
                                                             {"3 of a Kind", 3},
                                                             {"2 Pair", 1},
                                                             {"Pair", 1}}));
    EXPECT_TRUE(GetPayTable(0).empty());
    EXPECT_TRUE(GetPayTable(5).empty());
}

}  // namespace
