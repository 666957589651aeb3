#include "ui/paytables/pay_table_settings.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

#include "games/game_variants.h"
#include "games/pay_table_text.h"

namespace {

constexpr const char* kOwnArray = "own";
constexpr const char* kGamesGroup = "games";

std::string ReadSettings(const QString& strPath, CPayTableSettings& settings) {
    const QFileInfo info(strPath);
    if (!info.exists()) return "no such file";
    if (!info.isReadable() || !info.isFile()) return "cannot be read";
    QSettings file(strPath, QSettings::IniFormat);
    // Qt reads most garbage as no entries at all, without an error.
    if (file.status() != QSettings::NoError || (info.size() > 0 && file.allKeys().isEmpty()))
        return "not a settings file";
    for (const QString& strKey : file.allKeys())
        if (!strKey.startsWith(QString(kOwnArray) + "/") &&
            !strKey.startsWith(QString(kGamesGroup) + "/"))
            return "unknown entry \"" + strKey.toStdString() + "\"";

    const int nOwn = file.beginReadArray(kOwnArray);
    for (int i = 0; i < nOwn; ++i) {
        file.setArrayIndex(i);
        const auto field = [&file](const char* pszKey) {
            return file.value(pszKey).toString().toStdString();
        };
        CPayTable table;
        std::string strWhy = ParsePayTable(
            {field("name"), field("family"), field("rules"), field("pays"), field("royal-at-5")},
            table);
        if (strWhy.empty()) strWhy = CheckOwnTableName(table, settings.vecOwn);
        if (!strWhy.empty()) return "own table " + std::to_string(i + 1) + ": " + strWhy;
        settings.vecOwn.push_back(std::move(table));
    }
    file.endArray();

    file.beginGroup(kGamesGroup);
    for (const CGameVariant& variant : GameVariants()) {
        const std::string strName = file.value(variant.pszCommandName).toString().toStdString();
        const std::vector<CPayTable> vecChoices = PayTableChoices(variant.nGame, settings.vecOwn);
        const auto it = std::find_if(vecChoices.begin(), vecChoices.end(),
                                     [&](const CPayTable& t) { return t.strName == strName; });
        if (strName.empty() || it == vecChoices.begin()) continue;
        if (it == vecChoices.end())
            return std::string(variant.pszCommandName) + ": no " + variant.pszName +
                   " table is called \"" + strName + "\"";
        settings.arrChosen[static_cast<std::size_t>(variant.nGame)] = strName;
    }
    return "";
}

}  // namespace

QString PayTableSettingsPath() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "handfall", "handfall").fileName();
}

std::string ReadPayTableSettings(const QString& strPath, CPayTableSettings& settings) {
    settings = {};
    const std::string strWhy = ReadSettings(strPath, settings);
    if (strWhy.empty()) return "";
    settings = {};
    return strPath.toStdString() + ": " + strWhy + "; the tables as built are played";
}

bool WritePayTableSettings(const QString& strPath, const CPayTableSettings& settings) {
    QSettings file(strPath, QSettings::IniFormat);
    file.clear();
    file.beginWriteArray(kOwnArray, static_cast<int>(settings.vecOwn.size()));
    for (std::size_t i = 0; i < settings.vecOwn.size(); ++i) {
        file.setArrayIndex(static_cast<int>(i));
        const CPayTableText text = FormatPayTable(settings.vecOwn[i]);
        file.setValue("name", QString::fromStdString(text.strName));
        file.setValue("family", QString::fromStdString(text.strFamily));
        file.setValue("rules", QString::fromStdString(text.strRules));
        file.setValue("pays", QString::fromStdString(text.strPays));
        file.setValue("royal-at-5", QString::fromStdString(text.strRoyalAtMaxBet));
    }
    file.endArray();
    file.beginGroup(kGamesGroup);
    for (const CGameVariant& variant : GameVariants()) {
        const std::string& strName = settings.arrChosen[static_cast<std::size_t>(variant.nGame)];
        if (!strName.empty())
            file.setValue(variant.pszCommandName, QString::fromStdString(strName));
    }
    file.endGroup();
    file.sync();
    return file.status() == QSettings::NoError;
}
