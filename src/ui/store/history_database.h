// The history of decisions: $XDG_DATA_HOME/handfall/history.sqlite, one row of `decisions` per
// decision, each written in its own transaction to a WAL journal, so that a run killed at any
// moment loses at most the decision being written and never damages the file. A file that
// cannot be read (unreadable, damaged, not a database) is renamed aside, never deleted, and
// the run goes on without history; the next run starts a new file.
#pragma once

#include <QString>

#include <memory>

#include "training/history_store.h"

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

class CHistoryDatabase : public CHistoryStore {
public:
    explicit CHistoryDatabase(QString strPath = DefaultPath());
    ~CHistoryDatabase() override;
    CHistoryDatabase(const CHistoryDatabase&) = delete;
    CHistoryDatabase& operator=(const CHistoryDatabase&) = delete;

    static QString DefaultPath();
    const QString& GetPath() const { return m_strPath; }

    // Opens the file, making it and its table when new. "" or why there is no history; a
    // damaged file has then been renamed to GetAsidePath().
    std::string Open();
    bool IsOpen() const { return m_pInsert != nullptr; }
    const QString& GetAsidePath() const { return m_strAside; }

    std::string Append(const CDecisionRecord& record) override;
    std::vector<CDecisionRecord> Load() const override;
    std::string Clear() override;
    // Added up by the database: the window opens as quickly with a year of play.
    std::vector<CProgressPoint> Progress() const override;
    std::vector<CMastery> Mastery(const std::string& strFamily) const override;
    // Rows kept; 0 when none can be read.
    int Count() const;
    // Every row as CSV into strPath, written whole or not at all; "" or why not.
    std::string ExportCsv(const QString& strPath) const;

private:
    // Opens the connection and readies the insert; the error, with what was being done.
    QSqlError Connect(QString& strWhat);
    // Closes the history; on opening, a file SQLite cannot use is first moved aside.
    std::string Fail(const QString& strWhat, const QSqlError& error, bool bOpening);
    bool MoveAside();
    // Every row, ascending; false when they cannot be read.
    bool Read(std::vector<CDecisionRecord>& vecRecords) const;
    void Close();

    QString m_strPath;
    QString m_strConnection;
    QString m_strAside;
    std::unique_ptr<QSqlQuery> m_pInsert;  // prepared once: a draw pays only for the write
};
