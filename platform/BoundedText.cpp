#include "BoundedText.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

bool SafeCopy(char* pszDest, std::size_t nCapacity, const char* pszSource)
{
    std::size_t nLength = std::strlen(pszSource);
    if (nLength >= nCapacity)
        return false;
    std::memmove(pszDest, pszSource, nLength + 1);
    return true;
}

bool SafeAppend(char* pszDest, std::size_t nCapacity, const char* pszSource)
{
    std::size_t nHave = strnlen(pszDest, nCapacity);
    if (nHave >= nCapacity)
        return false;
    std::size_t nAdd = std::strlen(pszSource);
    if (nAdd >= nCapacity - nHave)
        return false;
    std::memmove(pszDest + nHave, pszSource, nAdd + 1);
    return true;
}

bool SafeFormat(char* pszDest, std::size_t nCapacity, const char* pszFormat, ...)
{
    if (nCapacity == 0)
        return false;
    va_list args;
    va_start(args, pszFormat);
    int nWritten = std::vsnprintf(pszDest, nCapacity, pszFormat, args);
    va_end(args);
    if (nWritten < 0)
    {
        pszDest[0] = '\0';
        return false;
    }
    return static_cast<std::size_t>(nWritten) < nCapacity;
}
