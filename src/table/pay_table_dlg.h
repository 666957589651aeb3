// The pay table, which is also the about box: fixed text, no state of its own.
#pragma once

#include "platform/dialog.h"

class CPayTableDlg : public CDialog {
    DECLARE_DYNAMIC(CPayTableDlg)

public:
    explicit CPayTableDlg(CDialog* pParent = nullptr);
};
