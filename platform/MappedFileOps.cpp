#include "MappedFileOps.h"

#include "WindowsPath.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
char DriveKey(char chDrive)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(chDrive)));
}

bool IsReadOnlyFile(const std::string& strHost)
{
    struct stat st;
    return stat(strHost.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0;
}
} // namespace

CMappedFileOps::CMappedFileOps()
{
    MapDrive('Z', "/");
    char szCwd[4096];
    if (getcwd(szCwd, sizeof szCwd) != nullptr)
    {
        std::string strFolder = std::string("Z:") + szCwd;
        for (char& ch : strFolder)
            if (ch == '/')
                ch = '\\';
        m_driveFolders['Z'] = strFolder;
    }
}

void CMappedFileOps::MapDrive(char chDrive, const std::string& strHostFolder)
{
    std::string strHost = strHostFolder;
    while (strHost.size() > 1 && strHost.back() == '/')
        strHost.pop_back();
    m_driveHosts[DriveKey(chDrive)] = strHost;
}

std::string CMappedFileOps::DriveFolder(char chDrive) const
{
    auto it = m_driveFolders.find(DriveKey(chDrive));
    if (it != m_driveFolders.end())
        return it->second;
    return std::string(1, DriveKey(chDrive)) + ":\\";
}

std::string CMappedFileOps::CurrentDirectory() const
{
    return DriveFolder(m_chCurrentDrive);
}

bool CMappedFileOps::Resolve(const char* pszPath, std::string& strFull) const
{
    return ResolveFullPath(
        pszPath, m_chCurrentDrive, [this](char chDrive) { return DriveFolder(chDrive); }, strFull);
}

std::string CMappedFileOps::HostPath(const std::string& strWindowsPath) const
{
    std::string strFull;
    if (!Resolve(strWindowsPath.c_str(), strFull) || strFull.size() < 3 || strFull[1] != ':')
        return std::string();
    auto it = m_driveHosts.find(DriveKey(strFull[0]));
    if (it == m_driveHosts.end())
        return std::string();
    std::string strHost = it->second;
    std::string strRest = strFull.substr(3);
    for (char& ch : strRest)
        if (ch == '\\')
            ch = '/';
    if (strRest.empty())
        return strHost;
    if (strHost.back() != '/')
        strHost += '/';
    return strHost + strRest;
}

unsigned long CMappedFileOps::FullPathName(const char* pszPath, unsigned long nCapacity,
                                           char* pszBuffer)
{
    std::string strFull;
    if (!Resolve(pszPath, strFull))
        return 0;
    if (strFull.size() + 1 > nCapacity)
        return static_cast<unsigned long>(strFull.size() + 1);
    std::memcpy(pszBuffer, strFull.c_str(), strFull.size() + 1);
    return static_cast<unsigned long>(strFull.size());
}

int CMappedFileOps::MakeDir(const char* pszPath)
{
    std::string strHost = HostPath(pszPath);
    if (strHost.empty())
        return -1;
    return mkdir(strHost.c_str(), 0777) == 0 ? 0 : -1;
}

int CMappedFileOps::ChangeDir(const char* pszPath)
{
    std::string strFull;
    std::string strHost = HostPath(pszPath);
    struct stat st;
    if (strHost.empty() || !Resolve(pszPath, strFull) || stat(strHost.c_str(), &st) != 0 ||
        !S_ISDIR(st.st_mode))
        return -1;
    // The current folder is kept without a trailing separator, except at a drive root.
    while (strFull.size() > 3 && strFull.back() == '\\')
        strFull.pop_back();
    char chDrive = DriveKey(strFull[0]);
    m_driveFolders[chDrive] = strFull;
    m_chCurrentDrive = chDrive;
    return 0;
}

int CMappedFileOps::Access(const char* pszPath, int /*nMode*/)
{
    std::string strHost = HostPath(pszPath);
    return !strHost.empty() && access(strHost.c_str(), F_OK) == 0 ? 0 : -1;
}

int CMappedFileOps::ChangeMode(const char* pszPath, int nMode)
{
    std::string strHost = HostPath(pszPath);
    if (strHost.empty())
        return -1;
    return chmod(strHost.c_str(), (nMode & FILE_MODE_WRITE) ? 0644 : 0444) == 0 ? 0 : -1;
}

int CMappedFileOps::Remove(const char* pszPath)
{
    std::string strHost = HostPath(pszPath);
    if (strHost.empty() || IsReadOnlyFile(strHost))
        return -1;
    return unlink(strHost.c_str()) == 0 ? 0 : -1;
}

void* CMappedFileOps::Open(const char* pszPath, const char* pszMode)
{
    std::string strHost = HostPath(pszPath);
    if (strHost.empty())
        return nullptr;
    bool bWrites = std::strpbrk(pszMode, "wa+") != nullptr;
    if (bWrites && IsReadOnlyFile(strHost))
        return nullptr;
    return std::fopen(strHost.c_str(), pszMode);
}

std::size_t CMappedFileOps::Write(const void* pData, std::size_t nSize, std::size_t nCount,
                                  void* pFile)
{
    return std::fwrite(pData, nSize, nCount, static_cast<std::FILE*>(pFile));
}

int CMappedFileOps::Close(void* pFile)
{
    return std::fclose(static_cast<std::FILE*>(pFile));
}

CFileOps& SystemFileOps()
{
    static CMappedFileOps s_ops;
    return s_ops;
}
