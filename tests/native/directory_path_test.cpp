#include "DirectoryPath.h"
#include "MappedFileOps.h"
#include "TempFolder.h"
#include "WindowsPath.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{
// Records the enter and create operations; folders listed in m_existing (and those created)
// can be entered. Full paths follow the platform rules unless m_bRawFullPath is set.
class CRecordingFiles : public CFileOps
{
public:
    unsigned long FullPathName(const char* pszPath, unsigned long nCapacity,
                               char* pszBuffer) override
    {
        std::string strFull = pszPath;
        if (!m_bRawFullPath &&
            !ResolveFullPath(
                pszPath, 'D', [](char ch) { return std::string(1, ch) + ":\\X\\Y"; }, strFull))
            return 0;
        if (strFull.size() + 1 > nCapacity)
            return static_cast<unsigned long>(strFull.size() + 1);
        std::strcpy(pszBuffer, strFull.c_str());
        return static_cast<unsigned long>(strFull.size());
    }
    int MakeDir(const char* pszPath) override
    {
        m_ops.push_back(std::string("create ") + pszPath);
        if (m_files.count(Key(pszPath)) || m_existing.count(Key(pszPath)))
            return -1;
        m_existing.insert(Key(pszPath));
        return 0;
    }
    int ChangeDir(const char* pszPath) override
    {
        m_ops.push_back(std::string("enter ") + pszPath);
        return m_existing.count(Key(pszPath)) ? 0 : -1;
    }
    int Access(const char*, int) override { return -1; }
    int ChangeMode(const char*, int) override { return 0; }
    int Remove(const char*) override { return 0; }
    void* Open(const char*, const char*) override { return nullptr; }
    std::size_t Write(const void*, std::size_t, std::size_t, void*) override { return 0; }
    int Close(void*) override { return 0; }

    // Folders are known without their trailing separator; a run of them counts as one.
    static std::string Key(const std::string& strPath)
    {
        std::string strKey;
        for (char ch : strPath)
            if (!(ch == '\\' && !strKey.empty() && strKey.back() == '\\'))
                strKey += ch;
        if (strKey.size() > 3 && strKey.back() == '\\')
            strKey.pop_back();
        return strKey;
    }

    bool m_bRawFullPath = false;
    std::set<std::string> m_existing{"C:\\", "D:\\"};
    std::set<std::string> m_files;
    std::vector<std::string> m_ops;
};

using Ops = std::vector<std::string>;

TEST(CreateDirectoryPath, EntersRootThenCreatesAndEntersEachFolder)
{
    for (const char* pszPath : {"C:\\A\\B", "C:\\A\\B\\"})
    {
        CRecordingFiles files;
        files.m_existing.insert("C:\\A");
        EXPECT_EQ(CreateDirectoryPath(pszPath, files), 0) << pszPath;
        EXPECT_EQ(files.m_ops, (Ops{"enter C:\\", "create C:\\A\\", "enter C:\\A\\",
                                    "create C:\\A\\B\\", "enter C:\\A\\B\\"}))
            << pszPath;
    }
}

TEST(CreateDirectoryPath, DriveRootIsOnlyEntered)
{
    CRecordingFiles files;
    EXPECT_EQ(CreateDirectoryPath("C:\\", files), 0);
    EXPECT_EQ(files.m_ops, (Ops{"enter C:\\"}));
}

TEST(CreateDirectoryPath, ExistingFileInThePathFailsThere)
{
    CRecordingFiles files;
    files.m_files.insert("C:\\A\\F");
    EXPECT_EQ(CreateDirectoryPath("C:\\A\\F\\G", files), 1);
    EXPECT_EQ(files.m_ops, (Ops{"enter C:\\", "create C:\\A\\", "enter C:\\A\\",
                                "create C:\\A\\F\\", "enter C:\\A\\F\\"}));
    EXPECT_TRUE(files.m_existing.count("C:\\A")); // the folder above stays
}

TEST(CreateDirectoryPath, DoubledSeparatorCollapsedByTheFullPath)
{
    CRecordingFiles files;
    EXPECT_EQ(CreateDirectoryPath("C:\\LV\\instr.lib\\LH7400\\\\Actions", files), 0);
    EXPECT_EQ(files.m_ops.back(), "enter C:\\LV\\instr.lib\\LH7400\\Actions\\");
    EXPECT_EQ(files.m_ops.size(), 9u);
}

TEST(CreateDirectoryPath, SurvivingDoubledSeparatorIsAnEmptyStep)
{
    CRecordingFiles files;
    files.m_bRawFullPath = true;
    EXPECT_EQ(CreateDirectoryPath("C:\\A\\\\B", files), 0);
    EXPECT_EQ(files.m_ops, (Ops{"enter C:\\", "create C:\\A\\", "enter C:\\A\\", "create C:\\A\\\\",
                                "enter C:\\A\\\\", "create C:\\A\\\\B\\", "enter C:\\A\\\\B\\"}));
}

TEST(CreateDirectoryPath, UnreachableRootsFailWithoutCreating)
{
    for (const char* pszPath : {"Q:\\A\\B", "\\\\server\\share\\dir"})
    {
        CRecordingFiles files;
        EXPECT_EQ(CreateDirectoryPath(pszPath, files), 1) << pszPath;
        ASSERT_EQ(files.m_ops.size(), 1u) << pszPath;
        EXPECT_EQ(files.m_ops[0].rfind("enter ", 0), 0u);
    }
}

TEST(CreateDirectoryPath, BareDriveEntersItsCurrentFolder)
{
    CRecordingFiles files;
    files.m_existing.insert({"D:\\X", "D:\\X\\Y"});
    EXPECT_EQ(CreateDirectoryPath("D:", files), 0);
    EXPECT_EQ(files.m_ops, (Ops{"enter D:\\", "create D:\\X\\", "enter D:\\X\\",
                                "create D:\\X\\Y\\", "enter D:\\X\\Y\\"}));
}

TEST(CreateDirectoryPath, PathsThatCannotBeHeldFailUntouched)
{
    std::string strFits = "C:\\" + std::string(251, 'a');    // 254 + separator = 255
    std::string strTooLong = "C:\\" + std::string(252, 'a'); // 255, no room for the separator
    std::string strWayTooLong = "C:\\" + std::string(400, 'a');
    for (const std::string& strPath : {strTooLong, strWayTooLong, std::string()})
    {
        CRecordingFiles files;
        EXPECT_EQ(CreateDirectoryPath(strPath.c_str(), files), 1) << strPath.size();
        EXPECT_TRUE(files.m_ops.empty());
    }
    CRecordingFiles files;
    EXPECT_EQ(CreateDirectoryPath(strFits.c_str(), files), 0);
}

TEST(CreateDirectoryPath, RealFoldersThroughTheStandIn)
{
    CTempFolder temp;
    CMappedFileOps files;
    files.MapDrive('C', temp.Path());
    temp.MakeFolder("a");
    EXPECT_EQ(CreateDirectoryPath("c:\\a\\b\\c", files), 0);
    EXPECT_TRUE(temp.Exists("a/b/c"));
    EXPECT_EQ(files.CurrentDirectory(), "c:\\a\\b\\c");
    // Everything exists now: nothing new, same result, in any letter case of the existing path.
    EXPECT_EQ(CreateDirectoryPath("C:\\a\\b\\c\\", files), 0);

    temp.WriteFile("a/file", "x");
    EXPECT_EQ(CreateDirectoryPath("C:\\a\\file\\d", files), 1);
    EXPECT_FALSE(temp.Exists("a/file/d"));
    EXPECT_EQ(files.CurrentDirectory(), "C:\\a");

    // A relative path lands below the folder entered last.
    EXPECT_EQ(CreateDirectoryPath("rel", files), 0);
    EXPECT_TRUE(temp.Exists("a/rel"));
}
} // namespace
