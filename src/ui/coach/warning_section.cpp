#include "ui/coach/warning_section.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

#include "analysis/card_code.h"
#include "coach/coach.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/figure_text.h"
#include "ui/store/settings_store.h"

namespace {

const QString kWarnKey = "Coach/WarnBeforeCostlyDraw";
const QString kThresholdKey = "Coach/WarnThreshold";
constexpr double kThresholds[] = {0, 0.5, 1, 2, 5, 10, 25, 50};

}  // namespace

CWarningSection::CWarningSection(const CCoach& coach, CMultiHandDlg& dlg, QWidget* pTable,
                                 QWidget* pParent)
    : QGroupBox("Warning", pParent), m_coach(coach), m_dlg(dlg), m_pTable(pTable) {
    new QVBoxLayout(this);
    BuildChoice();
    BuildPrompt();
}

void CWarningSection::BuildChoice() {
    auto* pRow = new QHBoxLayout;
    m_pWarn = new QCheckBox("Warn me before a costly draw", this);
    m_pWarn->setObjectName("warn");
    m_pThreshold = new QComboBox(this);
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
    connect(m_pWarn, &QCheckBox::toggled, this, [this] { SaveChoice(); });
    connect(m_pThreshold, &QComboBox::currentIndexChanged, this, [this] { SaveChoice(); });
    pRow->addWidget(m_pWarn);
    pRow->addWidget(m_pThreshold);
    pRow->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(pRow);
}

void CWarningSection::SaveChoice() {
    const CSettingsStore store;
    const std::string strWhy =
        store.SetValues({{kWarnKey, m_pWarn->isChecked()},
                         {kThresholdKey, m_pThreshold->currentData().toDouble()}});
    if (!strWhy.empty())
        std::fprintf(stderr, "handfall: %s: %s; the warning's setting is not kept\n",
                     store.GetPathForMessage().c_str(), strWhy.c_str());
    m_pThreshold->setEnabled(m_pWarn->isChecked());
    if (!m_pWarn->isChecked()) m_pPrompt->hide();
}

// Shown in place of a costly draw; it blocks nothing, the table plays on around it.
void CWarningSection::BuildPrompt() {
    m_pPrompt = new QWidget(this);
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
    layout()->addWidget(m_pPrompt);
}

int CWarningSection::HeldMask() const {
    int nHeld = 0;
    for (int i = 0; i < CMultiHandDlg::kCardsPerHand; ++i)
        if (m_dlg.IsHeld(i)) nHeld |= 1 << i;
    return nHeld;
}

bool CWarningSection::HoldsBackDraw() {
    if (!m_pWarn->isChecked() || !m_dlg.IsDealt()) return false;
    const std::optional<CCostlyDraw> costly =
        m_coach.GetCostlyDraw(m_pThreshold->currentData().toDouble());
    if (!costly) return false;
    const int nDeal = m_coach.GetDealCount();
    const int nHeld = HeldMask();
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

void CWarningSection::Refresh() {
    if (!m_pPrompt->isVisible()) return;
    if (!m_dlg.IsDealt() || HeldMask() != m_nWarnedMask || m_coach.GetDealCount() != m_nWarnedDeal)
        m_pPrompt->hide();
}
