#include "ExtractArchive.h"

#include "BlockAlloc.h"
#include "FileOps.h"
#include "PayloadReader.h"

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

std::string EngineTargetFolder(const std::string& strHostFolder)
{
#ifdef _WIN32
    char szFull[MAX_PATH];
    char* pszFilePart = nullptr;
    const DWORD nLength = GetFullPathNameA(strHostFolder.c_str(), MAX_PATH, szFull, &pszFilePart);
    std::string strFull = (nLength > 0 && nLength < MAX_PATH) ? szFull : strHostFolder;
#else
    std::string strFull = strHostFolder;
    if (strFull.empty() || strFull[0] != '/')
    {
        char szCwd[4096];
        if (getcwd(szCwd, sizeof szCwd) != nullptr)
            strFull = std::string(szCwd) + "/" + strFull;
    }
    for (char& ch : strFull)
        if (ch == '/')
            ch = '\\';
    strFull = "Z:" + strFull;
#endif
    // Every entry name begins with a separator of its own.
    while (!strFull.empty() && (strFull.back() == '\\' || strFull.back() == '/'))
        strFull.pop_back();
    return strFull;
}

const char* ExtractArchive(const unsigned char* pArchive, std::size_t cbArchive, int nOptions,
                           const std::string& strHostTarget, CExtractStats& stats)
{
    CCountingBlockAlloc memory(SystemBlockAlloc());
    CPayloadReader reader(SystemFileOps(), memory);
    const std::string strTarget = EngineTargetFolder(strHostTarget);
    const auto start = std::chrono::steady_clock::now();
    const char* pszResult = reader.ExtractPayload(pArchive, cbArchive, nOptions, strTarget.c_str());
    stats.m_nMilliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    stats.m_nAllocations = memory.m_nAllocations;
    stats.m_nPeakBytes = memory.m_nPeakBytes;
    return pszResult;
}
