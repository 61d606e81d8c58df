#include "Win32CommandLine.h"

#include "CommandLineOptions.h"

BOOL g_bAutorun = FALSE;

void LowerCaseMultiByte(char* pszText)
{
    CharLowerA(pszText);
}

BOOL CommandLineHasOption(const char* pszOption)
{
    return CommandLineContains(GetCommandLineA(), pszOption, LowerCaseMultiByte) ? TRUE : FALSE;
}

BOOL RestartRequestedAtExit(BOOL bAutorun)
{
    return RestartRequested(GetCommandLineA(), bAutorun != FALSE, LowerCaseMultiByte) ? TRUE
                                                                                      : FALSE;
}
