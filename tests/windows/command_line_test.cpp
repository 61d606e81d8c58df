// The command-line options read from the real command line of a process: the test starts
// copies of itself with chosen command lines and reads the answers from their exit codes.
#include "CommandLineOptions.h"
#include "Win32CommandLine.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
constexpr const char* PROBE_VARIABLE = "SETUP_TEST_OPTION_PROBE";
constexpr DWORD PROBE_ANSWER = 0x100;
constexpr DWORD PROBE_AUTORUN = 1;
constexpr DWORD PROBE_RESTART_AT_EXIT = 2;
constexpr DWORD PROBE_UNSET_AT_LOAD = 4;

// Started as a probe, the program answers before any test runs, as Setup.exe decides: the
// "-autorun" of start-up, then the restart decision at exit.
bool AnswerIfProbe()
{
    char szValue[4];
    if (GetEnvironmentVariableA(PROBE_VARIABLE, szValue, sizeof(szValue)) == 0)
        return false;
    DWORD nAnswer = PROBE_ANSWER | (g_bAutorun == FALSE ? PROBE_UNSET_AT_LOAD : 0);
    g_bAutorun = CommandLineHasOption(AUTORUN_OPTION);
    if (g_bAutorun)
        nAnswer |= PROBE_AUTORUN;
    if (RestartRequestedAtExit(g_bAutorun))
        nAnswer |= PROBE_RESTART_AT_EXIT;
    ExitProcess(nAnswer);
}
const bool g_bProbe = AnswerIfProbe();

// The probe's answer for a command line, or 0 when it could not be started.
DWORD ProbeCommandLine(const std::string& strCommandLine)
{
    char szProgram[MAX_PATH];
    GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strMutable = strCommandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    SetEnvironmentVariableA(PROBE_VARIABLE, "1");
    const BOOL bStarted = CreateProcessA(szProgram, &strMutable[0], nullptr, nullptr, FALSE, 0,
                                         nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA(PROBE_VARIABLE, nullptr);
    if (!bStarted)
        return 0;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD nExitCode = 0;
    GetExitCodeProcess(process.hProcess, &nExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return nExitCode;
}

TEST(CommandLineOnWindows, OptionsAreFoundInTheWholeLowerCasedCommandLine)
{
    struct
    {
        const char* pszCommandLine;
        bool bAutorun;
        bool bRestart;
    } const cases[] = {
        {"D:\\SETUP.EXE -AUTORUN", true, true},
        {"D:\\SETUP.EXE -autorunx", true, true},
        {"D:\\SETUP.EXE x-autorun", true, true},
        {"D:\\SETUP.EXE /autorun", false, false},
        {"D:\\SETUP.EXE", false, false},
        {"D:\\SETUP.EXE -Restart", false, true},
        {"D:\\SETUP.EXE /restart", false, false},
        // The program path is part of the searched text.
        {"\"C:\\setup-restart\\Setup.exe\"", false, true},
        {"\"C:\\Gr\xD6\xDF"
         "e\\SETUP-AUTORUN\\SETUP.EXE\"",
         true, true},
    };
    for (const auto& c : cases)
    {
        const DWORD nAnswer = ProbeCommandLine(c.pszCommandLine);
        ASSERT_EQ(nAnswer & ~7u, PROBE_ANSWER) << c.pszCommandLine;
        EXPECT_TRUE(nAnswer & PROBE_UNSET_AT_LOAD) << c.pszCommandLine;
        EXPECT_EQ((nAnswer & PROBE_AUTORUN) != 0, c.bAutorun) << c.pszCommandLine;
        EXPECT_EQ((nAnswer & PROBE_RESTART_AT_EXIT) != 0, c.bRestart) << c.pszCommandLine;
    }
}

TEST(CommandLineOnWindows, PlatformLowerCasingKnowsTheCodePage)
{
    // Upper-case letters beyond ASCII are lowered as well (in the system's code page); the
    // options themselves are plain ASCII and found all the same.
    char szText[] = "C:\\\xC4RGER\\-RESTART";
    char szExpected[] = "c:\\\xE4rger\\-restart";
    if (GetACP() != 1252)
        GTEST_SKIP() << "code page " << GetACP();
    LowerCaseMultiByte(szText);
    EXPECT_STREQ(szText, szExpected);
    EXPECT_TRUE(CommandLineContains("C:\\\xC4RGER\\-RESTART", RESTART_OPTION, LowerCaseMultiByte));
}
} // namespace
