// The folder page's navigator: patterns, list entries, drive entries and the two steps.
#include "FolderNavigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct TextCase
{
    std::string strIn;
    std::string strOut;
};

TEST(FolderNavigator, MakeSearchPatternAddsOneSeparatorAndTheWildcard)
{
    const TextCase cases[] = {
        {"C:\\LabVIEW 7.0", "C:\\LabVIEW 7.0\\*"},
        {"C:\\LabVIEW 7.0\\", "C:\\LabVIEW 7.0\\*"},
        {"C:\\", "C:\\*"},
        {"C:", "C:\\*"},
        {"", "\\*"},
        {"C:\\LV\\\\", "C:\\LV\\\\*"},
    };
    for (const TextCase& c : cases)
    {
        char szPattern[PATH_BUFFER] = "unchanged";
        ASSERT_TRUE(MakeSearchPattern(c.strIn.c_str(), szPattern)) << c.strIn;
        EXPECT_EQ(std::string(szPattern), c.strOut) << c.strIn;
    }
}

// A search over a fixed list of names; counts how often it was closed.
class CListSearch : public CFolderSearch
{
public:
    CListSearch(bool bStarts, std::vector<CFoundName> names)
        : m_bStarts(bStarts), m_names(std::move(names))
    {
    }
    bool First(const char* pszPattern, CFoundName& found) override
    {
        m_strPattern = pszPattern;
        m_nNext = 0;
        return m_bStarts && Next(found);
    }
    bool Next(CFoundName& found) override
    {
        if (m_nNext >= m_names.size())
            return false;
        found = m_names[m_nNext++];
        return true;
    }
    void Close() override { ++m_nCloses; }

    bool m_bStarts;
    std::vector<CFoundName> m_names;
    std::size_t m_nNext = 0;
    std::string m_strPattern;
    int m_nCloses = 0;
};

const std::vector<CFoundName> g_programFiles = {
    {".", true},
    {"..", true},
    {"Common Files", true},
    {"readme.txt", false},
    {"National Instruments", true},
    {"setup.log", false},
};

TEST(FolderNavigator, ListsFoldersInTheSearchOrderWithTheWayUpButNeverTheCurrentFolder)
{
    CListSearch search(true, g_programFiles);
    const std::vector<std::string> entries = BuildFolderEntries("C:\\Program Files\\*", search);
    EXPECT_EQ(entries,
              (std::vector<std::string>{"[..]", "[Common Files]", "[National Instruments]"}));
    EXPECT_EQ(search.m_strPattern, "C:\\Program Files\\*");
    EXPECT_EQ(search.m_nCloses, 1);
}

TEST(FolderNavigator, ADriveRootHasNoWayUpEvenWhenTheSearchReportsOne)
{
    for (const char* pszRoot : {"C:\\*", "d:\\*"})
    {
        CListSearch search(true, g_programFiles);
        EXPECT_EQ(BuildFolderEntries(pszRoot, search),
                  (std::vector<std::string>{"[Common Files]", "[National Instruments]"}))
            << pszRoot;
        EXPECT_EQ(search.m_nCloses, 1);
    }
    // A root without any folder lists nothing at all.
    CListSearch empty(true, {{"pagefile.sys", false}});
    EXPECT_TRUE(BuildFolderEntries("C:\\*", empty).empty());
    EXPECT_EQ(empty.m_nCloses, 1);
}

TEST(FolderNavigator, ASearchThatDoesNotStartListsTheWayUpAloneAndNeedsNoClose)
{
    for (const char* pszPattern : {"C:\\missing\\*", "C:\\*", "Q:\\*"})
    {
        CListSearch search(false, g_programFiles);
        EXPECT_EQ(BuildFolderEntries(pszPattern, search), std::vector<std::string>{"[..]"});
        EXPECT_EQ(search.m_nCloses, 0);
    }
}

TEST(FolderNavigator, AFolderNameTooLongForTheEntryBufferIsLeftOut)
{
    CListSearch search(true, {{std::string(253, 'a'), true}, {std::string(254, 'b'), true}});
    const std::vector<std::string> entries = BuildFolderEntries("C:\\x\\*", search);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].size(), 255u);
    EXPECT_EQ(search.m_nCloses, 1);
}

TEST(FolderNavigator, PatternFolderTextCutsBeforeTheFirstWildcard)
{
    const TextCase cases[] = {
        {"C:\\Program Files\\*", "C:\\Program Files\\"}, {"C:\\*", "C:\\"}, {"C:\\a*b\\*", "C:\\a"},
        {"C:\\no wildcard", "C:\\no wildcard"},          {"*", ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(std::string(PatternFolderText(c.strIn.c_str())), c.strOut) << c.strIn;
}

TEST(FolderNavigator, FindDriveEntrySelectsTheFirstEntryHoldingTheLetter)
{
    const std::vector<std::string> drives = {"[-a-]", "[-c-]", "[-d-]"};
    EXPECT_EQ(FindDriveEntry("C:\\Program Files\\*", drives), 1);
    EXPECT_EQ(FindDriveEntry("c:\\*", drives), 1);
    EXPECT_EQ(FindDriveEntry("D:\\LV\\*", drives), 2);
    EXPECT_EQ(FindDriveEntry("\\\\server\\share\\*", drives), -1); // a network path
    EXPECT_EQ(FindDriveEntry("Q:\\*", drives), -1);
    EXPECT_EQ(FindDriveEntry("C:\\*", {}), -1);
    // Entries are compared lower-cased.
    EXPECT_EQ(FindDriveEntry("E:\\*", {"[-A-]", "[-E-]"}), 1);
}

TEST(FolderNavigator, DrivePatternIsTheLetterAndTheDriveSuffix)
{
    char szPattern[PATH_BUFFER] = "unchanged";
    ASSERT_TRUE(DrivePattern("[-d-]", szPattern));
    EXPECT_STREQ(szPattern, "d:*");
    EXPECT_FALSE(DrivePattern("[-", szPattern));
    EXPECT_STREQ(szPattern, "d:*");
}

struct StepCase
{
    std::string strEdit;
    std::string strEntry;
    std::string strPattern;
};

TEST(FolderNavigator, UpAndEnterStepsFromTheEditText)
{
    const StepCase cases[] = {
        // Up: one trailing separator, then the whole last component.
        {"C:\\foo\\bar\\", "[..]", "C:\\foo\\*"},
        {"C:\\foo\\bar", "[..]", "C:\\foo\\*"},
        {"C:\\foo", "[..]", "C:\\*"},
        {"C:\\foo\\b", "[..]", "C:\\foo\\*"},
        {"C:\\", "[..]", "C:*"},
        {"C:", "[..]", "C:*"},
        {"foo", "[..]", "\\*"},
        {"", "[..]", "\\*"},
        {"C:\\foo\\\\", "[..]", "C:\\foo\\*"},
        // Enter: the name in the brackets below the text.
        {"C:\\", "[Program Files]", "C:\\Program Files\\*"},
        {"C:", "[Program Files]", "C:\\Program Files\\*"},
        {"", "[Program Files]", "\\Program Files\\*"},
        {"C:\\LV", "[examples]", "C:\\LV\\examples\\*"},
        {"C:\\typed by hand\\", "[sub]", "C:\\typed by hand\\sub\\*"},
    };
    for (const StepCase& c : cases)
    {
        char szPattern[PATH_BUFFER] = "";
        ASSERT_TRUE(EntryPattern(c.strEdit.c_str(), c.strEntry.c_str(), szPattern))
            << c.strEdit << " " << c.strEntry;
        EXPECT_EQ(std::string(szPattern), c.strPattern) << c.strEdit << " " << c.strEntry;
    }
}

TEST(FolderNavigator, StepsThatWouldNotFit255CharactersAreRefused)
{
    char szPattern[PATH_BUFFER] = "unchanged";
    const std::string strFolder = "C:\\" + std::string(245, 'x'); // 248 characters
    // Entering "[abcde]" needs 248 + 1 + 5 + 2 = 256 characters: one too many.
    EXPECT_FALSE(EntryPattern(strFolder.c_str(), "[abcde]", szPattern));
    EXPECT_STREQ(szPattern, "unchanged");
    ASSERT_TRUE(EntryPattern(strFolder.c_str(), "[abcd]", szPattern));
    EXPECT_EQ(std::string(szPattern).size(), 255u);
    // An edit text longer than the page reads is refused, also for the way up.
    const std::string strHuge = "C:\\" + std::string(253, 'y');
    EXPECT_FALSE(EntryPattern(strHuge.c_str(), "[..]", szPattern));
    // A search pattern for a folder of 254 characters needs 256.
    const std::string strPatternFolder = "C:\\" + std::string(251, 'z');
    EXPECT_FALSE(MakeSearchPattern(strPatternFolder.c_str(), szPattern));
    EXPECT_TRUE(MakeSearchPattern(strPatternFolder.substr(1).c_str(), szPattern));
    // An entry without room for its brackets is not a folder.
    EXPECT_FALSE(EntryPattern("C:\\", "[", szPattern));
}

TEST(FolderNavigator, TrimFolderRemovesOneTrailingSeparator)
{
    const TextCase cases[] = {
        {"C:\\LabVIEW\\", "C:\\LabVIEW"},
        {"C:\\LabVIEW", "C:\\LabVIEW"},
        {"C:\\", "C:"},
        {"C:\\LV\\\\", "C:\\LV\\"},
        {"", ""},
        {"\\", ""},
    };
    for (const TextCase& c : cases)
    {
        CString str(c.strIn.c_str());
        TrimFolder(str);
        EXPECT_EQ(std::string(str), c.strOut) << c.strIn;
    }
}
} // namespace
