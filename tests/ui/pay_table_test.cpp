#include "table/pay_table_dlg.h"
#include "ui/ui_fixture.h"

namespace {

// On the table's set-up: the same look, pictures, names and accessibility.
class PayTableTest : public TableWindowTest {
protected:
    PayTableTest() {
        SetUpDialogHost(m_host);
        m_dlg.OnInitDialog();
        m_host.show();
    }

    CPayTableDlg m_dlg;
    CQtDialogHost m_host{m_dlg, nullptr};
};

// The golden file pins the four tables' texts, the Bonus and Double Bonus pays among them,
// each inside its group, left to right: Jacks or Better, Bonus, Double Bonus, Duces Wild;
// every element has a name a screen reader can say.
TEST_F(PayTableTest, ShowsTheGoldenLayoutTextsAndScreenReaderNames) {
    ExpectGolden("pay_table", DescribeWindow(m_host));
    EXPECT_FALSE(m_host.windowFlags() & Qt::WindowMinimizeButtonHint);
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
    for (CStaticText* pText : m_host.findChildren<CStaticText*>()) {
        if (!pText->GetText().startsWith("Royal Flush")) continue;
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
