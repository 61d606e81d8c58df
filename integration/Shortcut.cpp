#include "Shortcut.h"

#include "BoundedText.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>

void CreateShortcut(const char* pszLink, const char* pszTarget, const char* pszWorkingDir)
{
    IShellLinkA* pShellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&pShellLink))))
        return;
    IPersistFile* pPersistFile = nullptr;
    if (FAILED(
            pShellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pPersistFile))))
    {
        pShellLink->Release();
        return;
    }

    pShellLink->SetPath(pszTarget);
    pShellLink->SetWorkingDirectory(pszWorkingDir);
    WCHAR wszLink[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, pszLink, -1, wszLink, MAX_PATH) != 0)
        pPersistFile->Save(wszLink, TRUE);

    pPersistFile->Release();
    pShellLink->Release();
}

BOOL GetShellFolderPath(int nFolder, char* pszPath)
{
    LPITEMIDLIST pItems = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, nFolder, &pItems)))
        return FALSE;
    const BOOL bConverted = SHGetPathFromIDListA(pItems, pszPath);
    CoTaskMemFree(pItems);
    if (!bConverted)
        return FALSE;
    const std::size_t nLength = strnlen(pszPath, MAX_PATH);
    if (nLength == MAX_PATH)
        return FALSE;
    if ((nLength == 0 || pszPath[nLength - 1] != '\\') && !SafeAppend(pszPath, MAX_PATH, "\\"))
        return FALSE;
    return TRUE;
}
