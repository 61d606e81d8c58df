#include "BackdropHost.h"

#include "AcrobatSetupPath.h"
#include "BackdropWnd.h"
#include "Launches.h"
#include "LabViewLookup.h"
#include "ResourceIds.h"

// The driver names its texts by their string-table ids.
static_assert(static_cast<unsigned>(WizardString::Agreement) == IDS_AGREEMENT);
static_assert(static_cast<unsigned>(WizardString::WelcomeText) == IDS_WELCOME_TEXT);
static_assert(static_cast<unsigned>(WizardString::ErrInstallDir) == IDS_ERR_INSTALL_DIR);
static_assert(static_cast<unsigned>(WizardString::SupportContact) == IDS_SUPPORT_CONTACT);
static_assert(static_cast<unsigned>(WizardString::TitleError) == IDS_TITLE_ERROR);
static_assert(static_cast<unsigned>(WizardString::TitleWelcome) == IDS_TITLE_WELCOME);
static_assert(static_cast<unsigned>(WizardString::TitleComplete) == IDS_TITLE_COMPLETE);
static_assert(static_cast<unsigned>(WizardString::ConfirmDir) == IDS_CONFIRM_DIR);
static_assert(static_cast<unsigned>(WizardString::TitleAttention) == IDS_TITLE_ATTENTION);
static_assert(static_cast<unsigned>(WizardString::DirMissing) == IDS_DIR_MISSING);

CBackdropHost::CBackdropHost(CBackdropWnd& wnd)
    : m_wnd(wnd), m_pageMessage(&wnd), m_pageAgreement(&wnd), m_pageFolder(&wnd),
      m_pageOptions(&wnd)
{
}

std::string CBackdropHost::LoadText(WizardString nId)
{
    CString strText;
    strText.LoadString(static_cast<UINT>(nId));
    return strText.GetString();
}

int CBackdropHost::ShowMessagePage(const CMessagePageData& page)
{
    m_pageMessage.m_strCaption = page.m_strCaption.c_str();
    m_pageMessage.m_strText = page.m_strText.c_str();
    m_pageMessage.m_bTwoButtons = page.m_bTwoButtons;
    m_pageMessage.m_bWizardLabels = page.m_bWizardLabels;
    return static_cast<int>(m_pageMessage.DoModal());
}

int CBackdropHost::ShowAgreementPage(const std::string& strText)
{
    m_pageAgreement.m_strText = strText.c_str();
    return static_cast<int>(m_pageAgreement.DoModal());
}

int CBackdropHost::ShowOptionsPage(int& nOptions)
{
    const int nResult = static_cast<int>(m_pageOptions.DoModal());
    nOptions = m_pageOptions.m_nOptions;
    return nResult;
}

int CBackdropHost::ShowFolderPage(CFolderPageData& page)
{
    m_pageFolder.m_strFolder = page.m_strFolder.c_str();
    m_pageFolder.m_strPrompt = page.m_strPrompt.c_str();
    const int nResult = static_cast<int>(m_pageFolder.DoModal());
    page.m_strFolder = m_pageFolder.m_strFolder.GetString();
    return nResult;
}

int CBackdropHost::LookUpLabView(std::string& strPath)
{
    return ::ReadLabViewPath(SystemRegistryOps(), strPath);
}

int CBackdropHost::PathExists(const char* pszPath)
{
    return m_wnd.PathExists(pszPath);
}

int CBackdropHost::CreateDirectoryPath(const char* pszFolder)
{
    return m_wnd.CreateDirectoryPath(pszFolder);
}

const char* CBackdropHost::ExtractPayload(const char* pszFolder, int /*nOptions*/)
{
    // The driver has stored the options in the window's install state, where the engine's
    // caller reads them.
    return m_wnd.ExtractPayload(pszFolder);
}

const char* CBackdropHost::CreateProgramGroup(const char* pszFolder, int nOptions)
{
    return m_wnd.CreateProgramGroup(pszFolder, nOptions);
}

std::string CBackdropHost::GetAcrobatSetupPath()
{
    return ::GetAcrobatSetupPath().GetString();
}

void CBackdropHost::OpenProgramGroup(const std::string& strGroupDir)
{
    ::OpenProgramGroup(m_wnd.m_hWnd, strGroupDir.c_str());
}

void CBackdropHost::StartAcrobatSetup(const std::string& strSetupPath)
{
    ::StartAcrobatSetup(strSetupPath.c_str());
}

void CBackdropHost::DestroyBackdrop()
{
    m_wnd.DestroyWindow();
}
