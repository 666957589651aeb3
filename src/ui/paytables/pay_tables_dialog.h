// "Handfall II Pay Tables", beside the table: the table each game plays, chosen among the one
// as built, the library's and the player's own, each with its exact return at 1 and at 5
// coins, worked out in a background job; and the player's own tables, made, changed and
// deleted. A choice changes only while a deal is possible, as the game boxes do. A window of
// its own, not a dialog: within the table's dialog a dialog would take part in its Enter key.
#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "games/pay_table.h"
#include "ui/paytables/pay_table_settings.h"
#include "ui/work/window_job.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class CMultiHandDlg;
class CQtDialogHost;
class CTableFiguresLines;

class CPayTablesDialog : public QWidget {
    Q_OBJECT

public:
    // strSettingsPath is the file the choices are read from and kept in.
    CPayTablesDialog(CMultiHandDlg& dlg, QWidget* pTable, QString strSettingsPath);
    ~CPayTablesDialog() override;

    // Reads the settings and gives each game its table; a bad file gives the tables as built
    // and one line on standard error.
    void LoadSettings();
    void ShowBesideTable();

    // Gives game nGame its nChoice-th table, as a choice in the dialog does; false, changing
    // nothing but the status line, while a deal waits for its draw.
    bool Choose(int nGame, int nChoice);
    // Adds, replaces (nIndex >= 0) or deletes one of the player's tables; false and a status
    // line saying why when it cannot be done.
    bool KeepOwnTable(const CPayTable& table, int nIndex = -1);
    bool DeleteOwnTable(int nIndex);

    const CPayTableSettings& GetSettings() const { return m_settings; }
    QComboBox* Chooser(int nGame) const { return m_arrChoosers[static_cast<std::size_t>(nGame)]; }
    QString GetStatus() const;
    bool IsWorking() const;

protected:
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void BuildContent();
    // The chooser of each game's table, and the list of the player's own with its buttons.
    QGroupBox* BuildGamesBox();
    QGroupBox* BuildOwnBox();
    void Refresh();
    void RefreshEnabled();
    void SetStatus(const QString& strText);
    void Save();
    void ComputeMissingReturns();
    void OnReturn(const std::string& strKey, double dAtOne, double dAtMax);
    bool InUse(const std::string& strName) const;
    void EditOwn(int nIndex);

    CMultiHandDlg& m_dlg;
    QWidget* m_pTable;
    QString m_strSettingsPath;
    CTableFiguresLines* m_pLines;  // a child of this window
    CPayTableSettings m_settings;
    std::array<std::vector<CPayTable>, 5> m_arrChoices;  // by game code, as the choosers list
    std::map<std::string, std::pair<double, double>> m_mapReturns;  // at 1 and 5 coins
    CWindowJob m_returns{this};  // works out the missing returns, one table at a time
    QTimer m_dealtCheck;         // the table tells no one but the coach when a deal starts or ends

    std::array<QComboBox*, 5> m_arrChoosers{};
    QLabel* m_pStatus = nullptr;
    QString m_strRefusal;
    QListWidget* m_pOwn = nullptr;
    QPushButton* m_pEdit = nullptr;
    QPushButton* m_pDelete = nullptr;
};

// The window menu item "Pay Tables..." on the table's host; the settings are read once the
// event loop runs, so the first frame does not wait for them.
CPayTablesDialog* InstallPayTables(CQtDialogHost& host, CMultiHandDlg& dlg);
