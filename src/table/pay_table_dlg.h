// The pay table, which is also the about box: the pay tables the table plays, as text.
#pragma once

#include <array>
#include <string>

#include "platform/dialog.h"
#include "platform/dialog_template.h"

// Holds the texts and the template made of them, so both exist before the dialog refers to them.
struct CPayTableTexts {
    explicit CPayTableTexts(const std::array<std::string, 5>& arrTexts);
    std::array<std::string, 5> m_arrPayTexts;
    CDialogTemplate m_payTemplate;
};

class CPayTableDlg : private CPayTableTexts, public CDialog {
    DECLARE_DYNAMIC(CPayTableDlg)

public:
    // The four games as built.
    explicit CPayTableDlg(CDialog* pParent = nullptr);
    // arrTexts: each game's pay table text, by game code.
    explicit CPayTableDlg(const std::array<std::string, 5>& arrTexts, CDialog* pParent = nullptr);
};
