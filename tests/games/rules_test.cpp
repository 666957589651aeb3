// Each variant's categories at their boundaries, and hands that are not five cards. A label's
// drawing calls and pixels are the table's golden paintings and the pixel test's.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "games/game_factory.h"
#include "games/pay_table_library.h"
#include "support/assert_counter.h"
#include "support/golden.h"
#include "support/recording_dc.h"
#include "support/test_cards.h"

namespace {

using CScore = std::pair<std::string, int>;  // name and multiplier

// What the variant kept at construction; a fresh Evaluate, through the root's pointer and over
// a stale name, must agree with it.
CScore Score(int nGame, CHand* pHand) {
    const std::unique_ptr<CGame> pGame = CreateGame(nGame, pHand);
    std::string strAgain = "stale";
    EXPECT_EQ(pGame->Evaluate(strAgain), pGame->GetPayout());
    EXPECT_EQ(strAgain, pGame->GetName());
    return {pGame->GetName(), pGame->GetPayout()};
}

constexpr int J = GAME_JACKS_OR_BETTER, D = GAME_DUCES_WILD, B = GAME_BONUS, DB = GAME_DOUBLE_BONUS;

// The counts of every category are the enumeration's test; these are the boundaries, by name,
// from golden/scores.txt.
TEST(Rules, EachVariantScoresEachCategoryAtItsBoundaries) {
    const std::map<std::string, int> kGames{{"J", J}, {"D", D}, {"B", B}, {"DB", DB}};
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/scores.txt");
    EXPECT_GE(cases.size(), 18u);
    const CTestCards cards;
    for (const std::vector<std::string>& c : cases) {
        ASSERT_GE(c.size(), 4u) << c[0];
        CHand hand = cards.Hand(c[1]);
        EXPECT_EQ(Score(kGames.at(c[0]), &hand), (CScore{c[2], std::stoi(c[3])}))
            << c[0] << ": " << c[1];
    }
}

// Casino rules: A-2-3-4-5 is a straight (suited, a straight flush; wild 2s may fill it), the
// royal pays 800 per coin at 5 coins only; a category paying 0 pays and names nothing. The
// joker is wild in its own family and nothing in any other.
TEST(Rules, CasinoTablesPayTheWheelAndTheRoyalByTheBet) {
    const CPayTable& jacks = FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
    const CPayTable& deuces = FindLibraryPayTable(GetFamily("deuces"), 0, "not-so-ugly")->table;
    const CPayTable& bonus = FindLibraryPayTable(GetFamily("bonus"), 0, "Double Bonus 10/7")->table;
    const CPayTable joker = MakeCasinoPayTable(GetFamily("joker"), "Joker", kCasinoRules,
                                               {800, 200, 100, 50, 20, 7, 5, 3, 2, 1, 1});
    CPayTable noPair = jacks;
    noPair.arrPays[8].fill(0);
    const std::tuple<int, const CPayTable*, int, const char*, CScore> kCases[] = {
        {J, &jacks, 5, "Ah Kh Qh Jh 10h", {"Royal Flush", 800}},
        {J, &jacks, 4, "Ah Kh Qh Jh 10h", {"Royal Flush", 250}},
        {J, &jacks, 1, "Ac 2d 3h 4s 5c", {"Straight", 4}},
        {J, &jacks, 5, "4c 5c Ac 2c 3c", {"Straight Flush", 50}},
        {J, &jacks, 5, "Jc Qd Kh As 2c", {"", 0}},  // still no straight around the corner
        {J, &noPair, 5, "Jc Jd 4h 7s Kc", {"", 0}},
        {D, &deuces, 5, "2c 2d Ah 5h 3h", {"Straight Flush", 10}},
        {D, &deuces, 5, "2c Ad 3h 4s 5c", {"Straight", 2}},
        {D, &deuces, 5, "2c 2d 2h 5h 6h", {"Straight Flush", 10}},  // not four of a kind
        {D, &deuces, 5, "2c Kh Qh Jh Ah", {"Royal Flush w/2's", 25}},
        {DB, &bonus, 5, "Ac 2d 3h 4s 5c", {"Straight", 5}},
        {DB, &bonus, 3, "Ac Ad Ah As 5c", {"4 Aces", 160}},
        {D, &joker, 5, "Jk Kh Qh Jh Ah", {"Royal Flush w/Joker", 100}},  // any box, any family
        {J, &jacks, 5, "Jk Ah Ad Ac 7d", {"3 of a Kind", 3}},  // no joker in a 52-card family
    };
    const CTestCards cards;
    for (const auto& [nGame, pTable, nBet, pszHand, score] : kCases) {
        CHand hand = cards.Hand(pszHand);
        const std::unique_ptr<CGame> pGame = CreateGame(nGame, &hand, pTable, nBet);
        EXPECT_EQ((CScore{pGame->GetName(), pGame->GetPayout()}), score) << pszHand << " " << nBet;
    }
}

// A hand that is not five cards is reported, and only the positions it has take part: the
// sanitizer build would catch a read past its storage.
TEST(Rules, CardBacksMissingCardsAndNullHandsScoreOnlyWhatIsThere) {
    struct {
        const char* pszHand;
        CScore jacks, deuces;
        bool bReported;
    } const kCases[] = {
        {"XX XX XX XX XX", {"", 0}, {"", 0}, false},
        {"", {"", 0}, {"", 0}, true},
        {"Ah Kh Qh Jh", {"", 0}, {"", 0}, true},
        {"2c 2d 2h 2s", {"4 of a Kind", 25}, {"4 Wild", 200}, true},
        {"Ac Ad Kc Kd", {"2 Pair", 2}, {"", 0}, true},
        {"2c 3c 4c 5c 9c 6c", {"Flush", 6}, {"Flush", 2}, true},  // only the first five count
    };
    const CTestCards cards;
    for (const auto& c : kCases) {
        const CAssertCounter counter;
        CHand hand = cards.Hand(c.pszHand);
        EXPECT_EQ(Score(J, &hand), c.jacks) << c.pszHand;
        EXPECT_EQ(Score(D, &hand), c.deuces) << c.pszHand;
        EXPECT_EQ(counter.Count() > 0, c.bReported) << c.pszHand;
    }
    CHand royal = cards.Hand("10h Jh Qh Kh Ah");
    royal.SetCard(0, nullptr);  // a null card takes part in nothing
    EXPECT_EQ(Score(J, &royal), (CScore{"", 0}));
    EXPECT_EQ(Score(D, &royal), (CScore{"", 0}));
    for (int nGame : {D, J, B, DB}) EXPECT_EQ(CreateGame(nGame, nullptr)->GetPayout(), 0);
    // Nor does a hand without cards, or no hand, get a label.
    const CAssertCounter counter;
    CHand empty;
    CRecordingDC dc;
    for (CHand* pHand : {&empty, static_cast<CHand*>(nullptr)})
        CreateGame(J, pHand)->DrawResult(&dc, POINT{5, 5}, true);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(CreateGame(0, &royal), nullptr);
    EXPECT_EQ(CreateGame(5, &royal), nullptr);
}

}  // namespace
