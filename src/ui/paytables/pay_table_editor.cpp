#include "ui/paytables/pay_table_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "games/pay_table_text.h"

namespace {

QSpinBox* PaySpin(QWidget* pParent) {
    auto* pSpin = new QSpinBox(pParent);
    pSpin->setRange(0, MAX_PAY_PER_COIN);
    return pSpin;
}

}  // namespace

CPayTableEditor::CPayTableEditor(QWidget* pParent, const CPayTable& table,
                                 std::function<std::string(const CPayTable&)> check)
    : QDialog(pParent), m_check(std::move(check)) {
    setWindowTitle("Handfall II Own Pay Table");
    auto* pLayout = new QVBoxLayout(this);
    m_pForm = new QFormLayout;
    pLayout->addLayout(m_pForm);

    m_pName = new QLineEdit(QString::fromStdString(table.strName), this);
    m_pName->setAccessibleName("Name");
    m_pForm->addRow("&Name:", m_pName);
    m_pFamily = new QComboBox(this);
    m_pFamily->setAccessibleName("Family");
    for (const CFamily& family : Families()) {
        m_pFamily->addItem(family.pszName);
        if (&family == table.pFamily) m_pFamily->setCurrentIndex(m_pFamily->count() - 1);
    }
    m_pForm->addRow("&Family:", m_pFamily);
    m_pWheel = new QCheckBox("&A-2-3-4-5 is a straight", this);
    m_pWheel->setAccessibleName("A-2-3-4-5 is a straight");
    m_pWheel->setChecked(table.rules.bWheelStraight);
    m_pForm->addRow(m_pWheel);
    for (int c = 0; c < MAX_CATEGORIES; ++c) {
        QSpinBox* pSpin = m_arrPays[static_cast<std::size_t>(c)] = PaySpin(this);
        pSpin->setValue(table.Pay(c, MIN_BET));
        auto* pLabel = new QLabel(this);
        pLabel->setBuddy(pSpin);
        m_pForm->addRow(pLabel, pSpin);
    }
    m_pRoyalAtMaxBet = PaySpin(this);
    m_pRoyalAtMaxBet->setValue(table.Pay(0, MAX_BET));
    m_pRoyalAtMaxBet->setAccessibleName("Royal Flush at 5 coins, per coin");
    m_pForm->addRow("&Royal Flush at 5 coins:", m_pRoyalAtMaxBet);

    m_pError = new QLabel(this);
    m_pError->setAccessibleName("Why the table cannot be kept");
    m_pError->setWordWrap(true);
    m_pError->setStyleSheet("color: #b00000");
    pLayout->addWidget(m_pError);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CPayTableEditor::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CPayTableEditor::reject);
    pLayout->addWidget(pButtons);

    connect(m_pFamily, &QComboBox::currentIndexChanged, this,
            [this](int nIndex) { ShowFamily(Families()[static_cast<std::size_t>(nIndex)]); });
    ShowFamily(table.Family());
}

void CPayTableEditor::ShowFamily(const CFamily& family) {
    const auto categories = family.categories;
    // Rows 0 to 2 are the name, the family and the rules; the pays follow.
    for (int c = 0; c < MAX_CATEGORIES; ++c) {
        const bool bShown = c < static_cast<int>(categories.size());
        QSpinBox* pSpin = m_arrPays[static_cast<std::size_t>(c)];
        m_pForm->setRowVisible(3 + c, bShown);
        if (!bShown) continue;
        const QString strName = categories[static_cast<std::size_t>(c)].pszName;
        const QString strCaption = c == 0 ? strName + " at 1 to 4 coins" : strName;
        if (auto* pLabel = qobject_cast<QLabel*>(m_pForm->labelForField(pSpin)))
            pLabel->setText(strCaption + ":");
        pSpin->setAccessibleName(strCaption + ", per coin");
    }
}

CPayTable CPayTableEditor::GetTable() const {
    const CFamily& family =
        Families()[static_cast<std::size_t>(std::max(0, m_pFamily->currentIndex()))];
    std::vector<int> vecPays;
    for (int c = 0; c < family.CategoryCount(); ++c)
        vecPays.push_back(m_arrPays[static_cast<std::size_t>(c)]->value());
    return MakePlayerPayTable(family, m_pName->text().trimmed().toStdString(),
                              m_pWheel->isChecked() ? kCasinoRules : kAsBuiltRules, vecPays,
                              m_pRoyalAtMaxBet->value());
}

void CPayTableEditor::accept() {
    const CPayTable table = GetTable();
    std::string strWhy = ValidatePayTable(table);
    if (strWhy.empty() && m_check) strWhy = m_check(table);
    if (strWhy.empty()) return QDialog::accept();
    m_pError->setText(QString::fromStdString(strWhy));
    m_pError->setFocus();
}
