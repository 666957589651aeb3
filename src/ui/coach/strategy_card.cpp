#include "ui/coach/strategy_card.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "analysis/card_code.h"
#include "games/family.h"
#include "strategy/strategy_chart.h"

namespace {

// A4 in landscape, in points: two columns of lines side by side read better than one long one.
constexpr double kPageWidth = 841.89;
constexpr double kPageHeight = 595.28;
constexpr double kMargin = 34.0;  // 12 mm
constexpr double kContentWidth = kPageWidth - 2 * kMargin;
constexpr double kHeaderHeight = 58.0;  // title, table and bet, returns
constexpr double kBottomHeight = 92.0;  // legend and footer
constexpr double kLinesHeight = kPageHeight - 2 * kMargin - kHeaderHeight - kBottomHeight;
constexpr double kRowFactor = 1.5;  // a row's height over its font's size
constexpr double kColumnGap = 24.0;
constexpr int kOneColumnMost = 20;
constexpr double kLargestLine = 11.0;
constexpr double kSmallest = 7.0;
constexpr double kLegendPoints = 8.0;
constexpr double kFooterPoints = 7.0;

const char kFontFamily[] = "Liberation Sans";

}  // namespace

CStrategyCardLayout StrategyCardLayout(int nLines) {
    CStrategyCardLayout layout;
    layout.nColumns = nLines > kOneColumnMost ? 2 : 1;
    layout.nRowsPerColumn = (std::max(nLines, 1) + layout.nColumns - 1) / layout.nColumns;
    // One row more for the column heads; sizes in quarter points.
    const double dFit = kLinesHeight / (kRowFactor * (layout.nRowsPerColumn + 1));
    layout.dLinePoints = std::max(kSmallest, std::min(kLargestLine, std::floor(dFit * 4) / 4));
    layout.dSmallestPoints = std::min({layout.dLinePoints, kLegendPoints, kFooterPoints});
    return layout;
}

namespace {

// Paints in points on a device of any resolution.
class CCardPainter {
public:
    CCardPainter(QPainter& painter, double dDotsPerPoint)
        : m_painter(painter), m_dScale(dDotsPerPoint) {}

    QFont Font(double dPoints, bool bBold = false) const {
        QFont font(kFontFamily);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(dPoints);
        font.setBold(bBold);
        return font;
    }
    double Width(const QFont& font, const QString& strText) const {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(strText) / m_dScale;
    }
    // strText cut short with "…" to at most dWidth.
    QString Elided(const QFont& font, const QString& strText, double dWidth) const {
        return QFontMetricsF(font, m_painter.device())
            .elidedText(strText, Qt::ElideRight, std::max(0.0, dWidth) * m_dScale);
    }
    // Text with its baseline at y, starting at x or ending there (bRight). Squeezed across to
    // dMaxWidth where it is wider, keeping its size.
    void Text(double x, double y, const QFont& font, const QString& strText, bool bRight = false,
              double dMaxWidth = 0.0) {
        m_painter.setFont(font);
        const double dWidth = Width(font, strText);
        m_painter.save();
        m_painter.translate(x * m_dScale, y * m_dScale);
        if (dMaxWidth > 0 && dWidth > dMaxWidth) m_painter.scale(dMaxWidth / dWidth, 1.0);
        m_painter.drawText(QPointF(bRight ? -dWidth * m_dScale : 0.0, 0), strText);
        m_painter.restore();
    }
    // Rich text wrapped to dWidth from y down (painted only where bPaint); its height.
    double RichParagraph(double x, double y, double dWidth, const QFont& font,
                         const QString& strHtml, bool bPaint) {
        QTextDocument document;
        document.documentLayout()->setPaintDevice(m_painter.device());
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        document.setTextWidth(dWidth * m_dScale);
        document.setHtml(strHtml);
        if (bPaint) {
            m_painter.save();
            m_painter.translate(x * m_dScale, y * m_dScale);
            document.drawContents(&m_painter);
            m_painter.restore();
        }
        return document.size().height() / m_dScale;
    }
    void Fill(double x, double y, double w, double h, const QColor& colour) {
        m_painter.fillRect(QRectF(x * m_dScale, y * m_dScale, w * m_dScale, h * m_dScale), colour);
    }
    void Rule(double x, double y, double w, double dThickness = 0.5) {
        Fill(x, y - dThickness / 2, w, dThickness, QColor(0x40, 0x40, 0x40));
    }

private:
    QPainter& m_painter;
    double m_dScale;
};

QString Percent(double dReturn) {
    return QString::number(dReturn * 100.0, 'f', 4) + " %";
}

const char* RankWord(int nRank) {
    static const char* const kWords[] = {"2s",      "3s",     "4s",    "5s",    "6s",
                                         "7s",      "8s",     "9s",    "a ten", "a jack",
                                         "a queen", "a king", "an ace"};
    return nRank >= 2 && nRank <= 14 ? kWords[nRank - 2] : "";
}

// What the card's words mean, as the lines of its family use them: the term, then its meaning.
std::vector<std::pair<QString, QString>> LegendItems(const CFamily& family) {
    const bool bDeuces = family.eWild == EWild::Deuces;
    std::vector<std::pair<QString, QString>> items;
    items.emplace_back("How to read",
                       "find the first line from the top that the deal offers and hold those "
                       "cards. Where two holds fall in the same line, keep the higher cards.");
    if (bDeuces)
        items.emplace_back("Deuces",
                           "the chart always keeps every deuce dealt; a line says how "
                           "many deuces it holds and what the other cards make.");
    items.emplace_back("Inside",
                       "a straight draw that only the rank missing within it fills "
                       "(5 6 8 9). <b>Outside:</b> open at both ends, so two ranks fill "
                       "it (5 6 7 8).");
    items.emplace_back("Gaps", QString("the ranks missing between the %1; the end of the ranks "
                                       "(beyond the ace) counts as one.")
                                   .arg(bDeuces ? "natural cards held" : "cards held"));
    if (family.eWild == EWild::Joker)
        items.emplace_back("Joker",
                           "the chart always keeps the joker; \"Joker + 4 to a Royal "
                           "Flush\" counts it among the four cards.");
    const bool bKickers = std::any_of(family.categories.begin(), family.categories.end(),
                                      [](const CCategory& c) { return c.nKickers != ALL_RANKS; });
    if (bKickers)
        items.emplace_back("Kicker",
                           "the fifth card beside a four of a kind that pays it more; "
                           "a line names the kickers that count.");
    const QString strHigh =
        family.nLowestPair == 0 ? QString() : QString(RankWord(family.nLowestPair)) + " or higher";
    items.emplace_back("High card", bDeuces ? "none here: in Deuces Wild the lowest win is 3 of a "
                                              "Kind, so no single rank is worth more."
                                            : "a card whose pair pays: " + strHigh + ".");
    items.emplace_back("Penalty card",
                       "a discarded card that changes the hold. An indented line under a line "
                       "names the line to keep instead (or the lower cards of the same line) "
                       "when the hold would throw such a card away.");
    items.emplace_back("Pay per coin",
                       "the average expected pay per coin bet of the line's "
                       "holds, over the deals the line decides.");
    return items;
}

// Header: the game and table, the bet, then what the chart returns against the best play.
void PaintHeader(CCardPainter& card, const CStrategyChart& chart, const QString& strGame) {
    double y = 16;
    const QFont titleFont = card.Font(16, true);
    const QString strTitle = QString("%1 strategy").arg(strGame);
    card.Text(0, y, titleFont, strTitle);
    // The table's name, which the player may have made 60 characters long, takes only the room
    // the title leaves.
    const int nBet = chart.GetBet();
    const QFont tableFont = card.Font(11);
    const QString strBet = QString(", bet %1 %2").arg(nBet).arg(nBet == 1 ? "coin" : "coins");
    const double dNameRoom = kContentWidth - card.Width(titleFont, strTitle) - kColumnGap -
                             card.Width(tableFont, "Pay table " + strBet);
    card.Text(
        kContentWidth, y, tableFont,
        "Pay table " +
            card.Elided(tableFont, QString::fromStdString(chart.GetPayTable().strName), dNameRoom) +
            strBet,
        true);
    y += 20;
    card.Text(
        0, y, card.Font(10),
        QString("Return with this chart %1  \u00b7  with the best hold on every deal %2  "
                "\u00b7  the chart gives up %3 percentage points")
            .arg(Percent(chart.GetReturn().dReturn), Percent(chart.GetOptimalReturn().dReturn),
                 QString::number(chart.GapPoints(), 'f', 4)));
    y += 10;
    card.Rule(0, y, kContentWidth, 1.0);
}

// A row of the card: a line, numbered, with its pay, or a penalty card under it.
struct CCardRow {
    QString strNumber, strText, strPay;
};

std::vector<CCardRow> CardRows(const std::vector<CChartLine>& vecLines) {
    std::vector<CCardRow> vecRows;
    for (std::size_t i = 0; i < vecLines.size(); ++i) {
        vecRows.push_back({QString::number(i + 1), QString::fromStdString(vecLines[i].strName),
                           QString::number(vecLines[i].AveragePay(), 'f', 4)});
        for (const CChartException& exception : vecLines[i].vecExceptions)
            vecRows.push_back({QString(),
                               QString::fromStdString(ExceptionText(vecLines, i, exception)),
                               QString()});
    }
    return vecRows;
}

// The lines, numbered, down the first column and on in the second; a line's penalty cards
// indented under it.
void PaintLines(CCardPainter& card, const std::vector<CChartLine>& vecLines,
                const CStrategyCardLayout& layout) {
    const double dPoints = layout.dLinePoints;
    const double dRow = dPoints * kRowFactor;
    // One column keeps the width of two, centred: a row stays short enough to read across.
    const double dColumnWidth = (kContentWidth - kColumnGap) / 2;
    const double dLeft0 = layout.nColumns == 2 ? 0.0 : (kContentWidth - dColumnWidth) / 2;
    const QFont lineFont = card.Font(dPoints);
    const QFont headFont = card.Font(dPoints, true);
    const double dNumberWidth = card.Width(lineFont, "50") + 2;
    const double dPayWidth = card.Width(lineFont, "800.0000");
    const double dNameLeft = dNumberWidth + 8;
    const double dNameWidth = dColumnWidth - dNameLeft - dPayWidth - 12;
    const double dTop = kHeaderHeight + 4;
    const double dBaseline = dRow * 0.7;  // of the text within its row
    for (int nColumn = 0; nColumn < layout.nColumns; ++nColumn) {
        const double x = dLeft0 + nColumn * (dColumnWidth + kColumnGap);
        card.Text(x + dNumberWidth, dTop + dBaseline, headFont, "#", true);
        card.Text(x + dNameLeft, dTop + dBaseline, headFont, "Hold");
        card.Text(x + dColumnWidth, dTop + dBaseline, headFont, "Pay per coin", true);
        card.Rule(x, dTop + dRow, dColumnWidth);
    }
    const std::vector<CCardRow> vecRows = CardRows(vecLines);
    for (std::size_t i = 0; i < vecRows.size(); ++i) {
        const int nColumn = static_cast<int>(i) / layout.nRowsPerColumn;
        const int nRow = static_cast<int>(i) % layout.nRowsPerColumn;
        const double x = dLeft0 + nColumn * (dColumnWidth + kColumnGap);
        const double yRow = dTop + dRow * (nRow + 1);
        const CCardRow& row = vecRows[i];
        const double dIndent = row.strNumber.isEmpty() ? 12.0 : 0.0;
        if (nRow % 2 == 1) card.Fill(x, yRow, dColumnWidth, dRow, QColor(0xec, 0xec, 0xec));
        card.Text(x + dNumberWidth, yRow + dBaseline, lineFont, row.strNumber, true);
        card.Text(x + dNameLeft + dIndent, yRow + dBaseline, lineFont, row.strText, false,
                  dNameWidth + (row.strPay.isEmpty() ? dPayWidth : 0) - dIndent);
        card.Text(x + dColumnWidth, yRow + dBaseline, lineFont, row.strPay, true);
    }
}

// Legend in two columns of about the same height, then the footer on the last line.
void PaintBottom(CCardPainter& card, const CFamily& family) {
    const double dBottom = kPageHeight - 2 * kMargin;
    double yLegend = dBottom - kBottomHeight + 8;
    card.Rule(0, yLegend, kContentWidth, 1.0);
    yLegend += 5;
    const double dLegendWidth = (kContentWidth - kColumnGap) / 2;
    const QFont legendFont = card.Font(kLegendPoints);
    std::vector<QString> vecHtml;
    std::vector<double> vecHeights;
    double dTotal = 0;
    for (const auto& [strTerm, strText] : LegendItems(family)) {
        vecHtml.push_back("<b>" + strTerm + ":</b> " + strText);
        vecHeights.push_back(
            card.RichParagraph(0, 0, dLegendWidth, legendFont, vecHtml.back(), false));
        dTotal += vecHeights.back();
    }
    double arrY[2] = {yLegend, yLegend};
    int nColumn = 0;
    for (std::size_t i = 0; i < vecHtml.size(); ++i) {
        if (nColumn == 0 && arrY[0] - yLegend + vecHeights[i] / 2 > dTotal / 2) nColumn = 1;
        card.RichParagraph(nColumn * (dLegendWidth + kColumnGap), arrY[nColumn], dLegendWidth,
                           legendFont, vecHtml[i], true);
        arrY[nColumn] += vecHeights[i] + 2;
    }
    card.Text(0, dBottom - 2, card.Font(kFooterPoints),
              QString("Every figure on this card is exact, counted over all %1 deals.")
                  .arg(QLocale(QLocale::English)
                           .toString(static_cast<qlonglong>(Binomial(family.nCards, 5)))));
    card.Text(kContentWidth, dBottom - 2, card.Font(kFooterPoints, true), "Handfall II", true);
}

}  // namespace

void PaintStrategyCard(QPainter& painter, double dDotsPerPoint, const CStrategyChart& chart,
                       const QString& strGame) {
    CCardPainter card(painter, dDotsPerPoint);
    const std::vector<CChartLine>& vecLines = chart.GetLines();
    PaintHeader(card, chart, strGame);
    PaintLines(card, vecLines, StrategyCardLayout(chart.GetRowCount()));
    PaintBottom(card, chart.GetPayTable().Family());
}

bool WriteStrategyCard(const CStrategyChart& chart, const QString& strGame, const QString& strPath,
                       QString* pError) {
    const auto fail = [&](const QString& strWhy) {
        if (pError != nullptr)
            *pError = QString("The strategy card could not be written to %1: %2")
                          .arg(QDir::toNativeSeparators(strPath), strWhy);
        return false;
    };
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(file.errorString());
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                     QPageLayout::Point));
    writer.setTitle(
        QString("%1 strategy card").arg(QString::fromStdString(chart.GetPayTable().strName)));
    writer.setCreator("Handfall II");
    QPainter painter;
    if (!painter.begin(&writer)) return fail("the PDF could not be started");
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintStrategyCard(painter, writer.resolution() / 72.0, chart, strGame);
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    return true;
}
