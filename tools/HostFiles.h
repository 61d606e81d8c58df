// The few host file-system calls the tool needs beyond the engine's boundary: listing a
// folder, reading, and replacing a file in one step. POSIX on Linux, Win32 on Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CFolderEntry
{
    std::string m_strName;
    bool m_bFolder = false;
    std::uint64_t m_nSize = 0;
    // Why the entry cannot be packed (a broken link, a device, a socket); empty when it can.
    std::string m_strProblem;
};

// The entries of a folder except "." and ".."; false with strError when it cannot be read.
bool ListFolder(const std::string& strFolder, std::vector<CFolderEntry>& entries,
                std::string& strError);

// strFolder followed by the host's separator and strName.
std::string JoinHostPath(const std::string& strFolder, const std::string& strName);

bool IsHostFolder(const std::string& strPath);

// Puts strFrom in the place of strTo, replacing a file that is there.
bool ReplaceHostFile(const std::string& strFrom, const std::string& strTo, std::string& strError);

// The text of the last system error (errno, or GetLastError on Windows).
std::string LastErrorText();
