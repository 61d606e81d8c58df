#include "InstallPaths.h"

#include "BoundedText.h"

#include <cstring>

namespace
{
const char DOC_DIR_SUFFIX[] = "\\instr.lib\\LH7400\\Documentation";
const char EXAMPLES_DIR_SUFFIX[] = "\\examples";
const char MANUAL_FILE[] = "\\KTR 7400 LabView Driver Manual.pdf";
const char EXAMPLES_FOLDER[] = "\\LH7400";
} // namespace

bool FolderFitsInstallState(const char* pszFolder)
{
    const std::size_t nLength = std::strlen(pszFolder);
    return nLength + sizeof EXAMPLES_DIR_SUFFIX <= EXAMPLES_DIR_BUFFER &&
           nLength + sizeof DOC_DIR_SUFFIX <= DOC_DIR_BUFFER;
}

bool FormInstallPaths(CInstallState& state, const char* pszFolder)
{
    if (!FolderFitsInstallState(pszFolder))
        return false;
    SafeCopy(state.m_szDocDir, pszFolder);
    SafeAppend(state.m_szDocDir, DOC_DIR_SUFFIX);
    SafeCopy(state.m_szExamplesDir, pszFolder);
    SafeAppend(state.m_szExamplesDir, EXAMPLES_DIR_SUFFIX);
    state.m_strManualPath = std::string(state.m_szDocDir) + MANUAL_FILE;
    state.m_strExamplesPath = std::string(state.m_szExamplesDir) + EXAMPLES_FOLDER;
    return true;
}
