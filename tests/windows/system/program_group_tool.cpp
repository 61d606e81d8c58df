// Makes the program group for a LabVIEW folder it prepares (the installed manual and examples
// in place), with every shortcut, and prints the group folder and the desktop folder so that a
// check outside Windows can read the links.
#include "InstallPaths.h"
#include "OptionBits.h"
#include "ProgramGroup.h"
#include "ShellOps.h"
#include "Shortcut.h"

#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string strFolder = argv[1];
    CInstallState state;
    if (!FormInstallPaths(state, strFolder.c_str()))
        return 2;
    for (const std::string& strFolderPath :
         {strFolder, std::string(state.m_szDocDir), state.m_strExamplesPath})
    {
        // Every level of the path, so that the deepest can be made.
        for (std::size_t nAt = 3; nAt != std::string::npos; nAt = strFolderPath.find('\\', nAt + 1))
            CreateDirectoryA(strFolderPath.substr(0, nAt).c_str(), nullptr);
        CreateDirectoryA(strFolderPath.c_str(), nullptr);
    }
    HANDLE hFile = CreateFileA(state.m_strManualPath.c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(hFile);

    CoInitialize(nullptr);
    if (const char* pszError = CreateProgramGroup(
            state, strFolder.c_str(), INSTALL_EXAMPLES | INSTALL_MANUALS, SystemShellOps()))
    {
        std::printf("error: %s\n", pszError);
        return 1;
    }
    char szDesktop[MAX_PATH];
    if (!GetShellFolderPath(SHELL_FOLDER_COMMON_DESKTOPDIRECTORY, szDesktop))
        return 1;
    std::printf("group=%s\ndesktop=%s\n", state.m_strGroupDir.c_str(), szDesktop);
    return 0;
}
