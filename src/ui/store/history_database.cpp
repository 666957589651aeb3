#include "ui/store/history_database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS decisions ("
    " played_at TEXT NOT NULL,"
    " table_name TEXT NOT NULL,"
    " family TEXT NOT NULL,"
    " bet INTEGER NOT NULL,"
    " hands INTEGER NOT NULL,"
    " deal TEXT NOT NULL,"
    " held TEXT NOT NULL,"
    " best TEXT NOT NULL,"
    " ev_held REAL NOT NULL,"
    " ev_best REAL NOT NULL,"
    " chart_line TEXT,"
    " grade TEXT NOT NULL CHECK (grade IN ('correct', 'minor', 'major')),"
    " drill INTEGER NOT NULL CHECK (drill IN (0, 1)))";

// What the progress window reads, kept up to date by the database as each row goes in, so
// that it opens as quickly over a year of play: per table and day, and each class's last 50.
#define HANDFALL_MISTAKE_COST_OF(row)                                                   \
    "CASE WHEN " row "grade <> 'correct' THEN (" row "ev_best - " row "ev_held) * " row \
    "bet ELSE 0 END"
#define HANDFALL_MISTAKE_COST HANDFALL_MISTAKE_COST_OF("NEW.")
const char* const kSummaries[] = {
    "CREATE TABLE IF NOT EXISTS progress_days (table_name TEXT NOT NULL, day TEXT NOT NULL,"
    " decisions INTEGER NOT NULL, mistakes INTEGER NOT NULL, cost REAL NOT NULL,"
    " PRIMARY KEY (table_name, day)) WITHOUT ROWID",
    "CREATE TRIGGER IF NOT EXISTS decisions_progress AFTER INSERT ON decisions WHEN NEW.drill = 0 BEGIN"
    " INSERT INTO progress_days VALUES (NEW.table_name, substr(NEW.played_at, 1, 10), 1,"
    " NEW.grade <> 'correct', " HANDFALL_MISTAKE_COST
    ") ON CONFLICT (table_name, day) DO UPDATE"
    " SET decisions = decisions + 1, mistakes = mistakes + excluded.mistakes,"
    " cost = cost + excluded.cost; END",
    "CREATE TABLE IF NOT EXISTS class_recent (family TEXT NOT NULL, chart_line TEXT NOT NULL,"
    " seq INTEGER NOT NULL, correct INTEGER NOT NULL, cost REAL NOT NULL,"
    " PRIMARY KEY (family, chart_line, seq)) WITHOUT ROWID",
    "CREATE TRIGGER IF NOT EXISTS decisions_mastery AFTER INSERT ON decisions WHEN NEW.chart_line IS NOT NULL"
    " BEGIN INSERT INTO class_recent VALUES (NEW.family, NEW.chart_line, NEW.rowid,"
    " NEW.grade = 'correct', " HANDFALL_MISTAKE_COST
    "); DELETE FROM class_recent WHERE"
    " family = NEW.family AND chart_line = NEW.chart_line AND seq <= (SELECT seq FROM"
    " class_recent WHERE family = NEW.family AND chart_line = NEW.chart_line ORDER BY seq DESC"
    " LIMIT 1 OFFSET 50); END",  // 50: kMasteryWindow
    // Rows kept before the summaries were, added up into them.
    "INSERT INTO progress_days SELECT table_name, substr(played_at, 1, 10), count(*),"
    " total(grade <> 'correct'), total(" HANDFALL_MISTAKE_COST_OF("") ") FROM decisions"
    " WHERE drill = 0 GROUP BY 1, 2",
    "INSERT INTO class_recent SELECT family, chart_line, seq, grade = 'correct', "
    HANDFALL_MISTAKE_COST_OF("") " FROM (SELECT rowid AS seq, *, row_number() OVER"
    " (PARTITION BY family, chart_line ORDER BY rowid DESC) AS n FROM decisions"
    " WHERE chart_line IS NOT NULL) WHERE n <= 50"};
#undef HANDFALL_MISTAKE_COST
#undef HANDFALL_MISTAKE_COST_OF

const char* const kColumns =
    "played_at, table_name, family, bet, hands, deal, held, best, ev_held, ev_best, chart_line, "
    "grade, drill";

// A file SQLite cannot use: damaged or not a database (its own result codes, which the driver
// gives as the native error code, extended codes keeping the primary one in the low byte), or
// one it cannot open that we may not read. A file another program holds, an I/O error that may
// pass (a network home), a full disk and the like leave a good history where it is.
bool IsDamaged(const QSqlError& error, const QString& strPath) {
    bool bNumber = false;
    const int nCode = error.nativeErrorCode().toInt(&bNumber) & 0xff;
    return bNumber &&
           (nCode == 11 || nCode == 26 || (nCode == 14 && !QFileInfo(strPath).isReadable()));
}

// The first of "<file>.bad", "<file>.bad.1", ... that is not taken.
QString AsidePath(const QString& strPath) {
    QString strAside = strPath + ".bad";
    for (int n = 1; QFileInfo::exists(strAside); ++n)
        strAside = QString("%1.bad.%2").arg(strPath).arg(n);
    return strAside;
}

}  // namespace

CHistoryDatabase::CHistoryDatabase(QString strPath)
    : m_strPath(std::move(strPath)),
      m_strConnection(QString("history-%1").arg(reinterpret_cast<quintptr>(this))) {}

CHistoryDatabase::~CHistoryDatabase() {
    Close();
}

QString CHistoryDatabase::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/handfall/history.sqlite";
}

void CHistoryDatabase::Close() {
    m_pInsert.reset();
    if (QSqlDatabase::contains(m_strConnection)) {
        QSqlDatabase::database(m_strConnection, false).close();
        QSqlDatabase::removeDatabase(m_strConnection);
    }
}

std::string CHistoryDatabase::Fail(const QString& strWhat, const QSqlError& error, bool bOpening) {
    Close();
    const QString strWhy = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // A file that cannot be used is kept aside for the player to look at, so the next run
    // starts afresh.
    if (bOpening && IsDamaged(error, m_strPath) && QFileInfo::exists(m_strPath) && MoveAside())
        return (strWhat + ": " + strWhy + "; it is kept as " + QFileInfo(m_strAside).fileName())
            .toStdString();
    return (strWhat + ": " + strWhy).toStdString();
}

// The file with its journal and shared memory, or nothing: a journal left behind would be
// replayed into the new file made in its place.
bool CHistoryDatabase::MoveAside() {
    m_strAside = AsidePath(m_strPath);
    std::vector<const char*> vecMoved;
    for (const char* pszSuffix : {"", "-wal", "-shm"}) {
        const QString strFrom = m_strPath + pszSuffix;
        if (*pszSuffix != '\0' && !QFileInfo::exists(strFrom)) continue;
        if (!QFile::rename(strFrom, m_strAside + pszSuffix)) {
            for (const char* pszBack : vecMoved)
                QFile::rename(m_strAside + pszBack, m_strPath + pszBack);
            m_strAside.clear();
            return false;
        }
        vecMoved.push_back(pszSuffix);
    }
    return true;
}

std::string CHistoryDatabase::Open() {
    Close();
    if (!QSqlDatabase::isDriverAvailable("QSQLITE")) return "Qt has no SQLite driver";
    if (!QDir().mkpath(QFileInfo(m_strPath).absolutePath()))
        return ("cannot make " + QFileInfo(m_strPath).absolutePath()).toStdString();
    QString strWhat;
    // Every handle on the connection is gone before Fail closes it.
    const QSqlError error = Connect(strWhat);
    return error.isValid() ? Fail(strWhat, error, true) : "";
}

QSqlError CHistoryDatabase::Connect(QString& strWhat) {
    const QString strName = QFileInfo(m_strPath).fileName();
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", m_strConnection);
    db.setDatabaseName(m_strPath);
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=1000");
    strWhat = "cannot open " + strName;
    if (!db.open()) return db.lastError();
    QSqlQuery query(db);
    strWhat = "cannot read " + strName;
    // WAL: a commit is one append to the journal, and a kill never leaves a torn page behind.
    // NORMAL: no flush to the disk per decision; only a power cut can lose the last few.
    for (const char* pszStatement : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL",
                                     kSchema, "SELECT count(*) FROM decisions",
                                     "SELECT 1 FROM sqlite_master WHERE name = 'progress_days'"}) {
        if (!query.exec(pszStatement)) return query.lastError();
    }
    strWhat = "cannot write " + strName;
    if (!query.next()) {
        // New, or kept by a run without the summaries: made once, in one transaction.
        bool bMade = db.transaction();
        for (const char* pszStatement : kSummaries) bMade = bMade && query.exec(pszStatement);
        if (!bMade || !db.commit()) return query.lastError();
    }
    m_pInsert = std::make_unique<QSqlQuery>(db);
    if (!m_pInsert->prepare(QString("INSERT INTO decisions (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                    "?, ?, ?, ?, ?)")
                                .arg(kColumns)))
        return m_pInsert->lastError();
    return {};
}

std::string CHistoryDatabase::Append(const CDecisionRecord& record) {
    if (!m_pInsert) return "the history is not open";
    const QVariant arrValues[] = {QString::fromStdString(record.strPlayedAt),
                                  QString::fromStdString(record.strTableName),
                                  QString::fromStdString(record.strFamily),
                                  record.nBet,
                                  record.nHands,
                                  QString::fromStdString(record.strDeal),
                                  QString::fromStdString(record.strHeld),
                                  QString::fromStdString(record.strBest),
                                  record.dEvHeld,
                                  record.dEvBest,
                                  record.chartLine
                                      ? QVariant(QString::fromStdString(*record.chartLine))
                                      : QVariant(QMetaType::fromType<QString>()),
                                  QString(GradeKey(record.eGrade)),
                                  record.bDrill ? 1 : 0};
    for (int i = 0; i < static_cast<int>(std::size(arrValues)); ++i)
        m_pInsert->bindValue(i, arrValues[i]);
    // Outside a transaction, each statement is one: the row is in the file, or not at all.
    if (!m_pInsert->exec()) {
        const QSqlError error = m_pInsert->lastError();
        return Fail("cannot write " + QFileInfo(m_strPath).fileName(), error, false);
    }
    return "";
}

std::vector<CDecisionRecord> CHistoryDatabase::Load() const {
    std::vector<CDecisionRecord> vecRecords;
    if (!Read(vecRecords)) vecRecords.clear();
    return vecRecords;
}

bool CHistoryDatabase::Read(std::vector<CDecisionRecord>& vecRecords) const {
    if (!m_pInsert) return false;
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.setForwardOnly(true);
    if (!query.exec(QString("SELECT %1 FROM decisions ORDER BY rowid").arg(kColumns))) return false;
    while (query.next()) {
        CDecisionRecord record;
        record.strPlayedAt = query.value(0).toString().toStdString();
        record.strTableName = query.value(1).toString().toStdString();
        record.strFamily = query.value(2).toString().toStdString();
        record.nBet = query.value(3).toInt();
        record.nHands = query.value(4).toInt();
        record.strDeal = query.value(5).toString().toStdString();
        record.strHeld = query.value(6).toString().toStdString();
        record.strBest = query.value(7).toString().toStdString();
        record.dEvHeld = query.value(8).toDouble();
        record.dEvBest = query.value(9).toDouble();
        if (!query.value(10).isNull()) record.chartLine = query.value(10).toString().toStdString();
        record.eGrade =
            ParseGrade(query.value(11).toString().toStdString()).value_or(EGrade::Major);
        record.bDrill = query.value(12).toInt() != 0;
        vecRecords.push_back(std::move(record));
    }
    // A read cut short is no history: an export must not pass it off as the whole.
    return query.lastError().type() == QSqlError::NoError;
}

std::vector<CProgressPoint> CHistoryDatabase::Progress() const {
    std::vector<CProgressPoint> vecPoints;
    if (!m_pInsert) return vecPoints;
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.setForwardOnly(true);
    if (!query.exec("SELECT table_name, day, decisions, mistakes, cost FROM progress_days"))
        return vecPoints;
    while (query.next())
        vecPoints.push_back({query.value(0).toString().toStdString(),
                             query.value(1).toString().toStdString(), query.value(2).toInt(),
                             query.value(3).toInt(), query.value(4).toDouble()});
    SortProgress(vecPoints);
    return vecPoints;
}

std::vector<CMastery> CHistoryDatabase::Mastery(const std::string& strFamily) const {
    std::vector<CMastery> vecMastery;
    if (!m_pInsert) return vecMastery;
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.setForwardOnly(true);
    query.prepare(
        "SELECT chart_line, count(*), total(correct), total(cost) FROM class_recent "
        "WHERE family = ? GROUP BY chart_line");
    query.addBindValue(QString::fromStdString(strFamily));
    if (!query.exec()) return vecMastery;
    while (query.next())
        vecMastery.push_back({query.value(0).toString().toStdString(), query.value(1).toInt(),
                              query.value(2).toInt(), query.value(3).toDouble()});
    SortMastery(vecMastery);
    return vecMastery;
}

int CHistoryDatabase::Count() const {
    if (!m_pInsert) return 0;
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    return query.exec("SELECT count(*) FROM decisions") && query.next() ? query.value(0).toInt()
                                                                        : 0;
}

std::string CHistoryDatabase::Clear() {
    if (!m_pInsert) return "the history is not open";
    QSqlDatabase db = QSqlDatabase::database(m_strConnection, false);
    QSqlQuery query(db);
    // One transaction: the rows and the figures summed from them go together or not at all.
    bool bCleared = db.transaction();
    for (const char* pszTable : {"decisions", "progress_days", "class_recent"})
        bCleared = bCleared && query.exec(QString("DELETE FROM ") + pszTable);
    if (!bCleared || !db.commit()) {
        const QString strWhy =
            query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
        db.rollback();
        return strWhy.toStdString();
    }
    // The space goes back to the disk too.
    query.exec("VACUUM");
    return "";
}

std::string CHistoryDatabase::ExportCsv(const QString& strPath) const {
    std::vector<CDecisionRecord> vecRecords;
    if (!Read(vecRecords)) return "the history cannot be read";
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    file.write(CsvHeader().c_str());
    for (const CDecisionRecord& record : vecRecords) file.write(CsvLine(record).c_str());
    if (!file.commit()) return file.errorString().toStdString();
    return "";
}
