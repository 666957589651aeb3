#include "ui/paytables/pay_table_settings.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

#include "games/game_variants.h"
#include "games/pay_table_text.h"
#include "ui/store/settings_store.h"

namespace {

const QString kOwn = "own/";
const QString kGames = "games/";
constexpr const char* kFields[] = {"name", "family", "rules", "pays", "royal-at-5"};

// "own/3/pays" -> 3; 0 for a key that is no entry of the array.
int OwnIndex(const QString& strKey) {
    static const QRegularExpression kEntry("^own/([1-9][0-9]{0,5})/");
    const QRegularExpressionMatch match = kEntry.match(strKey);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void ReadOwn(const CSettingsRead& read, CPayTableSettings& settings,
             std::vector<std::string>& vecLines, const std::string& strFile) {
    std::map<int, std::map<std::string, std::string>> mapEntries;
    for (auto it = read.mapValues.begin(); it != read.mapValues.end(); ++it)
        if (const int n = OwnIndex(it.key()); n > 0)
            mapEntries[n][it.key().section('/', 2).toStdString()] =
                it.value().toString().toStdString();
    if (mapEntries.empty()) return;
    // QSettings writes the count last: a file cut short before it still has its tables.
    const int nSize = read.mapValues.value(kOwn + "size", 0).toInt();
    if (nSize < mapEntries.rbegin()->first) {
        settings.bSkipped = true;
        vecLines.push_back(strFile +
                           ": own tables: the count is missing or short; every table "
                           "found is read");
    }
    for (auto& [n, mapFields] : mapEntries) {
        CPayTable table;
        std::string strWhy =
            ParsePayTable({mapFields["name"], mapFields["family"], mapFields["rules"],
                           mapFields["pays"], mapFields["royal-at-5"]},
                          table);
        if (strWhy.empty()) strWhy = CheckOwnTableName(table, settings.vecOwn);
        if (strWhy.empty()) {
            settings.vecOwn.push_back(std::move(table));
            continue;
        }
        settings.bSkipped = true;
        vecLines.push_back(strFile + ": own table " + std::to_string(n) + " (\"" +
                           QuoteForMessage(QString::fromStdString(mapFields["name"])) +
                           "\"): " + strWhy + "; skipped");
    }
}

}  // namespace

std::vector<std::string> ReadPayTableSettings(const CSettingsStore& store,
                                              CPayTableSettings& settings) {
    settings = {};
    const CSettingsRead read = store.Read();
    std::vector<std::string> vecLines = read.vecProblems;
    const std::string strFile = store.GetPathForMessage();
    ReadOwn(read, settings, vecLines, strFile);
    for (const CGameVariant& variant : GameVariants()) {
        const QString strKey = kGames + variant.pszCommandName;
        if (!read.mapValues.contains(strKey)) continue;
        const std::string strName = read.mapValues.value(strKey).toString().toStdString();
        const std::vector<CPayTable> vecChoices = PayTableChoices(variant.nGame, settings.vecOwn);
        const auto it = std::find_if(vecChoices.begin(), vecChoices.end(),
                                     [&](const CPayTable& t) { return t.strName == strName; });
        if (it == vecChoices.end()) {
            // The choice goes at the next write, so the file is copied aside first.
            settings.bSkipped = true;
            vecLines.push_back(strFile + ": " + variant.pszCommandName + ": no " +
                               variant.pszName + " table is called \"" +
                               QuoteForMessage(QString::fromStdString(strName)) +
                               "\"; the one as built is played");
            continue;
        }
        if (it != vecChoices.begin())
            settings.arrChosen[static_cast<std::size_t>(variant.nGame)] = strName;
    }
    return vecLines;
}

std::string WritePayTableSettings(const CSettingsStore& store, CPayTableSettings& settings) {
    QVariantMap mapNew;
    for (std::size_t i = 0; i < settings.vecOwn.size(); ++i) {
        const CPayTableText text = FormatPayTable(settings.vecOwn[i]);
        const QString strEntry = kOwn + QString::number(i + 1) + "/";
        const std::string* arrValues[] = {&text.strName, &text.strFamily, &text.strRules,
                                          &text.strPays, &text.strRoyalAtMaxBet};
        for (std::size_t f = 0; f < std::size(kFields); ++f)
            mapNew[strEntry + kFields[f]] = QString::fromStdString(*arrValues[f]);
    }
    if (!settings.vecOwn.empty()) mapNew[kOwn + "size"] = static_cast<int>(settings.vecOwn.size());
    for (const CGameVariant& variant : GameVariants()) {
        const std::string& strName = settings.arrChosen[static_cast<std::size_t>(variant.nGame)];
        if (!strName.empty())
            mapNew[kGames + variant.pszCommandName] = QString::fromStdString(strName);
    }
    const auto isOwned = [](const QString& strKey) {
        if (strKey.startsWith(kOwn)) return true;
        for (const CGameVariant& variant : GameVariants())
            if (strKey == kGames + variant.pszCommandName) return true;
        return false;
    };
    const std::string strWhy = store.Write(isOwned, mapNew, settings.bSkipped);
    if (strWhy.empty()) settings.bSkipped = false;
    return strWhy;
}
