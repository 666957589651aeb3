#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "games/game_variants.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/static_text.h"
#include "table/pay_table_dlg.h"
#include "table/table_resources.h"
#include "ui/ui_setup.h"

namespace {

class PayTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetUpApplicationLook(*qApp);
        ASSERT_TRUE(LoadProgramResources(1.0));
    }
    PayTableTest() : m_host(m_dlg, nullptr) { m_dlg.OnInitDialog(); }

    CStaticText* FindText(const QString& strStart) const {
        for (auto* p : m_host.findChildren<CStaticText*>())
            if (p->GetText().startsWith(strStart)) return p;
        return nullptr;
    }
    CStaticText* FindExactText(const char* psz) const {
        for (auto* p : m_host.findChildren<CStaticText*>())
            if (p->GetText() == QString(psz).replace("\r\n", "\n")) return p;
        return nullptr;
    }

    CPayTableDlg m_dlg;
    CQtDialogHost m_host;
};

TEST_F(PayTableTest, ShowsTitleVersionIconOkAndTheFourTablesLeftToRight) {
    EXPECT_EQ(m_host.size(), QSize(657, 289));
    EXPECT_EQ(m_host.windowTitle(), "Handfall II Pay Table");
    EXPECT_FALSE(m_host.windowFlags() & Qt::WindowMinimizeButtonHint);
    ASSERT_NE(FindText("Handfall Version 2.0\n"), nullptr);
    auto* pOk = m_host.findChild<QPushButton*>();
    ASSERT_NE(pOk, nullptr);
    EXPECT_EQ(pOk->text(), "OK");
    EXPECT_TRUE(pOk->isDefault());
    const auto* pIcon = m_host.findChild<QLabel*>();
    ASSERT_NE(pIcon, nullptr);
    EXPECT_FALSE(pIcon->pixmap().isNull());

    QStringList groups;
    std::vector<std::pair<int, QString>> byX;
    for (auto* p : m_host.findChildren<QGroupBox*>()) byX.push_back({p->x(), p->title()});
    std::sort(byX.begin(), byX.end());
    for (const auto& [x, title] : byX) groups << title;
    EXPECT_EQ(groups, (QStringList{"Jacks or Better", "Bonus", "Double Bonus", "Duces Wild"}));

    EXPECT_NE(FindText("Royal Flush\t250\nStraight Flush\t50\n4 of a Kind\t25"), nullptr);
    EXPECT_NE(FindText("Royal Flush\t250\n\twith 2's\t25\n4 Wild\t\t200"), nullptr);
}

TEST_F(PayTableTest, OkAndEscapeEndIt) {
    m_host.show();
    m_host.findChild<QPushButton*>()->click();
    EXPECT_FALSE(m_host.isVisible());
    EXPECT_EQ(m_host.result(), IDOK);
}

// The pays of every table stand in one column: the first ink right of the names starts at the
// same x on every line.
TEST_F(PayTableTest, TabsLineThePaysUpInAColumn) {
    for (const CGameVariant& variant : GameVariants()) {
        const std::string strText = PayTableText(variant);
        const char* psz = strText.c_str();
        CStaticText* pText = FindExactText(psz);
        ASSERT_NE(pText, nullptr);
        QImage image(pText->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        pText->render(&image);
        const int nLines = QString(psz).count("\r\n") + 1;
        const int nLineHeight = QFontMetrics(pText->font()).lineSpacing();
        std::vector<int> starts;
        for (int line = 0; line < nLines; ++line) {
            // The pay is the last run of ink on the line; find where it starts.
            int nLast = -1, nStart = -1;
            for (int x = image.width() - 1; x >= 0 && nStart < 0; --x) {
                bool bInk = false;
                for (int y = line * nLineHeight; y < (line + 1) * nLineHeight; ++y)
                    bInk |= qGray(image.pixel(x, y)) < 128;
                if (bInk && nLast < 0) nLast = x;
                if (!bInk && nLast >= 0 && nLast - x > 0) {
                    // a gap wider than a digit's spacing ends the pay
                    int nGap = 0;
                    while (x - nGap >= 0 && nGap < 6) {
                        bool bAny = false;
                        for (int y = line * nLineHeight; y < (line + 1) * nLineHeight; ++y)
                            bAny |= qGray(image.pixel(x - nGap, y)) < 128;
                        if (bAny) break;
                        ++nGap;
                    }
                    if (nGap >= 6) nStart = x + 1;
                }
            }
            ASSERT_GE(nStart, 0) << psz << " line " << line;
            starts.push_back(nStart);
        }
        for (int n : starts) EXPECT_NEAR(n, starts[0], 1) << psz;
        EXPECT_NEAR(starts[0], CStaticText::kTabStopPixels * 2, 1) << psz;
    }
}

}  // namespace
