// An archive file held in memory for the commands that read it: mapped where the host can,
// so that the walk reads it in place as the installer reads its resource.
#pragma once

#include <cstddef>
#include <string>

class CArchiveFile
{
public:
    CArchiveFile() = default;
    ~CArchiveFile();
    CArchiveFile(const CArchiveFile&) = delete;
    CArchiveFile& operator=(const CArchiveFile&) = delete;

    // False with strError when the file cannot be opened or mapped.
    bool Open(const std::string& strPath, std::string& strError);

    const unsigned char* Data() const { return m_pData; }
    std::size_t Size() const { return m_nSize; }

private:
    const unsigned char* m_pData = nullptr;
    std::size_t m_nSize = 0;
#ifdef _WIN32
    void* m_hFile = nullptr;
    void* m_hMapping = nullptr;
#endif
};
