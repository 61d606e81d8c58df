#include "LabViewLookup.h"

#include <algorithm>
#include <cstring>

const char LABVIEW_KEY[] = "Software\\National Instruments\\LabVIEW\\CurrentVersion";
const char LABVIEW_VALUE[] = "Path";
const char LABVIEW_PROMPT_LOCATED[] =
    "LabView has been located in the following directory. Select another installation "
    "directory if desired. Note that any change may prevent the drivers from loading onto the "
    "LabView palette automatically.";
const char LABVIEW_PROMPT_NOT_FOUND[] =
    "LabView Installation not found. Manually select installation directory.\nIt is "
    "recommended to install LabView 6.1 or higher first.";
const char LABVIEW_DEFAULT_FOLDER[] = "C:\\";

bool ReadLabViewPath(CRegistryOps& registry, std::string& strPath)
{
    unsigned char abValue[LABVIEW_PATH_BUFFER];
    abValue[0] = 0;
    unsigned long cbValue = LABVIEW_PATH_BUFFER;

    void* hKey = nullptr;
    if (registry.OpenLocalMachineKey(LABVIEW_KEY, &hKey) != 0)
        return false;
    const long nResult = registry.QueryValue(hKey, LABVIEW_VALUE, abValue, &cbValue);
    registry.CloseKey(hKey);
    if (nResult != 0)
        return false;

    // The value may have been stored without its terminator: the text ends at the first zero
    // byte or at the end of the data. A text that fills the whole buffer has no room for the
    // terminator, so it is longer than 255 characters.
    const std::size_t cbStored = std::min<std::size_t>(cbValue, LABVIEW_PATH_BUFFER);
    const char* pszValue = reinterpret_cast<const char*>(abValue);
    const std::size_t nLength = strnlen(pszValue, cbStored);
    if (nLength >= LABVIEW_PATH_BUFFER)
        return false;
    strPath.assign(pszValue, nLength);
    return true;
}

void ApplyLabViewLookup(bool bFound, const std::string& strPath, CFolderPageData& page)
{
    if (bFound)
    {
        page.m_strFolder = strPath;
        page.m_strPrompt = LABVIEW_PROMPT_LOCATED;
    }
    else
    {
        page.m_strPrompt = LABVIEW_PROMPT_NOT_FOUND;
        page.m_strFolder = LABVIEW_DEFAULT_FOLDER;
    }
}
