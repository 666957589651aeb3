#include "ui/training/practice_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

#include "analysis/hold_value.h"
#include "platform/qt/qt_dialog_host.h"
#include "strategy/chart_cache.h"
#include "table/multi_hand_dlg.h"
#include "training/drill_dealer.h"
#include "ui/coach/coach_window.h"
#include "ui/store/history_database.h"

namespace {

enum EChoice { kWeakSpots, kOneClass, kMistakes };

}  // namespace

CPracticeDialog::CPracticeDialog(CMultiHandDlg& dlg, CCoachWindow& coach, QWidget* pTable)
    : QDialog(pTable), m_dlg(dlg), m_coach(coach), m_pCoachAlive(&coach), m_pTable(pTable) {
    setWindowTitle("Practice");
    setObjectName("practice");
    Build();
    setMinimumWidth(420);
}

CPracticeDialog::~CPracticeDialog() {
    if (m_pCoachAlive) m_coach.GetTrainer().SetDecidedHandler({});
}

void CPracticeDialog::Build() {
    auto* pLayout = new QVBoxLayout(this);
    m_pStatus = new QLabel(this);
    m_pStatus->setWordWrap(true);
    pLayout->addWidget(m_pStatus);
    m_pChoice = new QButtonGroup(this);
    auto addChoice = [&](const QString& strText, int nID) {
        auto* pButton = new QRadioButton(strText, this);
        m_pChoice->addButton(pButton, nID);
        pLayout->addWidget(pButton);
    };
    addChoice("My &weak spots", kWeakSpots);
    pLayout->addWidget(m_pSpots = new QLabel(this));
    m_pSpots->setWordWrap(true);
    m_pSpots->setIndent(20);
    addChoice("A hand &class:", kOneClass);
    pLayout->addWidget(m_pClass = new QComboBox(this));
    m_pClass->setAccessibleName("Hand class");
    addChoice("My past &mistakes again", kMistakes);
    pLayout->addWidget(m_pMistakes = new QLabel(this));
    m_pMistakes->setIndent(20);
    auto* pCountRow = new QHBoxLayout;
    auto* pCountLabel = new QLabel("&Deals in the round:", this);
    m_pCount = new QSpinBox(this);
    m_pCount->setRange(1, 50);
    m_pCount->setValue(10);
    pCountLabel->setBuddy(m_pCount);
    pCountRow->addWidget(pCountLabel);
    pCountRow->addWidget(m_pCount);
    pCountRow->addStretch(1);
    pLayout->addLayout(pCountRow);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_pStart = pButtons->addButton("&Start", QDialogButtonBox::AcceptRole);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(m_pStart, &QPushButton::clicked, this, [this] {
        if (IsRoundRunning()) {
            EndRound();
        } else {
            StartRound();
        }
    });
    connect(m_pChoice, &QButtonGroup::idClicked, this, [this] { Refresh(); });
    pLayout->addWidget(pButtons);
}

void CPracticeDialog::Open() {
    if (!IsRoundRunning()) {
        m_pChart = FindStrategyChart(m_dlg.GetPayTable(), m_dlg.GetBet());
        if (!m_pChart) {
            m_chartJob.Start(
                [table = m_dlg.GetPayTable(), nBet = m_dlg.GetBet()](const CProgressFunction& p) {
                    return NonNull(SharedStrategyChart(table, nBet, p));
                },
                [this](std::shared_ptr<const CStrategyChart> pChart) { SetChart(pChart); },
                [this](double dDone) {
                    m_pStatus->setText(QString("Making the strategy chart: %1 %")
                                           .arg(static_cast<int>(dDone * 100)));
                });
        }
        SetChart(m_pChart);
    }
    Refresh();
    show();
    raise();
    activateWindow();
}

void CPracticeDialog::SetChart(std::shared_ptr<const CStrategyChart> pChart) {
    m_pChart = std::move(pChart);
    const std::string strFamily = m_dlg.GetPayTable().Family().pszKey;
    std::vector<CDecisionRecord> vecRecords;
    if (CHistoryDatabase* pHistory = m_coach.GetHistory()) vecRecords = pHistory->Load();
    m_vecMistakes = PastMistakes(vecRecords, strFamily, 50);
    m_vecSpots.clear();
    m_pClass->clear();
    if (m_pChart) {
        const CStrategyChart& chart = *m_pChart;
        m_vecSpots = WeakSpots(vecRecords, strFamily, [&chart](const CDecisionRecord& record) {
            if (record.chartLine) return record.chartLine;
            const std::vector<int> vecCodes = ParseCards(record.strDeal);
            if (vecCodes.size() != 5) return std::optional<std::string>();
            std::array<int, 5> arrDeal{};
            std::copy(vecCodes.begin(), vecCodes.end(), arrDeal.begin());
            return ChartLineName(chart, arrDeal);
        });
        for (const CChartLine& line : chart.GetLines())
            m_pClass->addItem(QString::fromStdString(line.strName));
    }
    Refresh();
}

void CPracticeDialog::Refresh() {
    const bool bRunning = IsRoundRunning();
    if (bRunning) {
        m_pStatus->setText(QString("A round is on at the table: %1 of %2 deals drawn.")
                               .arg(m_pDealer->GetDrawnCount())
                               .arg(m_pDealer->GetDealCount()));
    } else if (m_pChart || !m_chartJob.IsRunning()) {
        m_pStatus->setText(QString::fromStdString(m_dlg.GetPayTable().strName) +
                           QString(" at %1 coins a hand; no coins at stake.").arg(m_dlg.GetBet()));
    }
    QStringList spots;
    for (size_t i = 0; i < m_vecSpots.size() && i < 3; ++i)
        spots << QString("%1 (%2, %3 coins a hand)")
                     .arg(QString::fromStdString(m_vecSpots[i].strClass))
                     .arg(m_vecSpots[i].nMistakes == 1
                              ? QString("1 mistake")
                              : QString("%1 mistakes").arg(m_vecSpots[i].nMistakes))
                     .arg(m_vecSpots[i].dCost, 0, 'f', 2);
    m_pSpots->setText(spots.isEmpty() ? QString("No mistakes kept yet at this game.")
                                      : spots.join("; "));
    m_pMistakes->setText(QString("%1 kept at this game").arg(m_vecMistakes.size()));
    adjustSize();
    m_pChoice->button(kWeakSpots)->setEnabled(!m_vecSpots.empty());
    m_pChoice->button(kOneClass)->setEnabled(m_pChart != nullptr);
    m_pChoice->button(kMistakes)->setEnabled(!m_vecMistakes.empty());
    if (m_pChoice->checkedButton() == nullptr || !m_pChoice->checkedButton()->isEnabled()) {
        for (int nID : {kWeakSpots, kOneClass, kMistakes})
            if (m_pChoice->button(nID)->isEnabled()) {
                m_pChoice->button(nID)->setChecked(true);
                break;
            }
    }
    m_pClass->setEnabled(m_pChoice->checkedId() == kOneClass && !bRunning);
    for (QAbstractButton* pButton : m_pChoice->buttons())
        if (bRunning) pButton->setEnabled(false);
    m_pCount->setEnabled(!bRunning);
    m_pStart->setText(bRunning ? "&Stop the Round" : "&Start");
    m_pStart->setEnabled(bRunning || (m_pChoice->checkedButton() != nullptr &&
                                      m_pChoice->checkedButton()->isEnabled()));
}

std::vector<std::array<int, 5>> CPracticeDialog::ChosenDeals() {
    const int nCount = m_pCount->value();
    std::mt19937 random(
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    switch (m_pChoice->checkedId()) {
        case kWeakSpots: {
            std::vector<std::string> vecLines;
            for (size_t i = 0; i < m_vecSpots.size() && i < 3; ++i)
                vecLines.push_back(m_vecSpots[i].strClass);
            return m_pChart ? DealsOfLines(*m_pChart, vecLines, nCount, random)
                            : std::vector<std::array<int, 5>>{};
        }
        case kOneClass:
            return m_pChart ? DealsOfLines(*m_pChart, {m_pClass->currentText().toStdString()},
                                           nCount, random)
                            : std::vector<std::array<int, 5>>{};
        case kMistakes: {
            std::vector<std::array<int, 5>> vecDeals = m_vecMistakes;
            if (static_cast<int>(vecDeals.size()) > nCount)
                vecDeals.resize(static_cast<size_t>(nCount));
            return vecDeals;
        }
        default:
            return {};
    }
}

void CPracticeDialog::StartRound() {
    if (m_dlg.IsDealt()) {
        m_pStatus->setText("Finish the deal at the table first.");
        return;
    }
    std::vector<std::array<int, 5>> vecDeals = ChosenDeals();
    if (vecDeals.empty()) {
        m_pStatus->setText("No deal of that class turned up; pick another.");
        return;
    }
    m_summary = {};
    m_dlg.SetPractice(true);
    CTrainer& trainer = m_coach.GetTrainer();
    trainer.SetDecidedHandler([this](const CCoachDeal& deal, EGrade eGrade) {
        // A deal of play valued late, after the round began, is not one of its answers.
        if (!deal.bPractice) return;
        OnDecided(eGrade, static_cast<double>(deal.nBestPay - deal.nChosenPay) /
                              static_cast<double>(kAnyDeckDrawLcm) * deal.nBet);
    });
    m_pDealer = std::make_unique<CDrillDealer>(m_dlg);
    m_pDealer->SetDeals(std::move(vecDeals));
    m_pDealer->SetDrawnHandler([this] { Refresh(); });
    Refresh();
    hide();
    m_coach.ShowBesideTable();
    m_pTable->activateWindow();
}

void CPracticeDialog::OnDecided(EGrade eGrade, double dCostPerHand) {
    if (!IsRoundRunning()) return;
    m_summary.Add(eGrade, dCostPerHand);
    // The round ends once its last deal is graded, after the table has finished telling of it.
    if (m_summary.Count() >= m_pDealer->GetDealCount())
        QTimer::singleShot(0, this, [this] { EndRound(); });
}

void CPracticeDialog::EndRound() {
    if (!IsRoundRunning()) return;
    // Practice ends between deals, so that no deal in play changes what it stakes.
    if (m_dlg.IsDealt()) {
        m_pStatus->setText("Finish the deal at the table first.");
        return;
    }
    m_pDealer.reset();
    m_coach.GetTrainer().SetDecidedHandler({});
    m_dlg.SetPractice(false);
    m_strSummary = m_summary.Count() > 0 ? SummaryText(m_summary) : "Practice round stopped.";
    Refresh();
    QMessageBox box(QMessageBox::Information, "Practice", QString::fromStdString(m_strSummary),
                    QMessageBox::Ok, m_pTable);
    connect(&box, &QDialog::finished, m_pTable, [this] { m_pTable->activateWindow(); });
    box.exec();
}

void InstallPractice(CQtDialogHost& host, CMultiHandDlg& dlg, CCoachWindow& coach) {
    auto* pDialog = new CPracticeDialog(dlg, coach, &host);  // a child of the host: goes with it
    host.AddWindowMenuItem(
        "&Practice...", [pDialog] { pDialog->Open(); }, [&dlg] { return !dlg.IsClosed(); });
}
