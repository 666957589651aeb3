#include "analysis/hold_analyzer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <sstream>
#include <string>

#include "analysis/card_code.h"
#include "analyzers.h"
#include "games/game.h"
#include "model/hand.h"
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

const CHoldValue& HoldOf(const std::vector<CHoldValue>& vecHolds, int nMask) {
    const auto it = std::find_if(vecHolds.begin(), vecHolds.end(),
                                 [nMask](const CHoldValue& h) { return h.nHoldMask == nMask; });
    EXPECT_NE(it, vecHolds.end()) << "no hold " << nMask;
    return it == vecHolds.end() ? vecHolds.front() : *it;
}

// Holds whose draws can be counted by hand. Masks read right to left: 0b01111 keeps the first four.
TEST(HoldAnalyzerTest, HoldsPayExactlyWhatTheirDrawsPay) {
    struct {
        const char* pszWhy;
        const CHoldAnalyzer& analyzer;
        const char* pszDeal;
        int nMask;
        std::int64_t nDraws, nPaySum;
        bool bBest = true;
    } const kCases[] = {
        {"a dealt royal flush", GameAnalyzer(GAME_DUCES_WILD), "10h Jh Qh Kh Ah", 31, 1, 250},
        {"a dealt royal flush", GameAnalyzer(GAME_DOUBLE_BONUS), "10h Jh Qh Kh Ah", 31, 1, 250},
        // Nine hearts make a flush (6), three kings a high pair (1).
        {"four to a flush", GameAnalyzer(GAME_JACKS_OR_BETTER), "2h 5h 3c 9h Kh", 0b11011, 47,
         9 * 6 + 3 * 1},
        // 10h royal (250), eight hearts a flush (6), three tens a straight (4), twelve jacks to
        // aces a high pair (1).
        {"four to a royal", GameAnalyzer(GAME_JACKS_OR_BETTER), "Jh Qh Kh Ah 2c", 0b01111, 47,
         250 + 8 * 6 + 3 * 4 + 12 * 1},
        // The hands of 5 of the 47 unseen cards less those of the 43 that are not aces; keeping a
        // card makes the draw one card smaller and an ace less likely.
        {"drawing five", AnyAceAnalyzer(), "2c 3d 9h Js Kc", 0, 1533939, 1533939 - 962598},
        {"keeping a king", AnyAceAnalyzer(), "2c 3d 9h Js Kc", 0b10000, 178365, 178365 - 123410,
         false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.pszDeal) + ": " + c.pszWhy);
        const std::vector<CHoldValue> vecHolds = c.analyzer.AnalyzeDeal(Codes(c.pszDeal));
        const CHoldValue& hold = HoldOf(vecHolds, c.nMask);
        EXPECT_EQ(hold.nHeld, std::popcount(static_cast<unsigned>(c.nMask)));
        EXPECT_EQ(hold.nDraws, c.nDraws);
        EXPECT_EQ(hold.nPaySum, c.nPaySum);
        EXPECT_DOUBLE_EQ(hold.dExpectedPay, static_cast<double>(c.nPaySum) / c.nDraws);
        EXPECT_EQ(vecHolds.front().nHoldMask == c.nMask, c.bBest);
    }
    // A held ace always pays in the ace game: all such holds are best, and the rule picks the
    // one keeping the most cards.
    const std::vector<CHoldValue> vecAce = AnyAceAnalyzer().AnalyzeDeal(Codes("2c Ad 9h Js Kc"));
    for (const CHoldValue& hold : vecAce)
        if (hold.nHoldMask & 0b10) {
            EXPECT_EQ(hold.nPaySum, hold.nDraws) << hold.nHoldMask;
        }
    EXPECT_EQ(vecAce.front().nHoldMask, 31);
}

// Every hold of a few deals against a count made draw by draw. Holds of fewer than two cards
// have hundreds of thousands of draws, so those are counted only in optimised builds.
TEST(HoldAnalyzerTest, EveryHoldMatchesCountingEachDraw) {
    const CTestCards cards;
    const CPayFunction pay = StandardPayFunction(GAME_JACKS_OR_BETTER);
#ifdef NDEBUG
    const int nFewestHeld = 0;
#else
    const int nFewestHeld = 2;
#endif
    const auto CardOf = [&](int nCode) {
        return cards.Get(CardCodeSuit(nCode), CardCodeRank(nCode));
    };
    for (const char* pszDeal : {"Kh 3c Jh 10s Qh", "9s 9d 2c 9h 5s", "Ad 4d 5d 3d Ac"}) {
        const std::array<int, 5> arrDeal = Codes(pszDeal);
        const std::vector<CHoldValue> vecHolds =
            StandardAnalyzer(GAME_JACKS_OR_BETTER).AnalyzeDeal(arrDeal);
        ASSERT_EQ(vecHolds.size(), 32u);
        std::vector<int> vecUnseen;
        for (int nCode = 0; nCode < CARD_CODES; ++nCode)
            if (std::find(arrDeal.begin(), arrDeal.end(), nCode) == arrDeal.end())
                vecUnseen.push_back(nCode);

        for (int nMask = 0; nMask < 32; ++nMask) {
            CCardArray arrHand;
            for (int i = 0; i < 5; ++i)
                if (nMask & (1 << i)) arrHand.Add(CardOf(arrDeal[i]));
            const int nHeld = arrHand.GetSize();
            if (nHeld < nFewestHeld) continue;
            const int nDraw = 5 - nHeld;
            arrHand.SetSize(5);
            CHand hand(&arrHand);
            std::int64_t nSum = 0, nDraws = 0;
            // Each draw as a choice of nDraw of the 47 unseen cards, in every order of choices.
            std::vector<bool> vecChosen(47, false);
            std::fill_n(vecChosen.begin(), nDraw, true);
            do {
                for (int j = 0, nAt = nHeld; j < 47; ++j)
                    if (vecChosen[j]) hand.SetCard(nAt++, CardOf(vecUnseen[j]));
                nSum += pay(&hand);
                ++nDraws;
            } while (std::prev_permutation(vecChosen.begin(), vecChosen.end()));
            const CHoldValue& hold = HoldOf(vecHolds, nMask);
            EXPECT_EQ(hold.nDraws, nDraws) << pszDeal << " hold " << nMask;
            EXPECT_EQ(hold.nPaySum, nSum) << pszDeal << " hold " << nMask;
        }
    }
}

// One test over the table of deals: each case shares the variant tables built for the rest.
TEST(HoldAnalyzerTest, BestHoldOfKnownDealsIsTheKnownPlay) {
    struct {
        int nGame;
        const char* pszDeal;
        int nBestMask;
        const char* pszWhy;
    } const kCases[] = {
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
        {GAME_DOUBLE_BONUS, "Qd 8s Qs 3h 10d", 0b00101, "the pair of queens"},
    };
    const CTestCards cards;
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.pszDeal) + ": " + c.pszWhy);
        const CHoldAnalyzer& analyzer = GameAnalyzer(c.nGame);
        const std::vector<CHoldValue> vecHolds = analyzer.AnalyzeDeal(Codes(c.pszDeal));
        EXPECT_EQ(analyzer.BestHold(Codes(c.pszDeal)).nHoldMask, c.nBestMask);
        // The quick path, the full ranking and a hand of the same cards agree.
        EXPECT_EQ(vecHolds.front().nHoldMask, c.nBestMask);
        const CHand hand = cards.Hand(c.pszDeal);
        EXPECT_EQ(analyzer.BestHold(hand).nHoldMask, c.nBestMask);
        EXPECT_EQ(analyzer.AnalyzeDeal(hand).at(31).nPaySum, vecHolds[31].nPaySum);
    }
}

// Holds are ranked by expected pay, exact ties by the cards kept and then by position: Kh and Ks
// are the same card up to a renaming of hearts and spades that leaves the rest of this deal
// unchanged.
TEST(HoldAnalyzerTest, HoldsAreRankedByPayThenCardsKeptThenPosition) {
    const std::vector<CHoldValue> vecHolds =
        GameAnalyzer(GAME_JACKS_OR_BETTER).AnalyzeDeal(Codes("Kh Ks 3c 7d 9c"));
    const auto Rank = [&](int nMask) { return &HoldOf(vecHolds, nMask) - vecHolds.data(); };
    for (int nOther : {0b00000, 0b00100, 0b01000, 0b10100}) {
        EXPECT_EQ(HoldOf(vecHolds, 0b01 | nOther).nPaySum, HoldOf(vecHolds, 0b10 | nOther).nPaySum);
        EXPECT_LT(Rank(0b01 | nOther), Rank(0b10 | nOther)) << nOther;
    }
    // The pair with one low card kept: three equal holds, ranked by the position of that card.
    EXPECT_EQ(vecHolds[0].nHoldMask, 0b00011);
    EXPECT_EQ(vecHolds[1].nHoldMask, 0b00111);
    EXPECT_EQ(vecHolds[2].nHoldMask, 0b01011);

    // Every hold once, by expected pay.
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

TEST(HoldAnalyzerTest, ADealThatIsNotFiveDifferentCardsGetsNothing) {
    const CTestCards cards;
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
