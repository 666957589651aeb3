#include "games/game_variants.h"

#include <array>

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_jack_or_better.h"
#include "platform/afx.h"

namespace {

template <class TGame>
std::unique_ptr<CGame> Create(CHand* pHand) {
    return std::make_unique<TGame>(pHand);
}

// Bonus and Double Bonus differ in their pays only.
constexpr const char* kBonusPayTable =
    "Royal Flush\t{0}\r\nStraight Flush\t{1}\r\n4 Aces\t\t{2}\r\n4 (2, 3, 4)\t{3}\r\n"
    "4 (5-K's)\t\t{4}\r\nFull House\t{5}\r\nFlush\t\t{6}\r\nStraight\t\t{7}\r\n3 of a Kind\t{8}\r\n"
    "2 Pair\t\t{9}\r\nPair J's or Better\t{10}";

constexpr std::array kVariants = {
    CGameVariant{GAME_DUCES_WILD, "Duces Wild", "deuces", CGameDucesWild::kLines,
                 "Royal Flush\t{0}\r\n\twith 2's\t{2}\r\n4 Wild\t\t{1}\r\n5 of a Kind\t{3}\r\n"
                 "Straight Flush\t{4}\r\n4 of a Kind\t{5}\r\nFull House\t{6}\r\nFlush\t\t{7}\r\n"
                 "Straight\t\t{8}\r\n3 of a Kind\t{9}",
                 &Create<CGameDucesWild>},
    CGameVariant{
        GAME_JACKS_OR_BETTER, "Jacks or Better", "jacks", CGameJackOrBetter::kLines,
        "Royal Flush\t{0}\r\nStraight Flush\t{1}\r\n4 of a Kind\t{2}\r\nFull House\t{3}\r\n"
        "Flush\t\t{4}\r\nStraight\t\t{5}\r\n3 of a Kind\t{6}\r\n2 Pair\t\t{7}\r\n"
        "Pair J's or Better\t{8}",
        &Create<CGameJackOrBetter>},
    CGameVariant{GAME_BONUS, "Bonus", "bonus", CGameBonus::kLines, kBonusPayTable,
                 &Create<CGameBonus>},
    CGameVariant{GAME_DOUBLE_BONUS, "Double Bonus", "double-bonus", CGameDoubleBonus::kLines,
                 kBonusPayTable, &Create<CGameDoubleBonus>},
};

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
        if (strCommandName == variant.pszCommandName) return &variant;
    return nullptr;
}

std::string PayTableText(const CGameVariant& variant) {
    const std::string_view strTemplate = variant.pszPayTable;
    std::string strText;
    for (std::size_t i = 0; i < strTemplate.size(); ++i) {
        const std::size_t nClose = strTemplate.find('}', i);
        if (strTemplate[i] != '{' || nClose == std::string_view::npos) {
            strText += strTemplate[i];
            continue;
        }
        const std::size_t nLine =
            std::stoul(std::string(strTemplate.substr(i + 1, nClose - i - 1)));
        ASSERT(nLine < variant.lines.size());
        if (nLine < variant.lines.size())
            strText += std::to_string(variant.lines[nLine].nMultiplier);
        i = nClose;
    }
    return strText;
}
