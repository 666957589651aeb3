#include "games/pay_table.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

constexpr int kCasinoRoyalBelowMax = 250;

std::string BetText(int nBet) {
    return std::to_string(nBet) + (nBet == 1 ? " coin" : " coins");
}

}  // namespace

int CPayTable::Pay(int nCategory, int nBet) const {
    if (nCategory < 0 || nCategory >= CategoryCount() || nBet < MIN_BET || nBet > MAX_BET) return 0;
    return arrPays[static_cast<std::size_t>(nCategory)][static_cast<std::size_t>(nBet - 1)];
}

std::string CPayTable::PayingName(int nCategory, int nBet) const {
    if (Pay(nCategory, nBet) <= 0) return "";
    return pFamily->CategoryName(nCategory);
}

CPayTable MakeFlatPayTable(const CFamily& family, std::string strName, const CRules& rules,
                           const std::vector<int>& vecPays) {
    CPayTable table;
    table.pFamily = &family;
    table.strName = std::move(strName);
    table.rules = rules;
    const std::size_t nCategories = static_cast<std::size_t>(family.CategoryCount());
    for (std::size_t c = 0; c < nCategories && c < vecPays.size(); ++c)
        table.arrPays[c].fill(vecPays[c]);
    return table;
}

CPayTable MakeCasinoPayTable(const CFamily& family, std::string strName, const CRules& rules,
                             const std::vector<int>& vecPays) {
    CPayTable table = MakeFlatPayTable(family, std::move(strName), rules, vecPays);
    for (int nBet = MIN_BET; nBet < MAX_BET; ++nBet)
        table.arrPays[0][static_cast<std::size_t>(nBet - 1)] = kCasinoRoyalBelowMax;
    return table;
}

std::string ValidatePayTable(const CPayTable& table) {
    if (table.strName.empty()) return "Name: a pay table needs a name";
    if (table.strName.size() > 60) return "Name: at most 60 characters";
    for (char c : table.strName)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "Name: no control characters";
    for (int c = 0; c < table.CategoryCount(); ++c) {
        for (int nBet = MIN_BET; nBet <= MAX_BET; ++nBet) {
            const int nPay = table.Pay(c, nBet);
            if (nPay < 0 || nPay > MAX_PAY_PER_COIN)
                return std::string(table.Family().CategoryName(c)) + " at " + BetText(nBet) +
                       ": a pay is a whole number from 0 to " + std::to_string(MAX_PAY_PER_COIN) +
                       ", not " + std::to_string(nPay);
        }
    }
    for (const CCategoryReading& reading : table.Family().Readings()) {
        for (int nBet = MIN_BET; nBet <= MAX_BET; ++nBet) {
            if (table.Pay(reading.nHigher, nBet) >= table.Pay(reading.nLower, nBet)) continue;
            return std::string(table.Family().CategoryName(reading.nHigher)) + " at " +
                   BetText(nBet) + ": a hand that makes it is also " +
                   table.Family().CategoryName(reading.nLower) +
                   ", which would pay more; pay it at least as much";
        }
    }
    return "";
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool SamePlay(const CPayTable& a, const CPayTable& b) {
    return a.pFamily == b.pFamily && a.rules == b.rules && a.arrPays == b.arrPays;
}
