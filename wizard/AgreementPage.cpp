#include "AgreementPage.h"

#include "ResourceIds.h"

CAgreementPage::CAgreementPage(CWnd* pParent) : CDialog(IDD_AGREEMENT, pParent) {}

CAgreementPage::~CAgreementPage() = default;

BOOL CAgreementPage::OnInitDialog()
{
    SetDlgItemText(IDC_AGREEMENT_TEXT, m_strText);
    return CDialog::OnInitDialog();
}
