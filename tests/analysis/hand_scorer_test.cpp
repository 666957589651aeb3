// The table the counts score hands by says of every hand what the classifier says: a kind of
// hand the table's representatives miss (the joker beside cards of two suits, four deuces)
// would score as a loss here.
#include "analysis/hand_scorer.h"

#include <gtest/gtest.h>

#include <string>

#include "support/oracle/hold_analyzer.h"

namespace {

TEST(HandScorerTest, AgreesWithTheClassifierOnEveryHandOfTheDeck) {
    // One family of each kind of deck and wild card, and the kickers; both rules for the ace.
    const struct {
        const char* pszFamily;
        CRules rules;
    } kCases[] = {{"jacks", kAsBuiltRules},
                  {"double-double-bonus", kCasinoRules},
                  {"deuces", kCasinoRules},
                  {"joker", kCasinoRules}};
    for (const auto& c : kCases) {
        const CFamily& family = GetFamily(c.pszFamily);
        const CHandScorer& scorer = SharedHandScorer(family, c.rules);
        long nHands = 0, nWrong = 0;
        ForEveryHand(family.nCards, [&](const int* pHand) {
            const int arrCodes[5] = {pHand[0], pHand[1], pHand[2], pHand[3], pHand[4]};
            const int nCategory = ClassifyHand(family, c.rules, arrCodes);
            const int nExpected = nCategory == NO_CATEGORY ? scorer.GetLosing() : nCategory;
            if (scorer.Score(arrCodes) != nExpected && nWrong++ == 0) {
                std::string strHand;
                for (int nCode : arrCodes) strHand += CardCodeText(nCode) + ' ';
                ADD_FAILURE() << c.pszFamily << ": first wrong at " << strHand;
            }
            ++nHands;
        });
        EXPECT_EQ(nWrong, 0) << c.pszFamily;
        EXPECT_EQ(nHands, Binomial(family.nCards, 5)) << c.pszFamily;
    }
}

}  // namespace
