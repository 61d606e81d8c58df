// The wizard's page sequence as a state machine over page answers and step results. It
// decides; the host shows the pages and makes the calls.
#pragma once

#include "InstallState.h"
#include "WizardHost.h"
#include "WizardPages.h"

enum class WizardState
{
    Welcome,   // message page, welcome role
    Agreement, // agreement page
    Options,   // options page
    Locate,    // takes the option bits and looks up the LabVIEW folder; shows nothing
    Gate,      // to the folder page when something is to be written, else straight to Install
    Folder,    // folder page
    Confirm,   // message page, confirmation role
    Install,   // the install steps, up to the completion page
    Error,     // message page, error role
    Closing,   // opens the program group and hands over to the Acrobat Reader installer
    Finish,    // destroys the backdrop window
    End,
};

class CWizardDriver
{
public:
    CWizardDriver(CWizardHost& host, CInstallState& state) : m_host(host), m_state(state) {}

    // Runs the whole sequence from the welcome page to its end.
    void Run();
    // Runs one state and returns the next.
    WizardState Step(WizardState nState);

    // The pages' members, which keep their values between showings like the page objects.
    CMessagePageData m_messagePage;
    CFolderPageData m_folderPage;
    int m_nPageOptions = 0; // the options page's m_nOptions

private:
    int ShowMessageRole(WizardString nCaption, const std::string& strText, bool bTwoButtons,
                        bool bWizardLabels);
    // The install steps; false when one failed, with its text in the message page.
    bool Install();

    CWizardHost& m_host;
    CInstallState& m_state;
};
