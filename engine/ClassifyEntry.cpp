#include "ClassifyEntry.h"

#include "OptionBits.h"

#include <cstring>

namespace
{
bool EndsWithNoCase(const char* pszName, std::size_t nLength, const char* pszTail)
{
    const std::size_t nTail = std::strlen(pszTail);
    if (nLength < nTail)
        return false;
    const char* p = pszName + nLength - nTail;
    for (std::size_t i = 0; i < nTail; ++i)
    {
        char ch = p[i];
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
        if (ch != pszTail[i])
            return false;
    }
    return true;
}
} // namespace

int ClassifyEntry(const char* pszName)
{
    if (std::strncmp(pszName, "\\examples", 9) == 0)
        return INSTALL_EXAMPLES;
    // Names shorter than four characters have no extension to compare: driver library.
    const std::size_t nLength = std::strlen(pszName);
    if (EndsWithNoCase(pszName, nLength, ".doc") || EndsWithNoCase(pszName, nLength, ".pdf"))
        return INSTALL_MANUALS;
    return INSTALL_DRIVERS;
}
