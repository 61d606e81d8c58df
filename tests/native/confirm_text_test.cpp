// The confirmation text: which string-table text, the folder inserted, and the existence test
// that chooses between them.
#include "ConfirmText.h"
#include "MappedFileOps.h"
#include "PathExists.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const char CONFIRM_DIR[] =
    "The following LabView directory has been selected:\n\n<%s>\n\nSelect 'Next' to confirm "
    "that you want to\nuse this directory, replacing any\nprevious contents with this new "
    "installation.";

TEST(ConfirmText, InsertsTheFolderBetweenTheAngleBrackets)
{
    EXPECT_EQ(FormatFolderText(CONFIRM_DIR, "D:\\LV"),
              "The following LabView directory has been selected:\n\n<D:\\LV>\n\nSelect 'Next' "
              "to confirm that you want to\nuse this directory, replacing any\nprevious contents "
              "with this new installation.");

    struct
    {
        const char* pszFormat;
        const char* pszFolder;
        const char* pszText;
    } cases[] = {
        {"<%s>", "C:\\100% %s %d", "<C:\\100% %s %d>"}, // the folder is inserted unchanged
        {"100%% <%s>", "C:", "100% <C:>"},
        {"<%s> <%s>", "C:", "<C:> <%s>"}, // only one argument is there to insert
        {"%d <%s> %", "C:", "%d <C:> %"},
        {"<%s>", "", "<>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFolderText(c.pszFormat, c.pszFolder), c.pszText) << c.pszFormat;
}

TEST(ConfirmText, ExistingFolderIsConfirmedMissingOneWarned)
{
    EXPECT_EQ(ConfirmTextId(true), WizardString::ConfirmDir);
    EXPECT_EQ(ConfirmTextId(false), WizardString::DirMissing);
    EXPECT_EQ(static_cast<unsigned>(WizardString::ConfirmDir), 13u);
    EXPECT_EQ(static_cast<unsigned>(WizardString::DirMissing), 15u);
}

TEST(PathExists, TrueForAFolderOrAFileFalseOtherwise)
{
    CTempFolder temp;
    temp.MakeFolder("LV");
    temp.WriteFile("LV/readme.txt", "x");
    CMappedFileOps files;
    files.MapDrive('D', temp.Path());

    EXPECT_EQ(PathExists("D:\\LV", files), 1);
    EXPECT_EQ(PathExists("D:\\LV\\", files), 1);
    EXPECT_EQ(PathExists("D:\\LV\\readme.txt", files), 1);
    EXPECT_EQ(PathExists("D:\\", files), 1);
    EXPECT_EQ(PathExists("D:\\Missing", files), 0);
    EXPECT_EQ(PathExists("D:\\LV\\readme.txt\\x", files), 0);
    EXPECT_EQ(PathExists("Q:\\", files), 0); // a drive that is not there
}
} // namespace
