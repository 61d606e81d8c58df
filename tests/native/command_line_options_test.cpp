#include "CommandLineOptions.h"

#include <gtest/gtest.h>

namespace
{
TEST(CommandLineOptions, OptionIsAPlainSubstringOfTheLowerCasedCommandLine)
{
    struct
    {
        const char* pszCommandLine;
        bool bAutorun;
    } const cases[] = {
        {"D:\\SETUP.EXE -AUTORUN", true},
        {"\"D:\\Setup.exe\" -AutoRun", true},
        {"D:\\SETUP.EXE -autorunx", true},
        {"D:\\SETUP.EXE x-autorun", true},
        {"D:\\SETUP.EXE -autorun", true},
        {"D:\\SETUP.EXE /autorun", false},
        {"D:\\SETUP.EXE - autorun", false},
        {"D:\\SETUP.EXE", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineContains(c.pszCommandLine, AUTORUN_OPTION), c.bAutorun)
            << c.pszCommandLine;
}

TEST(CommandLineOptions, ProgramPathIsPartOfTheSearchedText)
{
    EXPECT_TRUE(CommandLineContains("\"C:\\setup-restart\\Setup.exe\"", RESTART_OPTION));
    EXPECT_TRUE(CommandLineContains("C:\\SETUP-AUTORUN\\SETUP.EXE", AUTORUN_OPTION));
}

TEST(CommandLineOptions, CommandLineIsLowerCasedWithTheGivenFunction)
{
    // The platform's lower-casing decides, not a fixed table: one that leaves the text alone
    // finds no upper-case option.
    EXPECT_FALSE(CommandLineContains("D:\\SETUP.EXE -AUTORUN", AUTORUN_OPTION, [](char*) {}));
    EXPECT_TRUE(CommandLineContains("D:\\SETUP.EXE -autorun", AUTORUN_OPTION, [](char*) {}));
}

TEST(CommandLineOptions, RestartAtExitForMinusRestartOrElseAutorun)
{
    struct
    {
        const char* pszCommandLine;
        bool bAutorun;
        bool bRestart;
    } const cases[] = {
        {"D:\\SETUP.EXE", false, false},
        {"D:\\SETUP.EXE", true, true},
        {"D:\\SETUP.EXE -RESTART", false, true},
        {"D:\\SETUP.EXE -restart", true, true},
        {"D:\\SETUP.EXE /restart", false, false},
        {"\"C:\\setup-restart\\Setup.exe\"", false, true},
        // "-autorun" on the command line counts only through what start-up saw.
        {"D:\\SETUP.EXE -autorun", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RestartRequested(c.pszCommandLine, c.bAutorun), c.bRestart)
            << c.pszCommandLine << " autorun " << c.bAutorun;
}

TEST(CommandLineOptions, AsciiLowerCasingLeavesOtherBytesAlone)
{
    char szText[] = "AZaz09-\\\xC4\xDC@[";
    LowerCaseAscii(szText);
    EXPECT_STREQ(szText, "azaz09-\\\xC4\xDC@[");
}
} // namespace
