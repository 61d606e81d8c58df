// The engine against the real file calls of Windows (run under Wine).
#include "ArchiveBuilder.h"
#include "DirectoryPath.h"
#include "FileOps.h"
#include "OptionBits.h"
#include "PayloadReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
std::string CurrentFolder()
{
    char szFolder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szFolder);
    return szFolder;
}

TEST(EngineOnWindows, WritesTheArchiveReadOnlyIntoRealFolders)
{
    CTempFolder temp;
    const std::string strTarget = temp.Path() + "\\LabVIEW 7.0";
    CArchiveBuilder archive;
    archive.Add("\\instr.lib\\LH7400\\\\dir.mnu", std::string(400, 'd'))
        .Add("\\instr.lib\\LH7400\\\\Documentation\\KTR 7400 LabView Driver Manual.pdf",
             "%PDF-1.4 manual")
        .Add("\\examples\\LH7400\\\\DEMO\\Demo.vi", "demo")
        .Terminate();

    ASSERT_EQ(CreateDirectoryPath(strTarget.c_str(), SystemFileOps()), 0);
    CPayloadReader reader(SystemFileOps(), SystemBlockAlloc());
    ASSERT_EQ(
        reader.ExtractPayload(archive.Bytes().data(), archive.Bytes().size(), 7, strTarget.c_str()),
        nullptr);

    std::string strContent;
    ASSERT_TRUE(temp.ReadFile("LabVIEW 7.0\\instr.lib\\LH7400\\dir.mnu", strContent));
    EXPECT_EQ(strContent, std::string(400, 'd'));
    EXPECT_TRUE(temp.IsReadOnly("LabVIEW 7.0\\instr.lib\\LH7400\\dir.mnu"));
    EXPECT_TRUE(temp.IsReadOnly(
        "LabVIEW 7.0\\instr.lib\\LH7400\\Documentation\\KTR 7400 LabView Driver Manual.pdf"));
    ASSERT_TRUE(temp.ReadFile("LabVIEW 7.0\\examples\\LH7400\\DEMO\\Demo.vi", strContent));
    EXPECT_EQ(strContent, "demo");
    // The current folder stays at the folder of the last written file.
    EXPECT_EQ(CurrentFolder(), strTarget + "\\examples\\LH7400\\DEMO");

    // A second run replaces the read-only files and leaves them read-only again.
    CArchiveBuilder update;
    update.Add("\\examples\\LH7400\\\\DEMO\\Demo.vi", "demo, second edition").Terminate();
    ASSERT_EQ(
        reader.ExtractPayload(update.Bytes().data(), update.Bytes().size(), 7, strTarget.c_str()),
        nullptr);
    ASSERT_TRUE(temp.ReadFile("LabVIEW 7.0\\examples\\LH7400\\DEMO\\Demo.vi", strContent));
    EXPECT_EQ(strContent, "demo, second edition");
    EXPECT_TRUE(temp.IsReadOnly("LabVIEW 7.0\\examples\\LH7400\\DEMO\\Demo.vi"));
    SetCurrentDirectoryA("C:\\");
}

TEST(EngineOnWindows, CreatesFoldersAlongThePathAndStopsAtAFile)
{
    CTempFolder temp;
    const std::string strDeep = temp.Path() + "\\one\\two\\\\three\\";
    EXPECT_EQ(CreateDirectoryPath(strDeep.c_str(), SystemFileOps()), 0);
    EXPECT_TRUE(temp.Exists("one\\two\\three"));
    EXPECT_EQ(CurrentFolder(), temp.Path() + "\\one\\two\\three");

    temp.WriteFile("one\\file", "x");
    const std::string strThroughFile = temp.Path() + "\\one\\file\\four";
    EXPECT_EQ(CreateDirectoryPath(strThroughFile.c_str(), SystemFileOps()), 1);
    EXPECT_FALSE(temp.Exists("one\\file\\four"));
    EXPECT_EQ(CurrentFolder(), temp.Path() + "\\one");

    EXPECT_EQ(CreateDirectoryPath("C:\\", SystemFileOps()), 0);
    EXPECT_EQ(CurrentFolder(), "C:\\");
}

TEST(EngineOnWindows, FolderBlockedByAFileNamesTheEntry)
{
    CTempFolder temp;
    temp.WriteFile("examples", "not a folder");
    CArchiveBuilder archive;
    archive.Add("\\examples\\LH7400\\\\Demo.vi", "demo").Terminate();
    CPayloadReader reader(SystemFileOps(), SystemBlockAlloc());
    const char* pszResult = reader.ExtractPayload(archive.Bytes().data(), archive.Bytes().size(), 7,
                                                  temp.Path().c_str());
    ASSERT_NE(pszResult, nullptr);
    EXPECT_EQ(std::string(pszResult),
              "Could not create file <" + temp.Path() + "\\examples\\LH7400\\\\Demo.vi>");
    SetCurrentDirectoryA("C:\\");
}
} // namespace
