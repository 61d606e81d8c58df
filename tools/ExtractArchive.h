// "payload extract": the installer's own walk over an archive file instead of the resource.
#pragma once

#include <cstddef>
#include <string>

// The target folder in the form the engine takes: a full Windows-form path without a
// trailing separator. On Linux a host folder becomes a path on drive Z: (the host's "/").
std::string EngineTargetFolder(const std::string& strHostFolder);

struct CExtractStats
{
    int m_nAllocations = 0;
    std::size_t m_nPeakBytes = 0;
    double m_nMilliseconds = 0; // spent in ExtractPayload
};

// Runs CPayloadReader::ExtractPayload on the archive with the option bits, through the
// system's file calls. Returns null or the engine's message text.
const char* ExtractArchive(const unsigned char* pArchive, std::size_t cbArchive, int nOptions,
                           const std::string& strHostTarget, CExtractStats& stats);
