#include "games/pay_table_text.h"

#include <charconv>
#include <sstream>

#include "games/game_variants.h"
#include "games/pay_table_library.h"

namespace {

constexpr const char* kCasinoWord = "casino";
constexpr const char* kAsBuiltWord = "as-built";

}  // namespace

std::string ParsePay(const std::string& strText, int& nPay) {
    int n = 0;
    const char* pEnd = strText.data() + strText.size();
    const auto [p, ec] = std::from_chars(strText.data(), pEnd, n);
    if (ec != std::errc() || p != pEnd || n < 0 || n > MAX_PAY_PER_COIN)
        return "a pay is a whole number from 0 to " + std::to_string(MAX_PAY_PER_COIN) +
               ", not \"" + strText + "\"";
    nPay = n;
    return "";
}

CPayTable MakePlayerPayTable(const CFamily& family, std::string strName, const CRules& rules,
                             const std::vector<int>& vecPays, int nRoyalAtMaxBet) {
    CPayTable table = MakeFlatPayTable(family, std::move(strName), rules, vecPays);
    table.arrPays[0][MAX_BET - 1] = nRoyalAtMaxBet;
    return table;
}

CPayTableText FormatPayTable(const CPayTable& table) {
    CPayTableText text;
    text.strName = table.strName;
    text.strFamily = table.Family().pszKey;
    text.strRules = table.rules.bWheelStraight ? kCasinoWord : kAsBuiltWord;
    for (int c = 0; c < table.CategoryCount(); ++c) {
        if (c > 0) text.strPays += ' ';
        text.strPays += std::to_string(table.Pay(c, MIN_BET));
    }
    text.strRoyalAtMaxBet = std::to_string(table.Pay(0, MAX_BET));
    return text;
}

std::string ParsePayTable(const CPayTableText& text, CPayTable& table) {
    const CFamily* pFamily = FindFamily(text.strFamily);
    if (pFamily == nullptr) return "Family: no family is called \"" + text.strFamily + "\"";
    CRules rules;
    if (text.strRules == kCasinoWord)
        rules = kCasinoRules;
    else if (text.strRules == kAsBuiltWord)
        rules = kAsBuiltRules;
    else
        return "Rules: \"casino\" or \"as-built\", not \"" + text.strRules + "\"";
    std::istringstream in(text.strPays);
    std::vector<int> vecPays;
    for (std::string strWord; in >> strWord;) {
        int nPay = 0;
        if (std::string strWhy = ParsePay(strWord, nPay); !strWhy.empty()) return "Pays: " + strWhy;
        vecPays.push_back(nPay);
    }
    if (static_cast<int>(vecPays.size()) != pFamily->CategoryCount())
        return "Pays: " + std::string(pFamily->pszName) + " has " +
               std::to_string(pFamily->CategoryCount()) + " categories, not " +
               std::to_string(vecPays.size());
    int nRoyal = 0;
    if (std::string strWhy = ParsePay(text.strRoyalAtMaxBet, nRoyal); !strWhy.empty())
        return "Royal Flush at 5 coins: " + strWhy;
    CPayTable parsed = MakePlayerPayTable(*pFamily, text.strName, rules, vecPays, nRoyal);
    if (std::string strWhy = ValidatePayTable(parsed); !strWhy.empty()) return strWhy;
    table = std::move(parsed);
    return "";
}

std::vector<CPayTable> PayTableChoices(int nGame, const std::vector<CPayTable>& vecOwn) {
    const CPayTable& asBuilt = AsBuiltPayTable(nGame);
    std::vector<CPayTable> vecChoices{asBuilt};
    for (const CLibraryPayTable& entry : PayTableLibrary())
        if (entry.nGame == nGame) vecChoices.push_back(entry.table);
    // The rest of the game's own family stay offered, as they always were.
    for (const CLibraryPayTable& entry : PayTableLibrary())
        if (entry.nGame != nGame && entry.table.pFamily == asBuilt.pFamily)
            vecChoices.push_back(entry.table);
    vecChoices.insert(vecChoices.end(), vecOwn.begin(), vecOwn.end());
    return vecChoices;
}

std::string CheckOwnTableName(const CPayTable& table, const std::vector<CPayTable>& vecOwn,
                              int nSkip) {
    const std::string strTaken = "Name: \"" + table.strName + "\" is taken by ";
    for (const CGameVariant& variant : GameVariants())
        if (SameName(AsBuiltPayTable(variant.nGame).strName, table.strName))
            return strTaken + "a table as built";
    for (const CLibraryPayTable& entry : PayTableLibrary())
        if (SameName(entry.table.strName, table.strName)) return strTaken + "a casino table";
    for (std::size_t i = 0; i < vecOwn.size(); ++i)
        if (static_cast<int>(i) != nSkip && SameName(vecOwn[i].strName, table.strName))
            return strTaken + "another of your tables";
    return "";
}
