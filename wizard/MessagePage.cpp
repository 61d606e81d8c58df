#include "MessagePage.h"

#include "MessageArrangement.h"
#include "ResourceIds.h"

namespace
{
CPageRect ToPageRect(const RECT& rc)
{
    return {static_cast<int>(rc.left), static_cast<int>(rc.top), static_cast<int>(rc.right),
            static_cast<int>(rc.bottom)};
}

// The button's own client rectangle in the page's client coordinates.
CPageRect ButtonRect(CWnd* pButton, CWnd* pPage)
{
    RECT rc;
    pButton->GetClientRect(&rc);
    pButton->MapWindowPoints(pPage, &rc);
    return ToPageRect(rc);
}
} // namespace

// The flags are the user's to set before every showing; they start FALSE so that a page shown
// without them is a single "OK" rather than whatever the memory held.
CMessagePage::CMessagePage(CWnd* pParent)
    : CDialog(IDD_MESSAGE, pParent), m_bTwoButtons(FALSE), m_bWizardLabels(FALSE)
{
}

CMessagePage::~CMessagePage() = default;

BOOL CMessagePage::OnInitDialog()
{
    SetWindowText(m_strCaption);
    SetDlgItemText(IDC_MESSAGE_TEXT, m_strText);
    CWnd* pFirst = GetDlgItem(IDOK);
    CWnd* pSecond = GetDlgItem(IDCANCEL);

    RECT rcClient;
    GetClientRect(&rcClient);
    const CMessageArrangement arrangement =
        ArrangeMessagePage(m_bTwoButtons != FALSE, m_bWizardLabels != FALSE, ToPageRect(rcClient),
                           ButtonRect(pFirst, this), ButtonRect(pSecond, this));
    if (arrangement.pszFirstLabel != nullptr)
        pFirst->SetWindowText(arrangement.pszFirstLabel);
    if (arrangement.pszSecondLabel != nullptr)
        pSecond->SetWindowText(arrangement.pszSecondLabel);
    if (arrangement.bMoveFirst)
    {
        const CPageRect& rc = arrangement.rcFirst;
        pFirst->MoveWindow(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    }
    if (!arrangement.bShowSecond)
        pSecond->ShowWindow(SW_HIDE);
    return CDialog::OnInitDialog();
}
