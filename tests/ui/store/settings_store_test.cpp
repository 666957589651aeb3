// The one settings file: a feature's write keeps every other key, a bad entry costs only
// itself, a file that was not read whole is copied aside before it is written over, and
// nothing but a regular file is opened.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "games/game_variants.h"
#include "games/pay_table_text.h"
#include "ui/paytables/pay_table_settings.h"
#include "ui/store/settings_store.h"

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    void Put(const QByteArray& data) {
        QDir().mkpath(QFileInfo(m_strPath).path());
        QFile file(m_strPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    static QByteArray Get(const QString& strPath) {
        QFile file(strPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    std::vector<std::string> ReadTables(CPayTableSettings& settings) {
        return ReadPayTableSettings(m_store, settings);
    }

    QTemporaryDir m_dir;
    QString m_strPath = m_dir.filePath("handfall/handfall.ini");
    CSettingsStore m_store{m_strPath};
};

const CPayTable kMine = MakePlayerPayTable(GetFamily("jacks"), "Mine", kCasinoRules,
                                           {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800);

// Ticking the coach's warning between two pay-table changes lost every own table and choice.
TEST_F(SettingsStoreTest, EachFeatureWritesItsOwnKeysAndKeepsEveryOther) {
    CPayTableSettings settings;
    settings.vecOwn = {kMine};
    settings.arrChosen[GAME_JACKS_OR_BETTER] = "Mine";
    ASSERT_EQ(WritePayTableSettings(m_store, settings), "");
    ASSERT_EQ(m_store.SetValues({{"Coach/WarnBeforeCostlyDraw", true}}), "");
    QByteArray data = Get(m_strPath);
    Put(data + "[Later]\nfeature=kept\n");  // a key of a later version

    CPayTableSettings read;
    EXPECT_TRUE(ReadTables(read).empty());
    ASSERT_EQ(read.vecOwn.size(), 1u);
    EXPECT_EQ(read.vecOwn[0], kMine);
    EXPECT_EQ(read.arrChosen[GAME_JACKS_OR_BETTER], "Mine");
    read.arrChosen[GAME_BONUS] = "Bonus Poker 8/5";
    ASSERT_EQ(WritePayTableSettings(m_store, read), "");
    EXPECT_TRUE(m_store.Value("Coach/WarnBeforeCostlyDraw").toBool());
    EXPECT_EQ(m_store.Value("Later/feature").toString(), "kept");
    EXPECT_EQ(m_store.Value("games/bonus").toString(), "Bonus Poker 8/5");
    EXPECT_FALSE(QFileInfo::exists(m_strPath + ".bad")) << "a whole file was copied aside";
}

// What each damaged file still gives, how many lines it costs, and that the next write keeps
// the file as it was beside it.
TEST_F(SettingsStoreTest, ABadEntryIsSkippedAndADamagedFileIsCopiedAsideBeforeAWrite) {
    const QByteArray kGood =
        "[own]\n1\\name=Mine\n1\\family=jacks\n1\\rules=casino\n1\\pays=250 50 25 9 6 4 3 2 1\n"
        "1\\royal-at-5=800\n";
    const QByteArray kBad =
        "2\\name=Big\n2\\family=jacks\n2\\rules=casino\n2\\pays=250 50 25 9 6 4 3 2 100001\n"
        "2\\royal-at-5=800\n";
    const struct {
        const char* pszCase;
        QByteArray data;
        std::size_t nOwn;
        const char* pszLine;  // in the one line on standard error
        bool bCopied;
    } kCases[] = {
        {"whole", kGood + "size=1\n[games]\njacks=Mine\n", 1, nullptr, false},
        {"one bad table of two", kGood + kBad + "size=2\n[games]\njacks=Mine\n", 1,
         "own table 2 (\"Big\"): Pays", true},
        {"cut before the count", kGood, 1, "the count is missing", true},
        {"last line cut", kGood + "size=1\n[games]\njacks=Mi", 1, "cut short", true},
        {"unknown choice", kGood + "size=1\n[games]\njacks=Gone\n", 1,
         "no Jacks or Better table is called \"Gone\"", true},
        {"garbage",
         QByteArray("\x7f"
                    "ELF\x01\x02\x00\xff\xfe garbage",
                    17),
         0, "not text", true},
        {"a line that is no entry", "hello\n" + kGood + "size=1\n", 1, "line 1 is no entry", true},
        {"binary, long", QByteArray(500, '\x01') + '\xff', 0, "not text", true},
    };
    for (const auto& c : kCases) {
        Put(c.data);
        CPayTableSettings settings;
        const std::vector<std::string> vecLines = ReadTables(settings);
        EXPECT_EQ(settings.vecOwn.size(), c.nOwn) << c.pszCase;
        ASSERT_EQ(vecLines.size(), c.pszLine ? 1u : 0u) << c.pszCase;
        if (c.pszLine) {
            EXPECT_NE(vecLines[0].find(c.pszLine), std::string::npos) << vecLines[0];
            EXPECT_LT(vecLines[0].size(), 300u) << c.pszCase;
            for (const char ch : vecLines[0]) EXPECT_GE(static_cast<unsigned char>(ch), 0x20);
        }
        EXPECT_EQ(Get(m_strPath), c.data) << c.pszCase << ": reading touched the file";
        settings.arrChosen[GAME_DUCES_WILD] = "Deuces Wild (full pay)";
        EXPECT_EQ(WritePayTableSettings(m_store, settings), "") << c.pszCase;
        EXPECT_EQ(Get(m_strPath + ".bad"), c.bCopied ? c.data : QByteArray("(missing)"))
            << c.pszCase;
        CPayTableSettings after;
        EXPECT_TRUE(ReadTables(after).empty()) << c.pszCase << ": the written file is whole";
        EXPECT_EQ(after.vecOwn.size(), c.nOwn) << c.pszCase;
        QFile::remove(m_strPath + ".bad");
    }
}

TEST_F(SettingsStoreTest, ACopyAsideNeverReplacesAnEarlierOne) {
    Put("garbage\n");
    QFile::copy(m_strPath, m_strPath + ".bad");
    QFile::copy(m_strPath, m_strPath + ".bad.1");
    Put("more garbage\n");
    ASSERT_EQ(m_store.SetValues({{"Coach/WarnBeforeCostlyDraw", true}}), "");
    EXPECT_EQ(Get(m_strPath + ".bad"), "garbage\n");
    EXPECT_EQ(Get(m_strPath + ".bad.2"), "more garbage\n");
}

// A FIFO blocked the game before its first window; a directory is no file either.
TEST_F(SettingsStoreTest, OnlyARegularFileIsOpened) {
    Put({});
    QFile::remove(m_strPath);
    ASSERT_EQ(mkfifo(m_strPath.toLocal8Bit().constData(), 0600), 0);
    const CSettingsRead read = m_store.Read();
    EXPECT_FALSE(read.bWhole);
    ASSERT_EQ(read.vecProblems.size(), 1u);
    EXPECT_NE(read.vecProblems[0].find("not a regular file"), std::string::npos);
    EXPECT_NE(m_store.SetValues({{"Coach/WarnBeforeCostlyDraw", true}}), "");
    struct stat st {};
    ASSERT_EQ(stat(m_strPath.toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";
}

// A write in place, cut by a kill, would leave half a file: the new file is put beside the old
// one and renamed over it, so a second name for the old file still reads it whole.
TEST_F(SettingsStoreTest, AWriteReplacesTheFileWholeAndNeverWritesIntoIt) {
    ASSERT_EQ(m_store.SetValues({{"Coach/WarnThreshold", 1.0}}), "");
    const QByteArray old = Get(m_strPath);
    const QString strLink = m_dir.filePath("old.ini");
    ASSERT_EQ(link(m_strPath.toLocal8Bit().constData(), strLink.toLocal8Bit().constData()), 0);
    ASSERT_EQ(m_store.SetValues({{"Coach/WarnThreshold", 5.0}}), "");
    EXPECT_EQ(Get(strLink), old);
    EXPECT_EQ(m_store.Value("Coach/WarnThreshold").toDouble(), 5.0);
}

}  // namespace
