// The program group "Larkhaven" in the Start menu, with its shortcuts to the installed manual
// and examples, and the manual shortcut on the desktop.
#pragma once

#include "InstallState.h"
#include "ShellOps.h"

extern const char PROGRAM_GROUP_NAME[];
extern const char MANUAL_LINK_NAME[];
extern const char EXAMPLES_LINK_NAME[];

// Makes the group below the Programs folder (all users, else the current user) and the
// shortcuts the option bits ask for, reading m_strManualPath, m_strExamplesPath, m_szDocDir
// and m_szExamplesDir and storing the group folder in m_strGroupDir. pszFolder is the chosen
// LabVIEW folder without a trailing separator. Returns null, or "Error creating startup group"
// when no Programs folder or (with manuals chosen) no desktop folder can be found or the group
// folder's path would not fit in MAX_PATH.
// A shortcut whose link path, target or working folder would not fit in MAX_PATH is not
// written, like any other shortcut the shell cannot write: it goes unreported.
const char* CreateProgramGroup(CInstallState& state, const char* pszFolder, int nOptions,
                               CShellOps& shell);
