// Walks a payload archive record by record with every bound checked, for listing and
// verifying it. Unlike the installer it holds an archive to the writer's exact layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct CArchiveEntry
{
    int m_nIndex = 0;          // 1 for the first record
    std::size_t m_nOffset = 0; // of the record's first byte
    std::string m_strName;
    std::uint32_t m_nUncompressed = 0;
    std::uint32_t m_nCompressed = 0;
    const unsigned char* m_pStream = nullptr;
};

class CArchiveScanner
{
public:
    enum EStep
    {
        STEP_ENTRY,   // an entry was read
        STEP_END,     // the terminator closes the archive as it should
        STEP_PROBLEM, // the archive is malformed; Problem() says where and how
    };

    CArchiveScanner(const unsigned char* pArchive, std::size_t cbArchive)
        : m_pArchive(pArchive), m_cbArchive(cbArchive)
    {
    }

    EStep Next(CArchiveEntry& entry);

    // "entry 12 at byte 3,456: ..." for the first problem met.
    const std::string& Problem() const { return m_strProblem; }
    EStep Report(int nIndex, std::size_t nOffset, const std::string& strWhat);

private:
    const unsigned char* m_pArchive;
    std::size_t m_cbArchive;
    std::size_t m_nPos = 0;
    int m_nIndex = 0;
    std::string m_strProblem;
};
