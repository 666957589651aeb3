#include "ui/training/progress_window.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QMap>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "ui/coach/coach_window.h"
#include "ui/store/history_database.h"

namespace {

QChartView* MakeChartView(const QString& strTitle, QWidget* pParent) {
    auto* pChart = new QChart;
    pChart->setTitle(strTitle);
    pChart->legend()->setAlignment(Qt::AlignBottom);
    auto* pView = new QChartView(pChart, pParent);
    pView->setRenderHint(QPainter::Antialiasing);
    pView->setMinimumHeight(220);
    // The table beside it says the same to a screen reader; the picture is not a stop.
    pView->setFocusPolicy(Qt::NoFocus);
    pView->setAccessibleName(strTitle + ", plotted; the same figures are in the table");
    return pView;
}

QTableWidget* MakeTable(const QString& strName, const QStringList& headers, QWidget* pParent) {
    auto* pTable = new QTableWidget(0, static_cast<int>(headers.size()), pParent);
    pTable->setAccessibleName(strName);
    pTable->setHorizontalHeaderLabels(headers);
    pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    pTable->verticalHeader()->hide();
    pTable->verticalHeader()->setDefaultSectionSize(pTable->fontMetrics().height() + 6);
    pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return pTable;
}

void SetRow(QTableWidget* pTable, int nRow, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* pItem = new QTableWidgetItem(cells[c]);
        if (c > 0) pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pTable->setItem(nRow, c, pItem);
    }
}

// One line per table over the days, on a fresh chart; value picks the figure.
void Plot(QChart* pChart, const std::vector<CProgressPoint>& vecPoints, const QString& strAxis,
          double (*value)(const CProgressPoint&)) {
    pChart->removeAllSeries();
    for (QAbstractAxis* pAxis : pChart->axes()) pChart->removeAxis(pAxis);
    QMap<QString, QLineSeries*> mapSeries;
    double dTop = 0.0;
    qint64 nFirst = 0, nLast = 0;
    for (const CProgressPoint& point : vecPoints) {
        const QString strTable = QString::fromStdString(point.strTable);
        QLineSeries*& pSeries = mapSeries[strTable];
        if (pSeries == nullptr) {
            pSeries = new QLineSeries;
            pSeries->setName(strTable);
            pSeries->setPointsVisible(true);
        }
        const QDateTime day =
            QDateTime::fromString(QString::fromStdString(point.strDay) + "T12:00:00Z", Qt::ISODate);
        const qint64 nAt = day.toMSecsSinceEpoch();
        nFirst = nFirst == 0 ? nAt : std::min(nFirst, nAt);
        nLast = std::max(nLast, nAt);
        pSeries->append(static_cast<qreal>(nAt), value(point));
        dTop = std::max(dTop, value(point));
    }
    auto* pDays = new QDateTimeAxis;
    pDays->setFormat("MMM d");
    pDays->setTitleText("Day (UTC)");
    // Half a day either side, so that a single day is a point in the middle.
    constexpr qint64 kHalfDay = 12 * 3600 * 1000;
    pDays->setRange(QDateTime::fromMSecsSinceEpoch(nFirst - kHalfDay, Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(nLast + kHalfDay, Qt::UTC));
    auto* pValues = new QValueAxis;
    pValues->setTitleText(strAxis);
    pValues->setRange(0.0, dTop > 0.0 ? dTop * 1.1 : 1.0);
    pChart->addAxis(pDays, Qt::AlignBottom);
    pChart->addAxis(pValues, Qt::AlignLeft);
    for (QLineSeries* pSeries : mapSeries) {
        pChart->addSeries(pSeries);
        pSeries->attachAxis(pDays);
        pSeries->attachAxis(pValues);
    }
}

}  // namespace

CProgressWindow::CProgressWindow(QWidget* pParent)
    : QWidget(pParent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setWindowTitle("Handfall II Progress");
    setObjectName("progressWindow");
    resize(720, 760);
    auto* pLayout = new QVBoxLayout(this);
    m_pStatus = new QLabel(this);
    m_pStatus->setWordWrap(true);
    pLayout->addWidget(m_pStatus);
    m_pTabs = new QTabWidget(this);
    pLayout->addWidget(m_pTabs);

    auto* pOverTime = new QWidget(m_pTabs);
    auto* pTimeLayout = new QVBoxLayout(pOverTime);
    pTimeLayout->addWidget(m_pErrors = MakeChartView("Mistakes per 100 decisions", pOverTime));
    pTimeLayout->addWidget(m_pCosts = MakeChartView("Cost per 100 decisions", pOverTime));
    pTimeLayout->addWidget(m_pOverTime = MakeTable("Progress by table and day",
                                                   {"Table", "Day", "Decisions", "Mistakes",
                                                    "Error rate", "Cost per 100 decisions"},
                                                   pOverTime));
    m_pOverTime->setObjectName("progressByDay");
    m_pTabs->addTab(pOverTime, "Over &time");

    auto* pMastery = new QWidget(m_pTabs);
    auto* pMasteryLayout = new QVBoxLayout(pMastery);
    pMasteryLayout->addWidget(m_pMasteryChart =
                                  MakeChartView("Share correct of the last 50", pMastery));
    pMasteryLayout->addWidget(m_pMastery = MakeTable("Mastery by hand class",
                                                     {"Hand class", "Of the last 50", "Correct",
                                                      "Share correct", "Cost of the mistakes"},
                                                     pMastery));
    m_pMastery->setObjectName("masteryByClass");
    m_pTabs->addTab(pMastery, "&Mastery");
}

void CProgressWindow::Fill(const CHistoryStore* pHistory, const std::string& strFamily,
                           const std::string& strFamilyName, const std::string& strWhy) {
    m_pMasteryChart->chart()->setTitle(
        QString("%1: share correct of each hand class's last 50 decisions")
            .arg(QString::fromStdString(strFamilyName)));
    m_pMastery->setAccessibleName(
        QString("Mastery by hand class at %1").arg(QString::fromStdString(strFamilyName)));
    if (pHistory == nullptr) {
        m_pStatus->setText("History is off: " + QString::fromStdString(strWhy));
        FillOverTime({});
        FillMastery({});
        return;
    }
    const std::vector<CProgressPoint> vecPoints = pHistory->Progress();
    m_pStatus->setText(vecPoints.empty() ? QString("No decisions kept yet.")
                                         : QString("Drills are left out of the figures over time "
                                                   "and counted in mastery. Costs are coins a "
                                                   "hand, at the bets played."));
    FillOverTime(vecPoints);
    FillMastery(pHistory->Mastery(strFamily));
}

void CProgressWindow::FillOverTime(const std::vector<CProgressPoint>& vecPoints) {
    Plot(m_pErrors->chart(), vecPoints, "Per 100",
         [](const CProgressPoint& point) { return 100.0 * point.ErrorRate(); });
    Plot(m_pCosts->chart(), vecPoints, "Coins",
         [](const CProgressPoint& point) { return point.CostPer100(); });
    m_pOverTime->setRowCount(static_cast<int>(vecPoints.size()));
    for (int i = 0; i < static_cast<int>(vecPoints.size()); ++i) {
        const CProgressPoint& point = vecPoints[static_cast<size_t>(i)];
        SetRow(m_pOverTime, i,
               {QString::fromStdString(point.strTable), QString::fromStdString(point.strDay),
                QString::number(point.nDecisions), QString::number(point.nMistakes),
                QString::number(100.0 * point.ErrorRate(), 'f', 1) + " %",
                QString::number(point.CostPer100(), 'f', 2) + " coins"});
    }
}

void CProgressWindow::FillMastery(const std::vector<CMastery>& vecMastery) {
    QChart* pChart = m_pMasteryChart->chart();
    pChart->removeAllSeries();
    for (QAbstractAxis* pAxis : pChart->axes()) pChart->removeAxis(pAxis);
    auto* pSet = new QBarSet("Share correct, %");
    QStringList classes;
    // The costliest at the top: a horizontal bar chart draws its first category at the bottom.
    const size_t nShown = std::min<size_t>(vecMastery.size(), 12);
    for (size_t i = nShown; i-- > 0;) {
        classes << QString::fromStdString(vecMastery[i].strClass);
        *pSet << 100.0 * vecMastery[i].Share();
    }
    auto* pSeries = new QHorizontalBarSeries;
    pSeries->append(pSet);
    pChart->addSeries(pSeries);
    auto* pClasses = new QBarCategoryAxis;
    pClasses->append(classes);
    auto* pShare = new QValueAxis;
    pShare->setRange(0.0, 100.0);
    pShare->setTitleText("% correct");
    pChart->addAxis(pClasses, Qt::AlignLeft);
    pChart->addAxis(pShare, Qt::AlignBottom);
    pSeries->attachAxis(pClasses);
    pSeries->attachAxis(pShare);
    pChart->legend()->hide();
    m_pMastery->setRowCount(static_cast<int>(vecMastery.size()));
    for (int i = 0; i < static_cast<int>(vecMastery.size()); ++i) {
        const CMastery& mastery = vecMastery[static_cast<size_t>(i)];
        SetRow(m_pMastery, i,
               {QString::fromStdString(mastery.strClass), QString::number(mastery.nDecisions),
                QString::number(mastery.nCorrect),
                QString::number(100.0 * mastery.Share(), 'f', 0) + " %",
                QString::number(mastery.dCost, 'f', 2) + " coins"});
    }
}

void InstallProgress(CQtDialogHost& host, CMultiHandDlg& dlg, CCoachWindow& coach) {
    auto* pWindow = new CProgressWindow(&host);  // a child of the host: goes with it
    host.AddWindowMenuItem("P&rogress...",
                           [pWindow, &dlg, &coach] {
                               const CFamily& family = dlg.GetPayTable().Family();
                               pWindow->Fill(coach.GetHistory(), family.pszKey, family.pszName,
                                             coach.GetTrainer().GetHistoryOffReason());
                               pWindow->show();
                               pWindow->raise();
                               pWindow->activateWindow();
                           },
                           {});
}
