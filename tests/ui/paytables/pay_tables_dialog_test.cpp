// The Pay Tables dialog on the real table: a choice rules the game and is kept, but only while
// a deal is possible.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStyleOptionComboBox>

#include "games/game_variants.h"
#include "games/pay_table_text.h"
#include "ui/paytables/pay_tables_dialog.h"
#include "ui/store/settings_store.h"
#include "ui/ui_fixture.h"

namespace {

class PayTablesDialogTest : public TableWindowTest {
protected:
    PayTablesDialogTest() {
        QDir().mkpath(QFileInfo(m_strPath).path());
        QFile::remove(m_strPath);
    }
    ~PayTablesDialogTest() override { QFile::remove(m_strPath); }

    QByteArray ReadSettings() {
        QFile file(m_strPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    const QString m_strPath = CSettingsStore::DefaultPath();
    CPayTablesDialog& m_dialog = *m_pHost->findChild<CPayTablesDialog*>();
};

// Only the table's check box keeps its spelling "Duces Wild"; the window beside it writes the
// game's name, in its labels, its choosers' names and the tables they offer.
TEST_F(PayTablesDialogTest, SpellsDeucesWildAsTheGameIsCalledNotAsTheCheckBoxHasIt) {
    m_dialog.ShowBesideTable();
    QStringList texts;
    for (const QLabel* pLabel : m_dialog.findChildren<QLabel*>()) texts << pLabel->text();
    for (const QComboBox* pChooser : m_dialog.findChildren<QComboBox*>()) {
        texts << pChooser->accessibleName();
        for (int i = 0; i < pChooser->count(); ++i) texts << pChooser->itemText(i);
    }
    EXPECT_TRUE(texts.contains("Deuces Wild:"));
    EXPECT_FALSE(texts.join('\n').contains("Duces")) << texts.join('\n').toStdString();
    EXPECT_EQ(Caption(IDC_DUCES_WILD), "Duces Wild");
}

TEST_F(PayTablesDialogTest, AChoiceRulesTheGameIsKeptAndWaitsWhileADealIsOpen) {
    m_dialog.ShowBesideTable();
    QComboBox* pJacks = m_dialog.Chooser(GAME_JACKS_OR_BETTER);
    ASSERT_NE(pJacks, nullptr);
    const int n96 = pJacks->findText("Jacks or Better 9/6", Qt::MatchStartsWith);
    ASSERT_GT(n96, 0);
    ASSERT_TRUE(m_dialog.Choose(GAME_JACKS_OR_BETTER, n96));
    EXPECT_EQ(m_pDlg->GetPayTable(GAME_JACKS_OR_BETTER).Pay(0, 5), 800);
    CPayTableSettings kept;
    ASSERT_TRUE(ReadPayTableSettings(CSettingsStore(m_strPath), kept).empty());
    EXPECT_EQ(kept.arrChosen[GAME_JACKS_OR_BETTER], "Jacks or Better 9/6");

    m_pDlg->OnDeal();
    m_dialog.hide();
    m_dialog.ShowBesideTable();
    EXPECT_FALSE(pJacks->isEnabled()) << "a choice while the deal waits for its draw";
    EXPECT_FALSE(m_dialog.Choose(GAME_JACKS_OR_BETTER, 0));
    EXPECT_EQ(m_pDlg->GetPayTable(GAME_JACKS_OR_BETTER).strName, "Jacks or Better 9/6");
    EXPECT_EQ(pJacks->currentIndex(), n96);
    EXPECT_TRUE(m_dialog.GetStatus().contains("only while a deal is possible"));
}

TEST_F(PayTablesDialogTest, AnOwnTableIsOfferedToItsFamilyAndARefusalChangesNothing) {
    const CPayTable mine = MakePlayerPayTable(GetFamily("bonus"), "Mine", kCasinoRules,
                                              {250, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1}, 900);
    ASSERT_TRUE(m_dialog.KeepOwnTable(mine));
    const QByteArray kept = ReadSettings();
    CPayTable duplicate = mine, cheapFlush = mine;
    duplicate.strName = "mine";
    cheapFlush.strName = "Other";
    cheapFlush.arrPays[1].fill(1);  // a straight flush that pays less than its flush
    for (const CPayTable& refused : {duplicate, cheapFlush}) {
        EXPECT_FALSE(m_dialog.KeepOwnTable(refused));
        EXPECT_TRUE(
            m_dialog.GetStatus().startsWith(refused.strName == "mine" ? "Name:" : "Straight Flush"))
            << m_dialog.GetStatus().toStdString();
        EXPECT_EQ(ReadSettings(), kept);
    }
    EXPECT_EQ(m_dialog.GetSettings().vecOwn.size(), 1u);
    const std::vector<CPayTable> vecChoices =
        PayTableChoices(GAME_DOUBLE_BONUS, m_dialog.GetSettings().vecOwn);
    ASSERT_TRUE(m_dialog.Choose(GAME_DOUBLE_BONUS, static_cast<int>(vecChoices.size()) - 1));
    EXPECT_EQ(m_pDlg->GetPayTable(GAME_DOUBLE_BONUS), mine);
    ASSERT_TRUE(m_dialog.DeleteOwnTable(0));
    EXPECT_EQ(m_pDlg->GetPayTable(GAME_DOUBLE_BONUS), AsBuiltPayTable(GAME_DOUBLE_BONUS));
}

// A name of 60 wide letters is cut short in the chooser and in the list of one's own tables, so
// that the returns and the family after it stay in view; the whole name is the tip.
TEST_F(PayTablesDialogTest, ALongNameIsCutShortAndTheReturnsStayInView) {
    m_dialog.ShowBesideTable();
    const CPayTable mine = MakePlayerPayTable(GetFamily("jacks"), std::string(60, 'W'),
                                              kCasinoRules, {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800);
    ASSERT_TRUE(m_dialog.KeepOwnTable(mine));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_dialog.IsWorking(); }, 180000));
    QComboBox* pJacks = m_dialog.Chooser(GAME_JACKS_OR_BETTER);
    const int nMine = pJacks->count() - 1;
    ASSERT_TRUE(m_dialog.Choose(GAME_JACKS_OR_BETTER, nMine));
    QApplication::processEvents();
    QStyleOptionComboBox option;
    option.initFrom(pJacks);
    const QRect rcField = pJacks->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, pJacks);
    for (int i = 0; i < pJacks->count(); ++i)
        EXPECT_LE(pJacks->fontMetrics().horizontalAdvance(pJacks->itemText(i)), rcField.width())
            << pJacks->itemText(i).toStdString();
    EXPECT_TRUE(pJacks->itemText(nMine).endsWith("at 5 coins"))
        << pJacks->itemText(nMine).toStdString();
    EXPECT_EQ(pJacks->itemData(nMine, Qt::ToolTipRole).toString().toStdString(), mine.strName);
    const QListWidget* pOwn = m_dialog.findChild<QListWidget*>();
    EXPECT_LE(pOwn->fontMetrics().horizontalAdvance(pOwn->item(0)->text()),
              pOwn->viewport()->width());
    EXPECT_TRUE(pOwn->item(0)->text().endsWith("(Jacks or Better)"));
}

// Below each chooser, the chosen table's variance and the royal at which it breaks even, as
// published for Jacks or Better 8/5.
TEST_F(PayTablesDialogTest, TheChosenTablesVarianceAndBreakEvenStandBelowIt) {
    m_dialog.ShowBesideTable();
    QComboBox* pJacks = m_dialog.Chooser(GAME_JACKS_OR_BETTER);
    ASSERT_TRUE(m_dialog.Choose(GAME_JACKS_OR_BETTER,
                                pJacks->findText("Jacks or Better 8/5", Qt::MatchStartsWith)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_dialog.IsWorking(); }, 180000));
    QStringList lines;
    for (const QLabel* pLabel : m_dialog.findChildren<QLabel*>())
        if (pLabel->accessibleName() == "Figures of the table") lines << pLabel->text();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(
        lines.contains("Variance 19.3233 at 5 coins; the royal breaks even at 1,734 per "
                       "coin (8,670 coins at 5 coins)"))
        << lines.join('\n').toStdString();
}

}  // namespace
