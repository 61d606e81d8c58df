// What the driver hands to the pages and reads back from them: the members of the message
// and folder pages, which keep their values between showings, the page answers and the ids of
// the string-table texts the driver shows.
#pragma once

#include <string>

// DoModal results. Only PAGE_BACK (IDCANCEL) goes back; every other result, also a page that
// could not be shown, counts as forward.
constexpr int PAGE_FORWARD = 1; // IDOK
constexpr int PAGE_BACK = 2;    // IDCANCEL

inline bool IsBackAnswer(int nAnswer)
{
    return nAnswer == PAGE_BACK;
}

// The string-table texts the driver loads; each value is the text's id in the string table.
enum class WizardString : unsigned
{
    Agreement = 1,       // IDS_AGREEMENT
    WelcomeText = 2,     // IDS_WELCOME_TEXT
    ErrInstallDir = 3,   // IDS_ERR_INSTALL_DIR
    SupportContact = 4,  // IDS_SUPPORT_CONTACT
    TitleError = 5,      // IDS_TITLE_ERROR
    TitleWelcome = 6,    // IDS_TITLE_WELCOME
    TitleComplete = 7,   // IDS_TITLE_COMPLETE
    ConfirmDir = 13,     // IDS_CONFIRM_DIR
    TitleAttention = 14, // IDS_TITLE_ATTENTION
    DirMissing = 15,     // IDS_DIR_MISSING
};

// The members of the message page, set before every showing.
struct CMessagePageData
{
    std::string m_strText;
    std::string m_strCaption;
    bool m_bTwoButtons = false;
    bool m_bWizardLabels = false;
};

// The members of the folder page: the folder shown first and, after the page has run, the
// folder its last OK stored; and the prompt above the browser.
struct CFolderPageData
{
    std::string m_strFolder;
    std::string m_strPrompt;
};
