// "payload verify" and "payload list": every malformed record is found, with its entry's
// index and byte offset, whatever the entry's category.
#include "ArchiveBuilder.h"
#include "DigitGroups.h"
#include "OptionBits.h"
#include "VerifyArchive.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
const char kDriver[] = "\\instr.lib\\LH7400\\\\Actions\\Read.vi";
const char kExample[] = "\\examples\\LH7400\\\\DEMO\\Demo.vi";
const char kManual[] = "\\instr.lib\\LH7400\\\\Documentation\\Manual.pdf";
const std::string kContent(3000, 'r');

// The first record of every case is sound; the second one starts here.
std::size_t SecondOffset()
{
    return 264 + Compress(kContent).size();
}

CArchiveBuilder FirstSound()
{
    return std::move(CArchiveBuilder().Add(kDriver, kContent));
}

std::string Verify(const CArchiveBuilder& archive, CArchiveTotals& totals)
{
    std::string strProblem;
    const bool bSound =
        VerifyArchive(archive.Bytes().data(), archive.Bytes().size(), totals, strProblem);
    EXPECT_EQ(bSound, strProblem.empty());
    return strProblem;
}

TEST(PayloadVerify, ASoundArchiveIsCountedPerCategory)
{
    CArchiveTotals totals;
    const CArchiveBuilder archive = std::move(
        FirstSound().Add(kManual, "%PDF").Add(kExample, "demo").Add(kExample, "").Terminate());
    EXPECT_EQ(Verify(archive, totals), "");
    EXPECT_EQ(totals.All().m_nEntries, 4);
    EXPECT_EQ(totals.All().m_nUncompressed, 3008u);
    EXPECT_EQ(totals.Category(INSTALL_EXAMPLES).m_nEntries, 2);
    EXPECT_EQ(totals.Category(INSTALL_MANUALS).m_nUncompressed, 4u);
    EXPECT_EQ(totals.Category(INSTALL_DRIVERS).m_nCompressed, Compress(kContent).size());
    EXPECT_EQ(totals.LongestName(), std::string(kManual).size());

    CArchiveTotals none;
    EXPECT_EQ(Verify(CArchiveBuilder().Terminate(), none), "");
    EXPECT_EQ(none.All().m_nEntries, 0);
}

TEST(PayloadVerify, ReportsTheFirstProblemWithItsEntryAndOffset)
{
    const std::vector<unsigned char> stream = Compress("example content");
    std::vector<unsigned char> corrupt = stream;
    corrupt[4] ^= 0xFF;
    corrupt[5] ^= 0xFF;
    std::vector<unsigned char> padded = stream;
    padded.push_back(0);
    const std::vector<unsigned char> cut(stream.begin(), stream.end() - 5);
    std::vector<unsigned char> noNul(256, 'A');
    const std::vector<unsigned char> shortTerminator(100, 0);

    const struct
    {
        const char* m_pszWhat;
        CArchiveBuilder m_archive;
        const char* m_pszProblem;
    } kCases[] = {
        {"no terminator", FirstSound(), "the archive ends without its terminator"},
        {"a cut name field", FirstSound().AppendBytes({'\\', 'x'}),
         "the archive ends inside a name field (2 of 256 bytes)"},
        {"a cut terminator", FirstSound().AppendBytes(shortTerminator),
         "the terminator is cut short: 100 of its 264 bytes"},
        {"terminator sizes", FirstSound().Terminate(0, 0),
         "the terminator's sizes are not both 0xFFFFFFFF"},
        {"bytes after the terminator", FirstSound().Terminate().AppendBytes({1, 2, 3}),
         "3 bytes follow the terminator"},
        {"a name without its NUL", FirstSound().AddField(noNul, "x").Terminate(),
         "the name field has no terminating NUL"},
        {"a name that climbs out", FirstSound().Add("\\..\\evil.vi", "x").Terminate(),
         "would leave the target folder"},
        {"a name without its leading separator", FirstSound().Add("evil.vi", "x").Terminate(),
         "would leave the target folder"},
        {"a size of 2 GiB", FirstSound().AddRaw(kExample, 0x80000000u, 5, stream).Terminate(),
         "is 2 GiB or more"},
        {"a stream past the end",
         FirstSound().AddRaw(kExample, 15, static_cast<std::uint32_t>(stream.size() + 10), stream),
         "runs 10 bytes past the end of the archive"},
        {"a corrupt stream", FirstSound().AddRaw(kExample, 15, corrupt.size(), corrupt).Terminate(),
         "is corrupt (zlib: "},
        {"a stream that inflates to more",
         FirstSound().AddRaw(kExample, 14, stream.size(), stream).Terminate(),
         "inflates to more than its declared 14 bytes"},
        {"a stream that inflates to less",
         FirstSound().AddRaw(kExample, 16, stream.size(), stream).Terminate(),
         "inflates to 15 bytes, not its declared 16"},
        {"a stream shorter than its size",
         FirstSound().AddRaw(kExample, 15, padded.size(), padded).Terminate(), "ends after "},
        {"a stream cut short", FirstSound().AddRaw(kExample, 15, cut.size(), cut).Terminate(),
         "is cut short: it does not end within its"},
    };
    for (const auto& entry : kCases)
    {
        SCOPED_TRACE(entry.m_pszWhat);
        CArchiveTotals totals;
        const std::string strProblem = Verify(entry.m_archive, totals);
        EXPECT_EQ(strProblem.rfind("entry 2 at byte " + std::to_string(SecondOffset()) + ": ", 0),
                  0u)
            << strProblem;
        EXPECT_NE(strProblem.find(entry.m_pszProblem), std::string::npos) << strProblem;
    }
}

TEST(PayloadList, ListsEntriesAndTotalsAndStopsAtAProblem)
{
    const CArchiveBuilder archive =
        std::move(FirstSound().Add(kManual, "%PDF").Add(kExample, "demo").Terminate());
    std::ostringstream out;
    std::string strProblem;
    ASSERT_TRUE(ListArchive(archive.Bytes().data(), archive.Bytes().size(), out, strProblem));
    const std::string strList = out.str();
    // Columns: index (5), category (9, left), uncompressed (14), compressed (12), name.
    auto row = [](const char* pszIndexAndCategory, const char* pszSize, const std::string& strData,
                  const char* pszName)
    {
        const std::string strCompressed = std::to_string(Compress(strData).size());
        return std::string(pszIndexAndCategory) + pszSize +
               std::string(12 - strCompressed.size(), ' ') + strCompressed + "  " + pszName + "\n";
    };
    for (const std::string& strLine :
         {std::string("index  category   uncompressed  compressed  name\n"),
          row("    1  drivers  ", "         3,000", kContent, kDriver),
          row("    2  manuals  ", "             4", "%PDF", kManual),
          row("    3  examples ", "             4", "demo", kExample),
          std::string("examples (1)                   1                   4"),
          std::string("driver library (2)             1               3,000"),
          std::string("manuals (4)                    1                   4"),
          std::string("all                            3               3,008"),
          "archive: " + GroupDigits(archive.Bytes().size()) + " bytes\n"})
        EXPECT_NE(strList.find(strLine), std::string::npos) << strLine << "\nin\n" << strList;

    // A malformed record ends the listing; what came before it is listed.
    std::ostringstream cut;
    const CArchiveBuilder broken = std::move(FirstSound().Add(kExample, "demo"));
    EXPECT_FALSE(ListArchive(broken.Bytes().data(), broken.Bytes().size(), cut, strProblem));
    EXPECT_NE(cut.str().find(kDriver), std::string::npos);
    EXPECT_NE(cut.str().find(kExample), std::string::npos);
    EXPECT_NE(strProblem.find("entry 3 at byte"), std::string::npos) << strProblem;
}
} // namespace
