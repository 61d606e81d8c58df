// The file and folder calls of the runtime library and the system, behind one replaceable
// boundary. Paths are always in Windows form ("C:\LV\examples"), on every build.
#pragma once

#include <cstddef>

// Values of the runtime's _S_IREAD and _S_IWRITE for ChangeMode.
constexpr int FILE_MODE_READ = 0x0100;
constexpr int FILE_MODE_WRITE = 0x0080;

class CFileOps
{
public:
    virtual ~CFileOps() = default;

    // GetFullPathNameA: the full form of pszPath in pszBuffer. Returns its length without the
    // terminator, or the capacity needed (terminator included) when it does not fit, or 0.
    virtual unsigned long FullPathName(const char* pszPath, unsigned long nCapacity,
                                       char* pszBuffer) = 0;
    virtual int MakeDir(const char* pszPath) = 0;                     // _mkdir: 0 on success
    virtual int ChangeDir(const char* pszPath) = 0;                   // _chdir: 0 on success
    virtual int Access(const char* pszPath, int nMode) = 0;           // _access: 0 when it exists
    virtual int ChangeMode(const char* pszPath, int nMode) = 0;       // _chmod
    virtual int Remove(const char* pszPath) = 0;                      // remove
    virtual void* Open(const char* pszPath, const char* pszMode) = 0; // fopen: null on failure
    virtual std::size_t Write(const void* pData, std::size_t nSize, std::size_t nCount,
                              void* pFile) = 0; // fwrite
    virtual int Close(void* pFile) = 0;         // fclose
};

// The program's own: the real calls on Windows, the drive-mapping stand-in on Linux.
CFileOps& SystemFileOps();
