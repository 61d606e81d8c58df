#include "OptionsPage.h"

#include "AcrobatSetupPath.h"
#include "OptionBoxes.h"
#include "OptionBits.h"
#include "ResourceIds.h"
#include "WinApp.h"

COptionsPage::COptionsPage(CWnd* pParent) : CDialog(IDD_OPTIONS, pParent), m_nOptions(0) {}

COptionsPage::~COptionsPage() = default;

BOOL COptionsPage::OnInitDialog()
{
    // Every showing starts from the defaults; an earlier choice is not kept.
    const bool bInstallerPresent = ProbeInstaller(GetAcrobatSetupPath(), SystemFileOps());
    m_nOptions = InitialOptions(bInstallerPresent);
    for (const COptionBox& box : g_aOptionBoxes)
        CheckDlgButton(box.nControlId, (m_nOptions & box.nBit) != 0 ? BST_CHECKED : BST_UNCHECKED);
    GetDlgItem(IDC_OPT_MANUALS)
        ->EnableWindow(IsOptionBoxEnabled(INSTALL_MANUALS, bInstallerPresent));
    GetDlgItem(IDC_OPT_ACROBAT)
        ->EnableWindow(IsOptionBoxEnabled(INSTALL_ACROBAT, bInstallerPresent));
    return TRUE; // the focus goes to the first tab stop, the drivers box
}

void COptionsPage::OnOK()
{
    m_nOptions =
        CollectOptions([this](int nControlId) { return IsDlgButtonChecked(nControlId) != 0; });
    if (m_nOptions == 0)
    {
        AfxMessageBox(IDS_ERR_NO_OPTION, MB_OK); // the page stays open
        return;
    }
    CDialog::OnOK();
}
