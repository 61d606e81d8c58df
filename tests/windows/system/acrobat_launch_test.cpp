// The hand-over to the Acrobat Reader installer, with a stand-in installer: a started
// installer ends the caller at once with exit code 0; a missing one lets the caller go on.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace
{
std::string OwnFolder()
{
    char szModule[MAX_PATH];
    const DWORD nLength = GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strFolder(szModule, nLength);
    return strFolder.substr(0, strFolder.find_last_of('\\'));
}

bool FileExists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs the probe in strCurrent and returns its exit code (or -1).
int RunProbe(const std::string& strSetup, const std::string& strMarker,
             const std::string& strCurrent)
{
    const std::string strProbe = OwnFolder() + "\\acrobat_launch_probe.exe";
    std::string strCommand = "\"" + strProbe + "\" \"" + strSetup + "\" \"" + strMarker + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(strProbe.c_str(), &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr,
                        strCurrent.c_str(), &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    DWORD nExitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &nExitCode);
    CloseHandle(process.hProcess);
    return static_cast<int>(nExitCode);
}

// The stand-in's record once it has been written, or an empty text after 60 seconds.
std::string WaitForRecord(const std::string& strPath)
{
    for (int i = 0; i < 600 && !FileExists(strPath); ++i)
        Sleep(100);
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

TEST(AcrobatLaunch, StartedInstallerEndsTheCallerWithExitCodeZero)
{
    CTempFolder temp;
    // A medium folder with a space in its name, as on a real disk label.
    const std::string strMedium = temp.Path() + "\\Disk 1";
    const std::string strInstallerDir = strMedium + "\\AcroRead";
    CreateDirectoryA(strMedium.c_str(), nullptr);
    CreateDirectoryA(strInstallerDir.c_str(), nullptr);
    const std::string strSetup = strInstallerDir + "\\Setup.exe";
    ASSERT_TRUE(
        CopyFileA((OwnFolder() + "\\acrobat_standin.exe").c_str(), strSetup.c_str(), FALSE));
    const std::string strMarker = temp.Path() + "\\after-the-call.txt";

    EXPECT_EQ(RunProbe(strSetup, strMarker, strMedium), 0);
    const std::string strRecord = WaitForRecord(strInstallerDir + "\\record.txt");
    // Its own path alone, without quotes or arguments, as the whole command line; the
    // caller's current folder inherited.
    EXPECT_EQ(strRecord, strSetup + "\n" + strMedium + "\n");
    EXPECT_FALSE(FileExists(strMarker)) << "code after the call ran";

    // The stand-in may still be ending; its file can go once it has.
    for (int i = 0; i < 100 && !DeleteFileA(strSetup.c_str()); ++i)
        Sleep(100);
}

TEST(AcrobatLaunch, MissingInstallerReturnsToTheCaller)
{
    CTempFolder temp;
    const std::string strMarker = temp.Path() + "\\after-the-call.txt";
    EXPECT_EQ(RunProbe(temp.Path() + "\\AcroRead\\Setup.exe", strMarker, temp.Path()), 3);
    EXPECT_TRUE(FileExists(strMarker));
}
} // namespace
