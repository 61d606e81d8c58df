#include "ArchiveBuilder.h"
#include "EngineTexts.h"
#include "MappedFileOps.h"
#include "OptionBits.h"
#include "PayloadReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
const char kLib[] = "\\instr.lib\\LH7400\\\\";
const char kManual[] = "\\instr.lib\\LH7400\\\\Documentation\\KTR 7400 LabView Driver Manual.pdf";
const char kExample[] = "\\examples\\LH7400\\\\Demo\\Demo.vi";

// The stand-in with faults to inject: opening or writing a path that contains a marker fails.
class CFaultyFiles : public CMappedFileOps
{
public:
    void* Open(const char* pszPath, const char* pszMode) override
    {
        if (!m_strFailOpen.empty() && std::strstr(pszPath, m_strFailOpen.c_str()))
            return nullptr;
        void* pFile = CMappedFileOps::Open(pszPath, pszMode);
        if (pFile && !m_strShortWrite.empty() && std::strstr(pszPath, m_strShortWrite.c_str()))
            m_pShortFile = pFile;
        return pFile;
    }
    std::size_t Write(const void* pData, std::size_t nSize, std::size_t nCount,
                      void* pFile) override
    {
        if (pFile == m_pShortFile)
            nCount /= 2;
        return CMappedFileOps::Write(pData, nSize, nCount, pFile);
    }
    int Close(void* pFile) override
    {
        ++m_nCloses;
        return CMappedFileOps::Close(pFile);
    }

    std::string m_strFailOpen;
    std::string m_strShortWrite;
    void* m_pShortFile = nullptr;
    int m_nCloses = 0;
};

// Counts blocks and can refuse the n-th allocation.
class CTestAlloc : public CBlockAlloc
{
public:
    void* Allocate(std::size_t nBytes) override
    {
        if (++m_nCalls == m_nFailAt)
            return nullptr;
        ++m_nLive;
        m_sizes.push_back(nBytes);
        return SystemBlockAlloc().Allocate(nBytes);
    }
    void Release(void* pBlock) override
    {
        --m_nLive;
        SystemBlockAlloc().Release(pBlock);
    }
    int m_nCalls = 0;
    int m_nFailAt = 0;
    int m_nLive = 0;
    std::vector<std::size_t> m_sizes;
};

class PayloadReaderTest : public ::testing::Test
{
protected:
    PayloadReaderTest() { m_files.MapDrive('C', m_temp.Path()); }

    const char* Extract(const CArchiveBuilder& archive, int nOptions,
                        const char* pszTarget = "C:\\LV")
    {
        CPayloadReader reader(m_files, m_alloc);
        const char* pszResult = reader.ExtractPayload(archive.Bytes().data(),
                                                      archive.Bytes().size(), nOptions, pszTarget);
        EXPECT_EQ(m_alloc.m_nLive, 0) << "the decompression buffer must be released";
        return pszResult;
    }
    std::string Read(const std::string& strRelative)
    {
        std::string strContent;
        EXPECT_TRUE(m_temp.ReadFile(strRelative, strContent)) << strRelative;
        return strContent;
    }

    CTempFolder m_temp;
    CFaultyFiles m_files;
    CTestAlloc m_alloc;
};

CArchiveBuilder Sample()
{
    CArchiveBuilder archive;
    archive.Add(std::string(kLib) + "dir.mnu", std::string(300, 'm'))
        .Add(kManual, std::string(2000, 'p'))
        .Add(std::string(kLib) + "Actions\\LH7400 Start.vi", "start vi content")
        .Add(kExample, std::string(500, 'e'))
        .Terminate();
    return archive;
}

TEST_F(PayloadReaderTest, TerminatorAloneIsAnEmptyArchive)
{
    EXPECT_EQ(Extract(CArchiveBuilder().Terminate(), 7), nullptr);
    EXPECT_EQ(m_alloc.m_nCalls, 0);
}

TEST_F(PayloadReaderTest, TerminatorIsKnownByItsFirstByteAlone)
{
    CArchiveBuilder archive;
    archive.Add(kExample, "x").Terminate(0xAB, 0x12345678);
    EXPECT_EQ(Extract(archive, 7), nullptr);
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "x");
}

TEST_F(PayloadReaderTest, OnlyTheChosenCategoriesAreWritten)
{
    struct Case
    {
        int nOptions;
        bool bLib, bManual, bExample;
    };
    const Case kCases[] = {
        {INSTALL_EXAMPLES, false, false, true}, {INSTALL_DRIVERS, true, false, false},
        {INSTALL_MANUALS, false, true, false},  {7, true, true, true},
        {INSTALL_ACROBAT, false, false, false}, {0, false, false, false},
    };
    for (const Case& c : kCases)
    {
        CTempFolder temp;
        m_files.MapDrive('C', temp.Path());
        EXPECT_EQ(Extract(Sample(), c.nOptions), nullptr);
        EXPECT_EQ(temp.Exists("LV/instr.lib/LH7400/dir.mnu"), c.bLib) << c.nOptions;
        EXPECT_EQ(temp.Exists("LV/instr.lib/LH7400/Actions/LH7400 Start.vi"), c.bLib);
        EXPECT_EQ(temp.Exists("LV/instr.lib/LH7400/Documentation/"
                              "KTR 7400 LabView Driver Manual.pdf"),
                  c.bManual);
        EXPECT_EQ(temp.Exists("LV/examples/LH7400/Demo/Demo.vi"), c.bExample);
    }
}

TEST_F(PayloadReaderTest, WrittenFilesHaveTheirContentAndAreReadOnly)
{
    ASSERT_EQ(Extract(Sample(), 7), nullptr);
    EXPECT_EQ(Read("LV/instr.lib/LH7400/Actions/LH7400 Start.vi"), "start vi content");
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), std::string(500, 'e'));
    EXPECT_TRUE(m_temp.IsReadOnly("LV/instr.lib/LH7400/dir.mnu"));
    EXPECT_TRUE(m_temp.IsReadOnly("LV/examples/LH7400/Demo/Demo.vi"));
    // The current folder is left at the folder of the last written file.
    EXPECT_EQ(m_files.CurrentDirectory(), "C:\\LV\\examples\\LH7400\\Demo");
}

TEST_F(PayloadReaderTest, ExistingReadOnlyFileIsReplaced)
{
    ASSERT_EQ(Extract(CArchiveBuilder().Add(kExample, "old").Terminate(), 7), nullptr);
    ASSERT_TRUE(m_temp.IsReadOnly("LV/examples/LH7400/Demo/Demo.vi"));
    ASSERT_EQ(Extract(CArchiveBuilder().Add(kExample, "new!").Terminate(), 7), nullptr);
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "new!");
    EXPECT_TRUE(m_temp.IsReadOnly("LV/examples/LH7400/Demo/Demo.vi"));
}

TEST_F(PayloadReaderTest, BufferGrowsOnlyToExactNewMaximaWhateverIsChosen)
{
    CArchiveBuilder archive;
    archive.Add(kExample, std::string(10, 'a'))
        .Add(std::string(kLib) + "a.vi", std::string(5, 'b'))
        .Add(std::string(kLib) + "b.vi", std::string(20, 'c'))
        .Add(std::string(kLib) + "c.vi", std::string(20, 'd'))
        .Add(kManual, std::string(30, 'e'))
        .Add(std::string(kLib) + "d.vi", std::string(7, 'f'))
        .Terminate();
    for (int nOptions : {0, INSTALL_EXAMPLES, 7})
    {
        CTestAlloc alloc;
        CPayloadReader reader(m_files, alloc);
        EXPECT_EQ(reader.ExtractPayload(archive.Bytes().data(), archive.Bytes().size(), nOptions,
                                        "C:\\LV"),
                  nullptr);
        EXPECT_EQ(alloc.m_sizes, (std::vector<std::size_t>{10, 20, 30})) << nOptions;
        EXPECT_EQ(alloc.m_nLive, 0);
    }
}

TEST_F(PayloadReaderTest, NameTailsAfterTheNulAreIgnored)
{
    std::vector<unsigned char> field(256, 'Z');
    std::string strName = kExample;
    std::memcpy(field.data(), strName.c_str(), strName.size() + 1);
    ASSERT_EQ(Extract(CArchiveBuilder().AddField(field, "tail").Terminate(), 7), nullptr);
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "tail");
}

TEST_F(PayloadReaderTest, StreamThatInflatesShortGivesTheShorterFile)
{
    std::vector<unsigned char> stream = Compress("12345");
    CArchiveBuilder archive;
    archive.AddRaw(kExample, 100, static_cast<std::uint32_t>(stream.size()), stream).Terminate();
    ASSERT_EQ(Extract(archive, 7), nullptr);
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "12345");
}

TEST_F(PayloadReaderTest, DecompressionErrorsOfChosenEntriesOnly)
{
    std::vector<unsigned char> longStream = Compress(std::string(50, 'x'));
    std::vector<unsigned char> corrupt = Compress("some content");
    corrupt[3] ^= 0xFF;
    corrupt.back() ^= 0xFF;
    struct Case
    {
        std::uint32_t nDeclared;
        std::vector<unsigned char> stream;
    };
    for (const Case& c : {Case{10, longStream}, Case{12, corrupt}})
    {
        CArchiveBuilder archive;
        archive.AddRaw(kExample, c.nDeclared, static_cast<std::uint32_t>(c.stream.size()), c.stream)
            .Add(std::string(kLib) + "after.vi", "after")
            .Terminate();
        // Not chosen: never looked at.
        EXPECT_EQ(Extract(archive, INSTALL_DRIVERS), nullptr);
        m_temp.MakeFolder("LV/examples");
        m_temp.MakeFolder("LV/examples/LH7400");
        m_temp.MakeFolder("LV/examples/LH7400/Demo");
        m_temp.WriteFile("LV/examples/LH7400/Demo/Demo.vi", "existing");
        EXPECT_STREQ(Extract(archive, 7), "Decompression error");
        EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "existing");
    }
}

TEST_F(PayloadReaderTest, FailureAtTheNthEntryKeepsTheEarlierOnes)
{
    CArchiveBuilder archive;
    archive.Add(std::string(kLib) + "one.vi", "1")
        .Add(std::string(kLib) + "two.vi", "2")
        .Add(std::string(kLib) + "three.vi", "3")
        .Add(std::string(kLib) + "four.vi", "4")
        .Terminate();
    m_files.m_strFailOpen = "three.vi";
    EXPECT_STREQ(Extract(archive, 7),
                 "Could not create file <C:\\LV\\instr.lib\\LH7400\\\\three.vi>");
    EXPECT_TRUE(m_temp.IsReadOnly("LV/instr.lib/LH7400/one.vi"));
    EXPECT_TRUE(m_temp.IsReadOnly("LV/instr.lib/LH7400/two.vi"));
    EXPECT_FALSE(m_temp.Exists("LV/instr.lib/LH7400/four.vi"));
}

TEST_F(PayloadReaderTest, FolderThatCannotBeCreatedNamesTheFile)
{
    m_temp.MakeFolder("LV");
    m_temp.WriteFile("LV/examples", "a file where a folder belongs");
    EXPECT_STREQ(Extract(Sample(), 7),
                 "Could not create file <C:\\LV\\examples\\LH7400\\\\Demo\\Demo.vi>");
}

TEST_F(PayloadReaderTest, ExistingFileIsDeletedBeforeAFailedOpen)
{
    ASSERT_EQ(Extract(CArchiveBuilder().Add(kExample, "old").Terminate(), 7), nullptr);
    m_files.m_strFailOpen = "Demo.vi";
    EXPECT_STREQ(Extract(CArchiveBuilder().Add(kExample, "new").Terminate(), 7),
                 "Could not create file <C:\\LV\\examples\\LH7400\\\\Demo\\Demo.vi>");
    EXPECT_FALSE(m_temp.Exists("LV/examples/LH7400/Demo/Demo.vi"));
}

TEST_F(PayloadReaderTest, ShortWriteLeavesTheFileWritableAndClosed)
{
    m_files.m_strShortWrite = "Demo.vi";
    EXPECT_STREQ(Extract(CArchiveBuilder().Add(kExample, "0123456789").Terminate(), 7),
                 "Could not write to file <C:\\LV\\examples\\LH7400\\\\Demo\\Demo.vi>");
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "01234");
    EXPECT_FALSE(m_temp.IsReadOnly("LV/examples/LH7400/Demo/Demo.vi"));
    EXPECT_EQ(m_files.m_nCloses, 1);
}

TEST_F(PayloadReaderTest, AllocationFailureTouchesNoFile)
{
    CArchiveBuilder archive;
    archive.Add(kExample, "small")
        .Add(std::string(kLib) + "big.vi", std::string(100, 'b'))
        .Terminate();
    m_alloc.m_nFailAt = 2; // the growth at the second entry
    EXPECT_STREQ(Extract(archive, 7), "Memory allocation error");
    EXPECT_TRUE(m_temp.Exists("LV/examples/LH7400/Demo/Demo.vi"));
    EXPECT_FALSE(m_temp.Exists("LV/instr.lib"));
}

TEST_F(PayloadReaderTest, MalformedArchivesAreNeverReadBeyondTheirEnd)
{
    const std::vector<unsigned char> full = Sample().Bytes();
    // Every cut of a sound archive is malformed: a missing terminator, a cut name field, cut
    // sizes or a cut stream.
    for (std::size_t nCut :
         {std::size_t(0), std::size_t(1), std::size_t(100), std::size_t(259), std::size_t(264),
          std::size_t(270), full.size() - 264, full.size() - 9})
    {
        std::vector<unsigned char> cut(full.begin(), full.begin() + nCut);
        CPayloadReader reader(m_files, m_alloc);
        EXPECT_STREQ(reader.ExtractPayload(cut.data(), cut.size(), 7, "C:\\LV"),
                     "Decompression error")
            << nCut;
        EXPECT_EQ(m_alloc.m_nLive, 0);
    }
    // The terminator's size fields are never read, so an archive may end without them.
    std::vector<unsigned char> noSizes(full.begin(), full.end() - 8);
    CPayloadReader reader(m_files, m_alloc);
    EXPECT_EQ(reader.ExtractPayload(noSizes.data(), noSizes.size(), 7, "C:\\LV"), nullptr);
}

TEST_F(PayloadReaderTest, MalformedRecordsFailAsDecompressionErrors)
{
    std::vector<unsigned char> stream = Compress("abc");
    std::vector<unsigned char> noNul(256, 'A');
    const CArchiveBuilder kCases[] = {
        // Sizes of 2^31 or more would turn negative in a signed comparison.
        CArchiveBuilder().AddRaw(kExample, 0x80000000u, 11, stream).Terminate(),
        CArchiveBuilder().AddRaw(kExample, 0xFFFFFFFFu, 11, stream).Terminate(),
        CArchiveBuilder().AddRaw(kExample, 3, 0x80000000u, stream).Terminate(),
        // A stream that claims more bytes than remain.
        CArchiveBuilder().AddRaw(kExample, 3, 100000, stream).Terminate(),
        // A name field without its NUL.
        CArchiveBuilder().AddField(noNul, "abc").Terminate(),
    };
    for (const CArchiveBuilder& archive : kCases)
        for (int nOptions : {0, 7})
            EXPECT_STREQ(Extract(archive, nOptions), "Decompression error");
}

TEST_F(PayloadReaderTest, NamesThatLeaveTheTargetAreRefused)
{
    for (const char* pszName :
         {"\\..\\evil.vi", "\\instr.lib\\..\\..\\evil.vi", "\\a/../../evil.vi", "\\C:evil.vi",
          "\\x\\file.vi:stream", "\\..", "2\\evil.vi"})
    {
        std::string strExpected = std::string("Could not create file <C:\\LV") + pszName + ">";
        EXPECT_EQ(Extract(CArchiveBuilder().Add(pszName, "bad").Terminate(), 7), strExpected);
        EXPECT_FALSE(m_temp.Exists("evil.vi"));
        EXPECT_FALSE(m_temp.Exists("LV"));
        EXPECT_FALSE(m_temp.Exists("LV2"));
    }
    // A component that merely begins with two dots is a name like any other.
    EXPECT_EQ(Extract(CArchiveBuilder().Add("\\x\\..y\\ok.vi", "ok").Terminate(), 7), nullptr);
    EXPECT_EQ(Read("LV/x/..y/ok.vi"), "ok");
}

TEST_F(PayloadReaderTest, FullPathsOverTheLimitAreRefusedWithABoundedMessage)
{
    std::string strTarget = "C:\\" + std::string(160, 'T');
    std::string strName = "\\" + std::string(94, 'n'); // 164 + 95 = 259 characters
    const char* pszResult =
        Extract(CArchiveBuilder().Add(strName, "x").Terminate(), 7, strTarget.c_str());
    ASSERT_NE(pszResult, nullptr);
    EXPECT_EQ(std::string(pszResult).rfind("Could not create file <C:\\TTT", 0), 0u);
    EXPECT_LE(std::strlen(pszResult), 259u);
    EXPECT_FALSE(m_temp.Exists(std::string(160, 'T')));
}

TEST_F(PayloadReaderTest, WriteMessageForTheLongestPathIsCutNotOverflowed)
{
    std::string strTarget = "C:\\" + std::string(150, 'T');
    std::string strName = "\\" + std::string(100, 'n'); // 254 characters in all
    m_files.m_strShortWrite = "nnnn";
    const char* pszResult =
        Extract(CArchiveBuilder().Add(strName, "0123456789").Terminate(), 7, strTarget.c_str());
    ASSERT_NE(pszResult, nullptr);
    EXPECT_EQ(std::string(pszResult).rfind("Could not write to file <C:\\TTT", 0), 0u);
    EXPECT_EQ(std::strlen(pszResult), 259u);
}

TEST_F(PayloadReaderTest, EmptyEntryGivesAnEmptyFile)
{
    CArchiveBuilder archive;
    archive.Add(kExample, "").Add(std::string(kLib) + "next.vi", "next").Terminate();
    ASSERT_EQ(Extract(archive, 7), nullptr);
    EXPECT_EQ(Read("LV/examples/LH7400/Demo/Demo.vi"), "");
    EXPECT_TRUE(m_temp.IsReadOnly("LV/examples/LH7400/Demo/Demo.vi"));
    EXPECT_EQ(m_alloc.m_sizes, (std::vector<std::size_t>{4}));
}

TEST_F(PayloadReaderTest, EveryCallStartsFromTheFirstRecord)
{
    CArchiveBuilder archive = Sample();
    CPayloadReader reader(m_files, m_alloc);
    EXPECT_EQ(reader.ExtractPayload(archive.Bytes().data(), archive.Bytes().size(),
                                    INSTALL_EXAMPLES, "C:\\A"),
              nullptr);
    EXPECT_EQ(reader.m_pPayloadPos, archive.Bytes().data() + archive.Bytes().size() - 8);
    EXPECT_EQ(reader.ExtractPayload(archive.Bytes().data(), archive.Bytes().size(),
                                    INSTALL_EXAMPLES, "C:\\B"),
              nullptr);
    EXPECT_TRUE(m_temp.Exists("A/examples/LH7400/Demo/Demo.vi"));
    EXPECT_TRUE(m_temp.Exists("B/examples/LH7400/Demo/Demo.vi"));
}
} // namespace
