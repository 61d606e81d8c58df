// The program group's decisions, with the shell replaced by a recorder: which shortcuts are
// written where, in which order, the folder fallbacks and where the group error is returned.
#include "InstallPaths.h"
#include "OptionBits.h"
#include "ProgramGroup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace
{
class CRecordingShell : public CShellOps
{
public:
    void CreateShortcut(const char* pszLink, const char* pszTarget,
                        const char* pszWorkingDir) override
    {
        m_calls.push_back(std::string("link ") + pszLink + " -> " + pszTarget + " in " +
                          pszWorkingDir);
    }
    bool GetShellFolderPath(int nFolder, char* pszPath) override
    {
        m_calls.push_back("folder " + std::to_string(nFolder));
        auto found = m_folders.find(nFolder);
        if (found == m_folders.end())
            return false;
        std::strcpy(pszPath, found->second.c_str());
        return true;
    }
    void MakeFolder(const char* pszPath) override
    {
        m_calls.push_back(std::string("mkdir ") + pszPath);
    }
    void RemoveFile(const char* pszPath) override
    {
        m_calls.push_back(std::string("delete ") + pszPath);
    }

    std::map<int, std::string> m_folders = {
        {23, "C:\\All\\Programs\\"},
        {2, "C:\\Me\\Programs\\"},
        {25, "C:\\All\\Desktop\\"},
        {16, "C:\\Me\\Desktop\\"},
    };
    std::vector<std::string> m_calls;
};

using Calls = std::vector<std::string>;

const std::string MANUAL = "D:\\LV\\instr.lib\\LH7400\\Documentation\\KTR 7400 LabView Driver "
                           "Manual.pdf";
const std::string DOCS = "D:\\LV\\instr.lib\\LH7400\\Documentation";
const std::string PROBE =
    "link D:\\LV\\KTR7400 LabView Driver Manual.lnk -> " + MANUAL + " in D:\\LV";
const std::string PROBE_DELETE = "delete D:\\LV\\KTR7400 LabView Driver Manual.lnk";
const std::string GROUP_MANUAL =
    "link C:\\All\\Programs\\Larkhaven\\KTR7400 LabView Driver Manual.lnk -> " + MANUAL + " in " +
    DOCS;
const std::string DESKTOP_MANUAL =
    "link C:\\All\\Desktop\\KTR7400 LabView Driver Manual.lnk -> " + MANUAL + " in " + DOCS;
const std::string GROUP_EXAMPLES = "link C:\\All\\Programs\\Larkhaven\\LabView Application "
                                   "Examples.lnk -> D:\\LV\\examples\\LH7400 in D:\\LV\\examples";

struct CGroupRun
{
    CInstallState state;
    CRecordingShell shell;
    const char* pszResult = "not run";

    explicit CGroupRun(const char* pszFolder = "D:\\LV") { FormInstallPaths(state, pszFolder); }
    CGroupRun& Run(int nOptions, const char* pszFolder = "D:\\LV")
    {
        pszResult = CreateProgramGroup(state, pszFolder, nOptions, shell);
        return *this;
    }
};

TEST(ProgramGroup, ShortcutSetFollowsTheOptions)
{
    struct
    {
        int nOptions;
        Calls expected;
    } cases[] = {
        {INSTALL_EXAMPLES | INSTALL_MANUALS,
         {PROBE, PROBE_DELETE, "folder 23", "mkdir C:\\All\\Programs\\Larkhaven", GROUP_MANUAL,
          "folder 25", DESKTOP_MANUAL, GROUP_EXAMPLES}},
        {INSTALL_EXAMPLES,
         {PROBE, PROBE_DELETE, "folder 23", "mkdir C:\\All\\Programs\\Larkhaven", GROUP_EXAMPLES}},
        {INSTALL_MANUALS,
         {PROBE, PROBE_DELETE, "folder 23", "mkdir C:\\All\\Programs\\Larkhaven", GROUP_MANUAL,
          "folder 25", DESKTOP_MANUAL}},
        // The other bits play no part.
        {INSTALL_MANUALS | INSTALL_DRIVERS | INSTALL_ACROBAT,
         {PROBE, PROBE_DELETE, "folder 23", "mkdir C:\\All\\Programs\\Larkhaven", GROUP_MANUAL,
          "folder 25", DESKTOP_MANUAL}},
    };
    for (const auto& c : cases)
    {
        CGroupRun run;
        run.Run(c.nOptions);
        EXPECT_EQ(run.pszResult, nullptr) << c.nOptions;
        EXPECT_EQ(run.shell.m_calls, c.expected) << c.nOptions;
        EXPECT_EQ(run.state.m_strGroupDir, "C:\\All\\Programs\\Larkhaven") << c.nOptions;
    }
}

TEST(ProgramGroup, FallsBackToTheCurrentUsersFoldersIndependently)
{
    CGroupRun run;
    run.shell.m_folders.erase(23);
    run.Run(INSTALL_EXAMPLES | INSTALL_MANUALS);
    EXPECT_EQ(run.pszResult, nullptr);
    EXPECT_EQ(run.state.m_strGroupDir, "C:\\Me\\Programs\\Larkhaven");
    EXPECT_EQ(run.shell.m_calls[2], "folder 23");
    EXPECT_EQ(run.shell.m_calls[3], "folder 2");
    EXPECT_EQ(run.shell.m_calls[6], "folder 25"); // the desktop still tries all users first
    EXPECT_EQ(run.shell.m_calls[7], "link C:\\All\\Desktop\\KTR7400 LabView Driver Manual.lnk -> " +
                                        MANUAL + " in " + DOCS);

    CGroupRun desktop;
    desktop.shell.m_folders.erase(25);
    desktop.Run(INSTALL_MANUALS);
    EXPECT_EQ(desktop.pszResult, nullptr);
    EXPECT_EQ(desktop.shell.m_calls.back(),
              "link C:\\Me\\Desktop\\KTR7400 LabView Driver Manual.lnk -> " + MANUAL + " in " +
                  DOCS);
}

TEST(ProgramGroup, NoProgramsFolderMakesNothingButTheProbe)
{
    CGroupRun run;
    run.shell.m_folders.erase(23);
    run.shell.m_folders.erase(2);
    run.Run(INSTALL_EXAMPLES | INSTALL_MANUALS);
    EXPECT_STREQ(run.pszResult, "Error creating startup group");
    EXPECT_EQ(run.shell.m_calls, (Calls{PROBE, PROBE_DELETE, "folder 23", "folder 2"}));
    EXPECT_EQ(run.state.m_strGroupDir, "");
}

TEST(ProgramGroup, NoDesktopFolderAfterTheGroupWasMade)
{
    CGroupRun run;
    run.shell.m_folders.erase(25);
    run.shell.m_folders.erase(16);
    run.Run(INSTALL_EXAMPLES | INSTALL_MANUALS);
    EXPECT_STREQ(run.pszResult, "Error creating startup group");
    EXPECT_EQ(run.shell.m_calls,
              (Calls{PROBE, PROBE_DELETE, "folder 23", "mkdir C:\\All\\Programs\\Larkhaven",
                     GROUP_MANUAL, "folder 25", "folder 16"}));
    EXPECT_EQ(run.state.m_strGroupDir, "C:\\All\\Programs\\Larkhaven");

    // Without manuals the desktop is never asked for.
    CGroupRun examples;
    examples.shell.m_folders.erase(25);
    examples.shell.m_folders.erase(16);
    EXPECT_EQ(examples.Run(INSTALL_EXAMPLES).pszResult, nullptr);
}

TEST(ProgramGroup, SpecialFolderWithoutTrailingSeparatorIsUsedAsGiven)
{
    // GetShellFolderPath always ends its path with a separator; the group name is appended
    // directly, so the group sits inside that folder.
    CGroupRun run;
    run.shell.m_folders[23] = "\\";
    run.Run(INSTALL_EXAMPLES);
    EXPECT_EQ(run.state.m_strGroupDir, "\\Larkhaven");
}

std::string Repeat(char ch, std::size_t nCount)
{
    return std::string(nCount, ch);
}

std::size_t CountLinks(const Calls& calls)
{
    std::size_t nLinks = 0;
    for (const std::string& strCall : calls)
        nLinks += strCall.rfind("link ", 0) == 0;
    return nLinks;
}

TEST(ProgramGroup, LinkPathsBeyondMaxPathAreNotWritten)
{
    // "\KTR7400 LabView Driver Manual.lnk" is 34 characters: with a folder of 225 the probe
    // link has 259, the most that fits; with 226 it is neither written nor deleted.
    for (std::size_t nFolder : {225u, 226u})
    {
        const std::string strFolder = "D:\\" + Repeat('f', nFolder - 3);
        const std::string strProbe = strFolder + "\\KTR7400 LabView Driver Manual.lnk";
        CGroupRun run;
        run.Run(INSTALL_EXAMPLES, strFolder.c_str());
        EXPECT_EQ(run.pszResult, nullptr);
        const Calls probe = {"link " + strProbe + " -> " + MANUAL + " in " + strFolder,
                             "delete " + strProbe};
        if (nFolder == 225)
            EXPECT_EQ(Calls(run.shell.m_calls.begin(), run.shell.m_calls.begin() + 2), probe);
        else
            EXPECT_EQ(run.shell.m_calls.front(), "folder 23");
        EXPECT_EQ(run.shell.m_calls.back(), GROUP_EXAMPLES) << nFolder;
    }
    {
        // A Programs folder so deep that the group folder itself does not fit: no group.
        CGroupRun run;
        run.shell.m_folders[23] = "C:\\" + Repeat('p', 247) + "\\"; // 251 + "Larkhaven" = 260
        run.Run(INSTALL_EXAMPLES);
        EXPECT_STREQ(run.pszResult, "Error creating startup group");
        EXPECT_EQ(run.state.m_strGroupDir, "");
        EXPECT_EQ(run.shell.m_calls.back(), "folder 23");
    }
    {
        // The group folder fits but the shortcut paths in it and on the desktop do not: the
        // group is made and only the probe link is written.
        CGroupRun run;
        run.shell.m_folders[23] = "C:\\" + Repeat('p', 230) + "\\";
        run.shell.m_folders[25] = "C:\\" + Repeat('d', 230) + "\\"; // 234 + 33 = 267
        run.Run(INSTALL_EXAMPLES | INSTALL_MANUALS);
        EXPECT_EQ(run.pszResult, nullptr);
        EXPECT_EQ(run.state.m_strGroupDir, "C:\\" + Repeat('p', 230) + "\\Larkhaven");
        EXPECT_EQ(CountLinks(run.shell.m_calls), 1u);
        EXPECT_EQ(run.shell.m_calls.front(), PROBE);
    }
}

TEST(ProgramGroup, TargetsBeyondMaxPathAreNotWritten)
{
    // A LabVIEW folder of 246 characters (the longest the install state holds) gives a manual
    // path of 312 characters: no manual shortcut can point there.
    const std::string strFolder = "D:\\" + Repeat('f', 243);
    CGroupRun run(strFolder.c_str());
    run.Run(INSTALL_EXAMPLES | INSTALL_MANUALS, strFolder.c_str());
    EXPECT_EQ(run.pszResult, nullptr);
    EXPECT_EQ(run.shell.m_calls,
              (Calls{"folder 23", "mkdir C:\\All\\Programs\\Larkhaven", "folder 25"}));
}
} // namespace
