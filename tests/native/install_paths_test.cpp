// The paths derived from the chosen LabVIEW folder, and the folder lengths the buffers hold.
#include "InstallPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(InstallPaths, FormsTheFourPathsFromTheFolderAsGiven)
{
    CInstallState state;
    ASSERT_TRUE(FormInstallPaths(state, "D:\\LV"));
    EXPECT_STREQ(state.m_szDocDir, "D:\\LV\\instr.lib\\LH7400\\Documentation");
    EXPECT_STREQ(state.m_szExamplesDir, "D:\\LV\\examples");
    EXPECT_EQ(state.m_strManualPath,
              "D:\\LV\\instr.lib\\LH7400\\Documentation\\KTR 7400 LabView Driver Manual.pdf");
    EXPECT_EQ(state.m_strExamplesPath, "D:\\LV\\examples\\LH7400");

    // The drive root as the folder page returns it ("C:", its separator removed).
    ASSERT_TRUE(FormInstallPaths(state, "C:"));
    EXPECT_STREQ(state.m_szExamplesDir, "C:\\examples");
}

TEST(InstallPaths, FolderLengthIsBoundByTheExamplesBuffer)
{
    struct
    {
        std::size_t nLength;
        bool bFits;
    } cases[] = {{0, true}, {246, true}, {247, false}, {736, false}, {737, false}, {5000, false}};
    for (const auto& c : cases)
    {
        const std::string strFolder(c.nLength, 'x');
        EXPECT_EQ(FolderFitsInstallState(strFolder.c_str()), c.bFits) << c.nLength;

        CInstallState state;
        EXPECT_EQ(FormInstallPaths(state, strFolder.c_str()), c.bFits) << c.nLength;
        if (c.bFits)
        {
            EXPECT_EQ(std::string(state.m_szExamplesDir), strFolder + "\\examples");
            EXPECT_EQ(std::string(state.m_szDocDir),
                      strFolder + "\\instr.lib\\LH7400\\Documentation");
        }
        else
        {
            // Nothing is copied: the state keeps what it had.
            EXPECT_STREQ(state.m_szExamplesDir, "");
            EXPECT_STREQ(state.m_szDocDir, "");
            EXPECT_EQ(state.m_strManualPath, "");
            EXPECT_EQ(state.m_strExamplesPath, "");
        }
    }
}
} // namespace
