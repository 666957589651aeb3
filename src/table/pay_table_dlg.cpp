#include "table/pay_table_dlg.h"

#include "table/table_resources.h"

IMPLEMENT_DYNAMIC(CPayTableDlg, CDialog)

CPayTableDlg::CPayTableDlg(CDialog* pParent) : CDialog(PayTableDialogTemplate(), pParent) {}
