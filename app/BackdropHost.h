// What the wizard driver asks of the program, answered with the real pages and calls. It owns
// the four page objects, with the backdrop window as their parent, for the whole run.
#pragma once

#include "AgreementPage.h"
#include "FolderPage.h"
#include "MessagePage.h"
#include "OptionsPage.h"
#include "WizardHost.h"

class CBackdropWnd;

class CBackdropHost : public CWizardHost
{
public:
    explicit CBackdropHost(CBackdropWnd& wnd);

    std::string LoadText(WizardString nId) override;
    int ShowMessagePage(const CMessagePageData& page) override;
    int ShowAgreementPage(const std::string& strText) override;
    int ShowOptionsPage(int& nOptions) override;
    int ShowFolderPage(CFolderPageData& page) override;
    int LookUpLabView(std::string& strPath) override;
    int PathExists(const char* pszPath) override;
    int CreateDirectoryPath(const char* pszFolder) override;
    const char* ExtractPayload(const char* pszFolder, int nOptions) override;
    const char* CreateProgramGroup(const char* pszFolder, int nOptions) override;
    std::string GetAcrobatSetupPath() override;
    void OpenProgramGroup(const std::string& strGroupDir) override;
    void StartAcrobatSetup(const std::string& strSetupPath) override;
    void DestroyBackdrop() override;

private:
    CBackdropWnd& m_wnd;
    CMessagePage m_pageMessage;
    CAgreementPage m_pageAgreement;
    CFolderPage m_pageFolder;
    COptionsPage m_pageOptions;
};
