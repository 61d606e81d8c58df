#include "RegistryOps.h"

#include <windows.h>

namespace
{
class CWin32RegistryOps : public CRegistryOps
{
public:
    long OpenLocalMachineKey(const char* pszSubKey, void** phKey) override
    {
        HKEY hKey = nullptr;
        LONG nResult = RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, KEY_READ, &hKey);
        *phKey = hKey;
        return nResult;
    }
    long QueryValue(void* hKey, const char* pszName, unsigned char* pData,
                    unsigned long* pcbData) override
    {
        DWORD nType = 0; // not examined
        DWORD cbData = *pcbData;
        LONG nResult =
            RegQueryValueExA(static_cast<HKEY>(hKey), pszName, nullptr, &nType, pData, &cbData);
        *pcbData = cbData;
        return nResult;
    }
    long CloseKey(void* hKey) override { return RegCloseKey(static_cast<HKEY>(hKey)); }
};
} // namespace

CRegistryOps& SystemRegistryOps()
{
    static CWin32RegistryOps s_registry;
    return s_registry;
}
