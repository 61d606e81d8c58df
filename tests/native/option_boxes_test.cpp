// The options page's boxes, their bits and the probe for the Acrobat Reader installer.
#include "MappedFileOps.h"
#include "OptionBits.h"
#include "OptionBoxes.h"
#include "ResourceIds.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
TEST(OptionBoxes, StartWithTheThreeInstallChoicesAndAcrobatOnlyWhenPresent)
{
    EXPECT_EQ(InitialOptions(false), 7);
    EXPECT_EQ(InitialOptions(true), 15);
    for (const COptionBox& box : g_aOptionBoxes)
    {
        EXPECT_TRUE(IsOptionBoxEnabled(box.nBit, true)) << box.nControlId;
        EXPECT_EQ(IsOptionBoxEnabled(box.nBit, false), box.nBit != INSTALL_ACROBAT)
            << box.nControlId;
    }
}

TEST(OptionBoxes, CollectsTheBitsOfTheCheckedBoxes)
{
    struct Case
    {
        std::set<int> checked;
        int nOptions;
    };
    const Case cases[] = {
        {{}, 0},
        {{IDC_OPT_ACROBAT}, 8},
        {{IDC_OPT_DRIVERS}, 2},
        {{IDC_OPT_EXAMPLES}, 1},
        {{IDC_OPT_MANUALS}, 4},
        {{IDC_OPT_DRIVERS, IDC_OPT_MANUALS}, 6},
        {{IDC_OPT_EXAMPLES, IDC_OPT_DRIVERS, IDC_OPT_MANUALS, IDC_OPT_ACROBAT}, 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CollectOptions([&](int nId) { return c.checked.count(nId) != 0; }), c.nOptions);
}

TEST(OptionBoxes, TheInstallerIsPresentWhenItOpensForReading)
{
    CTempFolder temp;
    CMappedFileOps fileOps;
    fileOps.MapDrive('D', temp.Path());
    EXPECT_FALSE(ProbeInstaller("D:\\AcroRead\\Setup.exe", fileOps));
    temp.MakeFolder("AcroRead");
    temp.WriteFile("AcroRead/Setup.exe", "MZ");
    EXPECT_TRUE(ProbeInstaller("D:\\AcroRead\\Setup.exe", fileOps));
    EXPECT_TRUE(ProbeInstaller("D:\\\\AcroRead\\Setup.exe", fileOps)); // a doubled separator
    EXPECT_FALSE(ProbeInstaller("", fileOps));

    // 255 characters fit the page's buffer; one more is refused, though the file is there.
    for (std::size_t nName : {233u, 234u})
    {
        const std::string strName(nName, 'f');
        temp.MakeFolder(strName);
        temp.MakeFolder(strName + "/AcroRead");
        temp.WriteFile(strName + "/AcroRead/Setup.exe", "MZ");
        const std::string strPath = "D:\\" + strName + "\\AcroRead\\Setup.exe";
        EXPECT_EQ(ProbeInstaller(strPath.c_str(), fileOps), strPath.size() <= 255)
            << strPath.size();
    }
}
} // namespace
