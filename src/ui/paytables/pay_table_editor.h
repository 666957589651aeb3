// The player's own pay table, made or changed: a name, a family, the rules, each category's
// pay per coin and the royal's pay at 5 coins. A refusal shows why and keeps the dialog open.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "games/pay_table.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

class CPayTableEditor : public QDialog {
    Q_OBJECT

public:
    // check says why a table may not be kept ("" when it may), beside the table's own checks.
    CPayTableEditor(QWidget* pParent, const CPayTable& table,
                    std::function<std::string(const CPayTable&)> check);

    // The table as the fields give it.
    CPayTable GetTable() const;

public slots:
    void accept() override;

private:
    void ShowFamily(const CFamily& family);
    // "" when every pay field shown holds a pay, else the first that does not and why; its
    // field then has the focus.
    std::string CheckPayFields();

    std::function<std::string(const CPayTable&)> m_check;
    QLineEdit* m_pName = nullptr;
    QComboBox* m_pFamily = nullptr;
    QCheckBox* m_pWheel = nullptr;
    QFormLayout* m_pForm = nullptr;
    // Plain fields, not spin boxes: a spin box clamps a number out of range as it is typed,
    // where the player should be told.
    std::array<QLineEdit*, MAX_CATEGORIES> m_arrPays{};
    QLineEdit* m_pRoyalAtMaxBet = nullptr;
    QLabel* m_pError = nullptr;
};
