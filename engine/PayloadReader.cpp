#include "PayloadReader.h"

#include "BoundedText.h"
#include "ClassifyEntry.h"
#include "DirectoryPath.h"
#include "EngineTexts.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <zlib.h>

namespace
{
std::uint32_t LittleEndian32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The decompression buffer: one block, grown by release and fresh allocation of exactly the
// new size, never shrunk, released on every way out.
class CGrowingBuffer
{
public:
    explicit CGrowingBuffer(CBlockAlloc& memory) : m_memory(memory) {}
    ~CGrowingBuffer() { Release(); }

    // False when the block could not be allocated; no block is held then.
    bool Reserve(std::int32_t nSize)
    {
        if (m_nSize == -1 || m_nSize < nSize)
        {
            Release();
            m_pBlock = static_cast<unsigned char*>(m_memory.Allocate(nSize));
            if (m_pBlock == nullptr)
                return false;
            m_nSize = nSize;
        }
        return true;
    }
    void Release()
    {
        if (m_pBlock != nullptr)
            m_memory.Release(m_pBlock);
        m_pBlock = nullptr;
        m_nSize = -1;
    }
    unsigned char* Data() { return m_pBlock; }

private:
    CBlockAlloc& m_memory;
    unsigned char* m_pBlock = nullptr;
    std::int32_t m_nSize = -1;
};
} // namespace

bool IsSafeEntryName(const char* pszName)
{
    // Without a leading separator the name would extend the target folder's own last name
    // ("C:\LV" + "2\x.vi" is "C:\LV2\x.vi") and so write beside it.
    if (pszName[0] != '\\' && pszName[0] != '/')
        return false;
    if (std::strchr(pszName, ':') != nullptr)
        return false;
    const char* pszPart = pszName;
    for (const char* p = pszName;; ++p)
    {
        if (*p == '\\' || *p == '/' || *p == '\0')
        {
            if (p - pszPart == 2 && pszPart[0] == '.' && pszPart[1] == '.')
                return false;
            if (*p == '\0')
                return true;
            pszPart = p + 1;
        }
    }
}

bool CPayloadReader::ReadPayload(void* pDest, std::size_t nCount)
{
    if (static_cast<std::size_t>(m_pPayloadEnd - m_pPayloadPos) < nCount)
        return false;
    std::memcpy(pDest, m_pPayloadPos, nCount);
    m_pPayloadPos += nCount;
    return true;
}

bool CPayloadReader::SkipPayload(std::size_t nCount)
{
    if (static_cast<std::size_t>(m_pPayloadEnd - m_pPayloadPos) < nCount)
        return false;
    m_pPayloadPos += nCount;
    return true;
}

const char* CPayloadReader::ExtractPayload(const unsigned char* pArchive, std::size_t cbArchive,
                                           int nOptions, const char* pszTarget)
{
    m_pPayloadPos = pArchive;
    m_pPayloadEnd = pArchive + cbArchive;
    CGrowingBuffer buffer(m_memory);

    for (;;)
    {
        char szName[PAYLOAD_NAME_FIELD];
        if (!ReadPayload(szName, sizeof szName))
            return g_apszEngineText[TEXT_DECOMPRESSION_ERROR]; // no terminator
        if (szName[0] == '\0')
            return nullptr;
        if (std::memchr(szName, '\0', sizeof szName) == nullptr)
            return g_apszEngineText[TEXT_DECOMPRESSION_ERROR]; // name without its NUL

        const bool bSelected = (ClassifyEntry(szName) & nOptions) != 0;

        unsigned char abSizes[8];
        if (!ReadPayload(abSizes, sizeof abSizes))
            return g_apszEngineText[TEXT_DECOMPRESSION_ERROR];
        const std::uint32_t nUncompressed = LittleEndian32(abSizes);
        const std::uint32_t nCompressed = LittleEndian32(abSizes + 4);
        // Sizes of 2^31 or more, and streams that run past the end, make a malformed record.
        if (nUncompressed > INT32_MAX || nCompressed > INT32_MAX ||
            static_cast<std::size_t>(m_pPayloadEnd - m_pPayloadPos) < nCompressed)
            return g_apszEngineText[TEXT_DECOMPRESSION_ERROR];

        // An empty entry needs no buffer; every other entry sizes it, selected or not.
        if (nUncompressed > 0 && !buffer.Reserve(static_cast<std::int32_t>(nUncompressed)))
            return g_apszEngineText[TEXT_MEMORY_ERROR];

        uLongf nProduced = nUncompressed;
        if (bSelected)
        {
            Bytef bEmpty = 0;
            Bytef* pDest = nUncompressed > 0 ? buffer.Data() : &bEmpty;
            if (uncompress(pDest, &nProduced, m_pPayloadPos, nCompressed) != Z_OK)
                return g_apszEngineText[TEXT_DECOMPRESSION_ERROR];
        }
        SkipPayload(nCompressed);

        if (bSelected)
        {
            const char* pszError = WriteEntry(pszTarget, szName, buffer.Data(), nProduced);
            if (pszError != nullptr)
                return pszError;
        }
    }
}

const char* CPayloadReader::WriteEntry(const char* pszTarget, const char* pszName,
                                       const void* pData, std::size_t nLength)
{
    char szFull[PATH_BUFFER];
    if (!SafeCopy(szFull, pszTarget) || !SafeAppend(szFull, pszName) || !IsSafeEntryName(pszName))
        return FormatEngineMessage(TEXT_CANNOT_CREATE_FILE,
                                   (std::string(pszTarget) + pszName).c_str());

    m_files.ChangeMode(szFull, FILE_MODE_READ | FILE_MODE_WRITE);
    m_files.Remove(szFull);

    char szFolder[PATH_BUFFER];
    SafeCopy(szFolder, szFull);
    if (char* pszLast = std::strrchr(szFolder, '\\'))
        *pszLast = '\0';
    if (CreateDirectoryPath(szFolder, m_files) != 0)
        return FormatEngineMessage(TEXT_CANNOT_CREATE_FILE, szFull);

    void* pFile = m_files.Open(szFull, "wb");
    if (pFile == nullptr)
        return FormatEngineMessage(TEXT_CANNOT_CREATE_FILE, szFull);
    const std::size_t nWritten = nLength > 0 ? m_files.Write(pData, 1, nLength, pFile) : 0;
    if (nWritten != nLength)
    {
        m_files.Close(pFile);
        return FormatEngineMessage(TEXT_CANNOT_WRITE_FILE, szFull);
    }
    m_files.Close(pFile);
    m_files.ChangeMode(szFull, FILE_MODE_READ);
    return nullptr;
}
