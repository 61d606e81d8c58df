#include "ArchiveScanner.h"

#include "DigitGroups.h"
#include "PayloadReader.h"

#include <cstring>

namespace
{
std::uint32_t LittleEndian32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
} // namespace

CArchiveScanner::EStep CArchiveScanner::Report(int nIndex, std::size_t nOffset,
                                               const std::string& strWhat)
{
    m_strProblem =
        "entry " + std::to_string(nIndex) + " at byte " + GroupDigits(nOffset) + ": " + strWhat;
    return STEP_PROBLEM;
}

CArchiveScanner::EStep CArchiveScanner::Next(CArchiveEntry& entry)
{
    if (!m_strProblem.empty())
        return STEP_PROBLEM;
    const std::size_t nOffset = m_nPos;
    const int nIndex = ++m_nIndex;
    const std::size_t nLeft = m_cbArchive - m_nPos;
    const unsigned char* pRecord = m_pArchive + m_nPos;

    if (nLeft == 0)
        return Report(nIndex, nOffset, "the archive ends without its terminator");
    if (pRecord[0] == 0)
    {
        // The terminator: the reader stops at its first byte; a writer writes all 264.
        if (nLeft < PAYLOAD_RECORD_HEADER)
            return Report(nIndex, nOffset,
                          "the terminator is cut short: " + std::to_string(nLeft) +
                              " of its 264 bytes");
        const std::uint32_t nFirst = LittleEndian32(pRecord + PAYLOAD_NAME_FIELD);
        const std::uint32_t nSecond = LittleEndian32(pRecord + PAYLOAD_NAME_FIELD + 4);
        if (nFirst != 0xFFFFFFFF || nSecond != 0xFFFFFFFF)
            return Report(nIndex, nOffset, "the terminator's sizes are not both 0xFFFFFFFF");
        if (nLeft > PAYLOAD_RECORD_HEADER)
            return Report(nIndex, nOffset,
                          GroupDigits(nLeft - PAYLOAD_RECORD_HEADER) +
                              " bytes follow the terminator");
        m_nPos = m_cbArchive;
        return STEP_END;
    }
    if (nLeft < PAYLOAD_NAME_FIELD)
        return Report(nIndex, nOffset,
                      "the archive ends inside a name field (" + std::to_string(nLeft) +
                          " of 256 bytes), without its terminator");
    const void* pNul = std::memchr(pRecord, 0, PAYLOAD_NAME_FIELD);
    if (pNul == nullptr)
        return Report(nIndex, nOffset, "the name field has no terminating NUL");
    entry.m_nIndex = nIndex;
    entry.m_nOffset = nOffset;
    entry.m_strName.assign(reinterpret_cast<const char*>(pRecord),
                           static_cast<const unsigned char*>(pNul) - pRecord);
    if (!IsSafeEntryName(entry.m_strName.c_str()))
        return Report(
            nIndex, nOffset,
            "the name \"" + entry.m_strName +
                "\" would leave the target folder (it lacks the leading separator or has a "
                "\"..\" component or a colon); the installer refuses it");
    if (nLeft < PAYLOAD_RECORD_HEADER)
        return Report(nIndex, nOffset,
                      "the archive ends inside the sizes of \"" + entry.m_strName + "\"");
    entry.m_nUncompressed = LittleEndian32(pRecord + PAYLOAD_NAME_FIELD);
    entry.m_nCompressed = LittleEndian32(pRecord + PAYLOAD_NAME_FIELD + 4);
    if (entry.m_nUncompressed >= 0x80000000u || entry.m_nCompressed >= 0x80000000u)
        return Report(nIndex, nOffset, "a size of \"" + entry.m_strName + "\" is 2 GiB or more");
    if (nLeft - PAYLOAD_RECORD_HEADER < entry.m_nCompressed)
        return Report(nIndex, nOffset,
                      "the stream of \"" + entry.m_strName + "\" (" +
                          GroupDigits(entry.m_nCompressed) + " bytes) runs " +
                          GroupDigits(entry.m_nCompressed - (nLeft - PAYLOAD_RECORD_HEADER)) +
                          " bytes past the end of the archive");
    entry.m_pStream = pRecord + PAYLOAD_RECORD_HEADER;
    m_nPos += PAYLOAD_RECORD_HEADER + entry.m_nCompressed;
    return STEP_ENTRY;
}
