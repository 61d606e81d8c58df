// Writes payload archives: one record per file (the name in a zeroed 256-byte field, the
// uncompressed and the compressed size, one zlib stream) and the 264-byte terminator.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// One zlib stream of a file's content at nLevel (0 to 9); the file must hold exactly nSize
// bytes. False with strError when it cannot be read or its size changed.
bool CompressHostFile(const std::string& strHostPath, std::uint64_t nSize, int nLevel,
                      std::vector<unsigned char>& stream, std::string& strError);

// One zlib stream of nSize bytes at pData.
std::vector<unsigned char> CompressBytes(const void* pData, std::size_t nSize, int nLevel);

class CArchiveWriter
{
public:
    explicit CArchiveWriter(std::FILE* pFile) : m_pFile(pFile) {}

    bool AddEntry(const std::string& strName, std::uint32_t nUncompressed,
                  const std::vector<unsigned char>& stream);
    // The terminator: a zeroed name field and both sizes 0xFFFFFFFF.
    bool Finish();

    std::uint64_t BytesWritten() const { return m_nBytes; }

private:
    bool PutRecordHeader(const std::string& strName, std::uint32_t nUncompressed,
                         std::uint32_t nCompressed);
    bool Put(const void* pData, std::size_t nSize);

    std::FILE* m_pFile;
    std::uint64_t m_nBytes = 0;
};
