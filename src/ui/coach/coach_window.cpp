#include "ui/coach/coach_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/outcome_cache.h"
#include "coach/coach_text.h"
#include "platform/qt/qt_dialog_host.h"
#include "strategy/chart_cache.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/coach_group.h"
#include "ui/coach/costly_section.h"
#include "ui/coach/deal_section.h"
#include "ui/coach/figure_text.h"
#include "ui/coach/hands_section.h"
#include "ui/coach/session_section.h"
#include "ui/coach/strategy_section.h"
#include "ui/coach/training_section.h"
#include "ui/coach/warning_section.h"
#include "ui/store/history_database.h"
#include "ui/table/table_keys.h"
#include "ui/table/table_speaker.h"

namespace {

QString WorkingText(double dDone) {
    return QString("Working out the exact odds: %1 %").arg(static_cast<int>(dDone * 100));
}

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
    resize(kCoachWidth, kCoachHeight);

    // The decisions are valued, and so kept, with the coach shown or not.
    m_coach.SetChangeHandler([this] {
        if (isVisible()) {
            Refresh();
        } else if (m_coach.HasUnvaluedDraw()) {
            BuildNeededTable();
        }
    });
    m_dlg.AddObserver(&m_coach);
    m_dlg.AddObserver(&m_trainer);
    m_trainer.SetMinorShare(CTrainingSection::KeptMinorShare());
    // After the table's first frame: loading the database driver would only delay it, and no
    // decision comes before it.
    QTimer::singleShot(0, this, [this] { OpenHistory(); });
    InstallCoachGroupAccessibility();
}

// The contents are built the first time the window is shown: most runs never open the coach,
// and its hundred-odd widgets would otherwise be built before the table's first frame.
void CCoachWindow::BuildContent() {
    if (m_pStatus != nullptr) return;
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
    pLayout->addWidget(m_pDeal = new CDealSection(m_coach, this));
    pLayout->addWidget(m_pWarning = new CWarningSection(m_coach, m_dlg, m_pTable, this));
    pLayout->addWidget(m_pHands = new CHandsSection(m_coach, this));
    pLayout->addWidget(m_pTraining = new CTrainingSection(m_coach, m_trainer, this));
    pLayout->addWidget(m_pSession = new CSessionSection(m_coach, this, [this] { return Room(); }));
    // The strategy list takes the height the other groups leave.
    pLayout->addWidget(
        m_pStrategy = new CStrategySection(
            m_coach, this,
            [this](bool bPenalty) {
                m_coach.SetChartKind(bPenalty ? EChartKind::WithExceptions : EChartKind::Simple);
            }),
        1);
    pLayout->addWidget(m_pCostly = new CCostlySection(m_coach, m_trainer, this));
    pScroll->viewport()->installEventFilter(this);
    ChainTabOrder();
}

void CCoachWindow::ChainTabOrder() {
    QWidget* const arrStops[] = {m_pDeal,
                                 m_pDeal->Ranking(),
                                 m_pWarning->WarnBox(),
                                 m_pWarning->Threshold(),
                                 m_pHands,
                                 m_pTraining,
                                 m_pTraining->MinorShare(),
                                 m_pSession,
                                 m_pStrategy,
                                 m_pStrategy->ChartLines(),
                                 m_pStrategy->PenaltyBox(),
                                 m_pStrategy->SaveButton(),
                                 m_pCostly->List()};
    for (std::size_t i = 1; i < std::size(arrStops); ++i) setTabOrder(arrStops[i - 1], arrStops[i]);
}

int CCoachWindow::Room() const {
    const QMargins margins = m_pScrolled->layout()->contentsMargins();
    return m_pScrolled->parentWidget()->width() - margins.left() - margins.right();
}

void CCoachWindow::OpenHistory() {
    m_pHistory = std::make_unique<CHistoryDatabase>();
    const std::string strWhy = m_pHistory->Open();
    if (strWhy.empty()) {
        m_trainer.SetStore(m_pHistory.get());
        return;
    }
    m_pHistory.reset();
    m_trainer.TurnHistoryOff(strWhy);
}

CHistoryDatabase* CCoachWindow::GetHistory() const {
    return m_trainer.GetStore() != nullptr ? m_pHistory.get() : nullptr;
}

CCoachWindow::~CCoachWindow() {
    m_dlg.RemoveObserver(&m_trainer);
    m_dlg.RemoveObserver(&m_coach);
    // A table still being built is dropped, and its job stopped with m_build, never waited for.
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

// Esc at the table closes an open coach first; only then may it end the game. The session's
// figures fit their columns again whenever the window changes size.
bool CCoachWindow::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pTable && pEvent->type() == QEvent::KeyPress && isVisible() &&
        static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (m_pScrolled != nullptr && pWatched == m_pScrolled->parentWidget() &&
        pEvent->type() == QEvent::Resize)
        m_pSession->FitColumns();
    return QWidget::eventFilter(pWatched, pEvent);
}

void CCoachWindow::Refresh() {
    BuildNeededTable();
    RefreshStatus();
    m_pWarning->Refresh();
    m_pDeal->Refresh();
    m_pTraining->Refresh();
    m_pHands->Refresh();
    m_pSession->Refresh();
    m_pStrategy->Refresh();
    m_pCostly->Refresh();
}

void CCoachWindow::RefreshStatus() {
    const QString strStake = Text(UncoveredStakeText(m_dlg));
    if (!IsWorking()) {
        m_pStatus->setText(strStake);
    } else if (m_pStatus->text().isEmpty() || m_pStatus->text() == strStake) {
        m_pStatus->setText(WorkingText(0.0));
    }
    m_pStatus->setVisible(!m_pStatus->text().isEmpty());
}

bool CCoachWindow::HoldsBackDraw() {
    return isVisible() && m_pWarning != nullptr && m_pWarning->HoldsBackDraw();
}

void CCoachWindow::BuildNeededTable() {
    if (m_build.IsRunning()) return;
    const std::optional<COutcomeKey> key = m_coach.GetNeededTable();
    if (!key) return BuildNeededPlayFigures();
    m_build.Start(
        [key = *key](const CProgressFunction& progress) {
            // A stopped build leaves no table: nothing to hand over.
            return NonNull(SharedOutcomeTable(*key.pFamily, key.rules, progress));
        },
        // Refreshes, and builds the next table waited for.
        [this](std::shared_ptr<const COutcomeTable> pTable) { m_coach.SetTable(pTable); },
        [this](double dDone) {
            if (m_pStatus != nullptr) m_pStatus->setText(WorkingText(dDone));
        });
}

// A pass over every deal, quick beside a chart: before it.
void CCoachWindow::BuildNeededPlayFigures() {
    const std::optional<CChartKey> key = m_coach.GetNeededPlayFigures();
    if (!key) return BuildNeededChart();
    m_build.Start(
        [key =
             *key](const CProgressFunction&) -> std::optional<std::pair<CChartKey, CPlayFigures>> {
            const auto pTable = SharedOutcomeTable(key.payTable.Family(), key.payTable.rules);
            if (!pTable) return std::nullopt;
            const CPlayFigures figures = ComputePlayFigures(*pTable, key.payTable, key.nBet);
            if (IsParallelWorkStopped()) return std::nullopt;
            return std::pair{key, figures};
        },
        [this](const std::pair<CChartKey, CPlayFigures>& figures) {
            m_coach.SetPlayFigures(figures.first, figures.second);
        });
}

void CCoachWindow::BuildNeededChart() {
    const std::optional<CChartKey> key = m_coach.GetNeededChart();
    if (!key) return;
    m_build.Start(
        [key = *key](const CProgressFunction& progress) {
            return NonNull(SharedStrategyChart(key.payTable, key.nBet, progress, key.eKind));
        },
        [this, eKind = key->eKind](std::shared_ptr<const CStrategyChart> pChart) {
            m_coach.SetChart(pChart, eKind);
        },
        [this](double dDone) {
            m_pStatus->setText(
                QString("Making the strategy chart: %1 %").arg(static_cast<int>(dDone * 100)));
        });
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
