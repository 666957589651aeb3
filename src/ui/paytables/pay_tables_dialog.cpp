#include "ui/paytables/pay_tables_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

#include "analysis/outcome_cache.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "games/pay_table_text.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "ui/paytables/pay_table_editor.h"
#include "ui/paytables/table_figures_lines.h"
#include "ui/store/settings_store.h"
#include "ui/table/table_keys.h"
#include "ui/window_place.h"

namespace {

// Tables that pay alike return alike, whatever their names.
std::string ReturnKey(const CPayTable& table) {
    const CPayTableText text = FormatPayTable(table);
    return text.strFamily + "|" + text.strRules + "|" + text.strPays + "|" + text.strRoyalAtMaxBet;
}

QString Percent(double dReturn) {
    return QString::number(dReturn * 100.0, 'f', 4) + " %";
}

std::size_t Index(int nGame) {
    return static_cast<std::size_t>(nGame);
}

// The widest name of a table the game comes with: a player's own name is cut short past it, so
// that the returns after it stay in view whatever its length.
int BuiltInNameWidth(const QFontMetrics& metrics) {
    int nWidth = 0;
    for (const CLibraryPayTable& entry : PayTableLibrary())
        nWidth = std::max(nWidth,
                          metrics.horizontalAdvance(QString::fromStdString(entry.table.strName)));
    for (const CGameVariant& variant : GameVariants())
        nWidth = std::max(nWidth, metrics.horizontalAdvance(QString::fromStdString(
                                      AsBuiltPayTable(variant.nGame).strName)));
    return nWidth + 1;
}

QString ShortName(const CPayTable& table, const QFontMetrics& metrics) {
    return metrics.elidedText(QString::fromStdString(table.strName), Qt::ElideRight,
                              BuiltInNameWidth(metrics));
}

QString ReturnsText(double dAtOne, double dAtMax) {
    return QString("  —  %1 at 1 coin, %2 at 5 coins").arg(Percent(dAtOne), Percent(dAtMax));
}

}  // namespace

CPayTablesDialog::CPayTablesDialog(CMultiHandDlg& dlg, QWidget* pTable, QString strSettingsPath)
    : QWidget(pTable, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_dlg(dlg),
      m_pTable(pTable),
      m_strSettingsPath(std::move(strSettingsPath)),
      m_pLines(new CTableFiguresLines(this)) {
    setWindowTitle("Handfall II Pay Tables");
    setObjectName("payTablesWindow");
    m_dealtCheck.setInterval(200);
    connect(&m_dealtCheck, &QTimer::timeout, this, &CPayTablesDialog::RefreshEnabled);
}

// A return still being worked out is dropped, and its job stopped with m_returns, never waited
// for.
CPayTablesDialog::~CPayTablesDialog() = default;

void CPayTablesDialog::LoadSettings() {
    for (const std::string& strLine :
         ReadPayTableSettings(CSettingsStore(m_strSettingsPath), m_settings))
        std::fprintf(stderr, "handfall: %s\n", strLine.c_str());
    for (const CGameVariant& variant : GameVariants()) {
        const std::string& strName = m_settings.arrChosen[Index(variant.nGame)];
        for (const CPayTable& table : PayTableChoices(variant.nGame, m_settings.vecOwn))
            if (!strName.empty() && table.strName == strName)
                m_dlg.SetPayTable(variant.nGame, table);
    }
    if (m_pStatus != nullptr) Refresh();
}

void CPayTablesDialog::ShowBesideTable() {
    if (!isVisible()) {
        BuildContent();
        adjustSize();
        move(PlaceBesideTable(*m_pTable, size()));
    }
    show();
    raise();
    activateWindow();
}

void CPayTablesDialog::showEvent(QShowEvent* pEvent) {
    BuildContent();
    Refresh();
    m_dealtCheck.start();
    QWidget::showEvent(pEvent);
}

void CPayTablesDialog::hideEvent(QHideEvent* pEvent) {
    m_dealtCheck.stop();
    QWidget::hideEvent(pEvent);
    // The table takes the keyboard back, which without a window manager nothing else does.
    if (m_pTable != nullptr && m_pTable->isVisible()) m_pTable->activateWindow();
}

void CPayTablesDialog::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_Escape && pEvent->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(pEvent);
}

// Built the first time it is shown: most runs never open it.
void CPayTablesDialog::BuildContent() {
    if (m_pStatus != nullptr) return;
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(BuildGamesBox());
    pLayout->addWidget(BuildOwnBox());
    m_pStatus = new QLabel(this);
    m_pStatus->setAccessibleName("Pay tables status");
    m_pStatus->setWordWrap(true);
    pLayout->addWidget(m_pStatus);
    auto* pClose = new QPushButton("Close", this);
    pClose->setAccessibleName("Close");
    pClose->setAutoDefault(false);
    connect(pClose, &QPushButton::clicked, this, &QWidget::close);
    pLayout->addWidget(pClose, 0, Qt::AlignRight);
}

QGroupBox* CPayTablesDialog::BuildGamesBox() {
    auto* pGames = new QGroupBox("Table each game plays (return with the best holds)", this);
    auto* pGrid = new QGridLayout(pGames);
    int nRow = 0;
    for (const CGameVariant& variant : GameVariants()) {
        auto* pChooser = new QComboBox(pGames);
        pChooser->setObjectName(QString("chooser_%1").arg(variant.pszCommandName));
        pChooser->setAccessibleName(QString("%1 pay table").arg(variant.pszName));
        // Room for the widest name and the widest returns.
        const QFontMetrics metrics = pChooser->fontMetrics();
        const int nText = BuiltInNameWidth(metrics) +
                          metrics.horizontalAdvance(ReturnsText(1.0, 1.0)) +
                          metrics.averageCharWidth();
        pChooser->setMinimumContentsLength(nText / metrics.horizontalAdvance(u'x') + 1);
        auto* pLabel = new QLabel(QString(variant.pszName) + ":", pGames);
        pLabel->setBuddy(pChooser);
        pGrid->addWidget(pLabel, nRow, 0);
        pGrid->addWidget(pChooser, nRow++, 1);
        pGrid->addWidget(m_pLines->MakeLine(variant.nGame, pGames), nRow++, 1);
        connect(pChooser, &QComboBox::activated, this,
                [this, nGame = variant.nGame](int nChoice) { Choose(nGame, nChoice); });
        m_arrChoosers[Index(variant.nGame)] = pChooser;
    }
    return pGames;
}

QGroupBox* CPayTablesDialog::BuildOwnBox() {
    auto* pOwnBox = new QGroupBox("Your own tables", this);
    auto* pOwnLayout = new QHBoxLayout(pOwnBox);
    m_pOwn = new QListWidget(pOwnBox);
    m_pOwn->setAccessibleName("Your own tables");
    m_pOwn->setMinimumHeight(90);
    pOwnLayout->addWidget(m_pOwn);
    auto* pButtons = new QVBoxLayout;
    auto* pNew = new QPushButton("&New...", pOwnBox);
    m_pEdit = new QPushButton("&Edit...", pOwnBox);
    m_pDelete = new QPushButton("&Delete", pOwnBox);
    for (QPushButton* pButton : {pNew, m_pEdit, m_pDelete}) {
        pButton->setAutoDefault(false);
        pButton->setAccessibleName(pButton->text().remove('&').remove("..."));
        pButtons->addWidget(pButton);
    }
    pButtons->addStretch();
    pOwnLayout->addLayout(pButtons);
    connect(pNew, &QPushButton::clicked, this, [this] { EditOwn(-1); });
    connect(m_pEdit, &QPushButton::clicked, this, [this] { EditOwn(m_pOwn->currentRow()); });
    connect(m_pOwn, &QListWidget::itemActivated, this, [this] { EditOwn(m_pOwn->currentRow()); });
    connect(m_pDelete, &QPushButton::clicked, this,
            [this] { DeleteOwnTable(m_pOwn->currentRow()); });
    connect(m_pOwn, &QListWidget::currentRowChanged, this, &CPayTablesDialog::RefreshEnabled);
    return pOwnBox;
}

void CPayTablesDialog::Refresh() {
    if (m_pStatus == nullptr) return;
    for (const CGameVariant& variant : GameVariants()) {
        std::vector<CPayTable>& vecChoices = m_arrChoices[Index(variant.nGame)];
        vecChoices = PayTableChoices(variant.nGame, m_settings.vecOwn);
        QComboBox* pChooser = m_arrChoosers[Index(variant.nGame)];
        const QSignalBlocker blocker(pChooser);
        pChooser->clear();
        int nCurrent = 0;
        for (const CPayTable& table : vecChoices) {
            QString strText = ShortName(table, pChooser->fontMetrics());
            const auto it = m_mapReturns.find(ReturnKey(table));
            strText += it == m_mapReturns.end() ? QString("  —  working out its return…")
                                                : ReturnsText(it->second.first, it->second.second);
            if (table == m_dlg.GetPayTable(variant.nGame)) nCurrent = pChooser->count();
            if (table == m_dlg.GetPayTable(variant.nGame)) m_pLines->Show(variant.nGame, table);
            pChooser->addItem(strText);
            pChooser->setItemData(pChooser->count() - 1, QString::fromStdString(table.strName),
                                  Qt::ToolTipRole);
        }
        pChooser->setCurrentIndex(nCurrent);
    }
    const int nRow = m_pOwn->currentRow();
    m_pOwn->clear();
    for (const CPayTable& table : m_settings.vecOwn) {
        m_pOwn->addItem(QString("%1 (%2)").arg(ShortName(table, m_pOwn->fontMetrics()),
                                               table.Family().pszName));
        m_pOwn->item(m_pOwn->count() - 1)->setToolTip(QString::fromStdString(table.strName));
    }
    m_pOwn->setCurrentRow(std::min(nRow, m_pOwn->count() - 1));
    ComputeMissingReturns();
    RefreshEnabled();
}

void CPayTablesDialog::RefreshEnabled() {
    if (m_pStatus == nullptr) return;
    const bool bCanChoose = !m_dlg.IsDealt() && !m_dlg.IsClosed();
    for (QComboBox* pChooser : m_arrChoosers)
        if (pChooser != nullptr) pChooser->setEnabled(bCanChoose);  // none for code 0
    const bool bSelected = m_pOwn->currentRow() >= 0;
    m_pEdit->setEnabled(bSelected);
    m_pDelete->setEnabled(bSelected);
    QString strText = m_strRefusal;
    if (strText.isEmpty() && !bCanChoose)
        strText = "A game's table can change only while a deal is possible: draw first.";
    if (strText.isEmpty())
        strText = IsWorking() ? "Working out the returns…"
                              : "Returns are exact, with the best hold on every deal.";
    if (m_pStatus->text() != strText) m_pStatus->setText(strText);
}

void CPayTablesDialog::SetStatus(const QString& strText) {
    m_strRefusal = strText;
    RefreshEnabled();
}

bool CPayTablesDialog::IsWorking() const {
    return m_returns.IsRunning() || m_pLines->IsWorking();
}

QString CPayTablesDialog::GetStatus() const {
    return m_pStatus ? m_pStatus->text() : QString();
}

bool CPayTablesDialog::Choose(int nGame, int nChoice) {
    BuildContent();
    const std::vector<CPayTable> vecChoices = PayTableChoices(nGame, m_settings.vecOwn);
    if (nChoice < 0 || nChoice >= static_cast<int>(vecChoices.size())) return false;
    const CPayTable& table = vecChoices[static_cast<std::size_t>(nChoice)];
    if (!m_dlg.SetPayTable(nGame, table)) {
        Refresh();  // back to the table it plays
        SetStatus("A game's table can change only while a deal is possible: draw first.");
        return false;
    }
    m_settings.arrChosen[Index(nGame)] = nChoice == 0 ? "" : table.strName;
    m_pLines->Show(nGame, table);
    Save();
    SetStatus({});
    return true;
}

bool CPayTablesDialog::InUse(const std::string& strName) const {
    return std::find(m_settings.arrChosen.begin(), m_settings.arrChosen.end(), strName) !=
           m_settings.arrChosen.end();
}

bool CPayTablesDialog::KeepOwnTable(const CPayTable& table, int nIndex) {
    BuildContent();
    std::string strWhy = ValidatePayTable(table);
    if (strWhy.empty()) strWhy = CheckOwnTableName(table, m_settings.vecOwn, nIndex);
    const bool bReplace = nIndex >= 0 && nIndex < static_cast<int>(m_settings.vecOwn.size());
    const std::string strOld = bReplace ? m_settings.vecOwn[Index(nIndex)].strName : "";
    if (strWhy.empty() && bReplace && InUse(strOld) && m_dlg.IsDealt())
        strWhy = "A table a game plays can change only while a deal is possible: draw first.";
    if (!strWhy.empty()) {
        SetStatus(QString::fromStdString(strWhy));
        return false;
    }
    if (bReplace) {
        m_settings.vecOwn[Index(nIndex)] = table;
        for (const CGameVariant& variant : GameVariants()) {
            std::string& strChosen = m_settings.arrChosen[Index(variant.nGame)];
            if (strChosen != strOld) continue;
            // The table plays on, whatever its family now; should the table refuse it, that
            // game goes back to its table as built.
            strChosen = m_dlg.SetPayTable(variant.nGame, table)
                            ? table.strName
                            : (m_dlg.SetPayTable(variant.nGame, AsBuiltPayTable(variant.nGame)),
                               std::string());
        }
    } else {
        m_settings.vecOwn.push_back(table);
    }
    Save();
    m_strRefusal.clear();
    Refresh();
    return true;
}

bool CPayTablesDialog::DeleteOwnTable(int nIndex) {
    BuildContent();
    if (nIndex < 0 || nIndex >= static_cast<int>(m_settings.vecOwn.size())) return false;
    const std::string strName = m_settings.vecOwn[Index(nIndex)].strName;
    if (InUse(strName) && m_dlg.IsDealt()) {
        SetStatus("A table a game plays can go only while a deal is possible: draw first.");
        return false;
    }
    for (const CGameVariant& variant : GameVariants()) {
        if (m_settings.arrChosen[Index(variant.nGame)] != strName) continue;
        m_dlg.SetPayTable(variant.nGame, AsBuiltPayTable(variant.nGame));
        m_settings.arrChosen[Index(variant.nGame)].clear();
    }
    m_settings.vecOwn.erase(m_settings.vecOwn.begin() + nIndex);
    Save();
    m_strRefusal.clear();
    Refresh();
    return true;
}

void CPayTablesDialog::EditOwn(int nIndex) {
    const bool bNew = nIndex < 0 || nIndex >= static_cast<int>(m_settings.vecOwn.size());
    const CPayTable table = bNew ? MakePlayerPayTable(JacksFamily(), "My table", kCasinoRules,
                                                      {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800)
                                 : m_settings.vecOwn[Index(nIndex)];
    const int nSkip = bNew ? -1 : nIndex;
    CPayTableEditor editor(this, table, [this, nSkip](const CPayTable& t) {
        return CheckOwnTableName(t, m_settings.vecOwn, nSkip);
    });
    if (editor.exec() == QDialog::Accepted) KeepOwnTable(editor.GetTable(), nSkip);
}

void CPayTablesDialog::Save() {
    const CSettingsStore store(m_strSettingsPath);
    if (const std::string strWhy = WritePayTableSettings(store, m_settings); !strWhy.empty())
        std::fprintf(stderr, "handfall: %s: %s; the choice is not kept\n",
                     store.GetPathForMessage().c_str(), strWhy.c_str());
}

void CPayTablesDialog::ComputeMissingReturns() {
    if (m_returns.IsRunning()) return;  // asked again when it is done
    std::vector<CPayTable> vecTables;
    std::vector<std::string> vecKeys;
    for (const std::vector<CPayTable>& vecChoices : m_arrChoices)
        for (const CPayTable& table : vecChoices) {
            const std::string strKey = ReturnKey(table);
            if (m_mapReturns.count(strKey) ||
                std::find(vecKeys.begin(), vecKeys.end(), strKey) != vecKeys.end())
                continue;
            vecKeys.push_back(strKey);
            vecTables.push_back(table);
        }
    if (vecTables.empty()) return;
    // The tables a family and rules share come one after another: each engine is built once.
    std::stable_sort(vecTables.begin(), vecTables.end(), [](const auto& a, const auto& b) {
        return std::pair(a.pFamily, a.rules.bWheelStraight) <
               std::pair(b.pFamily, b.rules.bWheelStraight);
    });
    struct CReturns {
        std::string strKey;
        double dAtOne;
        double dAtMax;
    };
    // One table a job; its result asks for the next.
    m_returns.Start(
        [table = vecTables.front()](const CProgressFunction&) -> std::optional<CReturns> {
            const auto pTable = SharedOutcomeTable(table.Family(), table.rules);
            if (!pTable) return std::nullopt;  // stopped
            return CReturns{ReturnKey(table), pTable->ComputeReturn(table, MIN_BET).dReturn,
                            pTable->ComputeReturn(table, MAX_BET).dReturn};
        },
        [this](const CReturns& returns) {
            OnReturn(returns.strKey, returns.dAtOne, returns.dAtMax);
            ComputeMissingReturns();
            RefreshEnabled();
        });
    RefreshEnabled();
}

void CPayTablesDialog::OnReturn(const std::string& strKey, double dAtOne, double dAtMax) {
    m_mapReturns[strKey] = {dAtOne, dAtMax};
    for (std::size_t nGame = 0; nGame < m_arrChoices.size(); ++nGame) {
        QComboBox* pChooser = m_arrChoosers[nGame];
        if (pChooser == nullptr) continue;
        for (std::size_t i = 0; i < m_arrChoices[nGame].size(); ++i) {
            const CPayTable& table = m_arrChoices[nGame][i];
            if (ReturnKey(table) != strKey) continue;
            pChooser->setItemText(static_cast<int>(i), ShortName(table, pChooser->fontMetrics()) +
                                                           ReturnsText(dAtOne, dAtMax));
        }
    }
}

CPayTablesDialog* InstallPayTables(CQtDialogHost& host, CMultiHandDlg& dlg) {
    // A child of the host: goes with it.
    auto* pDialog = new CPayTablesDialog(dlg, &host, CSettingsStore::DefaultPath());
    QTimer::singleShot(0, pDialog, &CPayTablesDialog::LoadSettings);
    InstallWindowKey(host, "T", [pDialog] { pDialog->ShowBesideTable(); });
    host.AddWindowMenuItem("Pay &Tables...", [pDialog] { pDialog->ShowBesideTable(); }, {});
    return pDialog;
}
