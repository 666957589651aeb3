// The editor refuses, with the field and why, what cannot be kept: a number out of range as
// typed (not clamped), a name over 60 characters (not bytes) or that would read other than
// written, and a name another table has in any case of any script.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "games/game_variants.h"
#include "games/pay_table_text.h"
#include "ui/paytables/pay_table_editor.h"

namespace {

using namespace std::string_literals;

TEST(PayTableEditorTest, RefusesWhatCannotBeKeptWithTheFieldAndWhy) {
    const std::vector<CPayTable> vecOwn{
        MakePlayerPayTable(GetFamily("jacks"), "\u03a9mega", kCasinoRules,
                           {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800),
        MakePlayerPayTable(GetFamily("jacks"), "\u00e9", kCasinoRules,
                           {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800)};
    QString strForty;
    for (int i = 0; i < 40; ++i) strForty += QChar(0xE9);
    const struct {
        const char* pszField;  // by its accessible name
        QString strTyped;
        const char* pszError;  // "" when the table is kept
    } kCases[] = {
        {"Pair, per coin", "100001",
         "Pair: a pay is a whole number from 0 to 100000, not \"100001\""},
        {"Pair, per coin", "-5", "Pair: a pay is a whole number from 0 to 100000, not \"-5\""},
        {"Royal Flush at 5 coins, per coin", "99999999999",
         "Royal Flush at 5 coins: a pay is a whole number from 0 to 100000, not \"99999999999\""},
        {"Royal Flush at 1 to 4 coins, per coin", "", "Royal Flush at 1 to 4 coins: a pay is"},
        {"2 Pair, per coin", "0", "2 Pair at 1 coin: a hand that makes it is also Pair"},
        {"Name", strForty, ""},
        {"Name", strForty + strForty.left(21), "Name: at most 60 characters, not 61"},
        {"Name", "My\u202Etable", "Name: no characters that change the direction of the text"},
        {"Name", "\u03c9MEGA", "Name: \"\u03c9MEGA\" is taken by another of your tables"},
        {"Name", "\u00c9", "Name: \"\u00c9\" is taken by another of your tables"},
    };
    for (const auto& c : kCases) {
        CPayTableEditor editor(
            nullptr, AsBuiltPayTable(GAME_JACKS_OR_BETTER),
            [&vecOwn](const CPayTable& t) { return CheckOwnTableName(t, vecOwn); });
        editor.findChild<QLineEdit*>()->setText("Mine");
        QWidget* pField = nullptr;
        for (QWidget* pWidget : editor.findChildren<QWidget*>())
            if (pWidget->accessibleName() == c.pszField) pField = pWidget;
        ASSERT_NE(pField, nullptr) << c.pszField;
        // A number typed as the player types it, where a field could refuse or change a key.
        if (auto* pName = qobject_cast<QLineEdit*>(pField); pName && c.pszField == "Name"s) {
            pName->setText(c.strTyped);
        } else {
            QTest::keyClick(pField, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(pField, Qt::Key_Delete);
            QTest::keyClicks(pField, c.strTyped);
        }
        editor.accept();
        QString strShown;
        for (QLabel* pLabel : editor.findChildren<QLabel*>())
            if (pLabel->accessibleName() == "Why the table cannot be kept")
                strShown = pLabel->text();
        EXPECT_EQ(editor.result() == QDialog::Accepted, *c.pszError == '\0') << c.pszError;
        EXPECT_TRUE(*c.pszError ? strShown.startsWith(QString::fromUtf8(c.pszError))
                                : strShown.isEmpty())
            << c.pszError << " | " << strShown.toStdString();
    }
}

}  // namespace
