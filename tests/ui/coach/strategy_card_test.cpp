// The strategy card: its layout for every length of chart, and the PDF it writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <numeric>

#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "strategy/chart_cache.h"
#include "strategy/chart_generator.h"
#include "strategy/hold_class.h"
#include "ui/coach/strategy_card.h"

namespace {

struct CLayoutCase {
    int nLines;
    int nColumns;
};

class StrategyCardLayoutTest : public ::testing::TestWithParam<CLayoutCase> {};

// Every line has a place, on one or two columns, and no text is under 7 pt.
TEST_P(StrategyCardLayoutTest, PlacesEveryLineAtSevenPointsOrMore) {
    const CStrategyCardLayout layout = StrategyCardLayout(GetParam().nLines);
    EXPECT_EQ(layout.nColumns, GetParam().nColumns);
    EXPECT_GE(layout.nColumns * layout.nRowsPerColumn, GetParam().nLines);
    EXPECT_LT((layout.nColumns * layout.nRowsPerColumn) - GetParam().nLines, layout.nColumns);
    EXPECT_GE(layout.dSmallestPoints, 7.0);
    EXPECT_GE(layout.dLinePoints, layout.dSmallestPoints);
}

INSTANTIATE_TEST_SUITE_P(Lines, StrategyCardLayoutTest,
                         ::testing::Values(CLayoutCase{1, 1}, CLayoutCase{20, 1},
                                           CLayoutCase{21, 2}, CLayoutCase{37, 2},
                                           CLayoutCase{44, 2}, CLayoutCase{MAX_CHART_LINES, 2}));

// Longer charts never get larger type, and the card's sizes stay readable across the range.
TEST(StrategyCardTest, TypeShrinksWithTheChartButStaysReadable) {
    double dPrevious = 1000.0;
    for (int nLines = 1; nLines <= MAX_CHART_LINES; ++nLines) {
        const CStrategyCardLayout layout = StrategyCardLayout(nLines);
        EXPECT_LE(layout.dLinePoints, dPrevious) << nLines;
        EXPECT_GE(layout.dSmallestPoints, 7.0) << nLines;
        dPrevious = layout.dLinePoints;
    }
    EXPECT_GE(StrategyCardLayout(MAX_CHART_LINES).dLinePoints, 8.0);
}

// The longest chart there can be, of the family with the longest names: its MAX_CHART_LINES
// longest line names; under the table's own name, or strName.
CStrategyChart LongestChart(const std::string& strName = "") {
    CPayTable table = AsBuiltPayTable(GAME_DUCES_WILD);
    if (!strName.empty()) table.strName = strName;
    auto pClasses = SharedHoldClasses(table.Family(), table.rules);
    std::vector<int> vecClasses(static_cast<std::size_t>(pClasses->GetClassCount()));
    std::iota(vecClasses.begin(), vecClasses.end(), 0);
    std::stable_sort(vecClasses.begin(), vecClasses.end(), [&](int a, int b) {
        return pClasses->GetName(a).size() > pClasses->GetName(b).size();
    });
    std::vector<CChartLine> vecLines(MAX_CHART_LINES);
    for (std::size_t i = 0; i < vecLines.size(); ++i) {
        vecLines[i].vecClasses = {vecClasses[i]};
        vecLines[i].nDeals = 1;
    }
    return CStrategyChart(table, 5, pClasses, vecLines);
}

TEST(StrategyCardTest, WritesTheLongestChartAsOnePdfPage) {
    const QTemporaryDir dir;
    const QString strPath = dir.filePath("card.pdf");
    QString strError;
    ASSERT_TRUE(WriteStrategyCard(LongestChart(), "Deuces Wild", strPath, &strError))
        << strError.toStdString();
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Count 1\n") || pdf.contains("/Count 1 ")) << "one page";
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
}

// Real charts with penalty cards and the words of kicker and joker games: still one page.
TEST(StrategyCardTest, WritesTheChartsOfKickerAndJokerGamesAsOnePage) {
    for (const auto& [pszFamily, pszPays] :
         {std::pair{"double-double-bonus", "9/6"}, std::pair{"joker", "20/7"}}) {
        const auto* pEntry = FindLibraryPayTable(GetFamily(pszFamily), 0, pszPays);
        ASSERT_NE(pEntry, nullptr);
        const auto pChart = SharedStrategyChart(pEntry->table, 5);
        ASSERT_NE(pChart, nullptr);
        EXPECT_LE(pChart->GetRowCount(), MAX_CHART_LINES);
        const QTemporaryDir dir;
        const QString strPath = dir.filePath("card.pdf");
        ASSERT_TRUE(WriteStrategyCard(*pChart, GetFamily(pszFamily).pszName, strPath, nullptr));
        QFile file(strPath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1) << pszFamily;
    }
}

TEST(StrategyCardTest, AFileThatCannotBeWrittenIsToldNotCrashedOn) {
    const QTemporaryDir dir;
    const QString strPath = dir.filePath("no such folder/card.pdf");
    QString strError;
    EXPECT_FALSE(WriteStrategyCard(LongestChart(), "Deuces Wild", strPath, &strError));
    EXPECT_TRUE(strError.contains("no such folder")) << strError.toStdString();
    EXPECT_FALSE(WriteStrategyCard(LongestChart(), "Deuces Wild", strPath, nullptr));
}

// A table's name of 60 wide letters is cut short beside the title, not printed over it: in the
// title's band a clear gap of at least 12 pt parts the title from the table's line, which still
// ends at the right margin. Painted at 2 dots a point on the content area, 774 x 527 pt.
TEST(StrategyCardTest, ALongTableNameIsCutShortBesideTheTitle) {
    QImage image(1548, 1054, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(5669);  // 144 dots an inch: the type at its size on the page
    image.setDotsPerMeterY(5669);
    QPainter painter(&image);
    PaintStrategyCard(painter, 2.0, LongestChart(std::string(60, 'W')), "Deuces Wild");
    painter.end();
    std::vector<bool> vecInk(static_cast<std::size_t>(image.width()));
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < 44; ++y)  // the title's band, 22 pt
            if (qGray(image.pixel(x, y)) < 128) vecInk[static_cast<std::size_t>(x)] = true;
    const auto itFirst = std::find(vecInk.begin(), vecInk.end(), true);
    const auto itLast = std::find(vecInk.rbegin(), vecInk.rend(), true).base();
    ASSERT_LT(itFirst, itLast);
    EXPECT_GE(itLast - vecInk.begin(), image.width() - 4) << "the line ends at the right margin";
    long nGap = 0, nRun = 0;
    for (auto it = itFirst; it != itLast; ++it) {
        nRun = *it ? 0 : nRun + 1;
        nGap = std::max(nGap, nRun);
    }
    EXPECT_GE(nGap, 24) << "the table's name runs into the title";
}

}  // namespace
