#include "ui/coach/coach_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "analysis/parallel_for.h"
#include "platform/qt/qt_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "ui/coach/coach_figure.h"

namespace {

constexpr int kGap = 8;  // between the table and the coach
const QColor kCostColour(200, 0, 0);

// "10♥": the rank as the odds command writes it, the suit as a symbol.
QString CardText(int nCode) {
    static const char16_t kSuits[] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};
    QString strText = QString::fromStdString(CardCodeText(nCode));
    strText.chop(1);
    return strText + QChar(kSuits[nCode % 4]);
}

QString DealText(const std::array<int, 5>& arrCodes) {
    QStringList cards;
    for (int nCode : arrCodes) cards << CardText(nCode);
    return cards.join(' ');
}

QString HoldText(const std::array<int, 5>& arrCodes, int nMask) {
    QStringList cards;
    for (int i = 0; i < 5; ++i)
        if ((nMask >> i) & 1) cards << CardText(arrCodes[static_cast<size_t>(i)]);
    return cards.isEmpty() ? QString("nothing (draw five)") : cards.join(' ');
}

QString WorkingText(double dDone) {
    return QString("Working out the exact odds: %1 %").arg(static_cast<int>(dDone * 100));
}

QString Number(double d, int nDecimals) {
    return QString::number(d, 'f', nDecimals);
}

QString Coins(const CFraction& coins) {
    return Number(coins.Value(), 2) + " coins";
}

QString Percent(const CFraction& fraction) {
    return Number(fraction.Value() * 100.0, 4) + " %";
}

QString Exactly(const CFraction& fraction) {
    return "Exactly " + QString::fromStdString(fraction.Text());
}

void SetCostColour(QWidget* pWidget, bool bCostly) {
    QPalette palette = pWidget->palette();
    palette.setColor(
        QPalette::WindowText,
        bCostly ? kCostColour : pWidget->parentWidget()->palette().color(QPalette::WindowText));
    pWidget->setPalette(palette);
}

QTreeWidget* MakeList(const QString& strName, const QStringList& headers, QWidget* pParent) {
    auto* pList = new QTreeWidget(pParent);
    pList->setAccessibleName(strName);
    pList->setHeaderLabels(headers);
    pList->setRootIsDecorated(false);
    pList->setUniformRowHeights(true);
    pList->setFocusPolicy(Qt::StrongFocus);
    pList->header()->setStretchLastSection(true);
    return pList;
}

// The session's figures, in the order shown.
const char* const kSessionNames[] = {
    "Deals played",
    "Hands played",
    "Coins bet",
    "Coins won",
    "Net",
    "Return played",
    "Return of your holds",
    "Return of the best holds",
    "Best holds",
    "Cost of the other holds",
    "Biggest draw",
};
constexpr int kSessionFigures = static_cast<int>(std::size(kSessionNames));

}  // namespace

CCoachWindow::CCoachWindow(CMultiHandDlg& dlg, QWidget* pTable)
    : QWidget(pTable, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_dlg(dlg),
      m_pTable(pTable) {
    setWindowTitle("Handfall II Coach");
    setObjectName("coachWindow");
    // The table keeps the keyboard when the coach appears; a click gives it to the coach.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(440, 700);

    m_coach.SetChangeHandler([this] {
        if (isVisible()) Refresh();
    });
    m_dlg.SetObserver(&m_coach);
}

// The contents are built the first time the window is shown: most runs never open the coach,
// and its hundred-odd widgets would otherwise be built before the table's first frame.
void CCoachWindow::BuildContent() {
    if (m_pStatus != nullptr) return;
    InstallCoachAccessibility();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(8, 6, 8, 8);
    pLayout->setSpacing(4);
    m_pStatus = new QLabel(this);
    m_pStatus->setAccessibleName("Coach status");
    pLayout->addWidget(m_pStatus);

    m_pDealBox = new QGroupBox("This deal", this);
    m_pDealBox->setObjectName("thisDeal");
    auto* pDeal = new QVBoxLayout(m_pDealBox);
    m_pDealCards = new CCoachFigure("Deal", m_pDealBox);
    pDeal->addWidget(m_pDealCards);
    m_pRanking =
        MakeList("Holds of this deal, best first", {"Rank", "Hold", "Expected pay"}, m_pDealBox);
    m_pRanking->setObjectName("holds");
    m_pRanking->setSelectionMode(QAbstractItemView::NoSelection);
    m_pRanking->setColumnWidth(0, 56);
    m_pRanking->setColumnWidth(1, 170);
    m_pRanking->setFixedHeight(150);
    for (int i = 0; i < 32; ++i) new QTreeWidgetItem(m_pRanking);
    pDeal->addWidget(m_pRanking);
    auto* pVerdict = new QHBoxLayout;
    m_pRank = new CCoachFigure("Your hold", m_pDealBox);
    m_pCost = new CCoachFigure("Cost of your hold", m_pDealBox);
    pVerdict->addWidget(m_pRank, 1);
    pVerdict->addWidget(m_pCost);
    pDeal->addLayout(pVerdict);
    pLayout->addWidget(m_pDealBox);

    m_pHandsBox = new QGroupBox("Over the hands in play", this);
    auto* pHands = new QVBoxLayout(m_pHandsBox);
    m_pChart = new QGridLayout;
    m_pChart->setHorizontalSpacing(8);
    m_pChart->setVerticalSpacing(0);
    m_pChart->setColumnStretch(1, 1);
    for (int i = 0; i < MAX_OUTCOMES; ++i) {
        CChartRow row{new CCoachFigure("", m_pHandsBox), new CCoachBar("", m_pHandsBox),
                      new CCoachFigure("", m_pHandsBox), new CCoachFigure("", m_pHandsBox),
                      new CCoachFigure("", m_pHandsBox)};
        for (CCoachFigure* pFigure : {row.pProbability, row.pExpected, row.pActual})
            pFigure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_pChart->addWidget(row.pName, i, 0);
        m_pChart->addWidget(row.pBar, i, 1);
        m_pChart->addWidget(row.pProbability, i, 2);
        m_pChart->addWidget(row.pExpected, i, 3);
        m_pChart->addWidget(row.pActual, i, 4);
        m_vecChartRows.push_back(row);
    }
    pHands->addLayout(m_pChart);
    m_pExpectedWin = new CCoachFigure("Expected win", m_pHandsBox);
    m_pActualWin = new CCoachFigure("Actual win", m_pHandsBox);
    pHands->addWidget(m_pExpectedWin);
    pHands->addWidget(m_pActualWin);
    pLayout->addWidget(m_pHandsBox);

    auto* pSessionBox = new QGroupBox("Session", this);
    auto* pSession = new QGridLayout(pSessionBox);
    pSession->setVerticalSpacing(1);
    pSession->setColumnStretch(1, 1);
    pSession->setColumnStretch(3, 1);
    for (int i = 0; i < kSessionFigures; ++i) {
        auto* pName = new QLabel(QString(kSessionNames[i]) + ":", pSessionBox);
        auto* pValue = new CCoachFigure(kSessionNames[i], pSessionBox);
        pSession->addWidget(pName, i / 2, (i % 2) * 2);
        pSession->addWidget(pValue, i / 2, (i % 2) * 2 + 1);
        m_vecSession.push_back(pValue);
    }
    pLayout->addWidget(pSessionBox);

    pLayout->addWidget(new QLabel("Costly decisions, newest first:", this));
    m_pCostly = MakeList("Costly decisions, newest first",
                         {"Deal", "Hold played", "Best hold", "Cost"}, this);
    m_pCostly->setObjectName("costlyDecisions");
    m_pCostly->setColumnWidth(0, 140);
    m_pCostly->setColumnWidth(1, 90);
    m_pCostly->setColumnWidth(2, 90);
    m_pCostly->setMinimumHeight(80);
    connect(m_pCostly, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = m_pCostly->selectedItems();
        m_coach.ViewDeal(selected.isEmpty() ? 0 : selected.front()->data(0, Qt::UserRole).toInt());
    });
    pLayout->addWidget(m_pCostly, 1);
    setTabOrder(m_pRanking, m_pCostly);
}

CCoachWindow::~CCoachWindow() {
    m_dlg.SetObserver(nullptr);
    // A table still being built is dropped, as is anything it posted, with this window's events.
    m_bStopBuild = true;
    if (m_worker.joinable()) m_worker.join();
}

void CCoachWindow::Toggle() {
    if (isVisible()) {
        close();
    } else {
        ShowBesideTable();
    }
}

void CCoachWindow::ShowBesideTable() {
    BuildContent();
    // Placed by its client area: the coach's own frame is not known before it is first shown,
    // and the window manager gives both windows the same frame as the table's.
    const QRect rcFrame = m_pTable->frameGeometry();
    const QRect rcClient = m_pTable->geometry();
    const int nLeftFrame = rcClient.left() - rcFrame.left();
    const int nFrameWidth = width() + rcFrame.width() - rcClient.width();
    const QRect rcScreen = m_pTable->screen()->availableGeometry();
    int x = rcFrame.right() + 1 + kGap;
    if (x + nFrameWidth > rcScreen.right() + 1)
        x = rcFrame.left() - kGap - nFrameWidth >= rcScreen.left()
                ? rcFrame.left() - kGap - nFrameWidth
                : rcScreen.right() + 1 - nFrameWidth;
    setGeometry(x + nLeftFrame, rcClient.top(), width(), height());
    show();
    raise();
    m_pTable->activateWindow();
}

void CCoachWindow::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    BuildContent();  // when shown other than beside the table
    m_coach.SetSelectedTable(m_dlg.GetPayTable());
    Refresh();
}

void CCoachWindow::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_Escape || pEvent->key() == Qt::Key_C) {
        close();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

void CCoachWindow::BuildNeededTable() {
    if (m_worker.joinable()) return;
    const std::optional<COutcomeKey> key = m_coach.GetNeededTable();
    if (!key) return;
    m_worker = std::thread([this, key = *key] {
        const CStoppableWork work(m_bStopBuild);
        auto pTable = SharedOutcomeTable(key.eFamily, key.rules, [this](double dDone) {
            QMetaObject::invokeMethod(
                this, [this, dDone] { m_pStatus->setText(WorkingText(dDone)); },
                Qt::QueuedConnection);
        });
        // A stopped build leaves no table: nothing to hand over.
        if (work.IsStopped() || !pTable) return;
        QMetaObject::invokeMethod(
            this,
            [this, pTable] {
                m_worker.join();
                m_coach.SetTable(pTable);  // refreshes, and builds the next table waited for
            },
            Qt::QueuedConnection);
    });
}

void CCoachWindow::Refresh() {
    BuildNeededTable();
    if (!IsWorking()) {
        m_pStatus->clear();
    } else if (m_pStatus->text().isEmpty()) {
        m_pStatus->setText(WorkingText(0.0));
    }
    m_pStatus->setVisible(IsWorking());
    RefreshDeal();
    RefreshOverHands();
    RefreshSession();
    RefreshCostly();
}

void CCoachWindow::RefreshDeal() {
    const std::optional<CDealFigures> figures = m_coach.GetDealFigures();
    const int nViewed = m_coach.GetViewedDeal();
    m_pDealBox->setTitle(nViewed > 0 ? QString("Deal %1, from the list").arg(nViewed)
                                     : QString("This deal"));
    m_pRanking->setVisible(figures.has_value());
    if (!figures) {
        m_pDealCards->setText(m_coach.GetDealCount() == 0 ? "No deal yet: press Deal."
                                                          : "Working out the exact odds...");
        m_pRank->clear();
        m_pCost->clear();
        return;
    }
    const CCoachDeal& deal = figures->deal;
    m_pDealCards->setText(QString("Dealt %1  (bet %2 on %3 hands)")
                              .arg(DealText(deal.arrCodes))
                              .arg(deal.nBet)
                              .arg(deal.nHands));
    for (int i = 0; i < 32; ++i) {
        const CHoldOutcomes& hold = figures->vecHolds[static_cast<size_t>(i)];
        QTreeWidgetItem* pItem = m_pRanking->topLevelItem(i);
        const bool bCurrent = hold.nHoldMask == deal.nHoldMask;
        pItem->setText(0, bCurrent ? QString("\u25B6 %1").arg(i + 1) : QString::number(i + 1));
        pItem->setText(1, HoldText(deal.arrCodes, hold.nHoldMask));
        const CFraction pay(hold.nPaySum, hold.nDraws);
        pItem->setText(2, Number(pay.Value(), 4));
        QFont font = m_pRanking->font();
        font.setBold(bCurrent);
        for (int c = 0; c < 3; ++c) {
            pItem->setFont(c, font);
            pItem->setToolTip(c, Exactly(pay));
        }
        // The hold played stays in sight as it moves up and down the ranking.
        if (bCurrent) m_pRanking->scrollToItem(pItem);
    }
    m_pRank->setText(QString("Your hold: %1, rank %2 of 32")
                         .arg(HoldText(deal.arrCodes, deal.nHoldMask))
                         .arg(figures->nRank));
    m_pCost->setText("Cost: " + Coins(figures->cost));
    m_pCost->setToolTip(Exactly(figures->cost) +
                        " coins: (best expected pay - yours) x bet x hands");
    SetCostColour(m_pCost, figures->cost.GetNumerator() > 0);
}

void CCoachWindow::RefreshOverHands() {
    const std::optional<COverHandsFigures> figures = m_coach.GetOverHandsFigures();
    m_pHandsBox->setTitle(figures ? QString("Over %1 hands").arg(figures->nHands)
                                  : QString("Over the hands in play"));
    const size_t nRows = figures ? figures->vecCategories.size() : 0;
    for (size_t i = 0; i < m_vecChartRows.size(); ++i) {
        const CChartRow& row = m_vecChartRows[i];
        const bool bShown = i < nRows;
        for (QWidget* pWidget : std::initializer_list<QWidget*>{
                 row.pName, row.pBar, row.pProbability, row.pExpected, row.pActual})
            pWidget->setVisible(bShown);
        if (!bShown) continue;
        const CCategoryFigure& category = figures->vecCategories[i];
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
        row.pExpected->setText(Number(category.expectedHands.Value(), 2) + " hands");
        row.pExpected->setToolTip(Exactly(category.expectedHands));
        row.pActual->setAccessibleName(strName + " hands drawn");
        row.pActual->setText(figures->bDrawn ? QString("drawn %1").arg(category.nActualHands)
                                             : QString());
    }
    if (!figures) {
        m_pExpectedWin->clear();
        m_pActualWin->clear();
        return;
    }
    m_pExpectedWin->setText(QString("Expected win: %1, standard deviation %2 coins")
                                .arg(Coins(figures->expectedWin))
                                .arg(Number(figures->dWinDeviation, 2)));
    m_pExpectedWin->setToolTip(Exactly(figures->expectedWin) +
                               QString(" coins; one hand pays %1 per coin, deviation %2")
                                   .arg(QString::fromStdString(figures->meanPay.Text()))
                                   .arg(Number(figures->dPayDeviation, 4)));
    if (!figures->bDrawn) {
        m_pActualWin->setText("Actual win: after the draw");
    } else if (figures->dDeviations) {
        const double d = *figures->dDeviations;
        m_pActualWin->setText(QString("Actual win: %1 coins, %2 deviations %3 the expectation")
                                  .arg(figures->nWon)
                                  .arg(Number(std::abs(d), 2))
                                  .arg(d < 0 ? "below" : "above"));
    } else {
        m_pActualWin->setText(QString("Actual win: %1 coins, as certain").arg(figures->nWon));
    }
}

void CCoachWindow::RefreshSession() {
    const CSessionFigures s = m_coach.GetSessionFigures();
    const bool bValued = s.nDecisions > 0;
    const QString strWaiting = "working...";
    const QString arrValues[kSessionFigures] = {
        QString::number(s.nDeals),
        QString::number(s.nHandsPlayed),
        QString::number(s.nCoinsBet),
        QString::number(s.nCoinsWon),
        QString::number(s.nNet),
        s.nCoinsBet > 0 ? Percent(s.playedReturn) : QString("-"),
        bValued          ? Percent(s.chosenReturn)
        : s.nWaiting > 0 ? strWaiting
                         : QString("-"),
        bValued          ? Percent(s.bestReturn)
        : s.nWaiting > 0 ? strWaiting
                         : QString("-"),
        QString("%1 of %2").arg(s.nBestDecisions).arg(s.nDecisions),
        Coins(s.cost),
        QString::number(s.nBiggestDraw) + " coins",
    };
    const CFraction* arrExact[kSessionFigures] = {
        nullptr,         nullptr,       nullptr, nullptr, nullptr, &s.playedReturn,
        &s.chosenReturn, &s.bestReturn, nullptr, &s.cost, nullptr};
    for (int i = 0; i < kSessionFigures; ++i) {
        m_vecSession[static_cast<size_t>(i)]->setText(arrValues[i]);
        m_vecSession[static_cast<size_t>(i)]->setToolTip(arrExact[i] ? Exactly(*arrExact[i])
                                                                     : QString());
    }
    SetCostColour(m_vecSession[9], s.cost.GetNumerator() > 0);
}

void CCoachWindow::RefreshCostly() {
    const std::vector<CCostlyDecision> vecCostly = m_coach.GetCostlyDecisions();
    const QSignalBlocker blocker(m_pCostly);
    // The list only grows: a decision once costly stays so.
    if (static_cast<int>(vecCostly.size()) != m_nCostlyShown) {
        m_nCostlyShown = static_cast<int>(vecCostly.size());
        m_pCostly->clear();
        for (const CCostlyDecision& decision : vecCostly) {
            auto* pItem = new QTreeWidgetItem(m_pCostly);
            pItem->setText(
                0, QString("%1: %2").arg(decision.nDeal).arg(DealText(decision.deal.arrCodes)));
            pItem->setText(1, HoldText(decision.deal.arrCodes, decision.deal.nHoldMask));
            pItem->setText(2, HoldText(decision.deal.arrCodes, decision.deal.nBestMask));
            pItem->setText(3, Number(decision.cost.Value(), 2));
            pItem->setToolTip(3, Exactly(decision.cost) + " coins");
            pItem->setForeground(3, kCostColour);
            pItem->setData(0, Qt::UserRole, decision.nDeal);
        }
    }
    // The selection is the deal in view: a new deal or a hold toggle at the table clears it.
    for (int i = 0; i < m_pCostly->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pItem = m_pCostly->topLevelItem(i);
        pItem->setSelected(pItem->data(0, Qt::UserRole).toInt() == m_coach.GetViewedDeal());
    }
}

CCoachWindow* InstallCoach(CQtDialogHost& host, CMultiHandDlg& dlg) {
    auto* pWindow = new CCoachWindow(dlg, &host);  // a child of the host: goes with it
    auto* pShortcut = new QShortcut(QKeySequence("C"), &host);
    pShortcut->setContext(Qt::WindowShortcut);
    pShortcut->setAutoRepeat(false);
    QObject::connect(pShortcut, &QShortcut::activated, pWindow, &CCoachWindow::Toggle);
    host.AddWindowMenuItem(
        "&Coach", [pWindow] { pWindow->Toggle(); }, {}, [pWindow] { return pWindow->isVisible(); });
    return pWindow;
}
