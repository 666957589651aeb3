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

// A player's own table may have any name: commas and quotes are quoted as spreadsheets read them.
TEST_F(HistoryDatabaseTest, ExportsCsvAndClears) {
    CHistoryDatabase history(strPath);
    ASSERT_EQ(history.Open(), "");
    CDecisionRecord row = Row("Ah 7c 8d 2s 3h", EGrade::Major);
    row.strTableName = "Mine, \"loose\"";
    row.chartLine = "High Card";
    ASSERT_EQ(history.Append(row), "");
    ASSERT_EQ(history.ExportCsv(dir.filePath("history.csv")), "");
    EXPECT_EQ(Contents(dir.filePath("history.csv")),
              "played_at,table_name,family,bet,hands,deal,held,best,ev_held,ev_best,chart_line,"
              "grade,drill\r\n2026-12-09T07:21:07Z,\"Mine, \"\"loose\"\"\",jacks,5,10,"
              "Ah 7c 8d 2s 3h,-,Ah,0.35000000,0.47619048,High Card,major,0\r\n");
    EXPECT_EQ(history.Clear(), "");
    EXPECT_TRUE(history.Load().empty());
    EXPECT_TRUE(history.Progress().empty()) << "the figures summed from the rows went with them";
}

// A write that fails turns the history off and leaves the file where it is: only a file that
// cannot be opened as a database is moved aside.
TEST_F(HistoryDatabaseTest, AFailedWriteLeavesTheFileInPlace) {
    CHistoryDatabase history(strPath);
    ASSERT_EQ(history.Open(), "");
    ASSERT_EQ(history.Append(Row("Ah 7c 8d 2s 3h", EGrade::Major)), "");
    {  // another program takes the table away under the open history
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
        db.setDatabaseName(strPath);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("DROP TABLE decisions"));
        db.close();
    }
    QSqlDatabase::removeDatabase("other");
    EXPECT_NE(history.Append(Row("Kh 7c 8d 2s 3h", EGrade::Major)), "");
    EXPECT_FALSE(history.IsOpen());
    EXPECT_TRUE(QFile::exists(strPath));
    EXPECT_FALSE(QFile::exists(strPath + ".bad"));
}

}  // namespace

namespace {

// The database adds up the same figures as the rules over a list, on a history of two days,
// two tables, drills and more than 50 decisions of one class.
TEST_F(HistoryDatabaseTest, ProgressAndMasteryAddUpAsOverTheListOfRows) {
    CHistoryDatabase history(strPath);
    ASSERT_EQ(history.Open(), "");
    CMemoryHistory list;
    const char* const arrLines[] = {"High Pair", "Low Pair", "4 to a Flush"};
    for (int i = 0; i < 260; ++i) {
        CDecisionRecord record = Row("Ah 7c 8d 2s 3h", static_cast<EGrade>(i % 3));
        record.strPlayedAt = i < 120 ? "2026-12-08T23:59:59Z" : "2026-12-09T00:00:00Z";
        record.strTableName = i % 4 == 0 ? "Jacks or Better 8/5" : "Jacks or Better 9/6";
        record.dEvHeld = record.eGrade == EGrade::Correct ? record.dEvBest : 0.01 * (i % 7);
        record.nBet = 1 + i % 5;
        record.bDrill = i % 10 == 0;
        if (i % 13 != 0) record.chartLine = arrLines[i % 11 % 3];
        if (i % 17 == 0) record.strFamily = "deuces";
        ASSERT_EQ(history.Append(record), "");
        list.Append(record);
    }
    const auto compare = [&list](const CHistoryDatabase& history) {
        const std::vector<CProgressPoint> vecPoints = history.Progress();
        ASSERT_EQ(vecPoints.size(), 4u);
        const std::vector<CProgressPoint> vecExpected = list.Progress();
        for (size_t i = 0; i < vecPoints.size(); ++i) {
            EXPECT_EQ(vecPoints[i].strTable + vecPoints[i].strDay,
                      vecExpected[i].strTable + vecExpected[i].strDay);
            EXPECT_EQ(vecPoints[i].nDecisions, vecExpected[i].nDecisions);
            EXPECT_EQ(vecPoints[i].nMistakes, vecExpected[i].nMistakes);
            EXPECT_NEAR(vecPoints[i].dCost, vecExpected[i].dCost, 1e-9);
        }
        const std::vector<CMastery> vecMastery = history.Mastery("jacks");
        const std::vector<CMastery> vecMasteryExpected = list.Mastery("jacks");
        ASSERT_EQ(vecMastery.size(), 3u);
        for (const CMastery& mastery : vecMastery) EXPECT_EQ(mastery.nDecisions, kMasteryWindow);
        for (size_t i = 0; i < vecMastery.size(); ++i) {
            EXPECT_EQ(vecMastery[i].strClass, vecMasteryExpected[i].strClass);
            EXPECT_EQ(vecMastery[i].nDecisions, vecMasteryExpected[i].nDecisions);
            EXPECT_EQ(vecMastery[i].nCorrect, vecMasteryExpected[i].nCorrect);
            EXPECT_NEAR(vecMastery[i].dCost, vecMasteryExpected[i].dCost, 1e-9);
        }
    };
    compare(history);
    // A file kept before the summaries were: they are made from its rows.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "older");
        db.setDatabaseName(strPath);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* pszDrop :
             {"DROP TABLE progress_days", "DROP TABLE class_recent",
              "DROP TRIGGER decisions_progress", "DROP TRIGGER decisions_mastery"})
            ASSERT_TRUE(query.exec(pszDrop));
    }
    QSqlDatabase::removeDatabase("older");
    CHistoryDatabase older(strPath);
    ASSERT_EQ(older.Open(), "");
    compare(older);
}

}  // namespace
