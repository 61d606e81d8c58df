#include "ArchiveFile.h"

#include "HostFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
// Stands for the bytes of an empty file, which cannot be mapped.
const unsigned char g_bEmpty = 0;
} // namespace

#ifdef _WIN32
CArchiveFile::~CArchiveFile()
{
    if (m_pData != nullptr && m_pData != &g_bEmpty)
        UnmapViewOfFile(m_pData);
    if (m_hMapping != nullptr)
        CloseHandle(m_hMapping);
    if (m_hFile != nullptr)
        CloseHandle(m_hFile);
}

bool CArchiveFile::Open(const std::string& strPath, std::string& strError)
{
    HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        strError = strPath + ": cannot be opened (" + LastErrorText() + ")";
        return false;
    }
    m_hFile = hFile;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(hFile, &size) || size.QuadPart >= 0x80000000LL)
    {
        strError = strPath + ": cannot be read whole";
        return false;
    }
    m_nSize = static_cast<std::size_t>(size.QuadPart);
    if (m_nSize == 0)
    {
        m_pData = &g_bEmpty;
        return true;
    }
    m_hMapping = CreateFileMappingA(hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (m_hMapping != nullptr)
        m_pData =
            static_cast<const unsigned char*>(MapViewOfFile(m_hMapping, FILE_MAP_READ, 0, 0, 0));
    if (m_pData == nullptr)
    {
        strError = strPath + ": cannot be mapped (" + LastErrorText() + ")";
        return false;
    }
    return true;
}
#else
CArchiveFile::~CArchiveFile()
{
    if (m_pData != nullptr && m_pData != &g_bEmpty)
        munmap(const_cast<unsigned char*>(m_pData), m_nSize);
}

bool CArchiveFile::Open(const std::string& strPath, std::string& strError)
{
    const int nFile = open(strPath.c_str(), O_RDONLY);
    if (nFile < 0)
    {
        strError = strPath + ": cannot be opened (" + LastErrorText() + ")";
        return false;
    }
    struct stat st;
    if (fstat(nFile, &st) != 0 || !S_ISREG(st.st_mode))
    {
        strError = strPath + ": not a file";
        close(nFile);
        return false;
    }
    m_nSize = static_cast<std::size_t>(st.st_size);
    if (m_nSize == 0)
    {
        m_pData = &g_bEmpty;
        close(nFile);
        return true;
    }
    void* pMap = mmap(nullptr, m_nSize, PROT_READ, MAP_PRIVATE, nFile, 0);
    close(nFile);
    if (pMap == MAP_FAILED)
    {
        strError = strPath + ": cannot be mapped (" + LastErrorText() + ")";
        m_nSize = 0;
        return false;
    }
    m_pData = static_cast<const unsigned char*>(pMap);
    return true;
}
#endif
