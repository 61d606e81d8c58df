// The restart against the real platform calls.
#pragma once

#include "SystemRestart.h"

#include <windows.h>

// The platform's own calls; the snapshot functions are called through the entry points that
// were looked up. Tests derive from it to stand in for single calls.
class CWin32RestartOps : public CRestartOps
{
public:
    void* LoadLibraryA(const char* pszName) override;
    void* GetProcAddress(void* hModule, const char* pszName) override;
    int FreeLibrary(void* hModule) override;
    void* CreateToolhelp32Snapshot(void* pfnEntry, unsigned long nFlags,
                                   unsigned long nProcessId) override;
    int Process32First(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) override;
    int Process32Next(void* pfnEntry, void* hSnapshot, SProcessRecord* pRecord) override;
    int lstrlenA(const char* pszText) override;
    int lstrcmpiA(const char* pszFirst, const char* pszSecond) override;
    void* OpenProcess(unsigned long nAccess, int bInherit, unsigned long nProcessId) override;
    int TerminateProcess(void* hProcess, unsigned int nExitCode) override;
    int CloseHandle(void* hObject) override;
    int GetVersionExA(SVersionRecord* pVersion) override;
    void* GetCurrentProcess() override;
    int OpenProcessToken(void* hProcess, unsigned long nAccess, void** phToken) override;
    int LookupPrivilegeValueA(const char* pszSystemName, const char* pszName,
                              SLocalId* pLuid) override;
    int AdjustTokenPrivileges(void* hToken, int bDisableAll,
                              const SPrivilegeList* pNewState) override;
    int ExitWindowsEx(unsigned int nFlags, unsigned long nReserved) override;
};

CRestartOps& SystemRestartOps();

// The routines with the platform's calls: RestartSystem(RESTART_FLAGS) at exit.
BOOL RestartSystem(UINT nFlags);
BOOL IsWindowsNT4OrLater();
void EnableShutdownPrivilege();
