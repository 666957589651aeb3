#include "ui/coach/strategy_section.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

#include "coach/coach.h"
#include "coach/coach_text.h"
#include "games/game_variants.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/coach_list.h"
#include "ui/coach/figure_text.h"
#include "ui/coach/strategy_card.h"
#include "ui/table/accessibility.h"

CStrategySection::CStrategySection(const CCoach& coach, QWidget* pParent,
                                   std::function<void(bool bOn)> penaltyCards)
    : CCoachGroup("Strategy", pParent), m_coach(coach) {
    setObjectName("strategy");
    auto* pLayout = new QVBoxLayout(this);
    // The simpler card, without penalty cards, is there for the player who wants it.
    m_pPenalty = new QCheckBox("Penalty cards", this);
    m_pPenalty->setObjectName("penaltyCards");
    m_pPenalty->setChecked(coach.GetChartKind() == EChartKind::WithExceptions);
    connect(m_pPenalty, &QCheckBox::toggled, this, [penaltyCards](bool bOn) {
        if (penaltyCards) penaltyCards(bOn);
    });
    m_pChartPick = new CCoachFigure("The chart's hold", this);
    m_pChartPick->setWordWrap(true);
    pLayout->addWidget(m_pChartPick);
    m_pChartLines = MakeCoachList("Strategy chart, read from the top",
                                  {"Line", "Hold class", "Pay per coin"}, this);
    m_pChartLines->setObjectName("chart");
    m_pChartLines->setSelectionMode(QAbstractItemView::NoSelection);
    m_pChartLines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pChartLines->setColumnWidth(0, 48);
    m_pChartLines->setMinimumHeight(90);
    pLayout->addWidget(m_pChartLines, 1);
    m_pChartReturn = new CCoachFigure("Return of the chart", this);
    m_pChartSession = new CCoachFigure("Holds as the chart", this);
    m_pChartReturn->setWordWrap(true);
    m_pChartSession->setWordWrap(true);
    pLayout->addWidget(m_pChartReturn);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(m_pChartSession, 1);
    m_pSaveCard = new QPushButton("Save Strategy Card...", this);
    m_pSaveCard->setObjectName("saveCard");
    m_pSaveCard->setEnabled(false);
    connect(m_pSaveCard, &QPushButton::clicked, this, [this] { SaveStrategyCard(); });
    pRow->addWidget(m_pPenalty);
    pRow->addWidget(m_pSaveCard);
    pLayout->addLayout(pRow);
    KeepListFocusTrue(*m_pChartLines);
}

void CStrategySection::Refresh() {
    const std::optional<CStrategyFigures> figures = m_coach.GetStrategyFigures();
    const std::optional<CDealFigures> deal = m_coach.GetDealFigures();
    RefreshSessionLine();
    m_pSaveCard->setEnabled(figures.has_value());
    m_pChartLines->setVisible(figures.has_value());
    if (!figures || !deal) {
        SetTitle("Strategy");
        m_pChartPick->setText(m_coach.GetDealCount() == 0 ? "No deal yet."
                                                          : "Making the strategy chart...");
        m_pChartReturn->clear();
        return;
    }
    SetTitle(QString("Strategy: %1 at %2")
                 .arg(Text(DealGameText(deal->deal)))
                 .arg(Text(CoinsText(figures->pChart->GetBet()))));
    if (m_pShownChart != figures->pChart) ShowChart(figures->pChart);
    MarkLines(*figures);
    RefreshPick(*figures, *deal);
}

void CStrategySection::RefreshSessionLine() {
    const CSessionFigures session = m_coach.GetSessionFigures();
    m_pChartSession->setText(
        session.nChartDecisions == 0
            ? QString()
            : QString("Held as the chart: %1 of %2; holding otherwise %3 %4")
                  .arg(session.nChartFollowed)
                  .arg(session.nChartDecisions)
                  .arg(session.offChart.GetNumerator() < 0 ? "cost" : "gained")
                  .arg(Coins(CFraction(std::abs(session.offChart.GetNumerator()),
                                       session.offChart.GetDenominator()))));
}

void CStrategySection::ShowChart(const std::shared_ptr<const CStrategyChart>& pChart) {
    m_pShownChart = pChart;
    const CStrategyChart& chart = *pChart;
    m_pChartLines->clear();
    for (std::size_t nLine = 0; nLine < chart.GetLines().size(); ++nLine) {
        const CChartLine& line = chart.GetLines()[nLine];
        auto* pItem = new QTreeWidgetItem(m_pChartLines);
        pItem->setText(1, Text(line.strName));
        pItem->setToolTip(1, Text(line.strName));
        pItem->setText(2, Number(line.AveragePay(), 4));
        pItem->setToolTip(2, QString("%1 % of deals; gives up %2 points of return")
                                 .arg(Number(line.Share() * 100, 4))
                                 .arg(Number(line.LossPoints(), 5)));
        pItem->setData(1, Qt::AccessibleTextRole, pItem->text(1));
        pItem->setData(2, Qt::AccessibleTextRole,
                       pItem->text(2) + " per coin, " + pItem->toolTip(2));
        // Penalty cards under their line, always shown.
        for (const CChartException& exception : line.vecExceptions) {
            auto* pSub = new QTreeWidgetItem(pItem);
            pSub->setText(1, Text(ExceptionText(chart.GetLines(), nLine, exception)));
            pSub->setToolTip(1, pSub->text(1));
            pSub->setData(1, Qt::AccessibleTextRole, pSub->text(1));
        }
    }
    m_pChartLines->expandAll();
    m_pChartReturn->setText(
        QString("Return of the chart %1 %, of the best holds %2 %: %3 points less")
            .arg(Number(chart.GetReturn().dReturn * 100, 4))
            .arg(Number(chart.GetOptimalReturn().dReturn * 100, 4))
            .arg(Number(chart.GapPoints(), 4)));
}

void CStrategySection::MarkLines(const CStrategyFigures& figures) {
    for (int i = 0; i < m_pChartLines->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pItem = m_pChartLines->topLevelItem(i);
        const bool bPick = i == figures.nChartLine;
        const bool bHold = i == figures.nHoldLine;
        pItem->setText(0, bHold ? QString("\u25B6 %1").arg(i + 1) : QString::number(i + 1));
        // The marks are read as words: the bold pick and the arrow of the hold played.
        QString strLine = QString("line %1").arg(i + 1);
        if (bPick) strLine += ", the chart's pick";
        if (bHold) strLine += ", your hold";
        pItem->setData(0, Qt::AccessibleTextRole, strLine);
        QFont font = m_pChartLines->font();
        font.setBold(bPick);
        for (int c = 0; c < 3; ++c) pItem->setFont(c, font);
    }
    if (QTreeWidgetItem* pPick = m_pChartLines->topLevelItem(figures.nChartLine))
        m_pChartLines->scrollToItem(pPick, QAbstractItemView::PositionAtCenter);
}

void CStrategySection::RefreshPick(const CStrategyFigures& figures, const CDealFigures& deal) {
    const CChartLine& pick =
        figures.pChart->GetLines()[static_cast<std::size_t>(figures.nChartLine)];
    QString strPick = QString("Line %1, %2: hold %3")
                          .arg(figures.nChartLine + 1)
                          .arg(Text(pick.strName))
                          .arg(HoldText(deal.deal.arrCodes, figures.nChartMask));
    strPick += figures.bChartIsBest
                   ? QString(". Here that is the best hold.")
                   : QString(". Here the chart is rough: the best hold, %1, gives %2 more.")
                         .arg(HoldText(deal.deal.arrCodes, deal.vecHolds.front().nHoldMask))
                         .arg(Coins(figures.chartCost));
    m_pChartPick->setText(strPick);
    SetCostColour(m_pChartPick, !figures.bChartIsBest);
}

void CStrategySection::SaveStrategyCard() {
    const std::optional<CStrategyFigures> figures = m_coach.GetStrategyFigures();
    if (!figures) return;
    const QString strPath = QFileDialog::getSaveFileName(
        window(), "Save Strategy Card", QDir::home().filePath("strategy-card.pdf"), "PDF (*.pdf)");
    if (strPath.isEmpty()) return;
    const CGameVariant* pVariant = FindGameVariant(figures->nGame);
    const QString strGame = pVariant != nullptr
                                ? QString(pVariant->pszName)
                                : QString(figures->pChart->GetPayTable().Family().pszName);
    QString strError;
    if (!WriteStrategyCard(*figures->pChart, strGame, strPath, &strError))
        QMessageBox::warning(window(), "Save Strategy Card", strError);
}
