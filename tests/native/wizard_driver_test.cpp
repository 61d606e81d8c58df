// The wizard's page sequence, run against a scripted host that answers the pages and records
// every call the driver makes.
#include "InstallState.h"
#include "LabViewLookup.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{
const char REGISTRY_FOLDER[] = "C:\\Program Files\\National Instruments\\LabVIEW 7.0";
const char GROUP_FOLDER[] = "C:\\ProgramData\\Start Menu\\Programs\\Larkhaven";
const char ACROBAT_SETUP[] = "E:\\AcroRead\\Setup.exe";

// Thrown by the host when the installer "starts": the real call never returns then.
struct CProcessEnded
{
};

class CScriptedHost : public CWizardHost
{
public:
    explicit CScriptedHost(CInstallState& state) : m_state(state) {}

    std::string LoadText(WizardString nId) override
    {
        switch (nId)
        {
        case WizardString::Agreement:
            return "agreement text";
        case WizardString::WelcomeText:
            return "welcome text";
        case WizardString::ErrInstallDir:
            return "install dir error";
        case WizardString::SupportContact:
            return "support contact";
        case WizardString::TitleError:
            return "Installation Error!!!";
        case WizardString::TitleWelcome:
            return "Welcome...";
        case WizardString::TitleComplete:
            return "Installation Complete...";
        case WizardString::ConfirmDir:
            return "selected:\n<%s>\nconfirm";
        case WizardString::TitleAttention:
            return "Attention...";
        case WizardString::DirMissing:
            return "missing!\n<%s>\nanyway";
        }
        return "?";
    }
    int ShowMessagePage(const CMessagePageData& page) override
    {
        m_calls.push_back("page " + page.m_strCaption + " [" + page.m_strText + "] " +
                          (page.m_bTwoButtons ? "1" : "0") + (page.m_bWizardLabels ? "1" : "0"));
        return Next(m_messageAnswers);
    }
    int ShowAgreementPage(const std::string& strText) override
    {
        m_calls.push_back("agreement [" + strText + "]");
        return Next(m_agreementAnswers);
    }
    int ShowOptionsPage(int& nOptions) override
    {
        m_calls.push_back("options");
        if (m_optionsAnswers.empty())
            return PAGE_BACK;
        auto answer = m_optionsAnswers.front();
        m_optionsAnswers.pop_front();
        nOptions = answer.second;
        return answer.first;
    }
    int ShowFolderPage(CFolderPageData& page) override
    {
        const char* pszPrompt = page.m_strPrompt == LABVIEW_PROMPT_LOCATED     ? "located"
                                : page.m_strPrompt == LABVIEW_PROMPT_NOT_FOUND ? "not found"
                                                                               : "other";
        m_calls.push_back("folder " + page.m_strFolder + " (" + pszPrompt + ")");
        if (m_folderAnswers.empty())
            return PAGE_BACK;
        auto answer = m_folderAnswers.front();
        m_folderAnswers.pop_front();
        page.m_strFolder = answer.second; // what the page's last OK stored
        return answer.first;
    }
    int LookUpLabView(std::string& strPath) override
    {
        m_calls.push_back("lookup");
        if (m_bLabViewFound)
            strPath = REGISTRY_FOLDER;
        return m_bLabViewFound;
    }
    int PathExists(const char* pszPath) override
    {
        m_calls.push_back(std::string("exists ") + pszPath);
        return m_existing.count(pszPath) ? 1 : 0;
    }
    int CreateDirectoryPath(const char* pszFolder) override
    {
        m_calls.push_back(std::string("mkdir ") + pszFolder);
        return m_nCreateResult;
    }
    const char* ExtractPayload(const char* pszFolder, int nOptions) override
    {
        m_calls.push_back(std::string("extract ") + pszFolder + " " + std::to_string(nOptions));
        return m_pszExtractResult;
    }
    const char* CreateProgramGroup(const char* pszFolder, int nOptions) override
    {
        m_calls.push_back(std::string("group ") + pszFolder + " " + std::to_string(nOptions));
        m_state.m_strGroupDir = GROUP_FOLDER;
        return m_pszGroupResult;
    }
    std::string GetAcrobatSetupPath() override
    {
        m_calls.push_back("acrobat path");
        return ACROBAT_SETUP;
    }
    void OpenProgramGroup(const std::string& strGroupDir) override
    {
        m_calls.push_back("open " + strGroupDir);
    }
    void StartAcrobatSetup(const std::string& strSetupPath) override
    {
        m_calls.push_back("start " + strSetupPath);
        if (m_bInstallerStarts)
            throw CProcessEnded();
    }
    void DestroyBackdrop() override { m_calls.push_back("destroy"); }

    // The script. Pages without an answer left answer back.
    std::deque<int> m_messageAnswers;
    std::deque<int> m_agreementAnswers;
    std::deque<std::pair<int, int>> m_optionsAnswers;        // answer, option bits
    std::deque<std::pair<int, std::string>> m_folderAnswers; // answer, folder stored
    bool m_bLabViewFound = true;
    std::set<std::string> m_existing{"D:\\LV"};
    int m_nCreateResult = 0;
    const char* m_pszExtractResult = nullptr;
    const char* m_pszGroupResult = nullptr;
    bool m_bInstallerStarts = false;

    std::vector<std::string> m_calls;

private:
    static int Next(std::deque<int>& answers)
    {
        if (answers.empty())
            return PAGE_BACK;
        int nAnswer = answers.front();
        answers.pop_front();
        return nAnswer;
    }

    CInstallState& m_state;
};

constexpr int OK = PAGE_FORWARD;
constexpr int BACK = PAGE_BACK;

using Calls = std::vector<std::string>;

// The calls of a run up to the folder page, with the registry folder found.
Calls UpToFolder()
{
    return {"page Welcome... [welcome text] 10", "agreement [agreement text]", "options", "lookup",
            std::string("folder ") + REGISTRY_FOLDER + " (located)"};
}

Calls operator+(Calls first, const Calls& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const std::string WELCOME = "page Welcome... [welcome text] 10";
const std::string AGREEMENT = "agreement [agreement text]";
const std::string CONFIRM_LV = "page Attention... [selected:\n<D:\\LV>\nconfirm] 11";
const std::string COMPLETE = "page Installation Complete... [support contact] 00";
const std::string INSTALL_DIR_ERROR = "page Installation Error!!! [install dir error] 00";

struct CRunCase
{
    const char* pszName;
    std::function<void(CScriptedHost&)> script;
    Calls expected;
};

// Welcome and agreement accepted, then the given options answers and a folder page answering
// D:\LV forward, and every message page forward.
void AcceptUpToOptions(CScriptedHost& host, std::vector<std::pair<int, int>> options)
{
    host.m_messageAnswers = {OK, OK, OK, OK, OK};
    host.m_agreementAnswers = {OK, OK, OK};
    host.m_optionsAnswers.assign(options.begin(), options.end());
    host.m_folderAnswers = {{OK, "D:\\LV"}};
}

std::string LongFolder(std::size_t nLength)
{
    return "D:\\" + std::string(nLength - 3, 'f');
}

const std::vector<CRunCase>& RunCases()
{
    static const std::vector<CRunCase> s_cases = {
        {"TypicalRunWithEverythingButAcrobat",
         [](CScriptedHost& host) {
             AcceptUpToOptions(host, {{OK, 7}});
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "mkdir D:\\LV", "extract D:\\LV 7",
                              "group D:\\LV 7", COMPLETE, std::string("open ") + GROUP_FOLDER,
                              "destroy"}},
        {"CancelOnWelcome",
         [](CScriptedHost& host) { host.m_messageAnswers = {BACK}; },
         {WELCOME, "destroy"}},
        {"NoOnFirstAgreement",
         [](CScriptedHost& host)
         {
             host.m_messageAnswers = {OK};
             host.m_agreementAnswers = {BACK};
         },
         {WELCOME, AGREEMENT, "destroy"}},
        {"NoOnLaterAgreement",
         [](CScriptedHost& host)
         {
             host.m_messageAnswers = {OK};
             host.m_agreementAnswers = {OK, BACK};
             host.m_optionsAnswers = {{BACK, 0}};
         },
         {WELCOME, AGREEMENT, "options", AGREEMENT, "destroy"}},
        {"OptionsBackShowsAgreementAgainThenOptions",
         [](CScriptedHost& host) {
             AcceptUpToOptions(host, {{BACK, 0}, {OK, 2}});
         },
         Calls{WELCOME, AGREEMENT, "options", AGREEMENT, "options", "lookup",
               std::string("folder ") + REGISTRY_FOLDER + " (located)", "exists D:\\LV", CONFIRM_LV,
               "mkdir D:\\LV", "extract D:\\LV 2", COMPLETE, "open ", "destroy"}},
        {"FolderBackRepeatsTheLookup",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 7}, {OK, 4}});
             // The page's last OK stored another folder before its back answer.
             host.m_folderAnswers = {{BACK, "E:\\Elsewhere"}, {OK, "D:\\LV"}};
         },
         UpToFolder() +
             Calls{"options", "lookup", std::string("folder ") + REGISTRY_FOLDER + " (located)",
                   "exists D:\\LV", CONFIRM_LV, "mkdir D:\\LV", "extract D:\\LV 4",
                   "group D:\\LV 4", COMPLETE, std::string("open ") + GROUP_FOLDER, "destroy"}},
        {"ConfirmBackKeepsTheChosenFolder",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 1}});
             host.m_messageAnswers = {OK, BACK, OK, OK};
             host.m_folderAnswers = {{OK, "D:\\LV"}, {OK, "D:\\LV"}};
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "folder D:\\LV (located)",
                              "exists D:\\LV", CONFIRM_LV, "mkdir D:\\LV", "extract D:\\LV 1",
                              "group D:\\LV 1", COMPLETE, std::string("open ") + GROUP_FOLDER,
                              "destroy"}},
        {"NoLabViewStartsAtDriveCAndMissingFolderIsConfirmedAnyway",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 2}});
             host.m_bLabViewFound = false;
             host.m_folderAnswers = {{OK, "D:\\New 50%"}};
         },
         {WELCOME, AGREEMENT, "options", "lookup", "folder C:\\ (not found)", "exists D:\\New 50%",
          "page Attention... [missing!\n<D:\\New 50%>\nanyway] 11", "mkdir D:\\New 50%",
          "extract D:\\New 50% 2", COMPLETE, "open ", "destroy"}},
        {"AcrobatAloneGoesStraightToInstall",
         [](CScriptedHost& host) {
             AcceptUpToOptions(host, {{OK, 8}});
         },
         {WELCOME, AGREEMENT, "options", "lookup", "acrobat path", "open ",
          std::string("start ") + ACROBAT_SETUP, "destroy"}},
        {"AcrobatInstallerStartedEndsTheRunAtOnce",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 15}});
             host.m_bInstallerStarts = true;
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "acrobat path", "mkdir D:\\LV",
                              "extract D:\\LV 15", "group D:\\LV 15", COMPLETE,
                              std::string("open ") + GROUP_FOLDER,
                              std::string("start ") + ACROBAT_SETUP}},
        {"DriversAndAcrobatMakeNoGroupAndOpenAnEmptyPath",
         [](CScriptedHost& host) {
             AcceptUpToOptions(host, {{OK, 10}});
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "acrobat path", "mkdir D:\\LV",
                              "extract D:\\LV 10", COMPLETE, "open ",
                              std::string("start ") + ACROBAT_SETUP, "destroy"}},
        {"FolderCreationFailsWithAcrobatChosen",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 15}});
             host.m_nCreateResult = 1;
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "acrobat path", "mkdir D:\\LV",
                              INSTALL_DIR_ERROR, "destroy"}},
        {"ExtractionFailureShowsItsText",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 7}});
             host.m_pszExtractResult = "Decompression error";
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "mkdir D:\\LV", "extract D:\\LV 7",
                              "page Installation Error!!! [Decompression error] 00", "destroy"}},
        {"GroupFailureShowsNoCompletionPage",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 13}});
             host.m_pszGroupResult = "Error creating startup group";
             host.m_messageAnswers = {OK, OK, BACK}; // the error page's answer does not matter
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "acrobat path", "mkdir D:\\LV",
                              "extract D:\\LV 13", "group D:\\LV 13",
                              "page Installation Error!!! [Error creating startup group] 00",
                              "destroy"}},
        {"FolderTooLongForTheExamplesBufferCreatesNothing",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 7}});
             host.m_folderAnswers = {{OK, LongFolder(247)}};
             host.m_existing.insert(LongFolder(247));
         },
         UpToFolder() +
             Calls{"exists " + LongFolder(247),
                   "page Attention... [selected:\n<" + LongFolder(247) + ">\nconfirm] 11",
                   INSTALL_DIR_ERROR, "destroy"}},
        {"FolderOfTheLongestLengthInstalls",
         [](CScriptedHost& host)
         {
             AcceptUpToOptions(host, {{OK, 2}});
             host.m_folderAnswers = {{OK, LongFolder(246)}};
         },
         UpToFolder() + Calls{"exists " + LongFolder(246),
                              "page Attention... [missing!\n<" + LongFolder(246) + ">\nanyway] 11",
                              "mkdir " + LongFolder(246), "extract " + LongFolder(246) + " 2",
                              COMPLETE, "open ", "destroy"}},
        {"PagesThatCannotBeShownCountAsForward",
         [](CScriptedHost& host)
         {
             host.m_messageAnswers = {-1, -1, -1};
             host.m_agreementAnswers = {-1};
             host.m_optionsAnswers = {{-1, 2}};
             host.m_folderAnswers = {{0, "D:\\LV"}};
         },
         UpToFolder() + Calls{"exists D:\\LV", CONFIRM_LV, "mkdir D:\\LV", "extract D:\\LV 2",
                              COMPLETE, "open ", "destroy"}},
    };
    return s_cases;
}

void PrintTo(const CRunCase& runCase, std::ostream* pStream)
{
    *pStream << runCase.pszName;
}

class WizardRun : public testing::TestWithParam<CRunCase>
{
};

TEST_P(WizardRun, MakesTheExpectedCallsInOrder)
{
    CInstallState state;
    CScriptedHost host(state);
    GetParam().script(host);
    CWizardDriver driver(host, state);
    try
    {
        driver.Run();
    }
    catch (const CProcessEnded&)
    {
    }
    EXPECT_EQ(host.m_calls, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(AllPaths, WizardRun, testing::ValuesIn(RunCases()),
                         [](const testing::TestParamInfo<CRunCase>& info)
                         { return std::string(info.param.pszName); });

TEST(WizardDriver, TypicalRunFillsTheInstallState)
{
    CInstallState state;
    CScriptedHost host(state);
    AcceptUpToOptions(host, {{OK, 15}});
    CWizardDriver driver(host, state);
    driver.Run();

    EXPECT_EQ(state.m_nOptions, 15);
    EXPECT_STREQ(state.m_szDocDir, "D:\\LV\\instr.lib\\LH7400\\Documentation");
    EXPECT_STREQ(state.m_szExamplesDir, "D:\\LV\\examples");
    EXPECT_EQ(state.m_strManualPath,
              "D:\\LV\\instr.lib\\LH7400\\Documentation\\KTR 7400 LabView Driver Manual.pdf");
    EXPECT_EQ(state.m_strExamplesPath, "D:\\LV\\examples\\LH7400");
    EXPECT_EQ(state.m_strAcrobatSetup, ACROBAT_SETUP);
    EXPECT_EQ(state.m_strGroupDir, GROUP_FOLDER);
}

TEST(WizardDriver, AcrobatAloneLeavesThePathsUnformed)
{
    CInstallState state;
    CScriptedHost host(state);
    AcceptUpToOptions(host, {{OK, 8}});
    CWizardDriver driver(host, state);
    driver.Run();

    EXPECT_EQ(state.m_nOptions, 8);
    EXPECT_STREQ(state.m_szDocDir, "");
    EXPECT_STREQ(state.m_szExamplesDir, "");
    EXPECT_EQ(state.m_strManualPath, "");
    EXPECT_EQ(state.m_strGroupDir, "");
    EXPECT_EQ(state.m_strAcrobatSetup, ACROBAT_SETUP);
}

TEST(WizardDriver, EachStateLeadsWhereTheAnswerSays)
{
    struct CStepCase
    {
        WizardState nFrom;
        int nAnswer;
        int nOptions;
        WizardState nTo;
    };
    const CStepCase cases[] = {
        {WizardState::Welcome, OK, 7, WizardState::Agreement},
        {WizardState::Welcome, BACK, 7, WizardState::Finish},
        {WizardState::Agreement, OK, 7, WizardState::Options},
        {WizardState::Agreement, BACK, 7, WizardState::Finish},
        {WizardState::Options, OK, 7, WizardState::Locate},
        {WizardState::Options, BACK, 7, WizardState::Agreement},
        {WizardState::Locate, OK, 7, WizardState::Gate},
        {WizardState::Gate, OK, 7, WizardState::Folder},
        {WizardState::Gate, OK, 1, WizardState::Folder},
        {WizardState::Gate, OK, 8, WizardState::Install},
        {WizardState::Folder, OK, 7, WizardState::Confirm},
        {WizardState::Folder, BACK, 7, WizardState::Options},
        {WizardState::Confirm, OK, 7, WizardState::Install},
        {WizardState::Confirm, BACK, 7, WizardState::Gate},
        {WizardState::Error, OK, 7, WizardState::Finish},
        {WizardState::Error, BACK, 7, WizardState::Finish},
        {WizardState::Closing, OK, 7, WizardState::Finish},
        {WizardState::Finish, OK, 7, WizardState::End},
    };
    for (const CStepCase& c : cases)
    {
        CInstallState state;
        state.m_nOptions = c.nOptions;
        CScriptedHost host(state);
        host.m_messageAnswers = {c.nAnswer};
        host.m_agreementAnswers = {c.nAnswer};
        host.m_optionsAnswers = {{c.nAnswer, c.nOptions}};
        host.m_folderAnswers = {{c.nAnswer, "D:\\LV"}};
        CWizardDriver driver(host, state);
        EXPECT_EQ(driver.Step(c.nFrom), c.nTo)
            << "from state " << static_cast<int>(c.nFrom) << " answer " << c.nAnswer;
    }
}

} // namespace
