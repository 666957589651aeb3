#include "analysis/hold_analyzer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <sstream>
#include <string>

#include "analysis/card_code.h"
#include "games/game.h"
#include "model/hand.h"
#include "shared_analyzers.h"
#include "standard_pay.h"
#include "support/assert_counter.h"
#include "support/test_cards.h"

namespace {

std::array<int, 5> Codes(const std::string& strDeal) {
    std::array<int, 5> arrCodes{};
    arrCodes.fill(NO_CARD_CODE);
    std::istringstream in(strDeal);
    int i = 0;
    for (std::string strWord; in >> strWord && i < 5;) arrCodes[i++] = ParseCardCode(strWord);
    return arrCodes;
}

int Mask(std::initializer_list<int> positions) {
    int nMask = 0;
    for (int nPosition : positions) nMask |= 1 << nPosition;
    return nMask;
}

const CHoldValue& HoldOf(const std::vector<CHoldValue>& vecHolds, int nMask) {
    const auto it = std::find_if(vecHolds.begin(), vecHolds.end(),
                                 [nMask](const CHoldValue& h) { return h.nHoldMask == nMask; });
    EXPECT_NE(it, vecHolds.end()) << "no hold " << nMask;
    return it == vecHolds.end() ? vecHolds.front() : *it;
}

TEST(HoldAnalyzerTest, HoldingADealtRoyalFlushPaysExactly250InEveryGame) {
    for (int nGame = GAME_DUCES_WILD; nGame <= GAME_DOUBLE_BONUS; ++nGame) {
        const std::vector<CHoldValue> vecHolds =
            GameAnalyzer(nGame).AnalyzeDeal(Codes("10h Jh Qh Kh Ah"));
        ASSERT_EQ(vecHolds.size(), 32u);
        const CHoldValue& best = vecHolds.front();
        EXPECT_EQ(best.nHoldMask, 31) << "game " << nGame;
        EXPECT_EQ(best.nHeld, 5);
        EXPECT_EQ(best.nDraws, 1);
        EXPECT_EQ(best.nPaySum, 250);
        EXPECT_EQ(best.dExpectedPay, 250.0);
    }
}

// Hold 2h 5h 9h Kh: nine hearts make a flush (6), three kings a high pair (1).
TEST(HoldAnalyzerTest, FourToAFlushCountsTheNineHearts) {
    const std::vector<CHoldValue> vecHolds =
        GameAnalyzer(GAME_JACKS_OR_BETTER).AnalyzeDeal(Codes("2h 5h 3c 9h Kh"));
    const CHoldValue& hold = HoldOf(vecHolds, Mask({0, 1, 3, 4}));
    EXPECT_EQ(hold.nHeld, 4);
    EXPECT_EQ(hold.nDraws, 47);
    EXPECT_EQ(hold.nPaySum, 9 * 6 + 3 * 1);
    EXPECT_DOUBLE_EQ(hold.dExpectedPay, 57.0 / 47.0);
}

// Hold Jh Qh Kh Ah: 10h royal (250), eight hearts a flush (6), three tens a straight (4), twelve
// jacks to aces a high pair (1).
TEST(HoldAnalyzerTest, FourToARoyalCountsEveryPayingCard) {
    const std::vector<CHoldValue> vecHolds =
        GameAnalyzer(GAME_JACKS_OR_BETTER).AnalyzeDeal(Codes("Jh Qh Kh Ah 2c"));
    const CHoldValue& hold = HoldOf(vecHolds, Mask({0, 1, 2, 3}));
    EXPECT_EQ(hold.nPaySum, 250 + 8 * 6 + 3 * 4 + 12 * 1);
    EXPECT_EQ(hold.nDraws, 47);
    EXPECT_EQ(vecHolds.front().nHoldMask, Mask({0, 1, 2, 3}));
}

// Drawing five to a deal without an ace: the hands of 5 of the 47 unseen cards less those of
// the 43 that are not aces.
TEST(HoldAnalyzerTest, DrawingFiveCountsEveryHandOfTheUnseenCards) {
    const std::vector<CHoldValue> vecHolds = AnyAceAnalyzer().AnalyzeDeal(Codes("2c 3d 9h Js Kc"));
    const CHoldValue& hold = HoldOf(vecHolds, 0);
    EXPECT_EQ(hold.nHeld, 0);
    EXPECT_EQ(hold.nDraws, 1533939);
    EXPECT_EQ(hold.nPaySum, 1533939 - 962598);
    // Keeping a card makes the draw one card smaller and an ace less likely.
    EXPECT_EQ(vecHolds.front().nHoldMask, 0);
    EXPECT_EQ(HoldOf(vecHolds, Mask({4})).nPaySum, 178365 - 123410);
}

TEST(HoldAnalyzerTest, AHeldAceAlwaysPaysInTheAceGame) {
    const std::vector<CHoldValue> vecHolds = AnyAceAnalyzer().AnalyzeDeal(Codes("2c Ad 9h Js Kc"));
    for (const CHoldValue& hold : vecHolds) {
        if (hold.nHoldMask & Mask({1})) {
            EXPECT_EQ(hold.nPaySum, hold.nDraws) << hold.nHoldMask;
        }
    }
    // All of them are best; the rule picks the hold keeping the most cards.
    EXPECT_EQ(vecHolds.front().nHoldMask, 31);
}

// Every hold of a few deals against a count made draw by draw. Holds of fewer than two cards
// have hundreds of thousands of draws, so those are counted only in optimised builds.
TEST(HoldAnalyzerTest, EveryHoldMatchesCountingEachDraw) {
    CTestCards cards;
    const CPayFunction pay = StandardPayFunction(kJacksOrBetter96);
    const CHoldAnalyzer& analyzer = StandardJacksOrBetterAnalyzer();
#ifdef NDEBUG
    const int nFewestHeld = 0;
#else
    const int nFewestHeld = 2;
#endif
    for (const char* pszDeal : {"Kh 3c Jh 10s Qh", "9s 9d 2c 9h 5s", "Ad 4d 5d 3d Ac"}) {
        const std::array<int, 5> arrDeal = Codes(pszDeal);
        const std::vector<CHoldValue> vecHolds = analyzer.AnalyzeDeal(arrDeal);
        ASSERT_EQ(vecHolds.size(), 32u);
        std::vector<int> vecUnseen;
        for (int nCode = 0; nCode < CARD_CODES; ++nCode)
            if (std::find(arrDeal.begin(), arrDeal.end(), nCode) == arrDeal.end())
                vecUnseen.push_back(nCode);
        ASSERT_EQ(vecUnseen.size(), 47u);

        for (int nMask = 0; nMask < 32; ++nMask) {
            CCardArray arrHand;
            for (int i = 0; i < 5; ++i)
                if (nMask & (1 << i))
                    arrHand.Add(cards.Get(CardCodeSuit(arrDeal[i]), CardCodeRank(arrDeal[i])));
            const int nHeld = arrHand.GetSize();
            if (nHeld < nFewestHeld) continue;
            const int nDraw = 5 - nHeld;
            arrHand.SetSize(5);
            CHand hand(&arrHand);
            std::int64_t nSum = 0;
            std::int64_t nDraws = 0;
            std::array<int, 5> arrPick = {0, 1, 2, 3, 4};  // indexes into vecUnseen
            for (;;) {
                for (int j = 0; j < nDraw; ++j) {
                    const int nCode = vecUnseen[arrPick[j]];
                    hand.SetCard(nHeld + j, cards.Get(CardCodeSuit(nCode), CardCodeRank(nCode)));
                }
                nSum += pay(&hand);
                ++nDraws;
                int j = nDraw - 1;
                while (j >= 0 && arrPick[j] == 47 - nDraw + j) --j;
                if (j < 0) break;
                ++arrPick[j];
                for (int k = j + 1; k < nDraw; ++k) arrPick[k] = arrPick[k - 1] + 1;
            }
            const CHoldValue& hold = HoldOf(vecHolds, nMask);
            EXPECT_EQ(hold.nDraws, nDraws) << pszDeal << " hold " << nMask;
            EXPECT_EQ(hold.nPaySum, nSum) << pszDeal << " hold " << nMask;
        }
    }
}

TEST(HoldAnalyzerTest, HoldsAreRankedByExpectedPay) {
    const std::vector<CHoldValue> vecHolds =
        GameAnalyzer(GAME_BONUS).AnalyzeDeal(Codes("7c 8d 9h 10s 2c"));
    ASSERT_EQ(vecHolds.size(), 32u);
    std::set<int> masks;
    for (size_t i = 0; i < vecHolds.size(); ++i) {
        masks.insert(vecHolds[i].nHoldMask);
        EXPECT_EQ(vecHolds[i].nHeld, std::popcount(static_cast<unsigned>(vecHolds[i].nHoldMask)));
        if (i > 0) {
            EXPECT_GE(vecHolds[i - 1].dExpectedPay, vecHolds[i].dExpectedPay) << i;
        }
    }
    EXPECT_EQ(masks.size(), 32u);
}

struct CBestHoldCase {
    int nGame;
    const char* pszDeal;
    int nBestMask;
    const char* pszWhy;
};

// One test over the table of deals: each case shares the variant tables built for the rest.
TEST(HoldAnalyzerTest, BestHoldOfKnownDealsIsTheKnownPlay) {
    const CBestHoldCase cases[] = {
        {GAME_JACKS_OR_BETTER, "Jh Qh Kh 10h 2c", 0b01111, "four to a royal"},
        {GAME_JACKS_OR_BETTER, "10h Jh Qh Kh 3h", 0b01111,
         "a made flush is broken for four to a royal (369/47 against 6)"},
        {GAME_JACKS_OR_BETTER, "Jc 4h Jd 7s 9c", 0b00101, "a pair of jacks"},
        {GAME_JACKS_OR_BETTER, "2c 3d 4h 5s 6c", 0b11111, "a made straight"},
        {GAME_JACKS_OR_BETTER, "Ac 2d 3h 4s 9c", 0b00001,
         "A-2-3-4 is no straight draw here: the ace alone"},
        {GAME_JACKS_OR_BETTER, "2c 2d 2h 2s Kc", 0b11111,
         "four of a kind pays the same whatever the fifth card: keep all five"},
        {GAME_DUCES_WILD, "2c 2d 7s 9h Kd", 0b00011, "two deuces alone"},
        {GAME_DUCES_WILD, "2c 2d 2h 2s Ah", 0b11111,
         "four wild pays 200 whatever the fifth card: keep all five"},
        {GAME_DUCES_WILD, "9c 9d Kh Ks 4c", 0b00011, "two pair pays nothing: keep one pair"},
        {GAME_DOUBLE_BONUS, "Ac Ad Ah 5s 5c", 0b00111,
         "three aces beat the full house: four aces pay 160"},
        {GAME_BONUS, "Ac Ad Ah 5s 5c", 0b11111, "in Bonus four aces pay 80: keep the full house"},
    };
    for (const CBestHoldCase& c : cases) {
        SCOPED_TRACE(std::string(c.pszDeal) + ": " + c.pszWhy);
        const CHoldAnalyzer& analyzer = GameAnalyzer(c.nGame);
        const CHoldValue best = analyzer.BestHold(Codes(c.pszDeal));
        EXPECT_EQ(best.nHoldMask, c.nBestMask);
        // The quick path and the full ranking agree.
        EXPECT_EQ(analyzer.AnalyzeDeal(Codes(c.pszDeal)).front().nHoldMask, best.nHoldMask);
    }
}

// The ranking breaks exact ties by the cards kept and then by position: Kh and Ks are the same
// card up to a renaming of hearts and spades that leaves the rest of this deal unchanged.
TEST(HoldAnalyzerTest, TiedHoldsAreRankedByPosition) {
    const std::vector<CHoldValue> vecHolds =
        GameAnalyzer(GAME_JACKS_OR_BETTER).AnalyzeDeal(Codes("Kh Ks 3c 7d 9c"));
    const auto Rank = [&](int nMask) {
        return std::find_if(vecHolds.begin(), vecHolds.end(),
                            [nMask](const CHoldValue& h) { return h.nHoldMask == nMask; }) -
               vecHolds.begin();
    };
    for (int nOther : {0, Mask({2}), Mask({3}), Mask({2, 4})}) {
        const int nWithHeart = Mask({0}) | nOther;
        const int nWithSpade = Mask({1}) | nOther;
        EXPECT_EQ(HoldOf(vecHolds, nWithHeart).nPaySum, HoldOf(vecHolds, nWithSpade).nPaySum);
        EXPECT_LT(Rank(nWithHeart), Rank(nWithSpade)) << nOther;
    }
    // The pair with one low card kept: three equal holds, ranked by the position of that card.
    EXPECT_EQ(vecHolds.front().nHoldMask, Mask({0, 1}));
    EXPECT_EQ(vecHolds[1].nHoldMask, Mask({0, 1, 2}));
    EXPECT_EQ(vecHolds[2].nHoldMask, Mask({0, 1, 3}));
}

TEST(HoldAnalyzerTest, TieRuleOrder) {
    CHoldValue a{0b00001, 1, 47, 47, 1.0};
    CHoldValue b{0b00010, 1, 47, 47, 1.0};
    CHoldValue c{0b00011, 2, 1081, 1081, 1.0};
    CHoldValue d{0b00010, 1, 48, 47, 48.0 / 47};
    EXPECT_TRUE(IsBetterHold(a, b));
    EXPECT_FALSE(IsBetterHold(b, a));
    EXPECT_TRUE(IsBetterHold(c, a));
    EXPECT_TRUE(IsBetterHold(d, c));
    EXPECT_FALSE(IsBetterHold(a, a));
}

TEST(HoldAnalyzerTest, AHandAndItsCodesGiveTheSameRanking) {
    CTestCards cards;
    const CHand hand = cards.Hand("Qd 8s Qs 3h 10d");
    const CHoldAnalyzer& analyzer = GameAnalyzer(GAME_DOUBLE_BONUS);
    const std::vector<CHoldValue> vecFromHand = analyzer.AnalyzeDeal(hand);
    const std::vector<CHoldValue> vecFromCodes = analyzer.AnalyzeDeal(Codes("Qd 8s Qs 3h 10d"));
    ASSERT_EQ(vecFromHand.size(), 32u);
    for (size_t i = 0; i < vecFromHand.size(); ++i) {
        EXPECT_EQ(vecFromHand[i].nHoldMask, vecFromCodes[i].nHoldMask);
        EXPECT_EQ(vecFromHand[i].nPaySum, vecFromCodes[i].nPaySum);
    }
    EXPECT_EQ(analyzer.BestHold(hand).nHoldMask, Mask({0, 2}));
}

TEST(HoldAnalyzerTest, ADealThatIsNotFiveDifferentCardsGetsNothing) {
    CTestCards cards;
    const CHoldAnalyzer& analyzer = GameAnalyzer(GAME_JACKS_OR_BETTER);
    const std::array<int, 5> arrBadCodes[] = {
        Codes("Ah Ah 3c 4d 5s"), Codes("Ah 2h 3c 4d"), {0, 1, 2, 3, 52}, {-1, 1, 2, 3, 4}};
    for (const std::array<int, 5>& arrCodes : arrBadCodes) {
        CAssertCounter asserts;
        EXPECT_TRUE(analyzer.AnalyzeDeal(arrCodes).empty());
        const CHoldValue best = analyzer.BestHold(arrCodes);
        EXPECT_EQ(best.nDraws, 0);
        EXPECT_EQ(best.nHoldMask, 0);
        EXPECT_EQ(asserts.Count(), 2);
    }
    for (const char* pszHand : {"XX Jh Qh Kh Ah", "Jh Qh Kh Ah", "Jh Qh Kh Ah 2c 3c"}) {
        CAssertCounter asserts;
        EXPECT_TRUE(analyzer.AnalyzeDeal(cards.Hand(pszHand)).empty()) << pszHand;
        EXPECT_EQ(asserts.Count(), 1) << pszHand;
    }
}

}  // namespace
