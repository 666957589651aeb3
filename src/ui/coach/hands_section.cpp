#include "ui/coach/hands_section.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include <cmath>

#include "coach/coach.h"
#include "coach/coach_text.h"
#include "model/card_words.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/figure_text.h"

CHandsSection::CHandsSection(const CCoach& coach, QWidget* pWindow)
    : CCoachGroup("Over the hands in play", pWindow), m_coach(coach) {
    auto* pHands = new QVBoxLayout(this);
    auto* pChart = new QGridLayout;
    pChart->setHorizontalSpacing(4);
    pChart->setVerticalSpacing(0);
    pChart->setColumnStretch(1, 1);
    const QFontMetrics metrics(pWindow->font());
    for (int i = 0; i < MAX_OUTCOMES; ++i) {
        const CChartRow row = MakeRow(metrics);
        pChart->addWidget(row.pName, i, 0);
        pChart->addWidget(row.pBar, i, 1);
        pChart->addWidget(row.pProbability, i, 2);
        pChart->addWidget(row.pExpected, i, 3);
        pChart->addWidget(row.pActual, i, 4);
        m_vecChartRows.push_back(row);
    }
    pHands->addLayout(pChart);
    m_pExpectedWin = new CCoachFigure("Expected win", this);
    m_pActualWin = new CCoachFigure("Actual win", this);
    m_pExpectedWin->setWordWrap(true);
    m_pRound = new CCoachFigure("Round", this);
    m_pActualWin->setWordWrap(true);
    m_pRound->setWordWrap(true);
    pHands->addWidget(m_pExpectedWin);
    pHands->addWidget(m_pActualWin);
    pHands->addWidget(m_pRound);
}

CHandsSection::CChartRow CHandsSection::MakeRow(const QFontMetrics& metrics) {
    CChartRow row{new CCoachFigure("", this), new CCoachBar("", this), new CCoachFigure("", this),
                  new CCoachFigure("", this), new CCoachFigure("", this)};
    for (CCoachFigure* pFigure : {row.pProbability, row.pExpected, row.pActual})
        pFigure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The row is one line, read from its name; its parts are read with it.
    for (CCoachFigure* pFigure :
         {static_cast<CCoachFigure*>(row.pBar), row.pProbability, row.pExpected, row.pActual})
        pFigure->SetLine(false);
    // The figures' columns keep their widths whatever they show, "drawn" or not.
    row.pProbability->setMinimumWidth(metrics.horizontalAdvance("100.0000 %"));
    row.pExpected->setMinimumWidth(metrics.horizontalAdvance("< 0.01 hands"));
    row.pActual->setMinimumWidth(metrics.horizontalAdvance("drawn 50"));
    return row;
}

void CHandsSection::Refresh() {
    const std::optional<COverHandsFigures> figures = m_coach.GetOverHandsFigures();
    SetTitle(figures ? "Over " + Text(HandsText(figures->nHands))
                     : QString("Over the hands in play"));
    const size_t nRows = figures ? figures->vecCategories.size() : 0;
    for (size_t i = 0; i < m_vecChartRows.size(); ++i) {
        const CChartRow& row = m_vecChartRows[i];
        const bool bShown = i < nRows;
        for (QWidget* pWidget : std::initializer_list<QWidget*>{
                 row.pName, row.pBar, row.pProbability, row.pExpected, row.pActual})
            pWidget->setVisible(bShown);
        if (bShown) RefreshRow(row, figures->vecCategories[i], figures->bDrawn);
    }
    if (!figures) {
        m_pExpectedWin->clear();
        m_pActualWin->clear();
        m_pRound->clear();
        return;
    }
    RefreshWins(*figures);
    RefreshRound(*figures);
}

void CHandsSection::RefreshRow(const CChartRow& row, const CCategoryFigure& category, bool bDrawn) {
    const QString strName =
        category.strName.empty() ? QString("No win") : QString::fromStdString(category.strName);
    row.pName->setText(strName);
    row.pName->setAccessibleName("Category");
    row.pBar->setAccessibleName(strName);
    row.pBar->SetShare(category.probability.Value());
    row.pBar->setText(Percent(category.probability));
    row.pProbability->setAccessibleName(strName + " probability");
    row.pProbability->setText(Percent(category.probability));
    row.pProbability->setToolTip(Exactly(category.probability));
    row.pExpected->setAccessibleName(strName + " expected hands");
    row.pExpected->setText(Text(ExpectedHandsText(category.expectedHands)));
    row.pExpected->setToolTip(Exactly(category.expectedHands));
    row.pActual->setAccessibleName(strName + " hands drawn");
    row.pActual->setText(bDrawn ? QString("drawn %1").arg(category.nActualHands) : QString());
    QString strRow = strName + ": probability " + row.pProbability->text() + ", " +
                     Text(SymbolsAsWords(row.pExpected->text().toStdString())) + " expected";
    if (bDrawn) strRow += ", " + row.pActual->text();
    row.pName->SetSpoken(strRow);
}

// Before the deal a round of N hands swings by sqrt(N σ² + N (N - 1) c) bets: its hands share
// the deal, so they move together.
void CHandsSection::RefreshRound(const COverHandsFigures& figures) {
    if (!figures.table) {
        m_pRound->setText("A round of these hands: working out its swing…");
        return;
    }
    const CPlayFigures& table = *figures.table;
    const double dDeviation = table.RoundDeviation(figures.nHands);
    m_pRound->setText(
        QString("A round of %1 before its deal: standard deviation %2 bets, %3 coins (variance "
                "%4 a hand, covariance %5 of two hands of one deal)")
            .arg(Text(HandsText(figures.nHands)))
            .arg(Number(dDeviation, 2))
            .arg(Number(dDeviation * figures.nBet, 2))
            .arg(Number(table.dVariance, 4))
            .arg(Number(table.dCovariance, 4)));
}

void CHandsSection::RefreshWins(const COverHandsFigures& figures) {
    m_pExpectedWin->setText(QString("Expected win: %1, standard deviation %2 coins")
                                .arg(Coins(figures.expectedWin))
                                .arg(Number(figures.dWinDeviation, 2)));
    m_pExpectedWin->setToolTip(Exactly(figures.expectedWin) +
                               QString(" coins; one hand pays %1 per coin, deviation %2")
                                   .arg(QString::fromStdString(figures.meanPay.Text()))
                                   .arg(Number(figures.dPayDeviation, 4)));
    if (!figures.bDrawn) {
        m_pActualWin->setText("Actual win: after the draw");
    } else if (figures.dDeviations) {
        const double d = *figures.dDeviations;
        m_pActualWin->setText(QString("Actual win: %1 coins, %2 deviations %3 the expectation")
                                  .arg(figures.nWon)
                                  .arg(Number(std::abs(d), 2))
                                  .arg(d < 0 ? "below" : "above"));
    } else {
        m_pActualWin->setText(QString("Actual win: %1 coins, as certain").arg(figures.nWon));
    }
}
