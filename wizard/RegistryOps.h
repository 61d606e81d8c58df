// The read-only registry calls the wizard makes, behind one replaceable boundary.
#pragma once

class CRegistryOps
{
public:
    virtual ~CRegistryOps() = default;

    // RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, KEY_READ): 0 and the key on success.
    virtual long OpenLocalMachineKey(const char* pszSubKey, void** phKey) = 0;
    // RegQueryValueExA(hKey, pszName, no reserved value, type, pData, pcbData): 0 on success,
    // *pcbData then holds the number of bytes stored in pData.
    virtual long QueryValue(void* hKey, const char* pszName, unsigned char* pData,
                            unsigned long* pcbData) = 0;
    virtual long CloseKey(void* hKey) = 0; // RegCloseKey
};

// The real registry (Windows builds only).
CRegistryOps& SystemRegistryOps();
