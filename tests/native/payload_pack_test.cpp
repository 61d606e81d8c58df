// "payload pack": the archive layout it writes, its order, and what it refuses.
#include "PackArchive.h"
#include "PayloadCommand.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>
#include <zlib.h>

namespace
{
struct CRecord
{
    std::string m_strName;
    std::vector<unsigned char> m_field;
    std::uint32_t m_nUncompressed;
    std::uint32_t m_nCompressed;
    std::vector<unsigned char> m_stream;
};

std::uint32_t Le32(const std::string& str, std::size_t nAt)
{
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = n << 8 | static_cast<unsigned char>(str[nAt + i]);
    return n;
}

// Reads the records up to the terminator, which must be the last 264 bytes.
std::vector<CRecord> ParseArchive(const std::string& strArchive)
{
    std::vector<CRecord> records;
    std::size_t nPos = 0;
    while (nPos + 264 <= strArchive.size() && strArchive[nPos] != '\0')
    {
        CRecord record;
        record.m_field.assign(strArchive.begin() + nPos, strArchive.begin() + nPos + 256);
        record.m_strName = strArchive.c_str() + nPos;
        record.m_nUncompressed = Le32(strArchive, nPos + 256);
        record.m_nCompressed = Le32(strArchive, nPos + 260);
        nPos += 264;
        record.m_stream.assign(strArchive.begin() + nPos,
                               strArchive.begin() + nPos + record.m_nCompressed);
        nPos += record.m_nCompressed;
        records.push_back(record);
    }
    EXPECT_EQ(nPos + 264, strArchive.size()) << "the terminator is not the last 264 bytes";
    if (nPos + 264 == strArchive.size())
    {
        EXPECT_EQ(std::string(256, '\0'), strArchive.substr(nPos, 256));
        EXPECT_EQ(Le32(strArchive, nPos + 256), 0xFFFFFFFFu);
        EXPECT_EQ(Le32(strArchive, nPos + 260), 0xFFFFFFFFu);
    }
    return records;
}

std::string Inflate(const std::vector<unsigned char>& stream, std::uint32_t nSize)
{
    std::string strOut(nSize, '\0');
    uLongf nLength = nSize;
    EXPECT_EQ(
        uncompress(reinterpret_cast<Bytef*>(strOut.data()), &nLength, stream.data(), stream.size()),
        Z_OK);
    strOut.resize(nLength);
    return strOut;
}

class PayloadPackTest : public ::testing::Test
{
public:
    // Writes a file of the tree, making its folders ("/" separated).
    void Put(const std::string& strRelative, const std::string& strContent)
    {
        m_temp.MakeFolder("tree");
        for (std::size_t n = strRelative.find('/'); n != std::string::npos;
             n = strRelative.find('/', n + 1))
            m_temp.MakeFolder("tree/" + strRelative.substr(0, n));
        m_temp.WriteFile("tree/" + strRelative, strContent);
    }

    int Pack(const std::vector<std::string>& extra = {})
    {
        std::vector<std::string> args = {"pack", Tree(), Archive()};
        args.insert(args.end(), extra.begin(), extra.end());
        m_out.str("");
        m_err.str("");
        return RunPayloadTool(args, m_out, m_err);
    }

    std::string Tree() const { return m_temp.Path() + "/tree"; }
    std::string Archive() const { return m_temp.Path() + "/payload.bin"; }
    std::string ArchiveBytes() const
    {
        std::string str;
        EXPECT_TRUE(m_temp.ReadFile("payload.bin", str));
        return str;
    }

    CTempFolder m_temp;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(PayloadPackTest, WritesFamiliesInOrderWithTheArchiveNameForm)
{
    // Upper-case order interleaves files and folders, puts "_" after the letters, takes the
    // driver library before the examples and leaves other top entries out.
    Put("instr.lib/LH7400/dir.mnu", "menu");
    Put("instr.lib/LH7400/b.vi", "b");
    Put("instr.lib/LH7400/Actions/Read.vi", "read");
    Put("instr.lib/LH7400/_Private/x.vi", "private");
    Put("instr.lib/LH7400/Zeta/z.vi", "zeta");
    Put("instr.lib/LH7400/Documentation/Manual.PDF", "%PDF-1.4");
    Put("instr.lib/AUX/aux.vi", "aux");
    Put("examples/LH7400/DEMO/Demo.vi", "demo");
    Put("examples/LH7400/Getting Started.vi", "start");
    Put("readme.txt", "not packed");
    Put("vi.lib/other.vi", "not packed");
    m_temp.MakeFolder("tree/instr.lib/LH7400/Empty");

    ASSERT_EQ(Pack(), EXIT_DONE) << m_err.str();
    const std::vector<CRecord> records = ParseArchive(ArchiveBytes());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"\\instr.lib\\AUX\\\\aux.vi", "aux"},
        {"\\instr.lib\\LH7400\\\\Actions\\Read.vi", "read"},
        {"\\instr.lib\\LH7400\\\\b.vi", "b"},
        {"\\instr.lib\\LH7400\\\\dir.mnu", "menu"},
        {"\\instr.lib\\LH7400\\\\Documentation\\Manual.PDF", "%PDF-1.4"},
        {"\\instr.lib\\LH7400\\\\Zeta\\z.vi", "zeta"},
        {"\\instr.lib\\LH7400\\\\_Private\\x.vi", "private"},
        {"\\examples\\LH7400\\\\DEMO\\Demo.vi", "demo"},
        {"\\examples\\LH7400\\\\Getting Started.vi", "start"},
    };
    ASSERT_EQ(records.size(), expected.size());
    for (std::size_t i = 0; i < records.size(); ++i)
    {
        const CRecord& record = records[i];
        EXPECT_EQ(record.m_strName, expected[i].first);
        // Name tails are zeroed.
        for (std::size_t k = record.m_strName.size(); k < 256; ++k)
            EXPECT_EQ(record.m_field[k], 0) << record.m_strName;
        EXPECT_EQ(record.m_nUncompressed, expected[i].second.size());
        ASSERT_GE(record.m_stream.size(), 2u);
        EXPECT_EQ(record.m_stream[0], 0x78);
        EXPECT_EQ(record.m_stream[1], 0x01);
        EXPECT_EQ(Inflate(record.m_stream, record.m_nUncompressed), expected[i].second);
    }
    EXPECT_NE(m_out.str().find("packed 9 files"), std::string::npos) << m_out.str();
}

TEST_F(PayloadPackTest, LevelSetsTheStreamHeaderAndEmptyFilesArePacked)
{
    Put("instr.lib/LH7400/a.vi", std::string(5000, 'a'));
    Put("instr.lib/LH7400/empty.vi", "");
    const struct
    {
        const char* m_pszLevel;
        unsigned char m_bFlags;
    } kLevels[] = {{"0", 0x01}, {"1", 0x01}, {"6", 0x9C}, {"9", 0xDA}};
    for (const auto& level : kLevels)
    {
        ASSERT_EQ(Pack({"--level", level.m_pszLevel}), EXIT_DONE) << m_err.str();
        const std::vector<CRecord> records = ParseArchive(ArchiveBytes());
        ASSERT_EQ(records.size(), 2u);
        for (const CRecord& record : records)
        {
            EXPECT_EQ(record.m_stream[0], 0x78);
            EXPECT_EQ(record.m_stream[1], level.m_bFlags) << "level " << level.m_pszLevel;
        }
        EXPECT_EQ(Inflate(records[0].m_stream, 5000), std::string(5000, 'a'));
        EXPECT_EQ(records[1].m_nUncompressed, 0u);
    }
}

TEST_F(PayloadPackTest, RefusesWhatCannotBePackedAndLeavesNoArchive)
{
    const std::string strLong(200, 'L');
    const struct
    {
        const char* m_pszWhat;
        std::function<void(PayloadPackTest&)> m_setUp;
        const char* m_pszMessage;
    } kCases[] = {
        {"a name of 256 characters",
         [&](PayloadPackTest& t)
         { t.Put("instr.lib/LH7400/" + strLong + "/" + std::string(33, 'n') + ".vi", "x"); },
         "its archive name has 256 characters"},
        {"a file of 2 GiB",
         [](PayloadPackTest& t)
         {
             t.Put("instr.lib/LH7400/huge.vi", "");
             const std::string strPath = t.Tree() + "/instr.lib/LH7400/huge.vi";
             ASSERT_EQ(truncate(strPath.c_str(), 2147483648LL), 0);
         },
         "has 2,147,483,648 bytes"},
        {"an unreadable file",
         [](PayloadPackTest& t)
         {
             t.Put("instr.lib/LH7400/ok.vi", "ok");
             ASSERT_EQ(symlink("/nonexistent/target.vi",
                               (t.Tree() + "/instr.lib/LH7400/gone.vi").c_str()),
                       0);
         },
         "gone.vi: cannot be read"},
        {"a colon", [](PayloadPackTest& t) { t.Put("instr.lib/LH7400/a:b.vi", "x"); }, "a colon"},
        {"a character Windows refuses",
         [](PayloadPackTest& t) { t.Put("instr.lib/LH7400/what?.vi", "x"); }, "does not allow"},
        {"a backslash in a name",
         [](PayloadPackTest& t) { t.Put("instr.lib/LH7400/a\\b.vi", "x"); }, "backslash"},
        {"a file outside a family folder",
         [](PayloadPackTest& t) { t.Put("examples/loose.vi", "x"); }, "family folder"},
        {"no file at all", [](PayloadPackTest& t) { t.Put("other/x.vi", "x"); }, "no files"},
    };
    for (const auto& refusal : kCases)
    {
        SCOPED_TRACE(refusal.m_pszWhat);
        PayloadPackTest& t = *this;
        m_temp.MakeFolder("tree");
        refusal.m_setUp(t);
        EXPECT_EQ(Pack(), EXIT_PROBLEM);
        EXPECT_NE(m_err.str().find(refusal.m_pszMessage), std::string::npos) << m_err.str();
        EXPECT_NE(m_err.str().find("no archive written"), std::string::npos);
        EXPECT_FALSE(m_temp.Exists("payload.bin"));
        EXPECT_FALSE(m_temp.Exists("payload.bin.partial"));
        ASSERT_EQ(std::system(("rm -rf '" + Tree() + "'").c_str()), 0);
    }
}

TEST_F(PayloadPackTest, ANameOf255CharactersFitsTheField)
{
    // "\instr.lib\LH7400\\" (19) + 200 + "\" + 32 + ".vi" = 255 characters.
    const std::string strFolder(200, 'L');
    const std::string strFile = std::string(32, 'n') + ".vi";
    Put("instr.lib/LH7400/" + strFolder + "/" + strFile, "fits");
    ASSERT_EQ(Pack(), EXIT_DONE) << m_err.str();
    const std::vector<CRecord> records = ParseArchive(ArchiveBytes());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].m_strName.size(), 255u);
    EXPECT_EQ(records[0].m_field[255], 0);
}

TEST_F(PayloadPackTest, AFailedPackKeepsThePreviousArchive)
{
    m_temp.WriteFile("payload.bin", "previous archive");
    Put("instr.lib/LH7400/a:b.vi", "x");
    EXPECT_EQ(Pack(), EXIT_PROBLEM);
    std::string strKept;
    ASSERT_TRUE(m_temp.ReadFile("payload.bin", strKept));
    EXPECT_EQ(strKept, "previous archive");
}
} // namespace
