#include "CString.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

void CString::Truncate(int nIndex)
{
    if (nIndex >= 0 && static_cast<std::size_t>(nIndex) < m_str.size())
        m_str.resize(static_cast<std::size_t>(nIndex));
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int nLength = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (nLength < 0)
    {
        m_str.clear();
    }
    else
    {
        std::vector<char> buffer(static_cast<std::size_t>(nLength) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), pszFormat, args);
        m_str.assign(buffer.data(), static_cast<std::size_t>(nLength));
    }
    va_end(args);
}
