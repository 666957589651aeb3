#include "games/pay_table_library.h"

#include <string>
#include <vector>

#include "games/game.h"

namespace {

struct CRow {
    int nGame;
    const char* pszFamily;
    const char* pszShort;
    const char* pszName;
    std::vector<int> vecPays;  // per coin at 5 coins, the family's categories in order
};

// Casino rules throughout: A-2-3-4-5 is a straight, the royal pays 800 per coin at 5 coins.
const std::vector<CRow>& Rows() {
    static const std::vector<CRow> rows = {
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "9/6",
         "Jacks or Better 9/6",
         {800, 50, 25, 9, 6, 4, 3, 2, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "9/5",
         "Jacks or Better 9/5",
         {800, 50, 25, 9, 5, 4, 3, 2, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "8/6",
         "Jacks or Better 8/6",
         {800, 50, 25, 8, 6, 4, 3, 2, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "8/5",
         "Jacks or Better 8/5",
         {800, 50, 25, 8, 5, 4, 3, 2, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "7/5",
         "Jacks or Better 7/5",
         {800, 50, 25, 7, 5, 4, 3, 2, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "6/5",
         "Jacks or Better 6/5",
         {800, 50, 25, 6, 5, 4, 3, 2, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "deluxe-9/6",
         "Bonus Poker Deluxe 9/6",
         {800, 50, 80, 9, 6, 4, 3, 1, 1}},
        {GAME_JACKS_OR_BETTER,
         "jacks",
         "deluxe-8/6",
         "Bonus Poker Deluxe 8/6",
         {800, 50, 80, 8, 6, 4, 3, 1, 1}},
        {GAME_BONUS, "bonus", "8/5", "Bonus Poker 8/5", {800, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1}},
        {GAME_BONUS, "bonus", "7/5", "Bonus Poker 7/5", {800, 50, 80, 40, 25, 7, 5, 4, 3, 2, 1}},
        {GAME_BONUS, "bonus", "6/5", "Bonus Poker 6/5", {800, 50, 80, 40, 25, 6, 5, 4, 3, 2, 1}},
        {GAME_DOUBLE_BONUS,
         "bonus",
         "10/7",
         "Double Bonus 10/7",
         {800, 50, 160, 80, 50, 10, 7, 5, 3, 1, 1}},
        {GAME_DOUBLE_BONUS,
         "bonus",
         "9/7",
         "Double Bonus 9/7",
         {800, 50, 160, 80, 50, 9, 7, 5, 3, 1, 1}},
        {GAME_DOUBLE_BONUS,
         "bonus",
         "9/6",
         "Double Bonus 9/6",
         {800, 50, 160, 80, 50, 9, 6, 5, 3, 1, 1}},
        {GAME_DUCES_WILD,
         "deuces",
         "full-pay",
         "Deuces Wild full pay",
         {800, 200, 25, 15, 9, 5, 3, 2, 2, 1}},
        {GAME_DUCES_WILD,
         "deuces",
         "not-so-ugly",
         "Not So Ugly Deuces",
         {800, 200, 25, 16, 10, 4, 4, 3, 2, 1}},
    };
    return rows;
}

}  // namespace

std::span<const CLibraryPayTable> PayTableLibrary() {
    static const std::vector<CLibraryPayTable> library = [] {
        std::vector<CLibraryPayTable> vec;
        for (const CRow& row : Rows())
            vec.push_back({row.nGame, row.pszShort,
                           MakeCasinoPayTable(GetFamily(row.pszFamily), row.pszName, kCasinoRules,
                                              row.vecPays)});
        return vec;
    }();
    return library;
}

const CLibraryPayTable* FindLibraryPayTable(const CFamily& family, int nGame,
                                            std::string_view strName) {
    // A short name of the game first; else of another game of the family, as the family's
    // tables are all offered to each of its games.
    const CLibraryPayTable* pFound = nullptr;
    const CLibraryPayTable* pInFamily = nullptr;
    for (const CLibraryPayTable& entry : PayTableLibrary()) {
        if (entry.table.pFamily != &family) continue;
        if (SameName(entry.table.strName, strName)) return &entry;
        if (!SameName(entry.pszShort, strName)) continue;
        if (pFound == nullptr && (nGame == 0 || entry.nGame == nGame)) pFound = &entry;
        if (pInFamily == nullptr) pInFamily = &entry;
    }
    return pFound != nullptr ? pFound : pInFamily;
}
