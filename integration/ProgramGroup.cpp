#include "ProgramGroup.h"

#include "BoundedText.h"
#include "EngineTexts.h"
#include "OptionBits.h"

#include <cstring>

const char PROGRAM_GROUP_NAME[] = "Larkhaven";
const char MANUAL_LINK_NAME[] = "KTR7400 LabView Driver Manual.lnk";
const char EXAMPLES_LINK_NAME[] = "LabView Application Examples.lnk";

namespace
{
// szLink := pszFolder + pszSeparator + pszName; false when that does not fit.
bool ComposeLink(char (&szLink)[MAX_PATH_BUFFER], const char* pszFolder, const char* pszSeparator,
                 const char* pszName)
{
    return SafeCopy(szLink, pszFolder) && SafeAppend(szLink, pszSeparator) &&
           SafeAppend(szLink, pszName);
}

bool FitsMaxPath(const char* pszText)
{
    return std::strlen(pszText) < MAX_PATH_BUFFER;
}

// Writes the shortcut unless one of its texts is too long for the shell's MAX_PATH fields.
bool WriteShortcut(CShellOps& shell, const char* pszLink, const char* pszTarget,
                   const char* pszWorkingDir)
{
    if (!FitsMaxPath(pszTarget) || !FitsMaxPath(pszWorkingDir))
        return false;
    shell.CreateShortcut(pszLink, pszTarget, pszWorkingDir);
    return true;
}

bool FindShellFolder(CShellOps& shell, int nFirst, int nFallback, char* pszPath)
{
    return shell.GetShellFolderPath(nFirst, pszPath) ||
           shell.GetShellFolderPath(nFallback, pszPath);
}
} // namespace

const char* CreateProgramGroup(CInstallState& state, const char* pszFolder, int nOptions,
                               CShellOps& shell)
{
    const char* pszSeparator = g_apszEngineText[TEXT_SEPARATOR];
    const char* pszError = g_apszEngineText[TEXT_GROUP_ERROR];
    char szLink[MAX_PATH_BUFFER];

    // A manual shortcut written into the LabVIEW folder and removed at once: afterwards the
    // folder holds no file of that name, also when one was there before.
    if (ComposeLink(szLink, pszFolder, pszSeparator, MANUAL_LINK_NAME) &&
        WriteShortcut(shell, szLink, state.m_strManualPath.c_str(), pszFolder))
        shell.RemoveFile(szLink);

    char szGroup[MAX_PATH_BUFFER];
    if (!FindShellFolder(shell, SHELL_FOLDER_COMMON_PROGRAMS, SHELL_FOLDER_PROGRAMS, szGroup))
        return pszError;
    if (!SafeAppend(szGroup, PROGRAM_GROUP_NAME))
        return pszError;
    state.m_strGroupDir = szGroup;
    // An existing group folder is fine: its shortcuts are replaced.
    shell.MakeFolder(szGroup);

    if (nOptions & INSTALL_MANUALS)
    {
        if (ComposeLink(szLink, szGroup, pszSeparator, MANUAL_LINK_NAME))
            WriteShortcut(shell, szLink, state.m_strManualPath.c_str(), state.m_szDocDir);

        char szDesktop[MAX_PATH_BUFFER];
        if (!FindShellFolder(shell, SHELL_FOLDER_COMMON_DESKTOPDIRECTORY,
                             SHELL_FOLDER_DESKTOPDIRECTORY, szDesktop))
            return pszError;
        // The desktop path ends with its separator already.
        if (ComposeLink(szLink, szDesktop, "", MANUAL_LINK_NAME))
            WriteShortcut(shell, szLink, state.m_strManualPath.c_str(), state.m_szDocDir);
    }

    if (nOptions & INSTALL_EXAMPLES)
    {
        if (ComposeLink(szLink, szGroup, pszSeparator, EXAMPLES_LINK_NAME))
            WriteShortcut(shell, szLink, state.m_strExamplesPath.c_str(), state.m_szExamplesDir);
    }
    return nullptr;
}
