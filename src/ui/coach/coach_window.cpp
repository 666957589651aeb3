#include "ui/coach/coach_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "analysis/parallel_for.h"
#include "coach/coach_text.h"
#include "games/game_variants.h"
#include "model/card_words.h"
#include "platform/qt/qt_dialog_host.h"
#include "strategy/chart_cache.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/coach_group.h"
#include "ui/coach/strategy_card.h"
#include "ui/coach/suit_ink.h"
#include "ui/store/settings_store.h"
#include "ui/table/accessibility.h"
#include "ui/table/table_keys.h"
#include "ui/table/table_speaker.h"

namespace {

constexpr int kGap = 8;  // between the table and the coach
constexpr int kWidth = 440;
constexpr int kNarrowWidth = 400;  // beside the table on a laptop's screen
constexpr int kHeight = 920;       // all the groups, where the screen has room
const QString kWarnKey = "Coach/WarnBeforeCostlyDraw";
const QString kThresholdKey = "Coach/WarnThreshold";
constexpr double kThresholds[] = {0, 0.5, 1, 2, 5, 10, 25, 50};
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

QString Text(const std::string& str) {
    return QString::fromStdString(str);
}

// The coach's lists move with arrows and page keys only: a typed letter or digit is the table's.
class CCoachList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    void keyboardSearch(const QString&) override {}
    // As tall as its least: the lists share what room there is by their stretch, and the
    // window's height, which follows the groups' hints, then fits a screen of 1080 lines.
    QSize sizeHint() const override { return {QTreeWidget::sizeHint().width(), minimumHeight()}; }
};

QTreeWidget* MakeList(const QString& strName, const QStringList& headers, QWidget* pParent) {
    auto* pList = new CCoachList(pParent);
    pList->setAccessibleName(strName);
    pList->setHeaderLabels(headers);
    pList->setRootIsDecorated(false);
    pList->setUniformRowHeights(true);
    pList->setFocusPolicy(Qt::StrongFocus);
    // The middle column takes what the others leave; the figures keep their width.
    pList->header()->setStretchLastSection(false);
    if (headers.size() == 3) {
        pList->header()->setSectionResizeMode(0, QHeaderView::Fixed);
        pList->header()->setSectionResizeMode(1, QHeaderView::Stretch);
        pList->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    } else {
        pList->header()->setStretchLastSection(true);
    }
    pList->setItemDelegate(new CSuitInkDelegate(pList));
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
    resize(kWidth, kHeight);

    m_coach.SetChangeHandler([this] {
        if (isVisible()) Refresh();
    });
    m_dlg.AddObserver(&m_coach);
    InstallCoachGroupAccessibility();
}

// The contents are built the first time the window is shown: most runs never open the coach,
// and its hundred-odd widgets would otherwise be built before the table's first frame.
void CCoachWindow::BuildContent() {
    if (m_pStatus != nullptr) return;
    InstallCoachAccessibility();
    // All of it scrolls as one: on a laptop's screen the window is shorter than its groups.
    auto* pScroll = new QScrollArea(this);
    pScroll->setFrameShape(QFrame::NoFrame);
    pScroll->setWidgetResizable(true);
    pScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pScroll->setFocusPolicy(Qt::NoFocus);  // the groups are the stops
    auto* pContent = m_pScrolled = new QWidget(pScroll);
    pContent->setObjectName("coachContent");
    pScroll->setWidget(pContent);
    auto* pOuter = new QVBoxLayout(this);
    pOuter->setContentsMargins(0, 0, 0, 0);
    pOuter->addWidget(pScroll);
    auto* pLayout = new QVBoxLayout(pContent);
    pLayout->setContentsMargins(8, 6, 8, 8);
    pLayout->setSpacing(4);
    m_pStatus = new QLabel(this);
    m_pStatus->setAccessibleName("Coach status");
    m_pStatus->setWordWrap(true);
    pLayout->addWidget(m_pStatus);
    // The strategy list takes the height the other groups leave.
    pLayout->addWidget(BuildDealBox());
    pLayout->addWidget(BuildWarningBox());
    pLayout->addWidget(BuildHandsBox());
    pLayout->addWidget(BuildSessionBox());
    pLayout->addWidget(BuildStrategyBox(), 1);
    pLayout->addWidget(BuildCostlyBox());
    pScroll->viewport()->installEventFilter(this);
    // Each group of figures is a stop of its own, in the order they stand.
    setTabOrder(m_pDealBox, m_pRanking);
    setTabOrder(m_pRanking, m_pWarn);
    setTabOrder(m_pWarn, m_pThreshold);
    setTabOrder(m_pThreshold, m_pHandsBox);
    setTabOrder(m_pHandsBox, m_pSessionBox);
    setTabOrder(m_pSessionBox, m_pStrategyBox);
    setTabOrder(m_pStrategyBox, m_pChartLines);
    setTabOrder(m_pChartLines, m_pSaveCard);
    setTabOrder(m_pSaveCard, m_pCostly);
    KeepListFocusTrue(*m_pRanking);
    KeepListFocusTrue(*m_pChartLines);
    KeepListFocusTrue(*m_pCostly);
}

QGroupBox* CCoachWindow::BuildDealBox() {
    m_pDealBox = new CCoachGroup("This deal", this);
    m_pDealBox->setObjectName("thisDeal");
    auto* pDeal = new QVBoxLayout(m_pDealBox);
    m_pDealCards = new CCoachFigure("Deal", m_pDealBox);
    m_pDealCards->setWordWrap(true);
    pDeal->addWidget(m_pDealCards);
    m_pRanking =
        MakeList("Holds of this deal, best first", {"Rank", "Hold", "Pay per coin"}, m_pDealBox);
    m_pRanking->setObjectName("holds");
    m_pRanking->setSelectionMode(QAbstractItemView::NoSelection);
    m_pRanking->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pRanking->setColumnWidth(0, 48);
    m_pRanking->setMinimumHeight(90);
    // Rank 1, then a row standing for the ranks left out, then ranks 2 to 32.
    for (int i = 0; i < 33; ++i) new QTreeWidgetItem(m_pRanking);
    m_pRanking->topLevelItem(1)->setHidden(true);
    m_pRanking->viewport()->installEventFilter(this);
    pDeal->addWidget(m_pRanking, 1);
    auto* pVerdict = new QHBoxLayout;
    m_pRank = new CCoachFigure("Your hold", m_pDealBox);
    m_pCost = new CCoachFigure("Cost of your hold", m_pDealBox);
    m_pRank->setWordWrap(true);
    m_pCost->setAlignment(Qt::AlignRight | Qt::AlignTop);
    pVerdict->addWidget(m_pRank, 1);
    pVerdict->addWidget(m_pCost);
    pDeal->addLayout(pVerdict);
    return m_pDealBox;
}

QGroupBox* CCoachWindow::BuildWarningBox() {
    auto* pBox = new QGroupBox("Warning", this);
    auto* pLayout = new QVBoxLayout(pBox);
    auto* pRow = new QHBoxLayout;
    m_pWarn = new QCheckBox("Warn me before a costly draw", pBox);
    m_pWarn->setObjectName("warn");
    m_pThreshold = new QComboBox(pBox);
    m_pThreshold->setObjectName("warnThreshold");
    m_pThreshold->setAccessibleName("Costing more than");
    for (double dCoins : kThresholds)
        m_pThreshold->addItem(
            dCoins == 0 ? QString("any cost")
                        : QString("over %1 %2").arg(dCoins).arg(dCoins == 1 ? "coin" : "coins"),
            dCoins);
    const QVariantMap mapKept = CSettingsStore().Read().mapValues;
    m_pWarn->setChecked(mapKept.value(kWarnKey, false).toBool());
    const int nIndex = m_pThreshold->findData(mapKept.value(kThresholdKey, 1.0).toDouble());
    m_pThreshold->setCurrentIndex(nIndex >= 0 ? nIndex : 2);
    m_pThreshold->setEnabled(m_pWarn->isChecked());
    auto save = [this] {
        const CSettingsStore store;
        const std::string strWhy =
            store.SetValues({{kWarnKey, m_pWarn->isChecked()},
                             {kThresholdKey, m_pThreshold->currentData().toDouble()}});
        if (!strWhy.empty())
            std::fprintf(stderr, "handfall: %s: %s; the warning's setting is not kept\n",
                         store.GetPathForMessage().c_str(), strWhy.c_str());
        m_pThreshold->setEnabled(m_pWarn->isChecked());
        if (!m_pWarn->isChecked()) m_pPrompt->hide();
    };
    connect(m_pWarn, &QCheckBox::toggled, this, save);
    connect(m_pThreshold, &QComboBox::currentIndexChanged, this, save);
    pRow->addWidget(m_pWarn);
    pRow->addWidget(m_pThreshold);
    pRow->addStretch(1);
    pLayout->addLayout(pRow);

    // Shown in place of a costly draw; it blocks nothing, the table plays on around it.
    m_pPrompt = new QWidget(pBox);
    m_pPrompt->setObjectName("warning");
    auto* pPrompt = new QVBoxLayout(m_pPrompt);
    pPrompt->setContentsMargins(0, 0, 0, 0);
    m_pPromptText = new CCoachFigure("Costly draw", m_pPrompt);
    m_pPromptText->setWordWrap(true);
    SetCostColour(m_pPromptText, true);
    pPrompt->addWidget(m_pPromptText);
    auto* pButtons = new QHBoxLayout;
    auto* pDraw = new QPushButton("Draw Anyway", m_pPrompt);
    pDraw->setObjectName("drawAnyway");
    auto* pChange = new QPushButton("Change the Hold", m_pPrompt);
    connect(pDraw, &QPushButton::clicked, this, [this] {
        m_pPrompt->hide();
        m_dlg.OnCommand(IDC_DRAW);
    });
    connect(pChange, &QPushButton::clicked, this, [this] {
        m_pPrompt->hide();
        m_pTable->activateWindow();
    });
    pButtons->addWidget(pDraw);
    pButtons->addWidget(pChange);
    pButtons->addStretch(1);
    pPrompt->addLayout(pButtons);
    m_pPrompt->hide();
    pLayout->addWidget(m_pPrompt);
    return pBox;
}

QGroupBox* CCoachWindow::BuildHandsBox() {
    m_pHandsBox = new CCoachGroup("Over the hands in play", this);
    auto* pHands = new QVBoxLayout(m_pHandsBox);
    m_pChart = new QGridLayout;
    m_pChart->setHorizontalSpacing(4);
    m_pChart->setVerticalSpacing(0);
    m_pChart->setColumnStretch(1, 1);
    const QFontMetrics metrics(font());
    for (int i = 0; i < MAX_OUTCOMES; ++i) {
        CChartRow row{new CCoachFigure("", m_pHandsBox), new CCoachBar("", m_pHandsBox),
                      new CCoachFigure("", m_pHandsBox), new CCoachFigure("", m_pHandsBox),
                      new CCoachFigure("", m_pHandsBox)};
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
    m_pExpectedWin->setWordWrap(true);
    m_pActualWin->setWordWrap(true);
    pHands->addWidget(m_pExpectedWin);
    pHands->addWidget(m_pActualWin);
    return m_pHandsBox;
}

QGroupBox* CCoachWindow::BuildSessionBox() {
    auto* pSessionBox = new CCoachGroup("Session", this);
    m_pSessionBox = pSessionBox;
    auto* pSession = new QGridLayout(pSessionBox);
    pSession->setVerticalSpacing(1);
    pSession->setHorizontalSpacing(6);
    // Name and value side by side, the two pairs of a row kept apart by a stretching gap; one
    // pair a row where two do not fit (FitSessionColumns).
    pSession->setColumnStretch(2, 1);
    pSession->setColumnMinimumWidth(2, 12);
    for (int i = 0; i < kSessionFigures; ++i) {
        auto* pName = new QLabel(QString(kSessionNames[i]) + ":", pSessionBox);
        auto* pValue = new CCoachFigure(kSessionNames[i], pSessionBox);
        pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_vecSessionNames.push_back(pName);
        m_vecSession.push_back(pValue);
    }
    FitSessionColumns();
    return pSessionBox;
}

void CCoachWindow::FitSessionColumns() {
    const QMargins margins = m_pScrolled->layout()->contentsMargins();
    const int nRoom = m_pScrolled->parentWidget()->width() - margins.left() - margins.right();
    // Two pairs a row did not fit in as much room: no need to lay them out to find that again.
    if (m_nSessionColumns == 1 && nRoom <= m_nOneColumnRoom) return;
    const auto layOut = [this](int nColumns) {
        if (nColumns == m_nSessionColumns) return;
        m_nSessionColumns = nColumns;
        auto* pGrid = static_cast<QGridLayout*>(m_pSessionBox->layout());
        for (int i = 0; i < kSessionFigures; ++i) {
            QWidget* pName = m_vecSessionNames[static_cast<size_t>(i)];
            QWidget* pValue = m_vecSession[static_cast<size_t>(i)];
            pGrid->removeWidget(pName);
            pGrid->removeWidget(pValue);
            // One column: the value at the right edge, past the stretching gap.
            const int nColumn = nColumns == 2 ? (i % 2) * 3 : 0;
            pGrid->addWidget(pName, i / nColumns, nColumn);
            pGrid->addWidget(pValue, i / nColumns, nColumns == 2 ? nColumn + 1 : 4);
        }
        m_pSessionBox->updateGeometry();
    };
    layOut(2);
    if (m_pSessionBox->minimumSizeHint().width() <= nRoom) return;
    layOut(1);
    m_nOneColumnRoom = nRoom;
}

QGroupBox* CCoachWindow::BuildCostlyBox() {
    auto* pBox = new QGroupBox("Costly decisions, newest first", this);
    auto* pLayout = new QVBoxLayout(pBox);
    m_pCostly = MakeList("Costly decisions, newest first",
                         {"Deal", "Hold played", "Best hold", "Cost"}, pBox);
    m_pCostly->setObjectName("costlyDecisions");
    m_pCostly->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pCostly->setMinimumHeight(50);
    connect(m_pCostly, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = m_pCostly->selectedItems();
        m_coach.ViewDeal(selected.isEmpty() ? 0 : selected.front()->data(0, Qt::UserRole).toInt());
    });
    pLayout->addWidget(m_pCostly);
    return pBox;
}

CCoachWindow::~CCoachWindow() {
    m_dlg.RemoveObserver(&m_coach);
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

CCoachPlace PlaceCoach(QRect rcFrame, const QRect& rcClient, const QRect& rcScreen,
                       int nTitleHeight) {
    // A frame not known yet: none where the windows go, a title bar's room in the height.
    const bool bKnown = rcFrame.contains(rcClient) && rcFrame != rcClient;
    if (!bKnown) rcFrame = rcClient;
    // Placed by its client area: the coach's own frame is not known before it is first shown,
    // and the window manager gives both windows the same frame as the table's.
    const int nLeftFrame = rcClient.left() - rcFrame.left();
    const int nTopFrame = rcClient.top() - rcFrame.top();
    const int nFrameWidth = rcFrame.width() - rcClient.width();
    const int nFrameHeight = rcFrame.height() - rcClient.height();
    const int nRight = rcScreen.right() - rcFrame.right() - kGap;  // room for a whole frame
    const int nLeft = rcFrame.left() - rcScreen.left() - kGap;
    CCoachPlace place;
    int nWidth = kWidth;
    int x = 0;
    if (nRight >= kWidth + nFrameWidth) {
        x = rcFrame.right() + 1 + kGap;
    } else if (nLeft >= kWidth + nFrameWidth) {
        x = rcFrame.left() - kGap - kWidth - nFrameWidth;
    } else if (rcScreen.width() >= rcFrame.width() + kGap + kNarrowWidth + nFrameWidth) {
        // A laptop's screen: the table moves to the left edge, a narrower coach beside it.
        place.ptTable = QPoint(rcScreen.left(), std::max(rcScreen.top(), rcFrame.top()));
        rcFrame.moveTopLeft(*place.ptTable);
        nWidth = std::min(kNarrowWidth, rcScreen.right() - rcFrame.right() - kGap - nFrameWidth);
        x = rcFrame.right() + 1 + kGap;
    } else {
        x = rcScreen.right() + 1 - kWidth - nFrameWidth;  // no room: over the table's right
    }
    const int nTop = std::max(rcScreen.top(), rcFrame.top());
    const int nHeight =
        std::min(kHeight, rcScreen.bottom() + 1 - nTop - (bKnown ? nFrameHeight : nTitleHeight));
    place.rcCoach = QRect(x + nLeftFrame, nTop + nTopFrame, nWidth, nHeight);
    return place;
}

void CCoachWindow::ShowBesideTable() {
    BuildContent();
    // Just after the table is mapped, Qt may not know its frame yet, nor learn it soon: it gives
    // none, or a stand-in (1 x 1 at the table's corner), from which the coach came out 440 x 920
    // under the table. Such a frame is taken as none, with room kept for a title bar.
    const CCoachPlace place = PlaceCoach(
        m_pTable->frameGeometry(), m_pTable->geometry(), m_pTable->screen()->availableGeometry(),
        style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    if (place.ptTable) m_pTable->move(*place.ptTable);
    setGeometry(place.rcCoach);
    show();
    raise();
    m_pTable->activateWindow();
}

void CCoachWindow::Announce(const QString& strText) {
    if (auto* pHost = qobject_cast<CQtDialogHost*>(m_pTable))
        if (CTableSpeaker* pSpeaker = CTableSpeaker::Of(*pHost)) pSpeaker->Announce(strText);
}

void CCoachWindow::hideEvent(QHideEvent* pEvent) {
    QWidget::hideEvent(pEvent);
    // The table keeps the keyboard, so no window's activation tells of the coach: this does.
    if (!pEvent->spontaneous()) Announce("Coach closed");
}

void CCoachWindow::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    if (!pEvent->spontaneous()) Announce("Coach open, beside the table");
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

// Esc at the table closes an open coach first; only then may it end the game. The ranking's
// height is known only once its layout has run: on its first showing with a deal, and whenever
// the window changes size.
bool CCoachWindow::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pTable && pEvent->type() == QEvent::KeyPress && isVisible() &&
        static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (m_pRanking != nullptr && pWatched == m_pRanking->viewport() &&
        pEvent->type() == QEvent::Resize)
        KeepRanksInView();
    if (m_pScrolled != nullptr && pWatched == m_pScrolled->parentWidget() &&
        pEvent->type() == QEvent::Resize)
        FitSessionColumns();
    return QWidget::eventFilter(pWatched, pEvent);
}

bool CCoachWindow::HoldsBackDraw() {
    if (!isVisible() || m_pWarn == nullptr || !m_pWarn->isChecked() || !m_dlg.IsDealt())
        return false;
    const std::optional<CCostlyDraw> costly =
        m_coach.GetCostlyDraw(m_pThreshold->currentData().toDouble());
    if (!costly) return false;
    const int nDeal = m_coach.GetDealCount();
    int nHeld = 0;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        if (m_dlg.IsHeld(i)) nHeld |= 1 << i;
    // Asked again with the same hold, the player means it.
    if (m_pPrompt->isVisible() && m_nWarnedDeal == nDeal && m_nWarnedMask == nHeld) {
        m_pPrompt->hide();
        return false;
    }
    m_nWarnedDeal = nDeal;
    m_nWarnedMask = nHeld;
    // The table's own cards: the coach may be showing an older deal.
    std::array<int, 5> arrCodes{};
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        arrCodes[static_cast<size_t>(i)] = CardCodeOf(m_dlg.GetHand(0).GetCard(i));
    m_pPromptText->setText(QString("Your hold costs %1; the best hold is %2. Draw again to draw "
                                   "anyway.")
                               .arg(Coins(costly->cost))
                               .arg(HoldText(arrCodes, costly->nBestMask)));
    m_pPrompt->show();
    return true;
}

void CCoachWindow::RefreshWarning() {
    // A hold changed or the deal drawn: the warning was for a hold that is no longer there.
    if (!m_pPrompt->isVisible()) return;
    int nHeld = 0;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        if (m_dlg.IsHeld(i)) nHeld |= 1 << i;
    if (!m_dlg.IsDealt() || nHeld != m_nWarnedMask || m_coach.GetDealCount() != m_nWarnedDeal)
        m_pPrompt->hide();
}

void CCoachWindow::BuildNeededTable() {
    if (m_worker.joinable()) return;
    const std::optional<COutcomeKey> key = m_coach.GetNeededTable();
    if (!key) return BuildNeededChart();
    m_worker = std::thread([this, key = *key] {
        const CStoppableWork work(m_bStopBuild);
        auto pTable = SharedOutcomeTable(*key.pFamily, key.rules, [this](double dDone) {
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

void CCoachWindow::BuildNeededChart() {
    const std::optional<CChartKey> key = m_coach.GetNeededChart();
    if (!key) return;
    m_worker = std::thread([this, key = *key] {
        const CStoppableWork work(m_bStopBuild);
        auto pChart = SharedStrategyChart(key.payTable, key.nBet, [this](double dDone) {
            QMetaObject::invokeMethod(
                this,
                [this, dDone] {
                    m_pStatus->setText(QString("Making the strategy chart: %1 %")
                                           .arg(static_cast<int>(dDone * 100)));
                },
                Qt::QueuedConnection);
        });
        if (work.IsStopped() || !pChart) return;
        QMetaObject::invokeMethod(
            this,
            [this, pChart] {
                m_worker.join();
                m_coach.SetChart(pChart);
            },
            Qt::QueuedConnection);
    });
}

void CCoachWindow::Refresh() {
    BuildNeededTable();
    const QString strStake = Text(UncoveredStakeText(m_dlg));
    if (!IsWorking()) {
        m_pStatus->setText(strStake);
    } else if (m_pStatus->text().isEmpty() || m_pStatus->text() == strStake) {
        m_pStatus->setText(WorkingText(0.0));
    }
    m_pStatus->setVisible(!m_pStatus->text().isEmpty());
    RefreshWarning();
    RefreshDeal();
    RefreshOverHands();
    RefreshSession();
    RefreshStrategy();
    RefreshCostly();
}

void CCoachWindow::RefreshDeal() {
    const std::optional<CDealFigures> figures = m_coach.GetDealFigures();
    const int nViewed = m_coach.GetViewedDeal();
    QString strTitle =
        nViewed > 0 ? QString("Deal %1, from the list").arg(nViewed) : QString("This deal");
    if (figures) strTitle += ": " + Text(DealGameText(figures->deal));
    m_pDealBox->SetTitle(strTitle);
    m_pRanking->setVisible(figures.has_value());
    if (!figures) {
        m_pDealCards->setText(m_coach.GetDealCount() == 0 ? "No deal yet: press Deal."
                                                          : "Working out the exact odds...");
        m_pRank->clear();
        m_pCost->clear();
        return;
    }
    const CCoachDeal& deal = figures->deal;
    m_pDealCards->setText(QString("Dealt %1  (bet %2 on %3)")
                              .arg(DealText(deal.arrCodes))
                              .arg(deal.nBet)
                              .arg(Text(HandsText(deal.nHands))));
    for (int i = 0; i < 32; ++i) {
        const CHoldOutcomes& hold = figures->vecHolds[static_cast<size_t>(i)];
        QTreeWidgetItem* pItem = m_pRanking->topLevelItem(i == 0 ? 0 : i + 1);
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
        pItem->setToolTip(1, pItem->text(1));
        // The exact pay is read with the line, for the keyboard as for the mouse.
        pItem->setData(0, Qt::AccessibleTextRole,
                       QString("rank %1%2").arg(i + 1).arg(bCurrent ? ", your hold" : ""));
        pItem->setData(1, Qt::AccessibleTextRole,
                       Text(SymbolsAsWords(pItem->text(1).toStdString())));
        pItem->setData(2, Qt::AccessibleTextRole,
                       pItem->text(2) + " per coin, " + Exactly(pay).toLower());
        if (bCurrent) m_nCurrentRank = i + 1;
    }
    KeepRanksInView();
    m_pRank->setText(QString("Your hold: %1, rank %2 of 32")
                         .arg(HoldText(deal.arrCodes, deal.nHoldMask))
                         .arg(figures->nRank));
    m_pCost->setText("Cost: " + Coins(figures->cost));
    m_pCost->setToolTip(Exactly(figures->cost) +
                        " coins: (best expected pay - yours) x bet x hands");
    SetCostColour(m_pCost, figures->cost.GetNumerator() > 0);
}

void CCoachWindow::KeepRanksInView() {
    const int nRowHeight = std::max(1, m_pRanking->sizeHintForRow(0));
    const int nFit = std::max(2, m_pRanking->viewport()->height() / nRowHeight);
    // Ranks 2 to nLast go, the row at index 1 standing for them, when the hold played would
    // otherwise be out of sight below rank 1.
    const int nLast = m_nCurrentRank > nFit ? m_nCurrentRank - nFit + 2 : 1;
    QTreeWidgetItem* pGap = m_pRanking->topLevelItem(1);
    pGap->setHidden(nLast < 2);
    pGap->setText(0, QString::fromUtf8("⋮"));
    pGap->setText(1, nLast == 2 ? QString("rank 2") : QString("ranks 2 to %1").arg(nLast));
    pGap->setData(0, Qt::AccessibleTextRole, QString("left out"));
    for (int nRank = 2; nRank <= 32; ++nRank)
        m_pRanking->topLevelItem(nRank)->setHidden(nRank <= nLast);
    m_pRanking->scrollToTop();
}

void CCoachWindow::RefreshOverHands() {
    const std::optional<COverHandsFigures> figures = m_coach.GetOverHandsFigures();
    m_pHandsBox->SetTitle(figures ? "Over " + Text(HandsText(figures->nHands))
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
        row.pExpected->setText(Text(ExpectedHandsText(category.expectedHands)));
        row.pExpected->setToolTip(Exactly(category.expectedHands));
        row.pActual->setAccessibleName(strName + " hands drawn");
        row.pActual->setText(figures->bDrawn ? QString("drawn %1").arg(category.nActualHands)
                                             : QString());
        QString strRow = strName + ": probability " + row.pProbability->text() + ", " +
                         Text(SymbolsAsWords(row.pExpected->text().toStdString())) + " expected";
        if (figures->bDrawn) strRow += ", " + row.pActual->text();
        row.pName->SetSpoken(strRow);
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
    FitSessionColumns();  // wider figures may not fit two pairs a row any more
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
            pItem->setToolTip(0, QString("Deal %1, %2: bet %3 on %4")
                                     .arg(decision.nDeal)
                                     .arg(Text(DealGameText(decision.deal)))
                                     .arg(decision.deal.nBet)
                                     .arg(Text(HandsText(decision.deal.nHands))));
            pItem->setText(1, HoldText(decision.deal.arrCodes, decision.deal.nHoldMask));
            pItem->setText(2, HoldText(decision.deal.arrCodes, decision.deal.nBestMask));
            for (int c = 1; c <= 2; ++c) pItem->setToolTip(c, pItem->text(c));
            pItem->setText(3, Number(decision.cost.Value(), 2));
            pItem->setToolTip(3, Exactly(decision.cost) + " coins");
            pItem->setData(
                0, Qt::AccessibleTextRole,
                QString("Deal %1: %2")
                    .arg(decision.nDeal)
                    .arg(Text(SymbolsAsWords(DealText(decision.deal.arrCodes).toStdString()))));
            for (int c = 1; c <= 2; ++c)
                pItem->setData(c, Qt::AccessibleTextRole,
                               Text(SymbolsAsWords(pItem->text(c).toStdString())));
            pItem->setData(3, Qt::AccessibleTextRole,
                           pItem->text(3) + " coins, " + Exactly(decision.cost).toLower());
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
    host.installEventFilter(pWindow);
    InstallWindowKey(host, "C", [pWindow] { pWindow->Toggle(); });
    host.AddWindowMenuItem(
        "&Coach", [pWindow] { pWindow->Toggle(); }, {}, [pWindow] { return pWindow->isVisible(); });
    host.SetCommandFilter(
        [pWindow](int nID) { return nID == IDC_DRAW && pWindow->HoldsBackDraw(); });
    return pWindow;
}

QGroupBox* CCoachWindow::BuildStrategyBox() {
    m_pStrategyBox = new CCoachGroup("Strategy", this);
    m_pStrategyBox->setObjectName("strategy");
    auto* pLayout = new QVBoxLayout(m_pStrategyBox);
    m_pChartPick = new CCoachFigure("The chart's hold", m_pStrategyBox);
    m_pChartPick->setWordWrap(true);
    pLayout->addWidget(m_pChartPick);
    m_pChartLines = MakeList("Strategy chart, read from the top",
                             {"Line", "Hold class", "Pay per coin"}, m_pStrategyBox);
    m_pChartLines->setObjectName("chart");
    m_pChartLines->setSelectionMode(QAbstractItemView::NoSelection);
    m_pChartLines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pChartLines->setColumnWidth(0, 48);
    m_pChartLines->setMinimumHeight(90);
    pLayout->addWidget(m_pChartLines, 1);
    m_pChartReturn = new CCoachFigure("Return of the chart", m_pStrategyBox);
    m_pChartSession = new CCoachFigure("Holds as the chart", m_pStrategyBox);
    m_pChartReturn->setWordWrap(true);
    m_pChartSession->setWordWrap(true);
    pLayout->addWidget(m_pChartReturn);
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(m_pChartSession, 1);
    m_pSaveCard = new QPushButton("Save Strategy Card...", m_pStrategyBox);
    m_pSaveCard->setObjectName("saveCard");
    m_pSaveCard->setEnabled(false);
    connect(m_pSaveCard, &QPushButton::clicked, this, &CCoachWindow::SaveStrategyCard);
    pRow->addWidget(m_pSaveCard);
    pLayout->addLayout(pRow);
    return m_pStrategyBox;
}

// The chart of the deal in view: its line for the deal marked and in view, the line of the hold
// played marked too, and where the chart's hold falls short of the best hold, by how much.
void CCoachWindow::RefreshStrategy() {
    const std::optional<CStrategyFigures> figures = m_coach.GetStrategyFigures();
    const std::optional<CDealFigures> deal = m_coach.GetDealFigures();
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
    m_pSaveCard->setEnabled(figures.has_value());
    m_pChartLines->setVisible(figures.has_value());
    if (!figures || !deal) {
        m_pStrategyBox->SetTitle("Strategy");
        m_pChartPick->setText(m_coach.GetDealCount() == 0 ? "No deal yet."
                                                          : "Making the strategy chart...");
        m_pChartReturn->clear();
        return;
    }
    const CStrategyChart& chart = *figures->pChart;
    m_pStrategyBox->SetTitle(QString("Strategy: %1 at %2")
                                 .arg(Text(DealGameText(deal->deal)))
                                 .arg(Text(CoinsText(chart.GetBet()))));
    if (m_pShownChart != figures->pChart) {
        m_pShownChart = figures->pChart;
        m_pChartLines->clear();
        for (std::size_t i = 0; i < chart.GetLines().size(); ++i) {
            const CChartLine& line = chart.GetLines()[i];
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
        }
        m_pChartReturn->setText(
            QString("Return of the chart %1 %, of the best holds %2 %: %3 points less")
                .arg(Number(chart.GetReturn().dReturn * 100, 4))
                .arg(Number(chart.GetOptimalReturn().dReturn * 100, 4))
                .arg(Number(chart.GapPoints(), 4)));
    }
    for (int i = 0; i < m_pChartLines->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pItem = m_pChartLines->topLevelItem(i);
        const bool bPick = i == figures->nChartLine;
        const bool bHold = i == figures->nHoldLine;
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
    if (QTreeWidgetItem* pPick = m_pChartLines->topLevelItem(figures->nChartLine))
        m_pChartLines->scrollToItem(pPick, QAbstractItemView::PositionAtCenter);
    const CChartLine& pick = chart.GetLines()[static_cast<std::size_t>(figures->nChartLine)];
    QString strPick = QString("Line %1, %2: hold %3")
                          .arg(figures->nChartLine + 1)
                          .arg(Text(pick.strName))
                          .arg(HoldText(deal->deal.arrCodes, figures->nChartMask));
    strPick += figures->bChartIsBest
                   ? QString(". Here that is the best hold.")
                   : QString(". Here the chart is rough: the best hold, %1, gives %2 more.")
                         .arg(HoldText(deal->deal.arrCodes, deal->vecHolds.front().nHoldMask))
                         .arg(Coins(figures->chartCost));
    m_pChartPick->setText(strPick);
    SetCostColour(m_pChartPick, !figures->bChartIsBest);
}

void CCoachWindow::SaveStrategyCard() {
    const std::optional<CStrategyFigures> figures = m_coach.GetStrategyFigures();
    if (!figures) return;
    const QString strPath = QFileDialog::getSaveFileName(
        this, "Save Strategy Card", QDir::home().filePath("strategy-card.pdf"), "PDF (*.pdf)");
    if (strPath.isEmpty()) return;
    const CGameVariant* pVariant = FindGameVariant(figures->nGame);
    const QString strGame = pVariant != nullptr
                                ? QString(pVariant->pszName)
                                : QString(figures->pChart->GetPayTable().Family().pszName);
    QString strError;
    if (!WriteStrategyCard(*figures->pChart, strGame, strPath, &strError))
        QMessageBox::warning(this, "Save Strategy Card", strError);
}
