// Linux stand-in for the file calls: keeps Windows-form paths and a Windows-style current
// folder per drive, and maps each drive letter to a host folder only at the system call.
// Read-only files behave as on Windows: they can be neither opened for writing nor removed,
// whoever runs the process.
#pragma once

#include "FileOps.h"

#include <map>
#include <string>

class CMappedFileOps : public CFileOps
{
public:
    // Z: is the host's "/" and the current folder is the host's working folder on Z:.
    CMappedFileOps();

    void MapDrive(char chDrive, const std::string& strHostFolder);
    // The host path of a Windows-form path; empty when its drive is not mapped.
    std::string HostPath(const std::string& strWindowsPath) const;
    // The current folder, in Windows form ("C:\LV").
    std::string CurrentDirectory() const;

    unsigned long FullPathName(const char* pszPath, unsigned long nCapacity,
                               char* pszBuffer) override;
    int MakeDir(const char* pszPath) override;
    int ChangeDir(const char* pszPath) override;
    int Access(const char* pszPath, int nMode) override;
    int ChangeMode(const char* pszPath, int nMode) override;
    int Remove(const char* pszPath) override;
    void* Open(const char* pszPath, const char* pszMode) override;
    std::size_t Write(const void* pData, std::size_t nSize, std::size_t nCount,
                      void* pFile) override;
    int Close(void* pFile) override;

private:
    bool Resolve(const char* pszPath, std::string& strFull) const;
    std::string DriveFolder(char chDrive) const;

    std::map<char, std::string> m_driveHosts;   // upper-case letter -> host folder
    std::map<char, std::string> m_driveFolders; // upper-case letter -> "X:\..." current folder
    char m_chCurrentDrive = 'Z';
};
