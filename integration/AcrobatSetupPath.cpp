#include "AcrobatSetupPath.h"

#include "BoundedText.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

const char g_szAcrobatSetupRelative[] = "\\AcroRead\\Setup.exe";

CString GetAcrobatSetupPath(const char* pszCommandLine, CFileOps& fileOps)
{
    std::string strFolder = pszCommandLine != nullptr ? pszCommandLine : "";
    const std::size_t nCut = strFolder.rfind('\\');
    if (nCut != std::string::npos)
        strFolder.erase(nCut);
    if (!strFolder.empty() && strFolder[0] == '"')
        strFolder.erase(0, 1);

    char szFull[PATH_BUFFER];
    const unsigned long nLength = fileOps.FullPathName(strFolder.c_str(), PATH_BUFFER, szFull);
    if (nLength == 0 || nLength >= PATH_BUFFER)
        return CString();
    CString strPath(szFull);
    strPath += g_szAcrobatSetupRelative;
    return strPath;
}

#ifdef _WIN32
CString GetAcrobatSetupPath()
{
    return GetAcrobatSetupPath(GetCommandLineA(), SystemFileOps());
}
#endif
