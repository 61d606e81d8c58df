// RestartSystem against real processes under Wine: copies of this program named explorer.exe
// are ended with exit code 1 and the others left alone. Two calls are replaced: the shutdown
// request (under Wine it would end every process of the prefix) and the opening of a process
// this test did not start (Wine's own explorer.exe stays untouched).
#include "CommandLineOptions.h"
#include "TempFolder.h"
#include "Win32RestartOps.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr const char* STAND_IN_ARGUMENT = "--stand-in-process";

// Started as a stand-in, the program only waits to be ended.
bool WaitIfStandIn()
{
    if (std::strstr(GetCommandLineA(), STAND_IN_ARGUMENT) == nullptr)
        return false;
    Sleep(60000);
    ExitProcess(0);
}
const bool g_bStandIn = WaitIfStandIn();

class CGuardedRestartOps : public CWin32RestartOps
{
public:
    struct SOpen
    {
        unsigned long nProcessId;
        unsigned long nAccess;
    };

    std::set<unsigned long> m_ours;
    std::vector<SOpen> m_opened;
    std::vector<std::string> m_walked;
    std::vector<unsigned int> m_exitRequests;

    int Process32Next(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) override
    {
        const int bRead = CWin32RestartOps::Process32Next(pfnEntry, hSnapshot, pRecord);
        if (bRead)
            m_walked.push_back(pRecord->szExeFile);
        return bRead;
    }
    void* OpenProcess(unsigned long nAccess, int bInherit, unsigned long nProcessId) override
    {
        m_opened.push_back({nProcessId, nAccess});
        if (m_ours.count(nProcessId) == 0)
            return nullptr;
        return CWin32RestartOps::OpenProcess(nAccess, bInherit, nProcessId);
    }
    int ExitWindowsEx(unsigned int nFlags, unsigned long) override
    {
        m_exitRequests.push_back(nFlags);
        return TRUE;
    }
};

struct SStandIn
{
    std::string strPath;
    PROCESS_INFORMATION process;
};

// A copy of this program under the given name, started and waiting.
bool StartStandIn(const CTempFolder& temp, const std::string& strFolder, const std::string& strName,
                  SStandIn& standIn)
{
    char szProgram[MAX_PATH];
    GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    temp.MakeFolder(strFolder);
    standIn.strPath = temp.Path() + "\\" + strFolder + "\\" + strName;
    if (!CopyFileA(szProgram, standIn.strPath.c_str(), FALSE))
        return false;
    std::string strCommandLine = "\"" + standIn.strPath + "\" " + STAND_IN_ARGUMENT;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    standIn.process = {};
    return CreateProcessA(standIn.strPath.c_str(), &strCommandLine[0], nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &standIn.process) != FALSE;
}

bool ShutdownPrivilegeEnabled()
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &hToken))
        return false;
    LUID luid = {};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);
    std::vector<unsigned char> buffer(4096);
    DWORD cbNeeded = 0;
    bool bEnabled = false;
    if (GetTokenInformation(hToken, TokenPrivileges, buffer.data(),
                            static_cast<DWORD>(buffer.size()), &cbNeeded))
    {
        const TOKEN_PRIVILEGES* pPrivileges =
            reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
        for (DWORD i = 0; i < pPrivileges->PrivilegeCount; ++i)
            if (pPrivileges->Privileges[i].Luid.LowPart == luid.LowPart &&
                pPrivileges->Privileges[i].Luid.HighPart == luid.HighPart)
                bEnabled = (pPrivileges->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    CloseHandle(hToken);
    return bEnabled;
}

TEST(RestartOnWindows, EndsEveryExplorerExeWithExitCodeOneAndLeavesOthersRunning)
{
    CTempFolder temp;
    SStandIn standIns[3];
    ASSERT_TRUE(StartStandIn(temp, "one", "explorer.exe", standIns[0]));
    ASSERT_TRUE(StartStandIn(temp, "two", "EXPLORER.EXE", standIns[1]));
    ASSERT_TRUE(StartStandIn(temp, "three", "myexplorer.exe", standIns[2]));

    CGuardedRestartOps ops;
    for (const SStandIn& standIn : standIns)
        ops.m_ours.insert(standIn.process.dwProcessId);
    EXPECT_EQ(RestartSystem(RESTART_FLAGS, ops), TRUE);

    DWORD nExitCode = 0;
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_EQ(WaitForSingleObject(standIns[i].process.hProcess, 10000), WAIT_OBJECT_0)
            << standIns[i].strPath;
        GetExitCodeProcess(standIns[i].process.hProcess, &nExitCode);
        EXPECT_EQ(nExitCode, 1u) << standIns[i].strPath;
    }
    EXPECT_EQ(WaitForSingleObject(standIns[2].process.hProcess, 0),
              static_cast<DWORD>(WAIT_TIMEOUT));

    // Only explorer.exe processes were opened, ours with the older full access mask.
    std::set<unsigned long> opened;
    for (const auto& open : ops.m_opened)
    {
        opened.insert(open.nProcessId);
        EXPECT_EQ(open.nAccess, 0x1F0FFFul);
    }
    EXPECT_EQ(opened.count(standIns[0].process.dwProcessId), 1u);
    EXPECT_EQ(opened.count(standIns[1].process.dwProcessId), 1u);
    EXPECT_EQ(opened.count(standIns[2].process.dwProcessId), 0u);
    EXPECT_GT(ops.m_walked.size(), 3u); // the walk went through the whole snapshot

    // The privilege step ran for real before the request, which came once with the flags.
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
    EXPECT_EQ(ops.m_exitRequests, std::vector<unsigned int>{RESTART_FLAGS});

    for (SStandIn& standIn : standIns)
    {
        TerminateProcess(standIn.process.hProcess, 0);
        WaitForSingleObject(standIn.process.hProcess, 10000);
        CloseHandle(standIn.process.hThread);
        CloseHandle(standIn.process.hProcess);
    }
}
} // namespace
