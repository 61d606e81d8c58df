#include "HostFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#ifdef _WIN32
std::string LastErrorText()
{
    char szText[256] = "";
    const DWORD nError = GetLastError();
    if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, nError,
                       0, szText, sizeof szText, nullptr) == 0)
        return "system error " + std::to_string(nError);
    std::string strText = szText;
    while (!strText.empty() && (strText.back() == '\n' || strText.back() == '\r' ||
                                strText.back() == '.' || strText.back() == ' '))
        strText.pop_back();
    return strText;
}

bool ListFolder(const std::string& strFolder, std::vector<CFolderEntry>& entries,
                std::string& strError)
{
    entries.clear();
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(JoinHostPath(strFolder, "*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
    {
        strError = LastErrorText();
        return false;
    }
    do
    {
        CFolderEntry entry;
        entry.m_strName = data.cFileName;
        if (entry.m_strName == "." || entry.m_strName == "..")
            continue;
        entry.m_bFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.m_nSize = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)
            entry.m_strProblem = "not a regular file";
        entries.push_back(entry);
    } while (FindNextFileA(hFind, &data));
    const DWORD nError = GetLastError();
    FindClose(hFind);
    if (nError != ERROR_NO_MORE_FILES)
    {
        strError = LastErrorText();
        return false;
    }
    return true;
}

std::string JoinHostPath(const std::string& strFolder, const std::string& strName)
{
    if (!strFolder.empty() && (strFolder.back() == '\\' || strFolder.back() == '/'))
        return strFolder + strName;
    return strFolder + "\\" + strName;
}

bool IsHostFolder(const std::string& strPath)
{
    const DWORD nAttributes = GetFileAttributesA(strPath.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReplaceHostFile(const std::string& strFrom, const std::string& strTo, std::string& strError)
{
    if (MoveFileExA(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    strError = LastErrorText();
    return false;
}
#else
std::string LastErrorText()
{
    return std::strerror(errno);
}

bool ListFolder(const std::string& strFolder, std::vector<CFolderEntry>& entries,
                std::string& strError)
{
    entries.clear();
    DIR* pDir = opendir(strFolder.c_str());
    if (pDir == nullptr)
    {
        strError = LastErrorText();
        return false;
    }
    errno = 0;
    while (const dirent* pEntry = readdir(pDir))
    {
        CFolderEntry entry;
        entry.m_strName = pEntry->d_name;
        if (entry.m_strName == "." || entry.m_strName == "..")
            continue;
        // Links are followed: the archive holds what a reader of the tree would see.
        struct stat st;
        if (stat(JoinHostPath(strFolder, entry.m_strName).c_str(), &st) != 0)
            entry.m_strProblem = LastErrorText();
        else if (S_ISDIR(st.st_mode))
            entry.m_bFolder = true;
        else if (S_ISREG(st.st_mode))
            entry.m_nSize = static_cast<std::uint64_t>(st.st_size);
        else
            entry.m_strProblem = "not a regular file";
        entries.push_back(entry);
        errno = 0;
    }
    const int nError = errno;
    closedir(pDir);
    if (nError != 0)
    {
        strError = std::strerror(nError);
        return false;
    }
    return true;
}

std::string JoinHostPath(const std::string& strFolder, const std::string& strName)
{
    if (!strFolder.empty() && strFolder.back() == '/')
        return strFolder + strName;
    return strFolder + "/" + strName;
}

bool IsHostFolder(const std::string& strPath)
{
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReplaceHostFile(const std::string& strFrom, const std::string& strTo, std::string& strError)
{
    if (std::rename(strFrom.c_str(), strTo.c_str()) == 0)
        return true;
    strError = LastErrorText();
    return false;
}
#endif
