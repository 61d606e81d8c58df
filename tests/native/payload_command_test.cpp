// The "payload" command line: usage errors, help, and extraction through the installer's own
// walk into an ordinary folder.
#include "ArchiveBuilder.h"
#include "ExtractArchive.h"
#include "PayloadCommand.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
const char kDriver[] = "\\instr.lib\\LH7400\\\\Actions\\Read.vi";
const char kManual[] = "\\instr.lib\\LH7400\\\\Documentation\\Manual.pdf";
const char kExample[] = "\\examples\\LH7400\\\\DEMO\\Demo.vi";

struct CRun
{
    int m_nExit;
    std::string m_strOut;
    std::string m_strErr;
};

CRun RunTool(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int nExit = RunPayloadTool(args, out, err);
    return CRun{nExit, out.str(), err.str()};
}

TEST(PayloadCommand, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> kCases = {
        {},
        {"frobnicate"},
        {"pack", "tree"},
        {"pack", "tree", "a.bin", "extra"},
        {"pack", "tree", "a.bin", "--level", "10"},
        {"pack", "tree", "a.bin", "--level=x"},
        {"pack", "tree", "a.bin", "--level"},
        {"list", "a.bin", "--stats"},
        {"verify"},
        {"extract", "a.bin", "out", "--options", "16"},
        {"extract", "a.bin", "out", "--level", "1"},
    };
    for (const std::vector<std::string>& args : kCases)
    {
        const CRun run = RunTool(args);
        EXPECT_EQ(run.m_nExit, EXIT_USAGE) << ::testing::PrintToString(args);
        EXPECT_FALSE(run.m_strErr.empty());
        EXPECT_TRUE(run.m_strOut.empty());
    }
}

TEST(PayloadCommand, HelpForTheToolAndEachCommand)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> kCases = {
        {{"--help"}, "usage: payload <command>"},
        {{"help"}, "usage: payload <command>"},
        {{"pack", "--help"}, "usage: payload pack SRC_DIR ARCHIVE [--level N]"},
        {{"list", "-h"}, "usage: payload list ARCHIVE"},
        {{"verify", "x.bin", "--help"}, "usage: payload verify ARCHIVE"},
        {{"extract", "--help"}, "usage: payload extract ARCHIVE TARGET"},
    };
    for (const auto& help : kCases)
    {
        const CRun run = RunTool(help.first);
        EXPECT_EQ(run.m_nExit, EXIT_DONE);
        EXPECT_EQ(run.m_strOut.rfind(help.second, 0), 0u) << run.m_strOut;
    }
}

TEST(PayloadCommand, AMissingArchiveIsAProblemNotAUsageError)
{
    for (const char* pszCommand : {"list", "verify"})
    {
        const CRun run = RunTool({pszCommand, "/nonexistent/payload.bin"});
        EXPECT_EQ(run.m_nExit, EXIT_PROBLEM);
        EXPECT_NE(run.m_strErr.find("cannot be opened"), std::string::npos) << run.m_strErr;
    }
    EXPECT_EQ(RunTool({"extract", "/nonexistent/payload.bin", "/tmp/out"}).m_nExit, EXIT_PROBLEM);
}

TEST(PayloadCommand, TargetsBecomeFullPathsOnDriveZ)
{
    EXPECT_EQ(EngineTargetFolder("/tmp/LabVIEW"), "Z:\\tmp\\LabVIEW");
    EXPECT_EQ(EngineTargetFolder("/tmp/LabVIEW//"), "Z:\\tmp\\LabVIEW");
    EXPECT_EQ(EngineTargetFolder("/"), "Z:");
    char szCwd[4096];
    ASSERT_NE(getcwd(szCwd, sizeof szCwd), nullptr);
    std::string strExpected = std::string("Z:") + szCwd + "\\out\\LV";
    for (char& ch : strExpected)
        if (ch == '/')
            ch = '\\';
    EXPECT_EQ(EngineTargetFolder("out/LV"), strExpected);
}

class PayloadExtractTest : public ::testing::Test
{
protected:
    PayloadExtractTest()
    {
        const CArchiveBuilder archive = std::move(CArchiveBuilder()
                                                      .Add(kDriver, std::string(3000, 'd'))
                                                      .Add(kManual, "%PDF")
                                                      .Add(kExample, "demo")
                                                      .Terminate());
        m_temp.WriteFile("payload.bin",
                         std::string(archive.Bytes().begin(), archive.Bytes().end()));
    }
    std::string Archive() const { return m_temp.Path() + "/payload.bin"; }

    CTempFolder m_temp;
};

TEST_F(PayloadExtractTest, WritesTheChosenCategoriesReadOnlyAndReportsTheBuffer)
{
    const CRun run =
        RunTool({"extract", Archive(), m_temp.Path() + "/LV", "--options=0x1", "--stats"});
    EXPECT_EQ(run.m_nExit, EXIT_DONE) << run.m_strErr;
    // Every entry sizes the buffer, chosen or not: one block of the largest, 3,000 bytes.
    EXPECT_EQ(run.m_strOut.rfind("decompression buffer: 1 allocations, peak 3,000 bytes\n"
                                 "time in ExtractPayload: ",
                                 0),
              0u)
        << run.m_strOut;
    std::string strContent;
    EXPECT_TRUE(m_temp.ReadFile("LV/examples/LH7400/DEMO/Demo.vi", strContent));
    EXPECT_EQ(strContent, "demo");
    EXPECT_TRUE(m_temp.IsReadOnly("LV/examples/LH7400/DEMO/Demo.vi"));
    EXPECT_FALSE(m_temp.Exists("LV/instr.lib"));

    // All categories, over the read-only file already there.
    EXPECT_EQ(RunTool({"extract", Archive(), m_temp.Path() + "/LV"}).m_nExit, EXIT_DONE);
    EXPECT_TRUE(m_temp.ReadFile("LV/instr.lib/LH7400/Actions/Read.vi", strContent));
    EXPECT_EQ(strContent, std::string(3000, 'd'));
    EXPECT_TRUE(m_temp.Exists("LV/instr.lib/LH7400/Documentation/Manual.pdf"));
}

TEST_F(PayloadExtractTest, PrintsTheInstallersMessageWhenAFolderCannotBeMade)
{
    // A file where the target folder should be.
    m_temp.WriteFile("LV", "in the way");
    const CRun run = RunTool({"extract", Archive(), m_temp.Path() + "/LV"});
    EXPECT_EQ(run.m_nExit, EXIT_PROBLEM);
    EXPECT_EQ(run.m_strErr, "Could not create file <" + EngineTargetFolder(m_temp.Path()) + "\\LV" +
                                kDriver + ">\n");
}

TEST(PayloadCommand, PackVerifyAndListARoundTrip)
{
    CTempFolder temp;
    for (const char* pszFolder : {"tree", "tree/examples", "tree/examples/LH7400"})
        temp.MakeFolder(pszFolder);
    temp.WriteFile("tree/examples/LH7400/Demo.vi", "demo");
    const std::string strArchive = temp.Path() + "/a.bin";
    EXPECT_EQ(RunTool({"pack", temp.Path() + "/tree", strArchive, "--level=9"}).m_nExit, EXIT_DONE);
    const CRun verify = RunTool({"verify", strArchive});
    EXPECT_EQ(verify.m_nExit, EXIT_DONE) << verify.m_strErr;
    EXPECT_NE(verify.m_strOut.find(": sound, 1 entries, 4 bytes uncompressed"), std::string::npos)
        << verify.m_strOut;
    // "\examples\LH7400\\Demo.vi" has 25 characters; full paths have at most 255.
    EXPECT_NE(verify.m_strOut.find("longest name 25 characters (it installs below target "
                                   "folders of up to 230 characters)"),
              std::string::npos)
        << verify.m_strOut;
    const CRun list = RunTool({"list", strArchive});
    EXPECT_EQ(list.m_nExit, EXIT_DONE);
    EXPECT_NE(list.m_strOut.find("\\examples\\LH7400\\\\Demo.vi\n"), std::string::npos);

    // A damaged copy fails verification with the entry's index and offset.
    std::string strBytes;
    ASSERT_TRUE(temp.ReadFile("a.bin", strBytes));
    strBytes[264 + 4] ^= 0x55;
    temp.WriteFile("bad.bin", strBytes);
    const CRun bad = RunTool({"verify", temp.Path() + "/bad.bin"});
    EXPECT_EQ(bad.m_nExit, EXIT_PROBLEM);
    EXPECT_NE(bad.m_strErr.find("entry 1 at byte 0: "), std::string::npos) << bad.m_strErr;
}
} // namespace
