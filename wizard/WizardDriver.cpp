#include "WizardDriver.h"

#include "ConfirmText.h"
#include "InstallPaths.h"
#include "LabViewLookup.h"
#include "OptionBits.h"

void CWizardDriver::Run()
{
    WizardState nState = WizardState::Welcome;
    while (nState != WizardState::End)
        nState = Step(nState);
}

int CWizardDriver::ShowMessageRole(WizardString nCaption, const std::string& strText,
                                   bool bTwoButtons, bool bWizardLabels)
{
    m_messagePage.m_strCaption = m_host.LoadText(nCaption);
    m_messagePage.m_strText = strText;
    m_messagePage.m_bTwoButtons = bTwoButtons;
    m_messagePage.m_bWizardLabels = bWizardLabels;
    return m_host.ShowMessagePage(m_messagePage);
}

WizardState CWizardDriver::Step(WizardState nState)
{
    switch (nState)
    {
    case WizardState::Welcome:
    {
        const int nAnswer = ShowMessageRole(
            WizardString::TitleWelcome, m_host.LoadText(WizardString::WelcomeText), true, false);
        return IsBackAnswer(nAnswer) ? WizardState::Finish : WizardState::Agreement;
    }
    case WizardState::Agreement:
    {
        const int nAnswer = m_host.ShowAgreementPage(m_host.LoadText(WizardString::Agreement));
        return IsBackAnswer(nAnswer) ? WizardState::Finish : WizardState::Options;
    }
    case WizardState::Options:
        return IsBackAnswer(m_host.ShowOptionsPage(m_nPageOptions)) ? WizardState::Agreement
                                                                    : WizardState::Locate;
    case WizardState::Locate:
    {
        m_state.m_nOptions = m_nPageOptions;
        std::string strPath;
        const bool bFound = m_host.LookUpLabView(strPath) != 0;
        ApplyLabViewLookup(bFound, strPath, m_folderPage);
        return WizardState::Gate;
    }
    case WizardState::Gate:
        return (m_state.m_nOptions & PAYLOAD_MASK) ? WizardState::Folder : WizardState::Install;
    case WizardState::Folder:
        return IsBackAnswer(m_host.ShowFolderPage(m_folderPage)) ? WizardState::Options
                                                                 : WizardState::Confirm;
    case WizardState::Confirm:
    {
        const std::string& strFolder = m_folderPage.m_strFolder;
        const bool bExists = m_host.PathExists(strFolder.c_str()) != 0;
        const std::string strText =
            FormatFolderText(m_host.LoadText(ConfirmTextId(bExists)), strFolder);
        const int nAnswer = ShowMessageRole(WizardString::TitleAttention, strText, true, true);
        return IsBackAnswer(nAnswer) ? WizardState::Gate : WizardState::Install;
    }
    case WizardState::Install:
        return Install() ? WizardState::Closing : WizardState::Error;
    case WizardState::Error:
        // Whatever the answer, the run ends.
        ShowMessageRole(WizardString::TitleError, m_messagePage.m_strText, false, false);
        return WizardState::Finish;
    case WizardState::Closing:
        m_host.OpenProgramGroup(m_state.m_strGroupDir);
        if (m_state.m_nOptions & INSTALLER_MASK)
            m_host.StartAcrobatSetup(m_state.m_strAcrobatSetup);
        return WizardState::Finish;
    case WizardState::Finish:
        m_host.DestroyBackdrop();
        return WizardState::End;
    case WizardState::End:
        break;
    }
    return WizardState::End;
}

bool CWizardDriver::Install()
{
    const int nOptions = m_state.m_nOptions;
    const std::string strFolder = m_folderPage.m_strFolder;

    if (nOptions & INSTALLER_MASK)
        m_state.m_strAcrobatSetup = m_host.GetAcrobatSetupPath();

    if (nOptions & PAYLOAD_MASK)
    {
        m_messagePage.m_strText = m_host.LoadText(WizardString::ErrInstallDir);
        // A folder too long for the derived-path buffers is refused before anything is
        // created, with the same text as a folder that cannot be made.
        if (!FolderFitsInstallState(strFolder.c_str()))
            return false;
        if (m_host.CreateDirectoryPath(strFolder.c_str()) != 0)
            return false;
        FormInstallPaths(m_state, strFolder.c_str());
        if (const char* pszError = m_host.ExtractPayload(strFolder.c_str(), nOptions))
        {
            m_messagePage.m_strText = pszError;
            return false;
        }
    }

    if (nOptions & SHORTCUT_MASK)
    {
        if (const char* pszError = m_host.CreateProgramGroup(strFolder.c_str(), nOptions))
        {
            m_messagePage.m_strText = pszError;
            return false;
        }
    }

    if (nOptions & PAYLOAD_MASK)
    {
        // The completion page's answer is not examined.
        ShowMessageRole(WizardString::TitleComplete, m_host.LoadText(WizardString::SupportContact),
                        false, false);
    }
    return true;
}
