// "payload pack": a source tree into a payload archive.
#pragma once

#include <cstdint>
#include <string>

struct CPackSummary
{
    int m_nFiles = 0;
    std::uint64_t m_nUncompressed = 0;
    std::uint64_t m_nArchiveBytes = 0;
};

// Packs the tree below strSourceDir into strArchive with zlib level nLevel. The archive is
// written beside its place and put there only when complete; on any refusal or failure
// strError says why and nothing is left at strArchive but what was there before.
bool PackArchive(const std::string& strSourceDir, const std::string& strArchive, int nLevel,
                 CPackSummary& summary, std::string& strError);
