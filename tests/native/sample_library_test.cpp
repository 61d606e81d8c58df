// The sample driver library the build writes to build/sample: the shape of the delivered
// library (names, counts, sizes, order, the manual) and the figures of its archive, so that a
// change to the generator cannot drift from them unnoticed.
#include "ArchiveFile.h"
#include "ArchiveScanner.h"
#include "BlockAlloc.h"
#include "MappedFileOps.h"
#include "OptionBits.h"
#include "PayloadReader.h"
#include "SampleLibrary.h"
#include "VerifyArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
constexpr std::uint64_t MANUAL_BYTES = 4618181;

fs::path Tree()
{
    return fs::path(SampleFolder()) / "tree";
}
fs::path Library()
{
    return Tree() / "instr.lib" / "LH7400";
}
fs::path Examples()
{
    return Tree() / "examples" / "LH7400";
}

bool EndsWith(const std::string& str, const std::string& strTail)
{
    return str.size() >= strTail.size() &&
           str.compare(str.size() - strTail.size(), strTail.size(), strTail) == 0;
}

struct CFolderCount
{
    int m_nVis = 0;
    int m_nMenus = 0;
    int m_nControls = 0;
    int m_nRuntimeMenus = 0;
    int m_nOther = 0;
    std::vector<std::string> m_folders;
    std::vector<std::string> m_vis;
};

// What one folder holds directly.
CFolderCount Count(const fs::path& folder)
{
    CFolderCount count;
    std::vector<fs::directory_entry> entries(fs::directory_iterator(folder), {});
    for (const fs::directory_entry& entry : entries)
    {
        const std::string strName = entry.path().filename().string();
        if (entry.is_directory())
            count.m_folders.push_back(strName);
        else if (strName == "dir.mnu")
            ++count.m_nMenus;
        else if (EndsWith(strName, ".vi"))
        {
            ++count.m_nVis;
            count.m_vis.push_back(strName);
        }
        else if (EndsWith(strName, ".ctl"))
            ++count.m_nControls;
        else if (EndsWith(strName, ".rtm"))
            ++count.m_nRuntimeMenus;
        else
            ++count.m_nOther;
    }
    return count;
}

int FilesBelow(const fs::path& folder)
{
    int nFiles = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        nFiles += entry.is_regular_file() ? 1 : 0;
    return nFiles;
}

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(SampleLibrary, TreeHasTheDeliveredShape)
{
    ASSERT_TRUE(fs::is_directory(Library())) << Library() << " is missing; build the native preset";
    EXPECT_EQ(FilesBelow(Tree()), 664);
    EXPECT_EQ(FilesBelow(Library()), 503);
    EXPECT_EQ(FilesBelow(Examples()), 161);

    const CFolderCount family = Count(Library());
    EXPECT_EQ(family.m_nMenus, 1);
    EXPECT_EQ(family.m_nVis + family.m_nOther, 0);
    int nModules = 0, nModuleVis = 0, nMenus = family.m_nMenus, nVis = 0;
    std::vector<int> flatFolders;
    for (const std::string& strFolder : family.m_folders)
    {
        SCOPED_TRACE(strFolder);
        const fs::path folder = Library() / strFolder;
        const CFolderCount top = Count(folder);
        nMenus += top.m_nMenus;
        nVis += top.m_nVis;
        EXPECT_EQ(top.m_nControls + top.m_nRuntimeMenus, 0);
        if (strFolder == "Documentation")
        {
            EXPECT_EQ(top.m_nOther, 1);
            EXPECT_TRUE(fs::is_regular_file(folder / "KTR 7400 LabView Driver Manual.pdf"));
            continue;
        }
        EXPECT_EQ(top.m_nMenus, 1);
        EXPECT_EQ(top.m_nOther, 0);
        if (top.m_folders.size() == 3)
        {
            // A measurement module: Actions 2-5, Configuration 2-8, Results 1-3 VIs.
            ++nModules;
            EXPECT_EQ(top.m_nVis, 0);
            const struct
            {
                const char* m_pszName;
                int m_nLow, m_nHigh;
            } kSubfolders[] = {{"Actions", 2, 5}, {"Configuration", 2, 8}, {"Results", 1, 3}};
            int nModuleTotal = 0;
            for (const auto& sub : kSubfolders)
            {
                const CFolderCount inner = Count(folder / sub.m_pszName);
                EXPECT_EQ(inner.m_nMenus, 1);
                EXPECT_GE(inner.m_nVis, sub.m_nLow) << sub.m_pszName;
                EXPECT_LE(inner.m_nVis, sub.m_nHigh) << sub.m_pszName;
                EXPECT_TRUE(inner.m_folders.empty());
                for (const std::string& strVi : inner.m_vis)
                    EXPECT_EQ(strVi.rfind("LH7400 " + strFolder + " ", 0), 0u) << strVi;
                nModuleTotal += inner.m_nVis;
                nMenus += inner.m_nMenus;
            }
            EXPECT_GE(nModuleTotal, 6);
            EXPECT_LE(nModuleTotal, 13);
            nModuleVis += nModuleTotal;
        }
        else if (top.m_folders.size() == 1)
        {
            // The utilities: 36 entries, 34 of them VIs, in the folder and its subfolder.
            const CFolderCount sub = Count(folder / top.m_folders[0]);
            EXPECT_EQ(sub.m_nMenus, 1);
            EXPECT_EQ(top.m_nMenus + top.m_nVis + sub.m_nMenus + sub.m_nVis, 36);
            EXPECT_EQ(top.m_nVis + sub.m_nVis, 34);
            nMenus += sub.m_nMenus;
            nVis += sub.m_nVis;
        }
        else
        {
            EXPECT_TRUE(top.m_folders.empty());
            flatFolders.push_back(top.m_nVis);
        }
    }
    EXPECT_EQ(nModules, 34);
    EXPECT_EQ(nModuleVis, 300);
    std::sort(flatFolders.begin(), flatFolders.end());
    EXPECT_EQ(flatFolders, (std::vector<int>{5, 6, 15}));
    EXPECT_EQ(nVis + nModuleVis, 360);
    EXPECT_EQ(nMenus, 142);

    const CFolderCount examples = Count(Examples());
    EXPECT_EQ(examples.m_nVis, 1);
    EXPECT_EQ(examples.m_folders.size(), 33u);
    int nControls = 0, nRuntimeMenus = 0;
    for (const std::string& strFolder : examples.m_folders)
    {
        SCOPED_TRACE(strFolder);
        const CFolderCount example = Count(Examples() / strFolder);
        EXPECT_EQ(example.m_nVis, 2);
        EXPECT_GE(example.m_nControls, 1);
        EXPECT_LE(example.m_nControls, 6);
        EXPECT_LE(example.m_nRuntimeMenus, 1);
        EXPECT_EQ(example.m_nMenus + example.m_nOther, 0);
        EXPECT_TRUE(example.m_folders.empty());
        nControls += example.m_nControls;
        nRuntimeMenus += example.m_nRuntimeMenus;
    }
    EXPECT_EQ(nControls, 62);
    EXPECT_EQ(nRuntimeMenus, 32);
}

TEST(SampleLibrary, ManualIsAPdfDocumentOfTheDeliveredSize)
{
    const std::string strPdf =
        ReadWhole(Library() / "Documentation" / "KTR 7400 LabView Driver Manual.pdf");
    ASSERT_EQ(strPdf.size(), MANUAL_BYTES);
    EXPECT_EQ(strPdf.rfind("%PDF-1.", 0), 0u);
    ASSERT_TRUE(EndsWith(strPdf, "%%EOF\n"));

    // The cross-reference table that startxref names lists every object at its offset.
    const std::size_t nStartXref = strPdf.rfind("startxref\n");
    ASSERT_NE(nStartXref, std::string::npos);
    const std::size_t nXref = std::strtoul(strPdf.c_str() + nStartXref + 10, nullptr, 10);
    ASSERT_EQ(strPdf.compare(nXref, 7, "xref\n0 "), 0);
    const int nObjects = std::atoi(strPdf.c_str() + nXref + 7);
    ASSERT_GT(nObjects, 100);
    std::size_t nEntry = strPdf.find('\n', nXref + 5) + 1;
    EXPECT_EQ(strPdf.compare(nEntry, 20, "0000000000 65535 f \n"), 0);
    for (int i = 1; i < nObjects; ++i)
    {
        nEntry += 20;
        ASSERT_EQ(strPdf.compare(nEntry + 10, 10, " 00000 n \n"), 0) << "xref entry " << i;
        const std::size_t nOffset = std::strtoul(strPdf.substr(nEntry, 10).c_str(), nullptr, 10);
        const std::string strHeader = std::to_string(i) + " 0 obj\n";
        ASSERT_EQ(strPdf.compare(nOffset, strHeader.size(), strHeader), 0) << "object " << i;
        // A stream holds exactly its /Length bytes.
        const std::size_t nEnd = strPdf.find("endobj", nOffset);
        const std::size_t nLength = strPdf.find("/Length ", nOffset);
        if (nLength < nEnd)
        {
            const std::size_t nData = strPdf.find(">>\nstream\n", nLength) + 10;
            const std::size_t nBytes = std::strtoul(strPdf.c_str() + nLength + 8, nullptr, 10);
            EXPECT_EQ(strPdf.compare(nData + nBytes, 11, "\nendstream\n"), 0) << "object " << i;
        }
    }
    const std::size_t nTrailer =
        strPdf.find("trailer\n<< /Size " + std::to_string(nObjects) + " /Root 1 0 R", nEntry);
    EXPECT_NE(nTrailer, std::string::npos);
    EXPECT_NE(strPdf.find("1 0 obj\n<< /Type /Catalog /Pages 2 0 R"), std::string::npos);
    EXPECT_NE(strPdf.find("/Type /Pages /Kids ["), std::string::npos);
}

TEST(SampleLibrary, ArchiveHasTheDeliveredFigures)
{
    CArchiveFile archive;
    std::string strError;
    ASSERT_TRUE(archive.Open(std::string(SampleFolder()) + "/payload.bin", strError)) << strError;
    CArchiveTotals totals;
    ASSERT_TRUE(VerifyArchive(archive.Data(), archive.Size(), totals, strError)) << strError;

    // Within 10 % of the delivered archive, and per category within 2 % of its bytes
    // (within 10 % of its compressed bytes).
    EXPECT_NEAR(static_cast<double>(archive.Size()), 15061420.0, 1506142.0);
    const struct
    {
        int m_nCategory;
        int m_nEntries;
        double m_nBytes;
        double m_nCompressed;
    } kCategories[] = {{INSTALL_EXAMPLES, 161, 14833593, 5554545},
                       {INSTALL_DRIVERS, 502, 18457313, 6805344},
                       {INSTALL_MANUALS, 1, 4618181, 2525971}};
    for (const auto& category : kCategories)
    {
        const CCategoryTotals& counted = totals.Category(category.m_nCategory);
        EXPECT_EQ(counted.m_nEntries, category.m_nEntries);
        EXPECT_NEAR(static_cast<double>(counted.m_nUncompressed), category.m_nBytes,
                    category.m_nBytes * 0.02);
        EXPECT_NEAR(static_cast<double>(counted.m_nCompressed), category.m_nCompressed,
                    category.m_nCompressed * 0.10);
    }
    EXPECT_EQ(totals.All().m_nEntries, 664);
    EXPECT_EQ(totals.LongestName(), 94u);

    CArchiveScanner scanner(archive.Data(), archive.Size());
    CArchiveEntry entry;
    int nExamplesSeen = 0;
    while (scanner.Next(entry) == CArchiveScanner::STEP_ENTRY)
    {
        SCOPED_TRACE(entry.m_strName);
        const bool bExample = entry.m_strName.rfind("\\examples\\LH7400\\\\", 0) == 0;
        EXPECT_TRUE(bExample || entry.m_strName.rfind("\\instr.lib\\LH7400\\\\", 0) == 0);
        // The driver library first, then the examples.
        nExamplesSeen += bExample ? 1 : 0;
        EXPECT_TRUE(bExample || nExamplesSeen == 0);
        EXPECT_GE(entry.m_nUncompressed, 290u);
        EXPECT_EQ(entry.m_pStream[0], 0x78);
        EXPECT_EQ(entry.m_pStream[1], 0x01);
        if (entry.m_nIndex == 78)
            EXPECT_EQ(entry.m_strName,
                      "\\instr.lib\\LH7400\\\\Documentation\\KTR 7400 LabView Driver Manual.pdf");
    }
}

TEST(SampleLibrary, TheWalkAllocatesSevenBuffersUpToTheManual)
{
    CArchiveFile archive;
    std::string strError;
    ASSERT_TRUE(archive.Open(std::string(SampleFolder()) + "/payload.bin", strError)) << strError;
    // No category chosen: every entry still sizes the buffer, and nothing is written.
    CMappedFileOps files;
    CCountingBlockAlloc memory(SystemBlockAlloc());
    CPayloadReader reader(files, memory);
    EXPECT_EQ(reader.ExtractPayload(archive.Data(), archive.Size(), 0, "C:\\unmapped"), nullptr);
    EXPECT_EQ(memory.m_nAllocations, 7);
    EXPECT_EQ(memory.m_nPeakBytes, MANUAL_BYTES);
    EXPECT_EQ(memory.m_nReleases, 7);
}
} // namespace
