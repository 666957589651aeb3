#include "table/pay_table_dlg.h"
#include "ui/ui_fixture.h"

namespace {

class PayTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetUpApplicationLook(*qApp);
        ASSERT_TRUE(LoadProgramResources(1.0));
    }
    PayTableTest() { m_dlg.OnInitDialog(); }

    std::vector<CStaticText*> PayTexts() const {
        std::vector<CStaticText*> texts;
        for (auto* p : m_host.findChildren<CStaticText*>())
            if (p->GetText().startsWith("Royal Flush")) texts.push_back(p);
        return texts;
    }

    CPayTableDlg m_dlg;
    CQtDialogHost m_host{m_dlg, nullptr};
};

TEST_F(PayTableTest, ShowsTheGoldenLayoutWithTheFourTablesLeftToRight) {
    ExpectGolden("pay_table", DescribeWidgets(m_host));
    EXPECT_FALSE(m_host.windowFlags() & Qt::WindowMinimizeButtonHint);
    const std::pair<const char*, const char*> tables[] = {
        {"Jacks or Better",
         "Royal Flush\t250\nStraight Flush\t50\n4 of a Kind\t25\nFull House\t9\nFlush\t\t6\n"
         "Straight\t\t4\n3 of a Kind\t3\n2 Pair\t\t2\nPair J's or Better\t1"},
        {"Bonus",
         "Royal Flush\t250\nStraight Flush\t50\n4 Aces\t\t80\n4 (2, 3, 4)\t40\n4 (5-K's)\t\t25\n"
         "Full House\t8\nFlush\t\t5\nStraight\t\t4\n3 of a Kind\t3\n2 Pair\t\t2\n"
         "Pair J's or Better\t1"},
        {"Double Bonus",
         "Royal Flush\t250\nStraight Flush\t50\n4 Aces\t\t160\n4 (2, 3, 4)\t80\n4 (5-K's)\t\t50\n"
         "Full House\t10\nFlush\t\t7\nStraight\t\t5\n3 of a Kind\t3\n2 Pair\t\t1\n"
         "Pair J's or Better\t1"},
        {"Duces Wild",
         "Royal Flush\t250\n\twith 2's\t25\n4 Wild\t\t200\n5 of a Kind\t15\nStraight Flush\t9\n"
         "4 of a Kind\t5\nFull House\t3\nFlush\t\t2\nStraight\t\t2\n3 of a Kind\t1"}};
    std::vector<std::pair<int, QGroupBox*>> groups;
    for (auto* p : m_host.findChildren<QGroupBox*>()) groups.push_back({p->x(), p});
    std::sort(groups.begin(), groups.end());
    ASSERT_EQ(groups.size(), std::size(tables));
    for (size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].second->title(), tables[i].first);
        int nInside = 0;
        for (CStaticText* pText : PayTexts()) {
            if (!groups[i].second->geometry().contains(pText->geometry())) continue;
            EXPECT_EQ(pText->GetText(), tables[i].second) << tables[i].first;
            ++nInside;
        }
        EXPECT_EQ(nInside, 1) << tables[i].first;
    }
}

TEST_F(PayTableTest, OkEscAndTheCloseBoxEndIt) {
    for (int nWay = 0; nWay < 3; ++nWay) {
        CPayTableDlg dlg;
        CQtDialogHost host(dlg, nullptr);
        dlg.OnInitDialog();
        host.show();
        if (nWay == 0) host.findChild<QPushButton*>()->click();
        if (nWay == 1) QTest::keyClick(&host, Qt::Key_Escape);
        if (nWay == 2) host.close();
        EXPECT_FALSE(host.isVisible()) << nWay;
        EXPECT_EQ(host.result(), nWay == 0 ? IDOK : IDCANCEL) << nWay;
    }
}

// Tab stops every 45 px line the pays up in one column, starting at the second stop: the
// pay is the last run of ink on a line, after a gap wider than any between its digits.
TEST_F(PayTableTest, TabsLineThePaysUpInAColumn) {
    ASSERT_EQ(PayTexts().size(), 4u);
    for (CStaticText* pText : PayTexts()) {
        QImage image(pText->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        pText->render(&image);
        const int nLineHeight = QFontMetrics(pText->font()).lineSpacing();
        for (int line = 0; line <= pText->GetText().count('\n'); ++line) {
            std::vector<bool> ink(static_cast<size_t>(image.width()));
            for (int x = 0; x < image.width(); ++x)
                for (int y = line * nLineHeight; y < (line + 1) * nLineHeight; ++y)
                    ink[x] = ink[x] || qGray(image.pixel(x, y)) < 128;
            int x = image.width() - 1;
            while (x >= 0 && !ink[x]) --x;
            int nGap = 0;
            for (; x >= 0 && nGap < 6; --x) nGap = ink[x] ? 0 : nGap + 1;
            EXPECT_NEAR(x + 7, 90, 1) << pText->GetText().toStdString() << " line " << line;
        }
    }
}

}  // namespace
