// Walks a payload archive and writes the entries of the chosen option categories, read-only,
// below a target folder.
//
// Archive layout: entry records of a 256-byte NUL-terminated name, the uncompressed and the
// compressed size (unsigned 32-bit little-endian) and one zlib stream of the compressed size;
// a record whose name begins with byte 0 ends the archive.
#pragma once

#include "BlockAlloc.h"
#include "FileOps.h"

#include <cstddef>

constexpr std::size_t PAYLOAD_NAME_FIELD = 256;
constexpr std::size_t PAYLOAD_RECORD_HEADER = PAYLOAD_NAME_FIELD + 8;

class CPayloadReader
{
public:
    CPayloadReader(CFileOps& files, CBlockAlloc& memory) : m_files(files), m_memory(memory) {}

    // Writes every entry whose category shares a bit with nOptions below pszTarget (a folder
    // without a trailing separator). Returns null on success or the text to show: a constant
    // engine text or the formatted message buffer. Never reads beyond cbArchive bytes.
    const char* ExtractPayload(const unsigned char* pArchive, std::size_t cbArchive, int nOptions,
                               const char* pszTarget);

    // The next unread byte of the archive.
    const unsigned char* m_pPayloadPos = nullptr;

private:
    // Copies nCount bytes from the read position and advances it; false (nothing copied) when
    // fewer than nCount bytes are left.
    bool ReadPayload(void* pDest, std::size_t nCount);
    bool SkipPayload(std::size_t nCount);
    const char* WriteEntry(const char* pszTarget, const char* pszName, const void* pData,
                           std::size_t nLength);

    CFileOps& m_files;
    CBlockAlloc& m_memory;
    const unsigned char* m_pPayloadEnd = nullptr;
};

// Whether an entry name stays inside the target folder: a leading separator, no ".."
// component and no colon.
bool IsSafeEntryName(const char* pszName);
