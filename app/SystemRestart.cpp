#include "SystemRestart.h"

#include <cstring>

int RestartSystem(unsigned int nFlags, CRestartOps& ops)
{
    // The snapshot functions are looked up by name: systems without them simply get no restart.
    void* hKernel = ops.LoadLibraryA(RESTART_LIBRARY);
    if (hKernel == nullptr)
        return 0;
    void* pfnCreate = ops.GetProcAddress(hKernel, SNAPSHOT_CREATE_NAME);
    void* pfnFirst = ops.GetProcAddress(hKernel, SNAPSHOT_FIRST_NAME);
    void* pfnNext = ops.GetProcAddress(hKernel, SNAPSHOT_NEXT_NAME);
    if (pfnCreate == nullptr || pfnFirst == nullptr || pfnNext == nullptr)
    {
        ops.FreeLibrary(hKernel);
        return 0;
    }
    void* hSnapshot = ops.CreateToolhelp32Snapshot(pfnCreate, SNAPSHOT_PROCESSES, 0);
    if (hSnapshot == InvalidSnapshot())
    {
        ops.FreeLibrary(hKernel);
        return 0;
    }

    // End every shell process, not only the first one found.
    SProcessRecord record = {};
    record.nSize = PROCESS_RECORD_SIZE;
    int bRead = ops.Process32First(pfnFirst, hSnapshot, &record);
    while (bRead)
    {
        if (ops.lstrlenA(record.szExeFile) > 0 &&
            ops.lstrcmpiA(SHELL_PROCESS_NAME, ProcessBaseName(record.szExeFile)) == 0)
        {
            void* hProcess = ops.OpenProcess(PROCESS_END_ACCESS, 0, record.nProcessId);
            // A process that cannot be opened is passed over.
            if (hProcess != nullptr)
            {
                ops.TerminateProcess(hProcess, PROCESS_END_EXIT_CODE);
                ops.CloseHandle(hProcess);
            }
        }
        record.nSize = PROCESS_RECORD_SIZE;
        bRead = ops.Process32Next(pfnNext, hSnapshot, &record);
    }
    ops.CloseHandle(hSnapshot);
    ops.FreeLibrary(hKernel);

    if (IsWindowsNT4OrLater(ops))
        EnableShutdownPrivilege(ops);
    return ops.ExitWindowsEx(nFlags, 0);
}

const char* ProcessBaseName(const char* pszName)
{
    const char* pszBase = pszName + std::strlen(pszName);
    while (pszBase > pszName && pszBase[-1] != '\\')
        --pszBase;
    return pszBase;
}

bool IsWindowsNT4OrLater(CRestartOps& ops)
{
    SVersionRecord version = {};
    version.nSize = VERSION_RECORD_SIZE;
    if (!ops.GetVersionExA(&version))
        return false;
    return version.nPlatformId == PLATFORM_WIN32_NT && version.nMajorVersion > 3;
}

void EnableShutdownPrivilege(CRestartOps& ops)
{
    void* hToken = nullptr;
    if (!ops.OpenProcessToken(ops.GetCurrentProcess(), TOKEN_ADJUST_AND_QUERY, &hToken))
        return;
    SPrivilegeList privileges = {};
    privileges.nCount = 1;
    if (ops.LookupPrivilegeValueA(nullptr, SHUTDOWN_PRIVILEGE_NAME, &privileges.luid))
    {
        privileges.nAttributes = PRIVILEGE_ENABLED;
        ops.AdjustTokenPrivileges(hToken, 0, &privileges);
    }
    // The token is released on every path on which it was opened.
    ops.CloseHandle(hToken);
}
