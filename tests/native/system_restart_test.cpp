#include "SystemRestart.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
// Handles of the fake platform: small numbers, never null or all bits set.
void* Handle(std::size_t n)
{
    return reinterpret_cast<void*>(n);
}
void* const KERNEL = Handle(0x10);
void* const SNAPSHOT = Handle(0x20);
void* const SELF = Handle(0x30);
void* const TOKEN = Handle(0x40);
// A process handle is 0x1000 + the process id.
void* ProcessHandle(unsigned long nProcessId)
{
    return Handle(0x1000 + nProcessId);
}

// Records every platform call in order as one line of text.
class CFakeRestartOps : public CRestartOps
{
public:
    struct SProcess
    {
        unsigned long nProcessId;
        std::string strName;
    };

    // What the fake platform holds.
    bool m_bLibrary = true;
    std::set<std::string> m_missingEntries;
    bool m_bSnapshot = true;
    std::vector<SProcess> m_processes;
    std::set<unsigned long> m_unopenable;
    bool m_bVersion = true;
    unsigned long m_nPlatformId = 2;
    unsigned long m_nMajorVersion = 5;
    bool m_bToken = true;
    bool m_bPrivilege = true;
    int m_nExitResult = 1;

    std::vector<std::string> m_calls;
    std::vector<unsigned long> m_recordSizes; // the size field at each read of a record
    std::set<unsigned long> m_ended;

    void* LoadLibraryA(const char* pszName) override
    {
        Record("LoadLibraryA " + std::string(pszName));
        return m_bLibrary ? KERNEL : nullptr;
    }
    void* GetProcAddress(void* hModule, const char* pszName) override
    {
        Record("GetProcAddress " + Name(hModule) + " " + pszName);
        if (m_missingEntries.count(pszName))
            return nullptr;
        return std::strcmp(pszName, "CreateToolhelp32Snapshot") == 0 ? Handle(0xC1)
               : std::strcmp(pszName, "Process32First") == 0         ? Handle(0xF1)
                                                                     : Handle(0x41);
    }
    int FreeLibrary(void* hModule) override
    {
        Record("FreeLibrary " + Name(hModule));
        return 1;
    }
    void* CreateToolhelp32Snapshot(void* pfnEntry, unsigned long nFlags,
                                   unsigned long nProcessId) override
    {
        EXPECT_EQ(pfnEntry, Handle(0xC1));
        Record("CreateToolhelp32Snapshot " + std::to_string(nFlags) + " " +
               std::to_string(nProcessId));
        m_nNext = 0;
        return m_bSnapshot ? SNAPSHOT : InvalidSnapshot();
    }
    int Process32First(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) override
    {
        EXPECT_EQ(pfnEntry, Handle(0xF1));
        Record("Process32First " + Name(hSnapshot));
        return Deliver(pRecord);
    }
    int Process32Next(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) override
    {
        EXPECT_EQ(pfnEntry, Handle(0x41));
        Record("Process32Next " + Name(hSnapshot));
        return Deliver(pRecord);
    }
    int lstrlenA(const char* pszText) override { return static_cast<int>(std::strlen(pszText)); }
    int lstrcmpiA(const char* pszFirst, const char* pszSecond) override
    {
        std::string strFirst = pszFirst, strSecond = pszSecond;
        for (auto* pstr : {&strFirst, &strSecond})
            for (char& ch : *pstr)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return strFirst.compare(strSecond);
    }
    void* OpenProcess(unsigned long nAccess, int bInherit, unsigned long nProcessId) override
    {
        char szAccess[16];
        std::snprintf(szAccess, sizeof(szAccess), "0x%lX", nAccess);
        Record("OpenProcess " + std::string(szAccess) + " " + std::to_string(bInherit) + " " +
               std::to_string(nProcessId));
        return m_unopenable.count(nProcessId) ? nullptr : ProcessHandle(nProcessId);
    }
    int TerminateProcess(void* hProcess, unsigned int nExitCode) override
    {
        Record("TerminateProcess " + Name(hProcess) + " " + std::to_string(nExitCode));
        m_ended.insert(
            static_cast<unsigned long>(reinterpret_cast<std::size_t>(hProcess) - 0x1000));
        return 1;
    }
    int CloseHandle(void* hObject) override
    {
        Record("CloseHandle " + Name(hObject));
        return 1;
    }
    int GetVersionExA(SVersionRecord* pVersion) override
    {
        Record("GetVersionExA " + std::to_string(pVersion->nSize));
        if (!m_bVersion)
            return 0;
        pVersion->nPlatformId = m_nPlatformId;
        pVersion->nMajorVersion = m_nMajorVersion;
        return 1;
    }
    void* GetCurrentProcess() override
    {
        Record("GetCurrentProcess");
        return SELF;
    }
    int OpenProcessToken(void* hProcess, unsigned long nAccess, void** phToken) override
    {
        char szAccess[16];
        std::snprintf(szAccess, sizeof(szAccess), "0x%lX", nAccess);
        Record("OpenProcessToken " + Name(hProcess) + " " + szAccess);
        if (!m_bToken)
            return 0;
        *phToken = TOKEN;
        return 1;
    }
    int LookupPrivilegeValueA(const char* pszSystemName, const char* pszName,
                              SLocalId* pLuid) override
    {
        Record("LookupPrivilegeValueA " + std::string(pszSystemName ? pszSystemName : "(local)") +
               " " + pszName);
        if (!m_bPrivilege)
            return 0;
        *pLuid = {19, 0};
        return 1;
    }
    int AdjustTokenPrivileges(void* hToken, int bDisableAll,
                              const SPrivilegeList* pNewState) override
    {
        Record("AdjustTokenPrivileges " + Name(hToken) + " " + std::to_string(bDisableAll) + " " +
               std::to_string(pNewState->nCount) + " " + std::to_string(pNewState->luid.nLowPart) +
               " " + std::to_string(pNewState->nAttributes));
        return 1;
    }
    int ExitWindowsEx(unsigned int nFlags, unsigned long nReserved) override
    {
        Record("ExitWindowsEx " + std::to_string(nFlags) + " " + std::to_string(nReserved));
        return m_nExitResult;
    }

    bool Called(const std::string& strPrefix) const
    {
        for (const std::string& strCall : m_calls)
            if (strCall.compare(0, strPrefix.size(), strPrefix) == 0)
                return true;
        return false;
    }

private:
    void Record(const std::string& strCall) { m_calls.push_back(strCall); }

    static std::string Name(void* h)
    {
        if (h == KERNEL)
            return "kernel";
        if (h == SNAPSHOT)
            return "snapshot";
        if (h == SELF)
            return "self";
        if (h == TOKEN)
            return "token";
        if (h == nullptr)
            return "null";
        return "process" + std::to_string(reinterpret_cast<std::size_t>(h) - 0x1000);
    }

    // Delivers the next process. It writes over the whole record, its size field included, so a
    // caller that does not set the size again before each read is caught.
    int Deliver(SProcessRecord* pRecord)
    {
        m_recordSizes.push_back(pRecord->nSize);
        if (pRecord->nSize != PROCESS_RECORD_SIZE || m_nNext >= m_processes.size())
            return 0;
        const SProcess& process = m_processes[m_nNext++];
        std::memset(pRecord, 0x5A, sizeof(*pRecord));
        pRecord->nProcessId = process.nProcessId;
        std::snprintf(pRecord->szExeFile, sizeof(pRecord->szExeFile), "%s",
                      process.strName.c_str());
        return 1;
    }

    std::size_t m_nNext = 0;
};

TEST(SystemRestart, EndsEveryExplorerThenEnablesThePrivilegeThenRequestsTheRestart)
{
    CFakeRestartOps ops;
    ops.m_processes = {{4, "System"},
                       {120, "explorer.exe"},
                       {200, "Setup.exe"},
                       {344, "C:\\WINDOWS\\EXPLORER.EXE"}};
    EXPECT_EQ(RestartSystem(6, ops), 1);

    const std::vector<std::string> expected = {
        "LoadLibraryA Kernel32.DLL",
        "GetProcAddress kernel CreateToolhelp32Snapshot",
        "GetProcAddress kernel Process32First",
        "GetProcAddress kernel Process32Next",
        "CreateToolhelp32Snapshot 2 0",
        "Process32First snapshot",
        "Process32Next snapshot",
        "OpenProcess 0x1F0FFF 0 120",
        "TerminateProcess process120 1",
        "CloseHandle process120",
        "Process32Next snapshot",
        "Process32Next snapshot",
        "OpenProcess 0x1F0FFF 0 344",
        "TerminateProcess process344 1",
        "CloseHandle process344",
        "Process32Next snapshot",
        "CloseHandle snapshot",
        "FreeLibrary kernel",
        "GetVersionExA 148",
        "GetCurrentProcess",
        "OpenProcessToken self 0x28",
        "LookupPrivilegeValueA (local) SeShutdownPrivilege",
        "AdjustTokenPrivileges token 0 1 19 2",
        "CloseHandle token",
        "ExitWindowsEx 6 0",
    };
    EXPECT_EQ(ops.m_calls, expected);
    // The size field is 296 at every read, also after a record has been written over it.
    EXPECT_EQ(ops.m_recordSizes, std::vector<unsigned long>(5, PROCESS_RECORD_SIZE));
}

TEST(SystemRestart, WholeBaseNameIsComparedIgnoringCase)
{
    struct
    {
        const char* pszName;
        bool bEnded;
    } const cases[] = {
        {"C:\\WINDOWS\\EXPLORER.EXE", true},
        {"explorer.exe", true},
        {"Explorer.Exe", true},
        {"\\\\server\\share\\explorer.exe", true},
        {"myexplorer.exe", false},
        {"explorer.exe.old", false},
        {"explorer.ex", false},
        {"C:\\explorer.exe\\tool.exe", false},
        {"C:\\WINDOWS\\explorer.exe\\", false},
        {"", false},
        {"\\", false},
    };
    CFakeRestartOps ops;
    std::set<unsigned long> expected;
    unsigned long nProcessId = 100;
    for (const auto& c : cases)
    {
        ops.m_processes.push_back({nProcessId, c.pszName});
        if (c.bEnded)
            expected.insert(nProcessId);
        ++nProcessId;
    }
    RestartSystem(6, ops);
    EXPECT_EQ(ops.m_ended, expected);
}

TEST(SystemRestart, BaseNameIsWhatFollowsTheLastSeparator)
{
    struct
    {
        const char* pszName;
        const char* pszBase;
    } const cases[] = {
        {"C:\\WINDOWS\\EXPLORER.EXE", "EXPLORER.EXE"},
        {"explorer.exe", "explorer.exe"},
        {"C:\\explorer.exe\\tool.exe", "tool.exe"},
        {"C:\\WINDOWS\\", ""},
        {"\\", ""},
        {"", ""},
        {"a\\\\b", "b"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(ProcessBaseName(c.pszName), c.pszBase) << c.pszName;
    const char* pszName = "C:\\W\\x.exe";
    EXPECT_EQ(ProcessBaseName(pszName), pszName + 5); // points into the name
}

TEST(SystemRestart, GivesUpWithoutTouchingAProcessWhenTheSnapshotIsNotAvailable)
{
    struct
    {
        const char* pszWhat;
        bool bLibrary;
        const char* pszMissing;
        bool bSnapshot;
    } const cases[] = {
        {"no library", false, "", true},
        {"no CreateToolhelp32Snapshot", true, "CreateToolhelp32Snapshot", true},
        {"no Process32First", true, "Process32First", true},
        {"no Process32Next", true, "Process32Next", true},
        {"failed snapshot", true, "", false},
    };
    for (const auto& c : cases)
    {
        CFakeRestartOps ops;
        ops.m_bLibrary = c.bLibrary;
        if (*c.pszMissing)
            ops.m_missingEntries.insert(c.pszMissing);
        ops.m_bSnapshot = c.bSnapshot;
        ops.m_processes = {{120, "explorer.exe"}};
        EXPECT_EQ(RestartSystem(6, ops), 0) << c.pszWhat;
        EXPECT_FALSE(ops.Called("OpenProcess")) << c.pszWhat;
        EXPECT_FALSE(ops.Called("GetVersionExA")) << c.pszWhat;
        EXPECT_FALSE(ops.Called("ExitWindowsEx")) << c.pszWhat;
        // The library is freed whenever it was loaded.
        EXPECT_EQ(ops.Called("FreeLibrary kernel"), c.bLibrary) << c.pszWhat;
        EXPECT_FALSE(ops.Called("CloseHandle")) << c.pszWhat;
    }
}

TEST(SystemRestart, UnreadableFirstRecordStillLeadsToThePrivilegeStepAndTheRequest)
{
    CFakeRestartOps ops; // an empty snapshot: not even the first record can be read
    ops.m_nExitResult = 0;
    EXPECT_EQ(RestartSystem(6, ops), 0); // the request's own result
    EXPECT_FALSE(ops.Called("Process32Next"));
    EXPECT_FALSE(ops.Called("OpenProcess "));
    EXPECT_TRUE(ops.Called("CloseHandle snapshot"));
    EXPECT_TRUE(ops.Called("AdjustTokenPrivileges"));
    EXPECT_EQ(ops.m_calls.back(), "ExitWindowsEx 6 0");
}

TEST(SystemRestart, ProcessThatCannotBeOpenedIsPassedOver)
{
    CFakeRestartOps ops;
    ops.m_processes = {{120, "explorer.exe"}, {130, "explorer.exe"}};
    ops.m_unopenable = {120};
    RestartSystem(6, ops);
    EXPECT_EQ(ops.m_ended, std::set<unsigned long>{130});
    EXPECT_FALSE(ops.Called("TerminateProcess null"));
    EXPECT_EQ(ops.m_calls.back(), "ExitWindowsEx 6 0");
}

TEST(SystemRestart, PrivilegeStepOnlyOnNt4AndLater)
{
    struct
    {
        bool bVersion;
        unsigned long nPlatformId;
        unsigned long nMajorVersion;
        bool bPrivilegeStep;
    } const cases[] = {
        {true, 2, 3, false},  // NT 3.51
        {true, 2, 4, true},   // NT 4
        {true, 2, 5, true},   // 2000, XP
        {true, 2, 10, true},  // 10, 11
        {true, 1, 4, false},  // the Windows 95 family
        {true, 0, 5, false},  // Win32s
        {false, 2, 5, false}, // the version cannot be read
    };
    for (const auto& c : cases)
    {
        CFakeRestartOps ops;
        ops.m_bVersion = c.bVersion;
        ops.m_nPlatformId = c.nPlatformId;
        ops.m_nMajorVersion = c.nMajorVersion;
        EXPECT_EQ(IsWindowsNT4OrLater(ops), c.bPrivilegeStep)
            << c.nPlatformId << "." << c.nMajorVersion << " " << c.bVersion;

        ops.m_calls.clear();
        EXPECT_EQ(RestartSystem(6, ops), 1);
        EXPECT_EQ(ops.Called("OpenProcessToken"), c.bPrivilegeStep)
            << c.nPlatformId << "." << c.nMajorVersion << " " << c.bVersion;
        EXPECT_EQ(ops.m_calls.back(), "ExitWindowsEx 6 0");
    }
}

TEST(SystemRestart, FailedPrivilegeStepIsSilentAndTheRequestIsMadeAllTheSame)
{
    CFakeRestartOps noToken;
    noToken.m_bToken = false;
    EnableShutdownPrivilege(noToken);
    EXPECT_EQ(noToken.m_calls,
              (std::vector<std::string>{"GetCurrentProcess", "OpenProcessToken self 0x28"}));

    CFakeRestartOps noPrivilege;
    noPrivilege.m_bPrivilege = false;
    EnableShutdownPrivilege(noPrivilege);
    EXPECT_FALSE(noPrivilege.Called("AdjustTokenPrivileges"));
    EXPECT_EQ(noPrivilege.m_calls.back(), "CloseHandle token");

    noPrivilege.m_calls.clear();
    EXPECT_EQ(RestartSystem(2, noPrivilege), 1);
    EXPECT_EQ(noPrivilege.m_calls.back(), "ExitWindowsEx 2 0"); // the flags are passed unchanged
}
} // namespace
