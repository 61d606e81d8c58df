// The four wizard pages for real, over a plain parent window: each test reads what the user
// sees from inside the page's modal loop and acts as the user would.
#include "AgreementPage.h"
#include "FolderPage.h"
#include "MessagePage.h"
#include "ModalScript.h"
#include "OptionsPage.h"
#include "ResourceIds.h"
#include "TempFolder.h"
#include "WinApp.h"
#include "LabViewLookup.h"
#include "WizardTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace
{
CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

// A plain, disabled parent window that covers the screen, as the setup's backdrop does.
class PageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const char* pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
        ASSERT_TRUE(m_parent.CreateEx(0, pszClass, "parent", WS_POPUP | WS_VISIBLE | WS_DISABLED, 0,
                                      0, GetSystemMetrics(SM_CXSCREEN),
                                      GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr));
    }

    CWnd m_parent;
};

HWND Item(CDialog& page, int nId)
{
    return ::GetDlgItem(page.m_hWnd, nId);
}

bool IsUp(CDialog& page)
{
    return page.GetSafeHwnd() != nullptr && IsWindowVisible(page.m_hWnd);
}

void ExpectRectNear(const RECT& rcActual, const RECT& rcExpected, const char* pszWhat)
{
    EXPECT_NEAR(rcActual.left, rcExpected.left, 1) << pszWhat;
    EXPECT_NEAR(rcActual.top, rcExpected.top, 1) << pszWhat;
    EXPECT_NEAR(rcActual.right, rcExpected.right, 1) << pszWhat;
    EXPECT_NEAR(rcActual.bottom, rcExpected.bottom, 1) << pszWhat;
}

// ----- message page ---------------------------------------------------------------------------

struct MessageRole
{
    const char* pszRole;
    UINT nCaption;
    BOOL bTwoButtons;
    BOOL bWizardLabels;
    const char* pszFirst;
    const char* pszSecond;
};

TEST_F(PageTest, MessagePageArrangesItsButtonsForEveryRole)
{
    CMessagePage page(&m_parent);
    CString strConfirm;
    strConfirm.Format(LoadText(IDS_CONFIRM_DIR), "C:\\LV");
    // One page object for all roles, as the wizard uses it: nothing carries over.
    const MessageRole roles[] = {
        {"welcome", IDS_TITLE_WELCOME, TRUE, FALSE, "OK", "Cancel"},
        {"confirmation", IDS_TITLE_ATTENTION, TRUE, TRUE, "Next >>>", "<<< Back"},
        {"error", IDS_TITLE_ERROR, FALSE, FALSE, "OK", nullptr},
        {"single with wizard labels", IDS_TITLE_ATTENTION, FALSE, TRUE, "Next >>>", nullptr},
        {"completion", IDS_TITLE_COMPLETE, FALSE, FALSE, "OK", nullptr},
        {"confirmation again", IDS_TITLE_ATTENTION, TRUE, TRUE, "Next >>>", "<<< Back"},
    };
    for (const MessageRole& role : roles)
    {
        SCOPED_TRACE(role.pszRole);
        page.m_strCaption = LoadText(role.nCaption);
        page.m_strText =
            role.nCaption == IDS_TITLE_ATTENTION ? strConfirm : LoadText(IDS_WELCOME_TEXT);
        page.m_bTwoButtons = role.bTwoButtons;
        page.m_bWizardLabels = role.bWizardLabels;

        CModalScript script;
        script.WaitUntil([&] { return IsUp(page); })
            .Then(
                [&]
                {
                    HWND hOk = Item(page, IDOK);
                    HWND hCancel = Item(page, IDCANCEL);
                    EXPECT_EQ(WindowText(page.m_hWnd), std::string(page.m_strCaption));
                    EXPECT_EQ(WindowText(Item(page, IDC_MESSAGE_TEXT)),
                              std::string(page.m_strText));
                    EXPECT_EQ(WindowText(hOk), role.pszFirst);
                    EXPECT_TRUE(IsWindowVisible(hOk));
                    EXPECT_EQ(IsWindowVisible(hCancel) != FALSE, role.pszSecond != nullptr);
                    if (role.pszSecond != nullptr)
                    {
                        EXPECT_EQ(WindowText(hCancel), role.pszSecond);
                    }
                    // "OK" mirrored to 118, 72 beside two buttons, in the middle (72, 72) alone.
                    ExpectRectNear(
                        ChildRect(hOk),
                        DialogUnitsRect(page.m_hWnd, role.bTwoButtons ? 118 : 72, 72, 50, 14),
                        "first button");
                    ExpectRectNear(ChildRect(hCancel), DialogUnitsRect(page.m_hWnd, 27, 72, 50, 14),
                                   "second button");
                    EXPECT_EQ(GetFocus(), hOk); // the first tab stop, the default button
                    EXPECT_EQ(LOWORD(SendMessageA(page.m_hWnd, DM_GETDEFID, 0, 0)), IDOK);
                    PressKey(hOk, VK_RETURN);
                });
        script.Start();
        EXPECT_EQ(page.DoModal(), IDOK);
        EXPECT_TRUE(script.Finished());
    }
}

TEST_F(PageTest, MessagePageAnswersBackWithTheSecondButtonAndEscEvenWhenAlone)
{
    CMessagePage page(&m_parent);
    page.m_strCaption = LoadText(IDS_TITLE_ERROR);
    page.m_strText = LoadText(IDS_ERR_INSTALL_DIR);
    struct Case
    {
        BOOL bTwoButtons;
        bool bUseButton;
    };
    for (const Case& c : {Case{TRUE, true}, Case{TRUE, false}, Case{FALSE, false}})
    {
        page.m_bTwoButtons = c.bTwoButtons;
        page.m_bWizardLabels = FALSE;
        CModalScript script;
        script.WaitUntil([&] { return IsUp(page); })
            .Then(
                [&]
                {
                    if (c.bUseButton)
                        ClickButton(Item(page, IDCANCEL));
                    else
                        PressKey(Item(page, IDOK), VK_ESCAPE);
                });
        script.Start();
        EXPECT_EQ(page.DoModal(), IDCANCEL) << c.bTwoButtons << c.bUseButton;
    }
}

// ----- agreement page -------------------------------------------------------------------------

TEST_F(PageTest, AgreementPageShowsThreeParagraphsReadOnlyAndAnswersYesOrNo)
{
    CAgreementPage page(&m_parent);
    page.m_strText = LoadText(IDS_AGREEMENT);
    struct Case
    {
        const char* pszAct;
        INT_PTR nAnswer;
    };
    for (const Case& c :
         {Case{"Yes", IDOK}, Case{"No", IDCANCEL}, Case{"Enter", IDOK}, Case{"Esc", IDCANCEL}})
    {
        SCOPED_TRACE(c.pszAct);
        CModalScript script;
        script.WaitUntil([&] { return IsUp(page); })
            .Then(
                [&]
                {
                    HWND hText = Item(page, IDC_AGREEMENT_TEXT);
                    EXPECT_EQ(WindowText(hText), std::string(page.m_strText));
                    EXPECT_EQ(
                        WindowText(Item(page, IDC_MESSAGE_TEXT)),
                        "Do you accept all the conditions in the following license agreement?");
                    // The box breaks the text into its three paragraphs with empty lines between,
                    // wraps long lines, and cannot be changed.
                    const int nLines = static_cast<int>(SendMessageA(hText, EM_GETLINECOUNT, 0, 0));
                    int nEmpty = 0;
                    for (int i = 0; i < nLines; ++i)
                    {
                        const LRESULT nStart = SendMessageA(hText, EM_LINEINDEX, i, 0);
                        nEmpty += SendMessageA(hText, EM_LINELENGTH, nStart, 0) == 0 ? 1 : 0;
                    }
                    EXPECT_GT(nLines, 5);
                    EXPECT_EQ(nEmpty, 2);
                    EXPECT_TRUE(GetWindowLongA(hText, GWL_STYLE) & ES_READONLY);
                    SendMessageA(hText, WM_CHAR, 'x', 0);
                    EXPECT_EQ(WindowText(hText), std::string(page.m_strText));
                    // "Yes" is available at once and has the focus.
                    EXPECT_EQ(GetFocus(), Item(page, IDOK));
                    EXPECT_TRUE(IsWindowEnabled(Item(page, IDOK)));
                    const std::string strAct = c.pszAct;
                    if (strAct == "Yes")
                        ClickButton(Item(page, IDOK));
                    else if (strAct == "No")
                        ClickButton(Item(page, IDCANCEL));
                    else
                        PressKey(Item(page, IDOK), strAct == "Enter" ? VK_RETURN : VK_ESCAPE);
                });
        script.Start();
        EXPECT_EQ(page.DoModal(), c.nAnswer);
    }
}

// ----- options page ---------------------------------------------------------------------------

// "AcroRead\Setup.exe" beside the test program while the object lives.
class CInstallerBeside
{
public:
    CInstallerBeside()
    {
        char szPath[MAX_PATH];
        GetModuleFileNameA(nullptr, szPath, MAX_PATH);
        std::string strFolder = szPath;
        m_strFolder = strFolder.substr(0, strFolder.rfind('\\')) + "\\AcroRead";
        m_strFile = m_strFolder + "\\Setup.exe";
        CreateDirectoryA(m_strFolder.c_str(), nullptr);
        HANDLE hFile = CreateFileA(m_strFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD nWritten = 0;
        WriteFile(hFile, "MZ", 2, &nWritten, nullptr);
        CloseHandle(hFile);
    }
    ~CInstallerBeside()
    {
        DeleteFileA(m_strFile.c_str());
        RemoveDirectoryA(m_strFolder.c_str());
    }
    const std::string& File() const { return m_strFile; }

private:
    std::string m_strFolder;
    std::string m_strFile;
};

const int g_aBoxes[] = {IDC_OPT_EXAMPLES, IDC_OPT_DRIVERS, IDC_OPT_MANUALS, IDC_OPT_ACROBAT};

std::vector<bool> Checked(CDialog& page)
{
    std::vector<bool> checked;
    for (int nBox : g_aBoxes)
        checked.push_back(IsDlgButtonChecked(page.m_hWnd, nBox) == BST_CHECKED);
    return checked;
}

std::vector<bool> Enabled(CDialog& page)
{
    std::vector<bool> enabled;
    for (int nBox : g_aBoxes)
        enabled.push_back(IsWindowEnabled(Item(page, nBox)) != FALSE);
    return enabled;
}

// Clicks every enabled box that is checked, leaving all unchecked.
void UncheckAll(CDialog& page)
{
    for (int nBox : g_aBoxes)
    {
        if (IsDlgButtonChecked(page.m_hWnd, nBox) == BST_CHECKED)
            ClickButton(Item(page, nBox));
    }
}

TEST_F(PageTest, OptionsPageWithoutTheInstallerRefusesNothingChosenAndKeepsThePageOpen)
{
    COptionsPage page(&m_parent);
    HWND hBox = nullptr;
    std::string strBoxText;
    bool bPageEnabledDuringBox = true;

    CModalScript script;
    script.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(Checked(page), (std::vector<bool>{true, true, true, false}));
                EXPECT_EQ(Enabled(page), (std::vector<bool>{true, true, true, false}));
                EXPECT_EQ(GetFocus(), Item(page, IDC_OPT_DRIVERS));
                UncheckAll(page);
            })
        .Then([&] { ClickButton(Item(page, IDOK)); })
        .WaitUntil(
            [&]
            {
                hBox = FindThreadDialog("win_pages_test");
                return hBox != nullptr;
            })
        .Then(
            [&]
            {
                strBoxText = WindowText(::GetDlgItem(hBox, 0xFFFF));
                bPageEnabledDuringBox = IsWindowEnabled(page.m_hWnd) != FALSE;
                ClickButton(::GetDlgItem(hBox, IDOK));
            })
        .WaitUntil([&] { return !IsWindow(hBox); })
        .Then(
            [&]
            {
                EXPECT_TRUE(IsUp(page)); // still open, the boxes as they were
                EXPECT_EQ(Checked(page), (std::vector<bool>{false, false, false, false}));
                ClickButton(Item(page, IDC_OPT_DRIVERS));
            })
        .Then([&] { ClickButton(Item(page, IDOK)); });
    script.Start();
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(strBoxText, "An option must be selected to continue the installation.");
    EXPECT_FALSE(bPageEnabledDuringBox);
    EXPECT_EQ(page.m_nOptions, 2);

    // Shown again: the defaults, not the previous choice; back with nothing chosen ends at once.
    CModalScript again;
    again.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(Checked(page), (std::vector<bool>{true, true, true, false}));
                UncheckAll(page);
            })
        .Then([&] { ClickButton(Item(page, IDCANCEL)); });
    again.Start();
    EXPECT_EQ(page.DoModal(), IDCANCEL);
    EXPECT_EQ(FindThreadDialog("win_pages_test"), nullptr);
}

TEST_F(PageTest, OptionsPageOffersAcrobatWhenTheInstallerLiesBesideTheProgram)
{
    CInstallerBeside installer;
    COptionsPage page(&m_parent);
    struct Case
    {
        int nKeep; // the one box left checked, 0 for all four
        int nOptions;
    };
    for (const Case& c : {Case{0, 15}, Case{IDC_OPT_ACROBAT, 8}, Case{IDC_OPT_EXAMPLES, 1},
                          Case{IDC_OPT_MANUALS, 4}})
    {
        CModalScript script;
        script.WaitUntil([&] { return IsUp(page); })
            .Then(
                [&]
                {
                    EXPECT_EQ(Checked(page), (std::vector<bool>{true, true, true, true}));
                    EXPECT_EQ(Enabled(page), (std::vector<bool>{true, true, true, true}));
                    if (c.nKeep != 0)
                    {
                        for (int nBox : g_aBoxes)
                        {
                            if (nBox != c.nKeep)
                                ClickButton(Item(page, nBox));
                        }
                    }
                })
            .Then(
                [&]
                {
                    PressKey(Item(page, IDC_OPT_DRIVERS), VK_RETURN); // "Next >>>" is the default
                });
        script.Start();
        EXPECT_EQ(page.DoModal(), IDOK) << c.nKeep;
        EXPECT_EQ(page.m_nOptions, c.nOptions) << c.nKeep;
    }
}

// ----- folder page ----------------------------------------------------------------------------

// A prepared folder: three sub-folders (one with a space), a file, and one level below.
class FolderPageTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        m_temp.MakeFolder("beta");
        m_temp.MakeFolder("Alpha");
        m_temp.MakeFolder("gamma dir");
        m_temp.WriteFile("file.txt", "not a folder");
        m_temp.MakeFolder("beta\\inner");
        m_temp.MakeFolder("Alpha\\inner");
        m_temp.MakeFolder("Alpha\\inner\\a1");
    }

    // Runs the page on the script's steps and answers its result.
    INT_PTR Run(CFolderPage& page, CModalScript& script)
    {
        script.Start();
        INT_PTR nResult = page.DoModal();
        EXPECT_TRUE(script.Finished());
        return nResult;
    }

    std::string Edit(CDialog& page) { return WindowText(Item(page, IDC_PATH_EDIT)); }
    std::vector<std::string> List(CDialog& page) { return ListTexts(Item(page, IDC_DIR_LIST)); }
    std::string SelectedDrive(CDialog& page)
    {
        HWND hCombo = Item(page, IDC_DRIVE_COMBO);
        const LRESULT nSelected = SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
        if (nSelected == CB_ERR)
            return "(none)";
        return ComboTexts(hCombo)[static_cast<std::size_t>(nSelected)];
    }
    void Select(CDialog& page, const char* pszEntry)
    {
        HWND hList = Item(page, IDC_DIR_LIST);
        const LRESULT nIndex =
            SendMessageA(hList, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(pszEntry));
        ASSERT_NE(nIndex, LB_ERR) << pszEntry;
        SendMessageA(hList, LB_SETCURSEL, nIndex, 0);
    }

    CTempFolder m_temp;
};

TEST_F(FolderPageTest, ListsSubFoldersSortedAndNavigatesWithEnterInTheList)
{
    CFolderPage page(&m_parent);
    page.m_strFolder = m_temp.Path().c_str();
    page.m_strPrompt = LABVIEW_PROMPT_LOCATED;
    const std::string strFolder = m_temp.Path() + "\\";

    CModalScript script;
    script.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(WindowText(page.m_hWnd), "Select Installation Directory");
                EXPECT_EQ(WindowText(Item(page, IDC_FOLDER_PROMPT)), LABVIEW_PROMPT_LOCATED);
                EXPECT_EQ(Edit(page), strFolder);
                EXPECT_EQ(List(page),
                          (std::vector<std::string>{"[..]", "[Alpha]", "[beta]", "[gamma dir]"}));
                EXPECT_EQ(SendDlgItemMessageA(page.m_hWnd, IDC_DIR_LIST, LB_GETCURSEL, 0, 0), 0);
                EXPECT_EQ(SelectedDrive(page), "[-c-]");
                EXPECT_EQ(GetFocus(), Item(page, IDC_PATH_EDIT));
                // Enter in the list enters the selected folder and keeps the page open.
                SetFocus(Item(page, IDC_DIR_LIST));
                Select(page, "[beta]");
                PressKey(Item(page, IDC_DIR_LIST), VK_RETURN);
            })
        .WaitUntil([&] { return Edit(page) == strFolder + "beta\\"; })
        .Then(
            [&]
            {
                EXPECT_TRUE(IsUp(page));
                EXPECT_EQ(List(page), (std::vector<std::string>{"[..]", "[inner]"}));
                // Up again with "[..]", the first entry, selected after every listing.
                PressKey(Item(page, IDC_DIR_LIST), VK_RETURN);
            })
        .WaitUntil([&] { return Edit(page) == strFolder; })
        .Then(
            [&]
            {
                EXPECT_EQ(List(page).size(), 4u);
                ClickButton(Item(page, IDCANCEL));
            });
    EXPECT_EQ(Run(page, script), IDCANCEL);
    // Every OK command stored the edit's text, also the ones that only navigated.
    EXPECT_EQ(std::string(page.m_strFolder), strFolder + "beta");
}

TEST_F(FolderPageTest, ADoubleClickEntersBelowTheTypedTextAndEnterInTheEditCloses)
{
    CFolderPage page(&m_parent);
    page.m_strFolder = (m_temp.Path() + "\\beta\\").c_str();
    const std::string strAlpha = m_temp.Path() + "\\Alpha";

    CModalScript script;
    script.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(List(page), (std::vector<std::string>{"[..]", "[inner]"}));
                // The user types another folder, then double-clicks "[inner]" of the old list.
                SetDlgItemTextA(page.m_hWnd, IDC_PATH_EDIT, strAlpha.c_str());
                Select(page, "[inner]");
                DoubleClickListItem(Item(page, IDC_DIR_LIST), 1);
            })
        .WaitUntil([&] { return Edit(page) == strAlpha + "\\inner\\"; })
        .Then(
            [&]
            {
                EXPECT_EQ(List(page), (std::vector<std::string>{"[..]", "[a1]"}));
                SetFocus(Item(page, IDC_PATH_EDIT));
                PressKey(Item(page, IDC_PATH_EDIT), VK_RETURN);
            });
    EXPECT_EQ(Run(page, script), IDOK);
    EXPECT_EQ(std::string(page.m_strFolder), strAlpha + "\\inner"); // one separator less
}

TEST_F(FolderPageTest, ADriveRootListsNoWayUpAndAMissingFolderOnlyTheWayUp)
{
    // What the system lists as folders of C:\, for comparison.
    std::set<std::string> rootFolders;
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA("C:\\*", &data);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
    do
    {
        const std::string strName = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && strName != "." && strName != "..")
            rootFolders.insert("[" + strName + "]");
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
    ASSERT_FALSE(rootFolders.empty());

    CFolderPage page(&m_parent);
    page.m_strFolder = "C:\\";
    page.m_strPrompt = LABVIEW_PROMPT_NOT_FOUND;
    CModalScript script;
    script.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(WindowText(Item(page, IDC_FOLDER_PROMPT)), LABVIEW_PROMPT_NOT_FOUND);
                EXPECT_EQ(Edit(page), "C:\\");
                const std::vector<std::string> entries = List(page);
                EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()), rootFolders);
                EXPECT_EQ(entries.size(), rootFolders.size());
                EXPECT_EQ(SelectedDrive(page), "[-c-]");
                // No entry selected: Enter in the list does nothing.
                SetDlgItemTextA(page.m_hWnd, IDC_PATH_EDIT, m_temp.Path().c_str());
                HWND hList = Item(page, IDC_DIR_LIST);
                SendMessageA(hList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
                SetFocus(hList);
                PressKey(hList, VK_RETURN);
            })
        .Then(
            [&]
            {
                EXPECT_TRUE(IsUp(page));
                EXPECT_EQ(Edit(page), m_temp.Path());
                EXPECT_EQ(List(page).size(), rootFolders.size());
                ClickButton(Item(page, IDCANCEL));
            });
    EXPECT_EQ(Run(page, script), IDCANCEL);

    page.m_strFolder = (m_temp.Path() + "\\missing").c_str();
    CModalScript missing;
    missing.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(List(page), std::vector<std::string>{"[..]"});
                EXPECT_EQ(Edit(page), m_temp.Path() + "\\missing\\");
                SetFocus(Item(page, IDC_DIR_LIST));
                PressKey(Item(page, IDC_DIR_LIST), VK_RETURN); // up from the missing folder
            })
        .WaitUntil([&] { return Edit(page) == m_temp.Path() + "\\"; })
        .Then(
            [&]
            {
                EXPECT_EQ(List(page).size(), 4u);
                PostMessageA(page.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
            });
    EXPECT_EQ(Run(page, missing), IDCANCEL);
}

TEST_F(FolderPageTest, TheDriveBoxSwitchesDrives)
{
    CFolderPage page(&m_parent);
    page.m_strFolder = m_temp.Path().c_str();
    auto choose = [&](const char* pszDrive)
    {
        HWND hCombo = Item(page, IDC_DRIVE_COMBO);
        const LRESULT nIndex =
            SendMessageA(hCombo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(pszDrive));
        ASSERT_NE(nIndex, CB_ERR) << pszDrive;
        SendMessageA(hCombo, CB_SETCURSEL, nIndex, 0);
        PostMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(hCombo));
    };
    // Drive Z: holds the process's current folder; drive C: has none, so it shows its root
    // ('c:\' as the system resolves 'c:*').
    char szCurrent[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szCurrent);
    ASSERT_EQ(szCurrent[0], 'Z');
    std::string strCurrent = szCurrent;
    if (strCurrent.back() != '\\')
        strCurrent += '\\';

    CModalScript script;
    script.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                const std::vector<std::string> drives = ComboTexts(Item(page, IDC_DRIVE_COMBO));
                EXPECT_NE(std::find(drives.begin(), drives.end(), "[-c-]"), drives.end());
                EXPECT_NE(std::find(drives.begin(), drives.end(), "[-z-]"), drives.end());
                choose("[-z-]");
            })
        .WaitUntil([&] { return Edit(page) == strCurrent; })
        .Then(
            [&]
            {
                EXPECT_EQ(SelectedDrive(page), "[-z-]");
                EXPECT_EQ(List(page).front(), "[..]");
                choose("[-c-]");
            })
        .WaitUntil([&] { return lstrcmpiA(Edit(page).c_str(), "C:\\") == 0; })
        .Then(
            [&]
            {
                EXPECT_EQ(SelectedDrive(page), "[-c-]");
                // A click on "Next >>>" closes the page even when the list had the focus.
                SetFocus(Item(page, IDC_DIR_LIST));
                ClickButton(Item(page, IDOK));
            });
    EXPECT_EQ(Run(page, script), IDOK);
    EXPECT_STRCASEEQ(page.m_strFolder, "C:"); // the system may keep the letter's case
}

TEST_F(FolderPageTest, AFolderTooLongToBrowseIsStillShownAndReturnedWhole)
{
    CFolderPage page(&m_parent);
    const std::string strLong = "C:\\" + std::string(300, 'x') + "\\";
    page.m_strFolder = strLong.c_str();
    CModalScript script;
    script.WaitUntil([&] { return IsUp(page); })
        .Then(
            [&]
            {
                EXPECT_EQ(Edit(page), strLong);
                // Navigation from that text is refused: nothing changes.
                HWND hList = Item(page, IDC_DIR_LIST);
                SendMessageA(hList, LB_SETCURSEL, 0, 0);
                SetFocus(hList);
                PressKey(hList, VK_RETURN);
            })
        .Then(
            [&]
            {
                EXPECT_TRUE(IsUp(page));
                EXPECT_EQ(Edit(page), strLong);
                ClickButton(Item(page, IDOK));
            });
    EXPECT_EQ(Run(page, script), IDOK);
    EXPECT_EQ(std::string(page.m_strFolder), strLong.substr(0, strLong.size() - 1));
}
} // namespace
