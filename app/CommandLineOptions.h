// The program's two command-line options and the restart decision made from them.
#pragma once

// Either one, anywhere in the lower-cased command line, makes the program restart the computer
// when it ends: "-autorun" is read at start-up, "-restart" at exit.
constexpr const char* AUTORUN_OPTION = "-autorun";
constexpr const char* RESTART_OPTION = "-restart";

// The shutdown flags of that restart: EWX_REBOOT (2) + EWX_FORCE (4), a forced restart.
constexpr unsigned int RESTART_FLAGS = 6;

// Lower-cases a zero-terminated text in place.
using LowerCaseFn = void (*)(char* pszText);

// Lower-cases 'A' to 'Z' only; the portable stand-in for the platform's lower-casing.
void LowerCaseAscii(char* pszText);

// True when pszOption (given in lower case) occurs anywhere in the lower-cased copy of the
// whole command line, program path and quotes included: a plain substring, without tokenising
// or word boundaries.
bool CommandLineContains(const char* pszCommandLine, const char* pszOption,
                         LowerCaseFn pfnLower = LowerCaseAscii);

// The decision at exit: "-restart" on the command line, or else the "-autorun" seen at start-up.
bool RestartRequested(const char* pszCommandLine, bool bAutorun,
                      LowerCaseFn pfnLower = LowerCaseAscii);
