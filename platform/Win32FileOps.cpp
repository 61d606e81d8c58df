// The real file calls of the runtime library and the system.
#include "FileOps.h"

#include <windows.h>

#include <cstdio>
#include <direct.h>
#include <io.h>
#include <sys/stat.h>

namespace
{
class CWin32FileOps : public CFileOps
{
public:
    unsigned long FullPathName(const char* pszPath, unsigned long nCapacity,
                               char* pszBuffer) override
    {
        char* pszFilePart = nullptr;
        return GetFullPathNameA(pszPath, nCapacity, pszBuffer, &pszFilePart);
    }
    int MakeDir(const char* pszPath) override { return _mkdir(pszPath); }
    int ChangeDir(const char* pszPath) override { return _chdir(pszPath); }
    int Access(const char* pszPath, int nMode) override { return _access(pszPath, nMode); }
    int ChangeMode(const char* pszPath, int nMode) override { return _chmod(pszPath, nMode); }
    int Remove(const char* pszPath) override { return remove(pszPath); }
    void* Open(const char* pszPath, const char* pszMode) override
    {
        return fopen(pszPath, pszMode);
    }
    std::size_t Write(const void* pData, std::size_t nSize, std::size_t nCount,
                      void* pFile) override
    {
        return fwrite(pData, nSize, nCount, static_cast<FILE*>(pFile));
    }
    int Close(void* pFile) override { return fclose(static_cast<FILE*>(pFile)); }
};
} // namespace

CFileOps& SystemFileOps()
{
    static CWin32FileOps s_ops;
    return s_ops;
}
