#include "table/pay_table_dlg.h"

#include "games/game_variants.h"
#include "table/table_resources.h"

namespace {

std::array<std::string, 5> AsBuiltTexts() {
    std::array<std::string, 5> arrTexts;
    for (const CGameVariant& variant : GameVariants())
        arrTexts[static_cast<size_t>(variant.nGame)] =
            PayTableText(variant, AsBuiltPayTable(variant.nGame), MIN_BET);
    return arrTexts;
}

}  // namespace

IMPLEMENT_DYNAMIC(CPayTableDlg, CDialog)

CPayTableTexts::CPayTableTexts(const std::array<std::string, 5>& arrTexts)
    : m_arrPayTexts(arrTexts), m_payTemplate(PayTableDialogTemplate(m_arrPayTexts)) {}

CPayTableDlg::CPayTableDlg(const std::array<std::string, 5>& arrTexts, CDialog* pParent)
    : CPayTableTexts(arrTexts), CDialog(m_payTemplate, pParent) {}

CPayTableDlg::CPayTableDlg(CDialog* pParent) : CPayTableDlg(AsBuiltTexts(), pParent) {}
