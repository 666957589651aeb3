#include "ui/bankroll/bankroll_window.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "analysis/outcome_cache.h"
#include "games/play_limits.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "ui/window_place.h"

namespace {

constexpr int kBins = 40;

QString Coins(double d) {
    return QLocale().toString(static_cast<qlonglong>(std::llround(d)));
}

QString Error(double d) {
    return d >= 100 ? Coins(d) : QString::number(d, 'f', 1);
}

QString Percent(double d) {
    return QString::number(d * 100.0, 'f', 2) + " %";
}

}  // namespace

CBankrollWindow::CBankrollWindow(CMultiHandDlg& dlg, QWidget* pTable)
    : QWidget(pTable, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_dlg(dlg),
      m_pTable(pTable) {
    setWindowTitle("Handfall II Bankroll");
    setObjectName("bankrollWindow");
}

// A session still being played is dropped with m_job, never waited for.
CBankrollWindow::~CBankrollWindow() = default;

QSpinBox* CBankrollWindow::AddField(QFormLayout* pForm, const QString& strLabel, int nLow,
                                    int nHigh) {
    auto* pSpin = new QSpinBox(this);
    pSpin->setRange(nLow, nHigh);
    pSpin->setGroupSeparatorShown(true);
    pSpin->setAccessibleName(QString(strLabel).remove('&').remove(':'));
    pForm->addRow(strLabel, pSpin);
    return pSpin;
}

// Built the first time it is shown: most runs never open it.
void CBankrollWindow::BuildContent() {
    if (m_pStatus != nullptr) return;
    auto* pLayout = new QVBoxLayout(this);
    m_pGame = new QLabel(this);
    m_pGame->setWordWrap(true);
    pLayout->addWidget(m_pGame);
    auto* pForm = new QFormLayout;
    m_pBankroll = AddField(pForm, "Bank&roll in coins:", 1, kMaxBankroll);
    m_pBet = AddField(pForm, "&Bet per hand:", MIN_BET, MAX_BET);
    m_pHands = AddField(pForm, "&Hands per round:", MIN_HANDS, MAX_HANDS);
    m_pRounds = AddField(pForm, "R&ounds in a session:", 1, kMaxRounds);
    m_pRounds->setValue(1000);
    pLayout->addLayout(pForm);
    m_pStart = new QPushButton("&Play the Sessions", this);
    m_pStart->setAccessibleName("Play the Sessions");
    m_pStart->setAutoDefault(false);
    connect(m_pStart, &QPushButton::clicked, this, &CBankrollWindow::Start);
    pLayout->addWidget(m_pStart, 0, Qt::AlignLeft);
    auto* pChart = new QChart;
    pChart->legend()->hide();
    pChart->setTitle("Result of a session");
    m_pChart = new QChartView(pChart, this);
    m_pChart->setRenderHint(QPainter::Antialiasing);
    m_pChart->setMinimumSize(460, 260);
    m_pChart->setAccessibleName("Distribution of the session's result");
    pLayout->addWidget(m_pChart, 1);
    m_pFigures = new QTableWidget(0, 3, this);
    m_pFigures->setAccessibleName("Session figures");
    m_pFigures->setHorizontalHeaderLabels({"Figure", "Value", "Standard error"});
    m_pFigures->verticalHeader()->hide();
    m_pFigures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pFigures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // All nine figures in view at once.
    m_pFigures->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_pFigures->setMinimumHeight(10 * (fontMetrics().height() + 6) + 8);
    pLayout->addWidget(m_pFigures);
    m_pStatus = new QLabel(this);
    m_pStatus->setAccessibleName("Bankroll status");
    m_pStatus->setWordWrap(true);
    pLayout->addWidget(m_pStatus);
}

void CBankrollWindow::ShowBesideTable() {
    BuildContent();
    if (!isVisible()) {
        m_pBankroll->setValue(std::max(1, m_dlg.GetCoins()));
        m_pBet->setValue(m_dlg.GetBet());
        m_pHands->setValue(m_dlg.GetHandsInPlay());
        adjustSize();
        move(PlaceBesideTable(*m_pTable, size()));
    }
    m_pGame->setText(QString("Sessions of %1, best hold on every deal; each round drawn from "
                             "its exact distribution.")
                         .arg(QString::fromStdString(m_dlg.GetPayTable().strName)));
    show();
    raise();
    activateWindow();
}

void CBankrollWindow::SetPlan(const CSessionPlan& plan) {
    BuildContent();
    m_pBankroll->setValue(static_cast<int>(plan.nBankroll));
    m_pBet->setValue(plan.nBet);
    m_pHands->setValue(plan.nHands);
    m_pRounds->setValue(plan.nRounds);
}

QString CBankrollWindow::GetStatus() const {
    return m_pStatus ? m_pStatus->text() : QString();
}

void CBankrollWindow::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_Escape && pEvent->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(pEvent);
}

void CBankrollWindow::Start() {
    BuildContent();
    CSessionPlan plan;
    plan.nBankroll = m_pBankroll->value();
    plan.nBet = m_pBet->value();
    plan.nHands = m_pHands->value();
    plan.nRounds = m_pRounds->value();
    m_table = m_dlg.GetPayTable();
    m_pStatus->setText("Playing the sessions…");
    m_job.Start(
        [table = m_table,
         plan](const CProgressFunction& progress) -> std::optional<CSessionOutcomes> {
            const auto pCounts = SharedOutcomeTable(table.Family(), table.rules);
            if (!pCounts) return std::nullopt;
            const CRoundModel model(*pCounts, table, plan.nBet, ScaledProgress(progress, 0, 0.3));
            if (IsParallelWorkStopped()) return std::nullopt;
            CSessionOutcomes outcomes =
                PlaySessions(model, plan, ScaledProgress(progress, 0.3, 1.0));
            if (IsParallelWorkStopped()) return std::nullopt;
            return outcomes;
        },
        [this](const CSessionOutcomes& outcomes) { Show(outcomes); },
        [this](double dDone) {
            m_pStatus->setText(
                QString("Playing the sessions: %1 %").arg(static_cast<int>(dDone * 100)));
        });
}

void CBankrollWindow::Show(const CSessionOutcomes& outcomes) {
    struct CRow {
        QString strFigure, strValue, strError;
    };
    std::vector<CRow> vecRows;
    for (std::size_t i = 0; i < outcomes.arrPercentiles.size(); ++i)
        vecRows.push_back(
            {QString("%1th percentile of the result, coins").arg(CSessionOutcomes::kPercents[i]),
             Coins(outcomes.arrPercentiles[i].dValue), Error(outcomes.arrPercentiles[i].dError)});
    vecRows.push_back(
        {"Mean result, coins", Coins(outcomes.mean.dValue), Error(outcomes.mean.dError)});
    vecRows.push_back(
        {"Expected result were the coins never to give out", Coins(outcomes.dExpected), "exact"});
    vecRows.push_back(
        {"Chance to end ahead", Percent(outcomes.ahead.dValue), Percent(outcomes.ahead.dError)});
    vecRows.push_back({"Chance to lose the bankroll before the end", Percent(outcomes.ruin.dValue),
                       Percent(outcomes.ruin.dError)});
    m_pFigures->setRowCount(static_cast<int>(vecRows.size()));
    for (std::size_t i = 0; i < vecRows.size(); ++i) {
        const int nRow = static_cast<int>(i);
        m_pFigures->setItem(nRow, 0, new QTableWidgetItem(vecRows[i].strFigure));
        for (int nColumn : {1, 2}) {
            auto* pItem =
                new QTableWidgetItem(nColumn == 1 ? vecRows[i].strValue : vecRows[i].strError);
            pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pFigures->setItem(nRow, nColumn, pItem);
        }
    }
    Plot(outcomes);
    m_pStatus->setText(QString("%1 sessions played, %2.")
                           .arg(QLocale().toString(outcomes.nSessions))
                           .arg(QString::fromStdString(m_table.strName)));
}

// The share of sessions ending in each of kBins equal spans of the results, as steps.
void CBankrollWindow::Plot(const CSessionOutcomes& outcomes) {
    QChart* pChart = m_pChart->chart();
    pChart->removeAllSeries();
    for (QAbstractAxis* pAxis : pChart->axes()) pChart->removeAxis(pAxis);
    if (outcomes.vecResults.empty()) return;
    const double dLow = static_cast<double>(outcomes.vecResults.front());
    const double dHigh = static_cast<double>(outcomes.vecResults.back());
    const double dWidth = std::max(1.0, (dHigh - dLow) / kBins);
    std::vector<double> vecShares(kBins, 0.0);
    for (const std::int64_t n : outcomes.vecResults) {
        const int nBin = std::min(kBins - 1, static_cast<int>((n - dLow) / dWidth));
        vecShares[static_cast<std::size_t>(nBin)] += 100.0 / outcomes.nSessions;
    }
    auto* pSeries = new QLineSeries;
    double dTop = 0;
    for (int i = 0; i < kBins; ++i) {
        const double dShare = vecShares[static_cast<std::size_t>(i)];
        pSeries->append(dLow + i * dWidth, dShare);
        pSeries->append(dLow + (i + 1) * dWidth, dShare);
        dTop = std::max(dTop, dShare);
    }
    pChart->addSeries(pSeries);
    auto* pX = new QValueAxis;
    pX->setTitleText("Result in coins");
    pX->setRange(dLow, dLow + kBins * dWidth);
    pX->setLabelFormat("%.0f");
    auto* pY = new QValueAxis;
    pY->setTitleText("Sessions, %");
    pY->setRange(0, dTop * 1.1);
    pY->setLabelFormat("%.1f");
    pChart->addAxis(pX, Qt::AlignBottom);
    pChart->addAxis(pY, Qt::AlignLeft);
    pSeries->attachAxis(pX);
    pSeries->attachAxis(pY);
}

CBankrollWindow* InstallBankroll(CQtDialogHost& host, CMultiHandDlg& dlg) {
    auto* pWindow = new CBankrollWindow(dlg, &host);  // a child of the host: goes with it
    host.AddWindowMenuItem("Ban&kroll...", [pWindow] { pWindow->ShowBesideTable(); }, {});
    return pWindow;
}
