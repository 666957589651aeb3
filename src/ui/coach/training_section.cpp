#include "ui/coach/training_section.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "analysis/hold_value.h"
#include "coach/coach.h"
#include "training/trainer.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/figure_text.h"
#include "ui/store/settings_store.h"

namespace {

const QString kMinorKey = "Training/MinorPercent";

}  // namespace

QString GroupedNumber(long long nValue) {
    return QLocale(QLocale::English).toString(nValue);
}

double CTrainingSection::KeptMinorShare() {
    bool bNumber = false;
    const double dPercent = CSettingsStore().Value(kMinorKey).toDouble(&bNumber);
    return bNumber && dPercent > 0.0 && dPercent <= 100.0 ? dPercent / 100.0 : kDefaultMinorShare;
}

CTrainingSection::CTrainingSection(const CCoach& coach, CTrainer& trainer, QWidget* pParent)
    : CCoachGroup("Training", pParent), m_coach(coach), m_trainer(trainer) {
    auto* pLayout = new QVBoxLayout(this);
    m_pGrade = new CCoachFigure("Grade", this);
    m_pBest = new CCoachFigure("Best hold", this);
    m_pSameDeal = new CCoachFigure("Same cards, this deal", this);
    m_pSameSession = new CCoachFigure("Same cards, this session", this);
    m_pHistory = new CCoachFigure("History", this);
    for (CCoachFigure* pFigure : {m_pGrade, m_pBest, m_pSameDeal, m_pSameSession, m_pHistory}) {
        pFigure->setWordWrap(true);
        pLayout->addWidget(pFigure);
    }
    auto* pRow = new QHBoxLayout;
    auto* pCaption = new QLabel("A mistake is minor below", this);
    m_pMinor = new QDoubleSpinBox(this);
    m_pMinor->setObjectName("minorShare");
    m_pMinor->setAccessibleName("A mistake is minor below, percent of the bet");
    m_pMinor->setRange(0.01, 100.0);
    m_pMinor->setDecimals(2);
    m_pMinor->setSingleStep(0.25);
    m_pMinor->setSuffix(" % of the bet");
    m_pMinor->setValue(m_trainer.GetMinorShare() * 100.0);
    pCaption->setBuddy(m_pMinor);
    connect(m_pMinor, &QDoubleSpinBox::valueChanged, this, [this](double dPercent) {
        m_trainer.SetMinorShare(dPercent / 100.0);
        CSettingsStore().SetValues({{kMinorKey, dPercent}});
        Refresh();
    });
    pRow->addWidget(pCaption);
    pRow->addWidget(m_pMinor);
    pRow->addStretch(1);
    pLayout->addLayout(pRow);
}

void CTrainingSection::Refresh() {
    RefreshDeal();
    const CSameCards& session = m_trainer.GetSessionSameCards();
    m_pSameSession->setText(
        m_trainer.GetDecisionCount() == 0
            ? QString()
            : QString(
                  "Your holds won %1 coins; the best holds would have won %2 on the same cards.")
                  .arg(GroupedNumber(session.nHeldWon), GroupedNumber(session.nBestWon)));
    m_pSameSession->setVisible(!m_pSameSession->text().isEmpty());
    const std::string& strOff = m_trainer.GetHistoryOffReason();
    m_pHistory->setText(strOff.empty() ? QString("History: every decision is kept")
                                       : "History is off: " + QString::fromStdString(strOff));
}

void CTrainingSection::RefreshDeal() {
    const std::optional<CDealFigures> figures = m_coach.GetDealFigures();
    if (!figures || !figures->deal.bDrawn || !figures->deal.bValued) {
        m_pGrade->setText(figures ? "Grade: after the draw" : "");
        for (CCoachFigure* pFigure : {m_pBest, m_pSameDeal}) {
            pFigure->setText("");
            pFigure->setVisible(false);
        }
        return;
    }
    const CCoachDeal& deal = figures->deal;
    const EGrade eGrade = m_trainer.Grade(deal);
    QString strGrade = QString("Grade: ") + GradeWords(eGrade);
    if (eGrade != EGrade::Correct)
        strGrade += QString(", gives up %1 % of the bet per hand")
                        .arg(Number(100.0 * static_cast<double>(deal.nBestPay - deal.nChosenPay) /
                                        static_cast<double>(kAnyDeckDrawLcm),
                                    2));
    m_pGrade->setText(strGrade);
    SetCostColour(m_pGrade, eGrade == EGrade::Major);
    // The best hold, and the chart's line that decides the deal once the chart is made.
    QString strBest = "Best hold: " + HoldText(deal.arrCodes, deal.nBestMask);
    if (deal.bCharted && !deal.strChartLine.empty())
        strBest += "; the chart's line: " + QString::fromStdString(deal.strChartLine);
    m_pBest->setText(strBest);
    m_pBest->setVisible(true);
    const CSameCards same = ReplaySameCards(deal);
    m_pSameDeal->setText(
        deal.vecPiles.empty()
            ? QString()
            : QString("Your hold won %1 coins; the best hold would have won %2 on the same cards.")
                  .arg(GroupedNumber(same.nHeldWon), GroupedNumber(same.nBestWon)));
    m_pSameDeal->setVisible(!m_pSameDeal->text().isEmpty());
}
