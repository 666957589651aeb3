// A pay table: what each category of a family pays per coin at each bet. Data, not code: the
// four games as built, the casino library and the player's own tables are all of this one kind.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "games/family.h"
#include "games/play_limits.h"
// The most a player's table may pay per coin: 50 hands x 5 coins x this stays in 32 bits.
constexpr int MAX_PAY_PER_COIN = 100000;

struct CPayTable {
    const CFamily* pFamily = &JacksFamily();  // never null
    std::string strName;
    CRules rules;
    // [category][bet - 1]: coins per coin bet.
    std::array<std::array<int, MAX_BET>, MAX_CATEGORIES> arrPays{};

    // Coins per coin bet; 0 for a losing hand, a category the family lacks or a bet outside 1
    // to 5.
    int Pay(int nCategory, int nBet) const;
    // The category's name as the table writes it, "" where it pays nothing at the bet.
    std::string PayingName(int nCategory, int nBet) const;
    const CFamily& Family() const { return *pFamily; }
    int CategoryCount() const { return pFamily->CategoryCount(); }

    friend bool operator==(const CPayTable&, const CPayTable&) = default;
};

// A table as casinos pay: every category pays the same per coin at every bet, but the royal
// flush, which pays 250 per coin at 1 to 4 coins and the first entry of pays at 5. The pays
// are the family's categories in pay-table order.
CPayTable MakeCasinoPayTable(const CFamily& family, std::string strName, const CRules& rules,
                             const std::vector<int>& vecPays);
// The same pays at every bet.
CPayTable MakeFlatPayTable(const CFamily& family, std::string strName, const CRules& rules,
                           const std::vector<int>& vecPays);

// Whether two tables play alike (family, rules and every pay), whatever their names: the counts,
// returns and charts of one serve the other.
bool SamePlay(const CPayTable& a, const CPayTable& b);

// Names (of games and pay tables) as players type them: equal in any case, in any script.
bool SameName(std::string_view a, std::string_view b);

// "" when the table can be played, else why not, naming the field: the name (empty, over 60
// characters, not UTF-8, or with a character that breaks its line, hides or turns its text
// around), a pay out of 0 to MAX_PAY_PER_COIN, or two categories of one hand that would pay its
// lower reading more.
std::string ValidatePayTable(const CPayTable& table);
