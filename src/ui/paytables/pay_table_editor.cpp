#include "ui/paytables/pay_table_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "games/pay_table_text.h"

namespace {

QLineEdit* PayField(QWidget* pParent, int nPay) {
    auto* pField = new QLineEdit(QString::number(nPay), pParent);
    pField->setAlignment(Qt::AlignRight);
    pField->setInputMethodHints(Qt::ImhDigitsOnly);
    pField->setMaximumWidth(pField->fontMetrics().horizontalAdvance("0000000000") + 16);
    return pField;
}

// The text of a field as a pay, and -1 where it is none (refused before the table is kept).
int PayOf(const QLineEdit* pField) {
    int nPay = -1;
    ParsePay(pField->text().trimmed().toStdString(), nPay);
    return nPay;
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
        QLineEdit* pField = m_arrPays[static_cast<std::size_t>(c)] =
            PayField(this, table.Pay(c, MIN_BET));
        auto* pLabel = new QLabel(this);
        pLabel->setBuddy(pField);
        m_pForm->addRow(pLabel, pField);
    }
    m_pRoyalAtMaxBet = PayField(this, table.Pay(0, MAX_BET));
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
        QLineEdit* pField = m_arrPays[static_cast<std::size_t>(c)];
        m_pForm->setRowVisible(3 + c, bShown);
        if (!bShown) continue;
        const QString strName = categories[static_cast<std::size_t>(c)].pszName;
        const QString strCaption = c == 0 ? strName + " at 1 to 4 coins" : strName;
        if (auto* pLabel = qobject_cast<QLabel*>(m_pForm->labelForField(pField)))
            pLabel->setText(strCaption + ":");
        pField->setAccessibleName(strCaption + ", per coin");
    }
}

CPayTable CPayTableEditor::GetTable() const {
    const CFamily& family =
        Families()[static_cast<std::size_t>(std::max(0, m_pFamily->currentIndex()))];
    std::vector<int> vecPays;
    for (int c = 0; c < family.CategoryCount(); ++c)
        vecPays.push_back(PayOf(m_arrPays[static_cast<std::size_t>(c)]));
    return MakePlayerPayTable(family, m_pName->text().trimmed().toStdString(),
                              m_pWheel->isChecked() ? kCasinoRules : kAsBuiltRules, vecPays,
                              PayOf(m_pRoyalAtMaxBet));
}

std::string CPayTableEditor::CheckPayFields() {
    std::vector<QLineEdit*> vecFields;
    const int nCategories =
        Families()[static_cast<std::size_t>(std::max(0, m_pFamily->currentIndex()))].CategoryCount();
    for (int c = 0; c < nCategories; ++c)
        vecFields.push_back(m_arrPays[static_cast<std::size_t>(c)]);
    vecFields.push_back(m_pRoyalAtMaxBet);
    for (QLineEdit* pField : vecFields) {
        int nPay = 0;
        const std::string strWhy = ParsePay(pField->text().trimmed().toStdString(), nPay);
        if (strWhy.empty()) continue;
        pField->setFocus();
        pField->selectAll();
        // The field as its label names it, without the colon and the mnemonic.
        const auto* pLabel = qobject_cast<QLabel*>(m_pForm->labelForField(pField));
        QString strField = pLabel ? pLabel->text().remove('&') : QString();
        strField.chop(1);
        return strField.toStdString() + ": " + strWhy;
    }
    return "";
}

void CPayTableEditor::accept() {
    std::string strWhy = CheckPayFields();
    if (!strWhy.empty()) {
        m_pError->setText(QString::fromStdString(strWhy));
        return;
    }
    const CPayTable table = GetTable();
    strWhy = ValidatePayTable(table);
    if (strWhy.empty() && m_check) strWhy = m_check(table);
    if (strWhy.empty()) return QDialog::accept();
    m_pError->setText(QString::fromStdString(strWhy));
    m_pError->setFocus();
}
