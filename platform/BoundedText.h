// Copy, append and format into fixed-size character buffers without ever overflowing them.
#pragma once

#include <cstddef>

// Capacity of a working path text: 255 characters and the terminator.
constexpr std::size_t PATH_BUFFER = 256;
// MAX_PATH of the platform: 259 characters and the terminator.
constexpr std::size_t MAX_PATH_BUFFER = 260;

// Each returns false when the whole result would not fit in nCapacity bytes (terminator
// included). SafeCopy and SafeAppend then leave the destination unchanged; SafeFormat leaves a
// terminated, truncated text.
bool SafeCopy(char* pszDest, std::size_t nCapacity, const char* pszSource);
bool SafeAppend(char* pszDest, std::size_t nCapacity, const char* pszSource);
bool SafeFormat(char* pszDest, std::size_t nCapacity, const char* pszFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

template <std::size_t N> bool SafeCopy(char (&szDest)[N], const char* pszSource)
{
    return SafeCopy(szDest, N, pszSource);
}
template <std::size_t N> bool SafeAppend(char (&szDest)[N], const char* pszSource)
{
    return SafeAppend(szDest, N, pszSource);
}
