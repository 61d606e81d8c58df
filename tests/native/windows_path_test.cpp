#include "WindowsPath.h"

#include <gtest/gtest.h>

namespace
{
std::string DriveFolder(char chDrive)
{
    if (chDrive == 'C')
        return "C:\\LV";
    return std::string(1, chDrive) + ":\\";
}

struct PathCase
{
    const char* pszIn;
    const char* pszOut;
};

const PathCase kCases[] = {
    {"C:\\A\\B", "C:\\A\\B"},
    {"C:\\A\\B\\", "C:\\A\\B\\"},       // trailing separator kept
    {"C:\\A\\\\B", "C:\\A\\B"},         // a run of separators collapses
    {"C:/A/B", "C:\\A\\B"},             // forward slashes become backslashes
    {"C:\\A\\.\\B\\..\\C", "C:\\A\\C"}, // "." and ".." resolved
    {"C:\\..", "C:\\"},                 // never above the root
    {"sub\\x", "C:\\LV\\sub\\x"},       // relative to the current folder
    {"\\top", "C:\\top"},               // rooted on the current drive
    {"C:", "C:\\LV"},                   // a bare drive is its current folder
    {"d:*", "D:\\*"},                   // drive-relative pattern
    {"C:sub", "C:\\LV\\sub"},
    {"C:\\", "C:\\"},
    {"\\\\server\\share\\x", "\\\\server\\share\\x"},
};

TEST(ResolveFullPath, FollowsThePlatformRules)
{
    for (const PathCase& c : kCases)
    {
        std::string strFull;
        ASSERT_TRUE(ResolveFullPath(c.pszIn, 'C', DriveFolder, strFull)) << c.pszIn;
        EXPECT_EQ(strFull, c.pszOut) << c.pszIn;
    }
}

TEST(ResolveFullPath, EmptyPathFails)
{
    std::string strFull;
    EXPECT_FALSE(ResolveFullPath("", 'C', DriveFolder, strFull));
}
} // namespace
