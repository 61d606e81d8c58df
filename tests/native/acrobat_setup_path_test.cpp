// Where the Acrobat Reader installer is looked for, from the program's command line.
#include "AcrobatSetupPath.h"
#include "MappedFileOps.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct PathCase
{
    const char* pszCommandLine;
    const char* pszExpected;
};

TEST(AcrobatSetupPath, CutsAtTheLastBackslashDropsALeadingQuoteAndResolves)
{
    CTempFolder temp;
    CMappedFileOps fileOps;
    fileOps.MapDrive('C', temp.Path());
    temp.MakeFolder("Temp");
    ASSERT_EQ(fileOps.ChangeDir("C:\\Temp"), 0);

    const PathCase cases[] = {
        // The cut leaves 'D:', whose full path is the drive's root: a doubled separator.
        {"D:\\SETUP.EXE -autorun", "D:\\\\AcroRead\\Setup.exe"},
        {"\"D:\\Disk 1\\Setup.exe\" -autorun", "D:\\Disk 1\\AcroRead\\Setup.exe"},
        {"\"D:\\Disk 1\\Setup.exe\"", "D:\\Disk 1\\AcroRead\\Setup.exe"},
        // No backslash: nothing is cut, the whole text is resolved in the current folder.
        {"setup -autorun", "C:\\Temp\\setup -autorun\\AcroRead\\Setup.exe"},
        // A backslash in an argument moves the cut into it.
        {"D:\\SETUP.EXE -x C:\\foo", "D:\\SETUP.EXE -x C:\\AcroRead\\Setup.exe"},
        // Only a leading quote goes, and only after the cut.
        {"D:\\Disk\"1\\Setup.exe", "D:\\Disk\"1\\AcroRead\\Setup.exe"},
        // Relative folders resolve against the current folder.
        {"cd\\setup.exe", "C:\\Temp\\cd\\AcroRead\\Setup.exe"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(std::string(GetAcrobatSetupPath(c.pszCommandLine, fileOps)), c.pszExpected)
            << c.pszCommandLine;
}

TEST(AcrobatSetupPath, AFolderWithoutAFullPathWithin255CharactersGivesNoPath)
{
    CMappedFileOps fileOps;
    const std::string strFits = "D:\\" + std::string(252, 'f');
    EXPECT_EQ(std::string(GetAcrobatSetupPath((strFits + "\\Setup.exe").c_str(), fileOps)),
              strFits + "\\AcroRead\\Setup.exe");
    const std::string strLong = "D:\\" + std::string(253, 'f');
    EXPECT_TRUE(GetAcrobatSetupPath((strLong + "\\Setup.exe").c_str(), fileOps).IsEmpty());
    // Nothing left to resolve.
    EXPECT_TRUE(GetAcrobatSetupPath("\"\\Setup.exe\"", fileOps).IsEmpty());
    EXPECT_TRUE(GetAcrobatSetupPath("", fileOps).IsEmpty());
}
} // namespace
