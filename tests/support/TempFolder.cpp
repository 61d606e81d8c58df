#include "TempFolder.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#include <direct.h>
#include <io.h>
#else
#include <cstdlib>
#include <ftw.h>
#include <unistd.h>
#endif

namespace
{
std::string Join(const std::string& strBase, const std::string& strRelative)
{
#ifdef _WIN32
    return strBase + "\\" + strRelative;
#else
    return strBase + "/" + strRelative;
#endif
}

#ifdef _WIN32
void RemoveTree(const std::string& strPath)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strPath + "\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::string strName = data.cFileName;
            if (strName == "." || strName == "..")
                continue;
            std::string strChild = strPath + "\\" + strName;
            SetFileAttributesA(strChild.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strChild);
            else
                DeleteFileA(strChild.c_str());
        } while (FindNextFileA(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryA(strPath.c_str());
}
#else
int RemoveEntry(const char* pszPath, const struct stat*, int, struct FTW*)
{
    return std::remove(pszPath);
}
#endif
} // namespace

CTempFolder::CTempFolder()
{
#ifdef _WIN32
    char szBase[MAX_PATH];
    GetTempPathA(MAX_PATH, szBase);
    static int s_nCounter = 0;
    std::ostringstream name;
    name << szBase << "setup-" << GetCurrentProcessId() << "-" << ++s_nCounter;
    m_strPath = name.str();
    CreateDirectoryA(m_strPath.c_str(), nullptr);
#else
    char szTemplate[] = "/tmp/setup-test-XXXXXX";
    m_strPath = mkdtemp(szTemplate);
#endif
}

CTempFolder::~CTempFolder()
{
#ifdef _WIN32
    RemoveTree(m_strPath);
#else
    nftw(m_strPath.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
#endif
}

bool CTempFolder::ReadFile(const std::string& strRelative, std::string& strContent) const
{
    std::ifstream in(Join(m_strPath, strRelative), std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    strContent = content.str();
    return true;
}

void CTempFolder::WriteFile(const std::string& strRelative, const std::string& strContent) const
{
    std::ofstream out(Join(m_strPath, strRelative), std::ios::binary);
    out << strContent;
}

bool CTempFolder::IsReadOnly(const std::string& strRelative) const
{
#ifdef _WIN32
    DWORD nAttributes = GetFileAttributesA(Join(m_strPath, strRelative).c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_READONLY);
#else
    struct stat st;
    return stat(Join(m_strPath, strRelative).c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
#endif
}

bool CTempFolder::Exists(const std::string& strRelative) const
{
    struct stat st;
    return stat(Join(m_strPath, strRelative).c_str(), &st) == 0;
}

void CTempFolder::MakeFolder(const std::string& strRelative) const
{
#ifdef _WIN32
    _mkdir(Join(m_strPath, strRelative).c_str());
#else
    mkdir(Join(m_strPath, strRelative).c_str(), 0777);
#endif
}
