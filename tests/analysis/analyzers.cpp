#include "analyzers.h"

#include <map>
#include <sstream>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"

namespace {

const char* OracleGame(int nGame) {
    switch (nGame) {
        case GAME_DUCES_WILD:
            return "deuces";
        case GAME_BONUS:
            return "bonus";
        case GAME_DOUBLE_BONUS:
            return "double-bonus";
        default:
            return "jacks";
    }
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
    return s_analyzers.try_emplace(nGame, OraclePay(OracleGame(nGame), false)).first->second;
}

const CHoldAnalyzer& StandardAnalyzer(int nGame) {
    static std::map<int, CHoldAnalyzer> s_analyzers;
    return s_analyzers.try_emplace(nGame, OraclePay(OracleGame(nGame), true)).first->second;
}

const COutcomeTable& Counts(const CPayTable& table) {
    return *SharedOutcomeTable(table.Family(), table.rules);
}

const CPayTable& Library(const CFamily& family, const char* pszName) {
    return FindLibraryPayTable(family, 0, pszName)->table;
}
