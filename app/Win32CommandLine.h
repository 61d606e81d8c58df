// The command-line options of the running process.
#pragma once

#include <windows.h>

// TRUE when the command line at start-up contained "-autorun". Written once at start-up, read
// once at exit.
extern BOOL g_bAutorun;

// The platform's lower-casing (CharLowerA), which knows the multibyte characters of the
// system's code page.
void LowerCaseMultiByte(char* pszText);

// TRUE when pszOption (in lower case) occurs anywhere in the lower-cased command line of the
// process (GetCommandLineA: program path, quotes and arguments together).
BOOL CommandLineHasOption(const char* pszOption);

// Whether the computer is to be restarted at exit: "-restart" on the command line, or else
// bAutorun (pass g_bAutorun).
BOOL RestartRequestedAtExit(BOOL bAutorun);
