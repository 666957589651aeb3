#include "games/pay_table.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "games/name_text.h"

namespace {

constexpr int kCasinoRoyalBelowMax = 250;

constexpr std::size_t kMostNameCharacters = 60;

// Why c may not stand in a name, "" if it may: characters that would make a name read other than
// it is written, or run it over lines, in a list, a title or on the card.
const char* NameCharacterProblem(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return "no control characters";
    if ((c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
        c == 0x200F || c == 0x061C)
        return "no characters that change the direction of the text";
    if ((c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF)
        return "no invisible characters";
    if (c == 0x2028 || c == 0x2029) return "one line, no line or paragraph separators";
    return "";
}

std::string NameProblem(const std::string& strName) {
    if (strName.empty()) return "a pay table needs a name";
    std::u32string strChars;
    if (!DecodeUtf8(strName, strChars)) return "not readable as text (UTF-8)";
    if (strChars.size() > kMostNameCharacters)
        return "at most " + std::to_string(kMostNameCharacters) + " characters, not " +
               std::to_string(strChars.size());
    for (char32_t c : strChars) {
        if (*NameCharacterProblem(c) == '\0') continue;
        char szCode[16];
        std::snprintf(szCode, sizeof szCode, " (U+%04X)", static_cast<unsigned>(c));
        return NameCharacterProblem(c) + std::string(szCode);
    }
    return "";
}

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
    if (std::string strWhy = NameProblem(table.strName); !strWhy.empty()) return "Name: " + strWhy;
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
    std::u32string strA, strB;
    if (!DecodeUtf8(a, strA) || !DecodeUtf8(b, strB)) return a == b;
    return std::equal(strA.begin(), strA.end(), strB.begin(), strB.end(),
                      [](char32_t x, char32_t y) { return FoldCase(x) == FoldCase(y); });
}

bool SamePlay(const CPayTable& a, const CPayTable& b) {
    return a.pFamily == b.pFamily && a.rules == b.rules && a.arrPays == b.arrPays;
}
