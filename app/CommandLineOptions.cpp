#include "CommandLineOptions.h"

#include <cstring>
#include <string>

void LowerCaseAscii(char* pszText)
{
    for (char* p = pszText; *p != '\0'; ++p)
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p - 'A' + 'a');
}

bool CommandLineContains(const char* pszCommandLine, const char* pszOption, LowerCaseFn pfnLower)
{
    // The command line can be far longer than any path, so the copy lives on the heap.
    std::string strCopy = pszCommandLine != nullptr ? pszCommandLine : "";
    pfnLower(strCopy.data());
    return std::strstr(strCopy.c_str(), pszOption) != nullptr;
}

bool RestartRequested(const char* pszCommandLine, bool bAutorun, LowerCaseFn pfnLower)
{
    return CommandLineContains(pszCommandLine, RESTART_OPTION, pfnLower) || bAutorun;
}
