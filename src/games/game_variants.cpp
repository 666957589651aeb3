#include "games/game_variants.h"

#include <array>
#include <vector>

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_jack_or_better.h"
#include "platform/afx.h"

namespace {

// Without a pay table asked for, the variant plays its own as built.
template <class TGame, int nGame>
std::unique_ptr<CGame> Create(CHand* pHand, const CPayTable* pTable, int nBet) {
    return std::make_unique<TGame>(pHand, pTable != nullptr ? *pTable : AsBuiltPayTable(nGame),
                                   nBet);
}

// Bonus and Double Bonus differ in their pays only.
constexpr const char* kBonusPayTable =
    "Royal Flush\t{0}\r\nStraight Flush\t{1}\r\n4 Aces\t\t{2}\r\n4 (2, 3, 4)\t{3}\r\n"
    "4 (5-K's)\t\t{4}\r\nFull House\t{5}\r\nFlush\t\t{6}\r\nStraight\t\t{7}\r\n3 of a Kind\t{8}\r\n"
    "2 Pair\t\t{9}\r\nPair J's or Better\t{10}";

constexpr std::array kVariants = {
    CGameVariant{GAME_DUCES_WILD, "Duces Wild", "Deuces Wild", "deuces", "deuces",
                 "Royal Flush\t{0}\r\n\twith 2's\t{2}\r\n4 Wild\t\t{1}\r\n5 of a Kind\t{3}\r\n"
                 "Straight Flush\t{4}\r\n4 of a Kind\t{5}\r\nFull House\t{6}\r\nFlush\t\t{7}\r\n"
                 "Straight\t\t{8}\r\n3 of a Kind\t{9}",
                 &Create<CGameDucesWild, GAME_DUCES_WILD>},
    CGameVariant{
        GAME_JACKS_OR_BETTER, "Jacks or Better", "Jacks or Better", "jacks", "jacks",
        "Royal Flush\t{0}\r\nStraight Flush\t{1}\r\n4 of a Kind\t{2}\r\nFull House\t{3}\r\n"
        "Flush\t\t{4}\r\nStraight\t\t{5}\r\n3 of a Kind\t{6}\r\n2 Pair\t\t{7}\r\n"
        "Pair J's or Better\t{8}",
        &Create<CGameJackOrBetter, GAME_JACKS_OR_BETTER>},
    CGameVariant{GAME_BONUS, "Bonus", "Bonus", "bonus", "bonus", kBonusPayTable,
                 &Create<CGameBonus, GAME_BONUS>},
    CGameVariant{GAME_DOUBLE_BONUS, "Double Bonus", "Double Bonus", "double-bonus", "bonus",
                 kBonusPayTable, &Create<CGameDoubleBonus, GAME_DOUBLE_BONUS>},
};

// The pays as built, per coin at every bet, in the family's category order.
const std::vector<int>& AsBuiltPays(int nGame) {
    static const std::vector<int> kDeuces = {250, 200, 25, 15, 9, 5, 3, 2, 2, 1};
    static const std::vector<int> kJacks = {250, 50, 25, 9, 6, 4, 3, 2, 1};
    static const std::vector<int> kBonus = {250, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1};
    static const std::vector<int> kDoubleBonus = {250, 50, 160, 80, 50, 10, 7, 5, 3, 1, 1};
    switch (nGame) {
        case GAME_DUCES_WILD:
            return kDeuces;
        case GAME_BONUS:
            return kBonus;
        case GAME_DOUBLE_BONUS:
            return kDoubleBonus;
        default:
            return kJacks;
    }
}

}  // namespace

std::span<const CGameVariant> GameVariants() {
    return kVariants;
}

const CGameVariant* FindGameVariant(int nGame) {
    for (const CGameVariant& variant : kVariants)
        if (variant.nGame == nGame) return &variant;
    return nullptr;
}

const CGameVariant* FindGameVariant(std::string_view strCommandName) {
    for (const CGameVariant& variant : kVariants)
        if (SameName(strCommandName, variant.pszCommandName)) return &variant;
    return nullptr;
}

const CPayTable& AsBuiltPayTable(int nGame) {
    static const std::array<CPayTable, 5> tables = [] {
        std::array<CPayTable, 5> arr;
        for (const CGameVariant& variant : kVariants)
            arr[static_cast<std::size_t>(variant.nGame)] =
                MakeFlatPayTable(variant.Family(), std::string(variant.pszName) + " as built",
                                 kAsBuiltRules, AsBuiltPays(variant.nGame));
        return arr;
    }();
    return tables[FindGameVariant(nGame) != nullptr ? static_cast<std::size_t>(nGame) : 0];
}

std::string PayTableText(const CGameVariant& variant, const CPayTable& table, int nBet) {
    std::string strText;
    // A table of another family than the game's own has its own lines, in its words.
    if (table.pFamily != &variant.Family()) {
        for (int c = 0; c < table.CategoryCount(); ++c) {
            const int nPay = table.Pay(c, nBet);
            if (nPay <= 0) continue;
            const std::string strName = table.Family().CategoryName(c);
            strText += (strText.empty() ? "" : "\r\n") + strName +
                       (strName.size() < 8 ? "\t\t" : "\t") + std::to_string(nPay);
        }
        return strText;
    }
    const std::string_view strTemplate = variant.pszPayTable;
    std::size_t nStart = 0;
    while (nStart <= strTemplate.size()) {
        std::size_t nEnd = strTemplate.find("\r\n", nStart);
        if (nEnd == std::string_view::npos) nEnd = strTemplate.size();
        const std::string_view strLine = strTemplate.substr(nStart, nEnd - nStart);
        std::string strOut;
        bool bPays = true;
        for (std::size_t i = 0; i < strLine.size(); ++i) {
            const std::size_t nClose = strLine.find('}', i);
            if (strLine[i] != '{' || nClose == std::string_view::npos) {
                strOut += strLine[i];
                continue;
            }
            const int nCategory = std::stoi(std::string(strLine.substr(i + 1, nClose - i - 1)));
            ASSERT(nCategory < table.CategoryCount());
            const int nPay = table.Pay(nCategory, nBet);
            bPays = nPay > 0;
            strOut += std::to_string(nPay);
            i = nClose;
        }
        if (bPays) strText += (strText.empty() ? "" : "\r\n") + strOut;
        nStart = nEnd + 2;
    }
    return strText;
}
