#include "VerifyArchive.h"

#include "ArchiveScanner.h"
#include "ClassifyEntry.h"
#include "DigitGroups.h"

#include <iomanip>
#include <zlib.h>

namespace
{
// Why the entry's stream is not exactly what its sizes declare, or empty.
std::string CheckStream(const CArchiveEntry& entry)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return "zlib cannot be set up";
    z.next_in = const_cast<Bytef*>(entry.m_pStream);
    z.avail_in = entry.m_nCompressed;
    unsigned char abOut[64 * 1024];
    int nResult = Z_OK;
    do
    {
        z.next_out = abOut;
        z.avail_out = sizeof abOut;
        nResult = inflate(&z, Z_NO_FLUSH);
        // Past the declared size the stream is wrong already; stop inflating a bomb there.
    } while (nResult == Z_OK && z.total_out <= entry.m_nUncompressed);
    const std::string strMessage = z.msg != nullptr ? z.msg : "";
    const uLong nIn = z.total_in;
    const uLong nOut = z.total_out;
    inflateEnd(&z);

    const std::string strName = "\"" + entry.m_strName + "\"";
    if (nResult == Z_DATA_ERROR || nResult == Z_NEED_DICT)
        return "the stream of " + strName +
               " is corrupt (zlib: " + (strMessage.empty() ? "needs a dictionary" : strMessage) +
               ")";
    if (nResult == Z_MEM_ERROR)
        return "zlib ran out of memory on " + strName;
    if (nOut > entry.m_nUncompressed)
        return "the stream of " + strName + " inflates to more than its declared " +
               GroupDigits(entry.m_nUncompressed) + " bytes";
    if (nResult != Z_STREAM_END)
        return "the stream of " + strName + " is cut short: it does not end within its " +
               GroupDigits(entry.m_nCompressed) + " bytes";
    if (nIn != entry.m_nCompressed)
        return "the stream of " + strName + " ends after " + GroupDigits(nIn) + " of its " +
               GroupDigits(entry.m_nCompressed) + " bytes";
    if (nOut != entry.m_nUncompressed)
        return "the stream of " + strName + " inflates to " + GroupDigits(nOut) +
               " bytes, not its declared " + GroupDigits(entry.m_nUncompressed);
    return std::string();
}
} // namespace

bool VerifyArchive(const unsigned char* pArchive, std::size_t cbArchive, CArchiveTotals& totals,
                   std::string& strProblem)
{
    CArchiveScanner scanner(pArchive, cbArchive);
    CArchiveEntry entry;
    for (;;)
    {
        const CArchiveScanner::EStep nStep = scanner.Next(entry);
        if (nStep == CArchiveScanner::STEP_END)
            return true;
        if (nStep == CArchiveScanner::STEP_ENTRY)
        {
            const std::string strWhy = CheckStream(entry);
            if (strWhy.empty())
            {
                totals.Add(entry.m_strName, entry.m_nUncompressed, entry.m_nCompressed);
                continue;
            }
            scanner.Report(entry.m_nIndex, entry.m_nOffset, strWhy);
        }
        strProblem = scanner.Problem();
        return false;
    }
}

bool ListArchive(const unsigned char* pArchive, std::size_t cbArchive, std::ostream& out,
                 std::string& strProblem)
{
    CArchiveScanner scanner(pArchive, cbArchive);
    CArchiveTotals totals;
    CArchiveEntry entry;
    out << std::setw(5) << "index"
        << "  " << std::left << std::setw(9) << "category" << std::right << std::setw(14)
        << "uncompressed" << std::setw(12) << "compressed"
        << "  name\n";
    CArchiveScanner::EStep nStep;
    while ((nStep = scanner.Next(entry)) == CArchiveScanner::STEP_ENTRY)
    {
        out << std::setw(5) << entry.m_nIndex << "  " << std::left << std::setw(9)
            << CategoryName(ClassifyEntry(entry.m_strName.c_str())) << std::right << std::setw(14)
            << GroupDigits(entry.m_nUncompressed) << std::setw(12)
            << GroupDigits(entry.m_nCompressed) << "  " << entry.m_strName << '\n';
        totals.Add(entry.m_strName, entry.m_nUncompressed, entry.m_nCompressed);
    }
    out << '\n';
    totals.Print(out);
    out << "archive: " << GroupDigits(cbArchive) << " bytes\n";
    if (nStep == CArchiveScanner::STEP_PROBLEM)
    {
        strProblem = scanner.Problem();
        return false;
    }
    return true;
}
