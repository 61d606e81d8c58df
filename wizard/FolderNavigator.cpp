#include "FolderNavigator.h"

#include <cctype>
#include <cstring>

const char g_szGoUpEntry[] = "[..]";
const char g_szCurrentEntry[] = "[.]";

namespace
{
bool EndsWithSeparator(const std::string& strText)
{
    return !strText.empty() && strText.back() == NAV_SEPARATOR;
}

bool Store(const std::string& strText, char (&szPattern)[PATH_BUFFER])
{
    return SafeCopy(szPattern, strText.c_str());
}

// 'X:\*', the pattern of a drive's root: no way up from there.
bool IsDriveRootPattern(const char* pszResolved)
{
    const std::size_t nLength = std::strlen(pszResolved);
    return nLength >= 4 && pszResolved[1] == ':' && pszResolved[3] == NAV_WILDCARD;
}
} // namespace

bool MakeSearchPattern(const char* pszFolder, char (&szPattern)[PATH_BUFFER])
{
    std::string strPattern = pszFolder;
    if (!EndsWithSeparator(strPattern))
        strPattern += NAV_SEPARATOR;
    strPattern += NAV_WILDCARD;
    return Store(strPattern, szPattern);
}

std::vector<std::string> BuildFolderEntries(const char* pszResolved, CFolderSearch& search)
{
    std::vector<std::string> entries;
    CFoundName found;
    if (!search.First(pszResolved, found))
    {
        entries.push_back(g_szGoUpEntry);
        return entries;
    }
    const bool bDriveRoot = IsDriveRootPattern(pszResolved);
    do
    {
        if (!found.bDirectory)
            continue;
        const std::string strEntry = "[" + found.strName + "]";
        if (strEntry.size() >= PATH_BUFFER || strEntry == g_szCurrentEntry)
            continue;
        if (strEntry == g_szGoUpEntry && bDriveRoot)
            continue;
        entries.push_back(strEntry);
    } while (search.Next(found));
    search.Close();
    return entries;
}

CString PatternFolderText(const char* pszResolved)
{
    const char* pszWildcard = std::strchr(pszResolved, NAV_WILDCARD);
    if (pszWildcard == nullptr)
        return CString(pszResolved);
    return CString(pszResolved, static_cast<int>(pszWildcard - pszResolved));
}

int FindDriveEntry(const char* pszResolved, const std::vector<std::string>& driveEntries)
{
    const char chLetter = static_cast<char>(pszResolved[0] | 0x20);
    for (std::size_t i = 0; i < driveEntries.size(); ++i)
    {
        std::string strEntry = driveEntries[i];
        for (char& ch : strEntry)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (strEntry.find(chLetter) != std::string::npos)
            return static_cast<int>(i);
    }
    return -1;
}

bool DrivePattern(const char* pszDriveEntry, char (&szPattern)[PATH_BUFFER])
{
    if (std::strlen(pszDriveEntry) < 3)
        return false;
    return Store(std::string(1, pszDriveEntry[2]) + ":" + NAV_WILDCARD, szPattern);
}

bool EntryPattern(const char* pszEditText, const char* pszEntry, char (&szPattern)[PATH_BUFFER])
{
    std::string strText = pszEditText;
    if (strText.size() >= PATH_BUFFER)
        return false; // more than the page reads from the edit
    if (std::strcmp(pszEntry, g_szGoUpEntry) == 0)
    {
        // Up: drop one trailing separator, then the whole last component.
        if (EndsWithSeparator(strText))
            strText.pop_back();
        while (!strText.empty() && strText.back() != NAV_SEPARATOR && strText.back() != ':')
            strText.pop_back();
        if (strText.empty())
            strText = NAV_SEPARATOR;
        strText += NAV_WILDCARD;
        return Store(strText, szPattern);
    }
    // Down: the entry's folder name is the entry without its brackets.
    const std::size_t nEntry = std::strlen(pszEntry);
    if (nEntry < 2)
        return false;
    if (!EndsWithSeparator(strText))
        strText += NAV_SEPARATOR;
    strText.append(pszEntry + 1, nEntry - 2);
    strText += NAV_SEPARATOR;
    strText += NAV_WILDCARD;
    return Store(strText, szPattern);
}

void TrimFolder(CString& strFolder)
{
    const int nLength = strFolder.GetLength();
    if (nLength > 0 && strFolder.GetAt(nLength - 1) == NAV_SEPARATOR)
        strFolder.Truncate(nLength - 1);
}
