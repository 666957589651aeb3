// The history's file: rows read back as written, in a WAL journal; a file that is no database
// is kept aside whole and the next open starts afresh; CSV and clearing.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "ui/store/history_database.h"

namespace {

CDecisionRecord Row(const std::string& strDeal, EGrade eGrade) {
    CDecisionRecord record;
    record.strPlayedAt = "2026-12-09T07:21:07Z";
    record.strTableName = "Jacks or Better 9/6";
    record.strFamily = "jacks";
    record.nBet = 5;
    record.nHands = 10;
    record.strDeal = strDeal;
    record.strHeld = "-";
    record.strBest = "Ah";
    record.dEvHeld = 0.35;
    record.dEvBest = 0.47619048;
    record.eGrade = eGrade;
    return record;
}

QByteArray Contents(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class HistoryDatabaseTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString strPath = dir.filePath("handfall/history.sqlite");
};

TEST_F(HistoryDatabaseTest, RowsReadBackAsWrittenFromAWalJournal) {
    {
        CHistoryDatabase history(strPath);
        ASSERT_EQ(history.Open(), "");
        CDecisionRecord charted = Row("Ah 7c 8d 2s 3h", EGrade::Major);
        charted.chartLine = "A";
        charted.bDrill = true;
        ASSERT_EQ(history.Append(charted), "");
        ASSERT_EQ(history.Append(Row("Kh 7c 8d 2s 3h", EGrade::Minor)), "");
    }
    CHistoryDatabase again(strPath);
    ASSERT_EQ(again.Open(), "");
    const std::vector<CDecisionRecord> vecRows = again.Load();
    ASSERT_EQ(vecRows.size(), 2u);
    CDecisionRecord charted = Row("Ah 7c 8d 2s 3h", EGrade::Major);
    charted.chartLine = "A";
    charted.bDrill = true;
    EXPECT_EQ(vecRows[0], charted);
    EXPECT_EQ(vecRows[1], Row("Kh 7c 8d 2s 3h", EGrade::Minor));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(strPath);
        ASSERT_TRUE(db.open());
        QSqlQuery query("PRAGMA journal_mode", db);
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "wal");
    }
    QSqlDatabase::removeDatabase("probe");
}

TEST_F(HistoryDatabaseTest, AFileThatIsNoDatabaseIsKeptAsideAndTheNextRunStartsAfresh) {
    QDir().mkpath(dir.filePath("handfall"));
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray damaged = QByteArray("SQLite format 3").leftJustified(4096, '\x7f');
    file.write(damaged);
    file.close();

    CHistoryDatabase history(strPath);
    const std::string strWhy = history.Open();
    EXPECT_NE(strWhy.find("history.sqlite.bad"), std::string::npos) << strWhy;
    EXPECT_FALSE(history.IsOpen());
    EXPECT_NE(history.Append(Row("Ah 7c 8d 2s 3h", EGrade::Major)), "");
    EXPECT_EQ(Contents(strPath + ".bad"), damaged);
    EXPECT_FALSE(QFile::exists(strPath));

    CHistoryDatabase next(strPath);
    ASSERT_EQ(next.Open(), "");
    EXPECT_EQ(next.Append(Row("Ah 7c 8d 2s 3h", EGrade::Major)), "");
    EXPECT_EQ(next.Load().size(), 1u);
}

TEST_F(HistoryDatabaseTest, ExportsCsvAndClears) {
    CHistoryDatabase history(strPath);
    ASSERT_EQ(history.Open(), "");
    ASSERT_EQ(history.Append(Row("Ah 7c 8d 2s 3h", EGrade::Major)), "");
    ASSERT_EQ(history.ExportCsv(dir.filePath("history.csv")), "");
    EXPECT_EQ(
        Contents(dir.filePath("history.csv")),
        QByteArray(CsvHeader().c_str()) + CsvLine(Row("Ah 7c 8d 2s 3h", EGrade::Major)).c_str());
    EXPECT_EQ(history.Clear(), "");
    EXPECT_TRUE(history.Load().empty());
}

}  // namespace
