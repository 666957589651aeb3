#include "analyzers.h"

#include <algorithm>
#include <bit>
#include <map>
#include <sstream>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "games/game.h"
#include "games/pay_table_library.h"
#include "model/card.h"
#include "model/hand.h"
#include "support/oracle/pay_function.h"

namespace {

CPayFunction StandardPayFunction(int nGame) {
    const bool bWild = nGame == GAME_DUCES_WILD;
    const int nStraight = bWild ? 2 : nGame == GAME_DOUBLE_BONUS ? 5 : 4;
    const int nStraightFlush = bWild ? 9 : 50;
    return [=, gamePay = GamePayFunction(nGame)](CHand* pHand) {
        const int nPay = gamePay(pHand);
        if (nPay == 250) return 800;  // only a natural royal flush pays 250
        // A-2-3-4-5: the natural cards are of different ranks among those five, wild 2s filling
        // the gaps. It pays what its best reading pays.
        constexpr unsigned kAceToFive = 1u << RANK_ACE | 0x3Cu;
        unsigned nRanks = 0, nSuits = 0;
        bool bAceToFive = true;
        for (int i = 0; i < 5; ++i) {
            const CCard* pCard = pHand->GetCard(i);
            if (bWild && pCard->GetRank() == 2) continue;
            const unsigned nBit = 1u << pCard->GetRank();
            bAceToFive = bAceToFive && (nBit & kAceToFive) != 0 && (nRanks & nBit) == 0;
            nRanks |= nBit;
            nSuits |= 1u << pCard->GetSuit() / 100;
        }
        if (!bAceToFive) return nPay;
        return std::max(nPay, std::popcount(nSuits) == 1 ? nStraightFlush : nStraight);
    };
}

}  // namespace

std::array<int, 5> Codes(const std::string& strDeal) {
    std::array<int, 5> arrCodes{};
    arrCodes.fill(NO_CARD_CODE);
    std::istringstream in(strDeal);
    int i = 0;
    for (std::string strWord; in >> strWord && i < 5;) arrCodes[i++] = ParseCardCode(strWord);
    return arrCodes;
}

// Each table is built on first use and kept for the rest of the test program.
const CHoldAnalyzer& GameAnalyzer(int nGame) {
    static std::map<int, CHoldAnalyzer> s_analyzers;
    return s_analyzers.try_emplace(nGame, nGame).first->second;
}

const CHoldAnalyzer& StandardAnalyzer(int nGame) {
    static std::map<int, CHoldAnalyzer> s_analyzers;
    return s_analyzers.try_emplace(nGame, StandardPayFunction(nGame)).first->second;
}

const COutcomeTable& Counts(const CPayTable& table) {
    return *SharedOutcomeTable(table.Family(), table.rules);
}

const CPayTable& Library(const CFamily& family, const char* pszName) {
    return FindLibraryPayTable(family, 0, pszName)->table;
}
