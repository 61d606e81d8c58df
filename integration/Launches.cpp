#include "Launches.h"

#include <shellapi.h>

#include <cstring>
#include <vector>

void OpenProgramGroup(HWND hOwner, const char* pszGroupDir)
{
    ShellExecuteA(hOwner, nullptr, pszGroupDir, nullptr, nullptr, SW_SHOWNORMAL);
}

void StartAcrobatSetup(const char* pszSetupPath)
{
    // CreateProcessA may write into its command line, so it gets a copy of its own.
    std::vector<char> commandLine(pszSetupPath, pszSetupPath + std::strlen(pszSetupPath) + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(pszSetupPath, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ExitProcess(0);
}
