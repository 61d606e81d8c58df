// The paths derived from the chosen LabVIEW folder.
#pragma once

#include "InstallState.h"

// Whether the folder, followed by "\examples" and by "\instr.lib\LH7400\Documentation", fits
// in m_szExamplesDir and m_szDocDir with the terminator: a folder of at most 246 characters.
bool FolderFitsInstallState(const char* pszFolder);

// Forms m_szDocDir, m_szExamplesDir, m_strManualPath and m_strExamplesPath from the folder
// exactly as the folder page returned it. Returns false, and changes nothing, when the folder
// does not fit the buffers.
bool FormInstallPaths(CInstallState& state, const char* pszFolder);
