// The folder page's navigator: pure operations over path texts. A search pattern is a folder,
// the separator and the wildcard ('C:\Program Files\*'); the list shows the sub-folders of a
// pattern as "[name]" entries and "[..]" for the way up; the drive box holds '[-c-]' entries.
//
// Every text the page holds in a 256-byte buffer is checked here: an operation whose result
// would not fit in 255 characters and the terminator answers false and writes nothing, and the
// page then leaves everything as it was.
#pragma once

#include "BoundedText.h"
#include "CString.h"

#include <string>
#include <vector>

constexpr char NAV_SEPARATOR = '\\';
constexpr char NAV_WILDCARD = '*';
extern const char g_szGoUpEntry[];    // "[..]"
extern const char g_szCurrentEntry[]; // "[.]", never listed

// One name of a folder search, with its directory attribute.
struct CFoundName
{
    std::string strName;
    bool bDirectory;
};

// A folder search (FindFirstFileA, FindNextFileA, FindClose), replaceable for tests.
class CFolderSearch
{
public:
    virtual ~CFolderSearch() = default;
    // Starts the search; false when it does not start (nothing to close then).
    virtual bool First(const char* pszPattern, CFoundName& found) = 0;
    // The next name; false at the end or on any failure.
    virtual bool Next(CFoundName& found) = 0;
    // Ends a started search.
    virtual void Close() = 0;
};

// The folder, plus the separator unless it already ends with one (an empty text gets it),
// plus the wildcard.
bool MakeSearchPattern(const char* pszFolder, char (&szPattern)[PATH_BUFFER]);

// The list entries of a resolved pattern, in the order the search gives them: "[..]" alone
// when the search does not start; otherwise every folder as "[name]", never "[.]", and "[..]"
// except at a drive's root ('C:\*'). Files are skipped, and so is a name whose entry would
// not fit in 255 characters. A started search is always closed.
std::vector<std::string> BuildFolderEntries(const char* pszResolved, CFolderSearch& search);

// The resolved pattern cut before its first wildcard: the folder the edit shows.
CString PatternFolderText(const char* pszResolved);

// The index of the first drive entry that holds the pattern's drive letter (its first
// character, lower-cased by setting bit 0x20) once lower-cased, or -1.
int FindDriveEntry(const char* pszResolved, const std::vector<std::string>& driveEntries);

// The pattern of a drive entry: its third character, the drive letter, and ":*" ('d:*').
bool DrivePattern(const char* pszDriveEntry, char (&szPattern)[PATH_BUFFER]);

// The next pattern when the list entry pszEntry is activated while the edit holds
// pszEditText: one level up from the text for "[..]", into the entry's folder below the text
// for any other entry.
bool EntryPattern(const char* pszEditText, const char* pszEntry, char (&szPattern)[PATH_BUFFER]);

// Removes one trailing separator.
void TrimFolder(CString& strFolder);
