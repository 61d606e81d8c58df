// Shell links, special folders and the program group against the real shell (run under Wine).
// The group test writes into the all-users Start menu and desktop of the prefix and removes
// what it made afterwards.
#include "InstallPaths.h"
#include "OptionBits.h"
#include "ProgramGroup.h"
#include "ShellOps.h"
#include "Shortcut.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

namespace
{
class ShellTest : public testing::Test
{
protected:
    void SetUp() override { CoInitialize(nullptr); }
};

bool FileExists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteTextFile(const std::string& strPath, const std::string& strContent)
{
    HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << strPath;
    DWORD nWritten = 0;
    WriteFile(hFile, strContent.data(), static_cast<DWORD>(strContent.size()), &nWritten, nullptr);
    CloseHandle(hFile);
}

// Target and working folder of a link file, read back through the shell link interface.
struct CLinkInfo
{
    bool bLoaded = false;
    std::string strTarget;
    std::string strWorkingDir;
};

CLinkInfo ReadLink(const std::string& strLink)
{
    CLinkInfo info;
    IShellLinkA* pShellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&pShellLink))))
        return info;
    IPersistFile* pPersistFile = nullptr;
    if (SUCCEEDED(
            pShellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pPersistFile))))
    {
        WCHAR wszLink[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, strLink.c_str(), -1, wszLink, MAX_PATH);
        if (SUCCEEDED(pPersistFile->Load(wszLink, STGM_READ)))
        {
            char szText[MAX_PATH] = {};
            pShellLink->GetPath(szText, MAX_PATH, nullptr, SLGP_RAWPATH);
            info.strTarget = szText;
            szText[0] = '\0';
            pShellLink->GetWorkingDirectory(szText, MAX_PATH);
            info.strWorkingDir = szText;
            info.bLoaded = true;
        }
        pPersistFile->Release();
    }
    pShellLink->Release();
    return info;
}

std::string FolderPath(int nFolder)
{
    char szPath[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, szPath);
    return szPath;
}

TEST_F(ShellTest, ShortcutPointsToItsTargetAndWorkingFolder)
{
    CTempFolder temp;
    const std::string strTarget = temp.Path() + "\\Manual.pdf";
    WriteTextFile(strTarget, "%PDF-1.4");
    const std::string strLink = temp.Path() + "\\Manual.lnk";

    CreateShortcut(strLink.c_str(), strTarget.c_str(), temp.Path().c_str());
    CLinkInfo info = ReadLink(strLink);
    ASSERT_TRUE(info.bLoaded);
    EXPECT_EQ(info.strTarget, strTarget);
    EXPECT_EQ(info.strWorkingDir, temp.Path());

    // Written again at the same place: the file is replaced.
    const std::string strOther = temp.Path() + "\\Other.pdf";
    WriteTextFile(strOther, "%PDF-1.4");
    CreateShortcut(strLink.c_str(), strOther.c_str(), "C:\\");
    info = ReadLink(strLink);
    EXPECT_EQ(info.strTarget, strOther);
    EXPECT_EQ(info.strWorkingDir, "C:\\");
}

TEST_F(ShellTest, LinkPathMustFitMaxPath)
{
    CTempFolder temp;
    const std::string strTarget = temp.Path() + "\\Manual.pdf";
    WriteTextFile(strTarget, "%PDF-1.4");
    const std::size_t nBase = temp.Path().size() + 1; // the folder and its separator
    const std::string strFits = temp.Path() + "\\" + std::string(259 - nBase - 4, 'n') + ".lnk";
    const std::string strTooLong = temp.Path() + "\\" + std::string(260 - nBase - 4, 'n') + ".lnk";
    ASSERT_EQ(strFits.size(), 259u);

    CreateShortcut(strFits.c_str(), strTarget.c_str(), temp.Path().c_str());
    EXPECT_TRUE(FileExists(strFits));
    CreateShortcut(strTooLong.c_str(), strTarget.c_str(), temp.Path().c_str());
    const std::wstring wstrTooLong(strTooLong.begin(), strTooLong.end());
    EXPECT_EQ(GetFileAttributesW((L"\\\\?\\" + wstrTooLong).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ShellTest, SpecialFoldersEndWithASeparator)
{
    for (int nFolder : {SHELL_FOLDER_COMMON_PROGRAMS, SHELL_FOLDER_PROGRAMS,
                        SHELL_FOLDER_COMMON_DESKTOPDIRECTORY, SHELL_FOLDER_DESKTOPDIRECTORY})
    {
        char szPath[MAX_PATH];
        ASSERT_TRUE(GetShellFolderPath(nFolder, szPath)) << nFolder;
        EXPECT_EQ(std::string(szPath), FolderPath(nFolder) + "\\") << nFolder;
    }
    char szPath[MAX_PATH];
    EXPECT_FALSE(GetShellFolderPath(0x7F, szPath)) << "a folder number the shell does not know";
}

// Removes the links it knows of and, when the test made it, the group folder.
class ProgramGroupInPrefix : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_strGroup = FolderPath(CSIDL_COMMON_PROGRAMS) + "\\Larkhaven";
        m_strDesktopLink =
            FolderPath(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\KTR7400 LabView Driver Manual.lnk";
        m_bGroupExisted = FileExists(m_strGroup);
    }
    void TearDown() override
    {
        DeleteFileA((m_strGroup + "\\KTR7400 LabView Driver Manual.lnk").c_str());
        DeleteFileA((m_strGroup + "\\LabView Application Examples.lnk").c_str());
        DeleteFileA(m_strDesktopLink.c_str());
        if (!m_bGroupExisted)
            RemoveDirectoryA(m_strGroup.c_str());
    }

    // A LabVIEW folder with the installed manual and examples in place.
    static void Install(const CTempFolder& temp, const std::string& strName, CInstallState& state)
    {
        const std::string strFolder = temp.Path() + "\\" + strName;
        CreateDirectoryA(strFolder.c_str(), nullptr);
        ASSERT_TRUE(FormInstallPaths(state, strFolder.c_str()));
        for (const char* pszSub :
             {"\\instr.lib", "\\instr.lib\\LH7400", "\\instr.lib\\LH7400\\Documentation",
              "\\examples", "\\examples\\LH7400"})
            CreateDirectoryA((strFolder + pszSub).c_str(), nullptr);
        WriteTextFile(state.m_strManualPath, "%PDF-1.4");
    }

    std::string m_strGroup;
    std::string m_strDesktopLink;
    bool m_bGroupExisted = false;
};

TEST_F(ProgramGroupInPrefix, ThreeShortcutsInTheAllUsersFolders)
{
    CTempFolder temp;
    CInstallState state;
    Install(temp, "LabVIEW 7.0", state);
    const std::string strFolder = temp.Path() + "\\LabVIEW 7.0";
    // A link of the probe's name left in the LabVIEW folder is gone afterwards.
    const std::string strProbe = strFolder + "\\KTR7400 LabView Driver Manual.lnk";
    WriteTextFile(strProbe, "old");

    ASSERT_EQ(CreateProgramGroup(state, strFolder.c_str(), INSTALL_EXAMPLES | INSTALL_MANUALS,
                                 SystemShellOps()),
              nullptr);
    EXPECT_EQ(state.m_strGroupDir, m_strGroup);
    EXPECT_FALSE(FileExists(strProbe));

    const std::string strDocDir = strFolder + "\\instr.lib\\LH7400\\Documentation";
    struct
    {
        std::string strLink;
        std::string strTarget;
        std::string strWorkingDir;
    } expected[] = {
        {m_strGroup + "\\KTR7400 LabView Driver Manual.lnk", state.m_strManualPath, strDocDir},
        {m_strDesktopLink, state.m_strManualPath, strDocDir},
        {m_strGroup + "\\LabView Application Examples.lnk", strFolder + "\\examples\\LH7400",
         strFolder + "\\examples"},
    };
    for (const auto& link : expected)
    {
        const CLinkInfo info = ReadLink(link.strLink);
        ASSERT_TRUE(info.bLoaded) << link.strLink;
        EXPECT_EQ(info.strTarget, link.strTarget) << link.strLink;
        EXPECT_EQ(info.strWorkingDir, link.strWorkingDir) << link.strLink;
    }

    // A second run over the existing group replaces its shortcuts and reports nothing.
    CInstallState second;
    Install(temp, "LabVIEW 8.0", second);
    const std::string strSecond = temp.Path() + "\\LabVIEW 8.0";
    ASSERT_EQ(CreateProgramGroup(second, strSecond.c_str(), INSTALL_MANUALS, SystemShellOps()),
              nullptr);
    EXPECT_EQ(ReadLink(m_strDesktopLink).strTarget, second.m_strManualPath);
    EXPECT_EQ(ReadLink(m_strGroup + "\\KTR7400 LabView Driver Manual.lnk").strWorkingDir,
              strSecond + "\\instr.lib\\LH7400\\Documentation");
    EXPECT_EQ(ReadLink(m_strGroup + "\\LabView Application Examples.lnk").strTarget,
              strFolder + "\\examples\\LH7400")
        << "the examples shortcut was not asked for and stays as it was";
}
} // namespace
