// Everything the wizard driver needs from the window that runs it: showing the four pages,
// the string table, the registry, the file system, the installation engine and the shell.
// The backdrop window implements it with the real pages and calls; tests record the calls.
//
// Its timer handler is the entry: kill the timer that fired, build the host (the four page
// objects with the backdrop as their parent, alive for the whole run) and run
// CWizardDriver(host, installState).Run(), which returns after DestroyBackdrop, or never when
// the Acrobat Reader installer has started. The page objects go when the host goes.
#pragma once

#include "WizardPages.h"

#include <string>

class CWizardHost
{
public:
    virtual ~CWizardHost() = default;

    // The string-table text with that id.
    virtual std::string LoadText(WizardString nId) = 0;

    // Each Show… sets the page's members from the arguments, runs the page (DoModal) and
    // returns its result.
    virtual int ShowMessagePage(const CMessagePageData& page) = 0;
    virtual int ShowAgreementPage(const std::string& strText) = 0;
    // Nothing is set before showing; afterwards nOptions holds the options page's m_nOptions.
    virtual int ShowOptionsPage(int& nOptions) = 0;
    // Afterwards page.m_strFolder holds the folder page's m_strFolder (the text its last OK
    // stored), whatever the answer.
    virtual int ShowFolderPage(CFolderPageData& page) = 0;

    // The "Path" value of the LabVIEW key (ReadLabViewPath with the real registry): nonzero,
    // with the text in strPath, when it was read.
    virtual int LookUpLabView(std::string& strPath) = 0;
    // TRUE when the path names an existing file or folder (PathExists).
    virtual int PathExists(const char* pszPath) = 0;

    // The installation engine: 0 when every folder along the path exists afterwards; null or
    // the message text of the failure.
    virtual int CreateDirectoryPath(const char* pszFolder) = 0;
    virtual const char* ExtractPayload(const char* pszFolder, int nOptions) = 0;

    // The shell integration. CreateProgramGroup reads and writes the install state; it returns
    // null or the message text. StartAcrobatSetup returns only when the installer was not
    // started: otherwise the process has ended.
    virtual const char* CreateProgramGroup(const char* pszFolder, int nOptions) = 0;
    virtual std::string GetAcrobatSetupPath() = 0;
    virtual void OpenProgramGroup(const std::string& strGroupDir) = 0;
    virtual void StartAcrobatSetup(const std::string& strSetupPath) = 0;

    // Destroys the backdrop window, which ends the program's message loop.
    virtual void DestroyBackdrop() = 0;
};
