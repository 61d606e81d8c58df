#include "Win32RestartOps.h"

#include <tlhelp32.h>

#include <cstring>

// The program's records mirror the platform's 32-bit ones.
static_assert(sizeof(PROCESSENTRY32) == PROCESS_RECORD_SIZE, "PROCESSENTRY32 size");
static_assert(sizeof(OSVERSIONINFOA) == VERSION_RECORD_SIZE, "OSVERSIONINFOA size");
static_assert(sizeof(PROCESSENTRY32::szExeFile) == PROCESS_NAME_BUFFER, "executable name");

namespace
{
// The snapshot functions as looked up by name; they are never imported.
using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using WalkProcessesFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

int ReadProcessRecord(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord)
{
    PROCESSENTRY32 entry = {};
    entry.dwSize = pRecord->nSize;
    const BOOL bRead = reinterpret_cast<WalkProcessesFn>(pfnEntry)(hSnapshot, &entry);
    pRecord->nSize = entry.dwSize;
    if (bRead)
    {
        pRecord->nProcessId = entry.th32ProcessID;
        std::memcpy(pRecord->szExeFile, entry.szExeFile, PROCESS_NAME_BUFFER);
        pRecord->szExeFile[PROCESS_NAME_BUFFER - 1] = '\0';
    }
    return bRead;
}
} // namespace

void* CWin32RestartOps::LoadLibraryA(const char* pszName)
{
    return ::LoadLibraryA(pszName);
}

void* CWin32RestartOps::GetProcAddress(void* hModule, const char* pszName)
{
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(hModule), pszName));
}

int CWin32RestartOps::FreeLibrary(void* hModule)
{
    return ::FreeLibrary(static_cast<HMODULE>(hModule));
}

void* CWin32RestartOps::CreateToolhelp32Snapshot(void* pfnEntry, unsigned long nFlags,
                                                 unsigned long nProcessId)
{
    return reinterpret_cast<CreateSnapshotFn>(pfnEntry)(nFlags, nProcessId);
}

int CWin32RestartOps::Process32First(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord)
{
    return ReadProcessRecord(pfnEntry, hSnapshot, pRecord);
}

int CWin32RestartOps::Process32Next(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord)
{
    return ReadProcessRecord(pfnEntry, hSnapshot, pRecord);
}

int CWin32RestartOps::lstrlenA(const char* pszText)
{
    return ::lstrlenA(pszText);
}

int CWin32RestartOps::lstrcmpiA(const char* pszFirst, const char* pszSecond)
{
    return ::lstrcmpiA(pszFirst, pszSecond);
}

void* CWin32RestartOps::OpenProcess(unsigned long nAccess, int bInherit, unsigned long nProcessId)
{
    return ::OpenProcess(nAccess, bInherit, nProcessId);
}

int CWin32RestartOps::TerminateProcess(void* hProcess, unsigned int nExitCode)
{
    return ::TerminateProcess(hProcess, nExitCode);
}

int CWin32RestartOps::CloseHandle(void* hObject)
{
    return ::CloseHandle(hObject);
}

int CWin32RestartOps::GetVersionExA(SVersionRecord* pVersion)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = pVersion->nSize;
    const BOOL bRead = ::GetVersionExA(&version);
    if (bRead)
    {
        pVersion->nPlatformId = version.dwPlatformId;
        pVersion->nMajorVersion = version.dwMajorVersion;
    }
    return bRead;
}

void* CWin32RestartOps::GetCurrentProcess()
{
    return ::GetCurrentProcess();
}

int CWin32RestartOps::OpenProcessToken(void* hProcess, unsigned long nAccess, void** phToken)
{
    return ::OpenProcessToken(hProcess, nAccess, phToken);
}

int CWin32RestartOps::LookupPrivilegeValueA(const char* pszSystemName, const char* pszName,
                                            SLocalId* pLuid)
{
    LUID luid = {};
    const BOOL bFound = ::LookupPrivilegeValueA(pszSystemName, pszName, &luid);
    if (bFound)
    {
        pLuid->nLowPart = luid.LowPart;
        pLuid->nHighPart = luid.HighPart;
    }
    return bFound;
}

int CWin32RestartOps::AdjustTokenPrivileges(void* hToken, int bDisableAll,
                                            const SPrivilegeList* pNewState)
{
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = pNewState->nCount;
    privileges.Privileges[0].Luid.LowPart = pNewState->luid.nLowPart;
    privileges.Privileges[0].Luid.HighPart = pNewState->luid.nHighPart;
    privileges.Privileges[0].Attributes = pNewState->nAttributes;
    return ::AdjustTokenPrivileges(hToken, bDisableAll, &privileges, 0, nullptr, nullptr);
}

int CWin32RestartOps::ExitWindowsEx(unsigned int nFlags, unsigned long nReserved)
{
    return ::ExitWindowsEx(nFlags, nReserved);
}

CRestartOps& SystemRestartOps()
{
    static CWin32RestartOps s_ops;
    return s_ops;
}

BOOL RestartSystem(UINT nFlags)
{
    return RestartSystem(nFlags, SystemRestartOps());
}

BOOL IsWindowsNT4OrLater()
{
    return IsWindowsNT4OrLater(SystemRestartOps()) ? TRUE : FALSE;
}

void EnableShutdownPrivilege()
{
    EnableShutdownPrivilege(SystemRestartOps());
}
