// Restarting the computer at the end of the setup: every explorer.exe process is ended, the
// shutdown privilege enabled on Windows NT 4 and later, and a shutdown requested.
//
// Every platform call goes through CRestartOps, whose records and handles are the program's
// own small types, so the decisions build and run on any system.
#pragma once

#include <cstddef>

// The platform's record sizes (PROCESSENTRY32 and OSVERSIONINFOA of the 32-bit platform).
constexpr unsigned long PROCESS_RECORD_SIZE = 296;
constexpr unsigned long VERSION_RECORD_SIZE = 148;
constexpr std::size_t PROCESS_NAME_BUFFER = 260;

constexpr const char* RESTART_LIBRARY = "Kernel32.DLL";
constexpr const char* SNAPSHOT_CREATE_NAME = "CreateToolhelp32Snapshot";
constexpr const char* SNAPSHOT_FIRST_NAME = "Process32First";
constexpr const char* SNAPSHOT_NEXT_NAME = "Process32Next";
constexpr const char* SHELL_PROCESS_NAME = "explorer.exe";
constexpr const char* SHUTDOWN_PRIVILEGE_NAME = "SeShutdownPrivilege";

constexpr unsigned long SNAPSHOT_PROCESSES = 2; // TH32CS_SNAPPROCESS
// PROCESS_ALL_ACCESS as the older platform headers define it; the larger value of newer
// headers is refused by the older systems.
constexpr unsigned long PROCESS_END_ACCESS = 0x1F0FFF;
constexpr unsigned int PROCESS_END_EXIT_CODE = 1;
constexpr unsigned long PLATFORM_WIN32_NT = 2;
constexpr unsigned long TOKEN_ADJUST_AND_QUERY = 0x28; // TOKEN_ADJUST_PRIVILEGES + TOKEN_QUERY
constexpr unsigned long PRIVILEGE_ENABLED = 2;         // SE_PRIVILEGE_ENABLED

// CreateToolhelp32Snapshot's value for a failed snapshot: all bits set.
inline void* InvalidSnapshot()
{
    return reinterpret_cast<void*>(~static_cast<std::size_t>(0));
}

// One process record of a snapshot (PROCESSENTRY32's fields that are used).
struct SProcessRecord
{
    unsigned long nSize;
    unsigned long nProcessId;
    char szExeFile[PROCESS_NAME_BUFFER];
};

// OSVERSIONINFOA's fields that are used.
struct SVersionRecord
{
    unsigned long nSize;
    unsigned long nPlatformId;
    unsigned long nMajorVersion;
};

// A locally unique id of the platform.
struct SLocalId
{
    unsigned long nLowPart;
    long nHighPart;
};

// TOKEN_PRIVILEGES with room for one privilege.
struct SPrivilegeList
{
    unsigned long nCount;
    SLocalId luid;
    unsigned long nAttributes;
};

// The platform calls of the restart, each named after the one it stands for. The snapshot
// calls receive the entry point that GetProcAddress found.
class CRestartOps
{
public:
    virtual ~CRestartOps() = default;

    virtual void* LoadLibraryA(const char* pszName) = 0;
    virtual void* GetProcAddress(void* hModule, const char* pszName) = 0;
    virtual int FreeLibrary(void* hModule) = 0;
    virtual void* CreateToolhelp32Snapshot(void* pfnEntry, unsigned long nFlags,
                                           unsigned long nProcessId) = 0;
    virtual int Process32First(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) = 0;
    virtual int Process32Next(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) = 0;
    virtual int lstrlenA(const char* pszText) = 0;
    virtual int lstrcmpiA(const char* pszFirst, const char* pszSecond) = 0;
    virtual void* OpenProcess(unsigned long nAccess, int bInherit, unsigned long nProcessId) = 0;
    virtual int TerminateProcess(void* hProcess, unsigned int nExitCode) = 0;
    virtual int CloseHandle(void* hObject) = 0;
    virtual int GetVersionExA(SVersionRecord* pVersion) = 0;
    virtual void* GetCurrentProcess() = 0;
    virtual int OpenProcessToken(void* hProcess, unsigned long nAccess, void** phToken) = 0;
    virtual int LookupPrivilegeValueA(const char* pszSystemName, const char* pszName,
                                      SLocalId* pLuid) = 0;
    // The previous state is never asked for: no buffer, length 0, no length result.
    virtual int AdjustTokenPrivileges(void* hToken, int bDisableAll,
                                      const SPrivilegeList* pNewState) = 0;
    virtual int ExitWindowsEx(unsigned int nFlags, unsigned long nReserved) = 0;
};

// Ends every explorer.exe process, enables the shutdown privilege on NT 4 and later and asks
// for a shutdown with nFlags. Returns ExitWindowsEx's result, or 0 when the snapshot functions
// or the snapshot are not available (then no process is ended and nothing is requested).
int RestartSystem(unsigned int nFlags, CRestartOps& ops);

// The part of an executable name after its last "\", or the whole name without one; empty for
// a name that ends with "\". Points into pszName.
const char* ProcessBaseName(const char* pszName);

// True on platform id 2 (the NT family) with major version 4 or later; false when the version
// cannot be read.
bool IsWindowsNT4OrLater(CRestartOps& ops);

// Enables "SeShutdownPrivilege" in the process token; gives up silently at the first failure.
void EnableShutdownPrivilege(CRestartOps& ops);
