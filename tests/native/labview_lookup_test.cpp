// The LabVIEW lookup against a registry stand-in that records its calls.
#include "LabViewLookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// One key holding one value, stored as the registry would return it to RegQueryValueExA.
class CFakeRegistry : public CRegistryOps
{
public:
    long OpenLocalMachineKey(const char* pszSubKey, void** phKey) override
    {
        m_calls.push_back(std::string("open ") + pszSubKey);
        if (!m_bKeyExists)
            return 2; // ERROR_FILE_NOT_FOUND
        *phKey = &m_nKey;
        return 0;
    }
    long QueryValue(void* hKey, const char* pszName, unsigned char* pData,
                    unsigned long* pcbData) override
    {
        m_calls.push_back(std::string("query ") + pszName + " " + std::to_string(*pcbData));
        EXPECT_EQ(hKey, &m_nKey);
        EXPECT_EQ(pData[0], 0) << "the buffer starts empty";
        if (!m_bValueExists)
            return 2;
        if (m_data.size() > *pcbData)
        {
            *pcbData = static_cast<unsigned long>(m_data.size());
            return 234; // ERROR_MORE_DATA
        }
        std::memcpy(pData, m_data.data(), m_data.size());
        *pcbData = static_cast<unsigned long>(m_data.size());
        return 0;
    }
    long CloseKey(void* hKey) override
    {
        EXPECT_EQ(hKey, &m_nKey);
        m_calls.push_back("close");
        return 0;
    }

    // A string value with its terminator.
    void SetText(const std::string& strValue)
    {
        m_data.assign(strValue.begin(), strValue.end());
        m_data.push_back('\0');
    }

    bool m_bKeyExists = true;
    bool m_bValueExists = true;
    std::vector<char> m_data;
    std::vector<std::string> m_calls;

private:
    int m_nKey = 0;
};

const std::string OPEN = "open Software\\National Instruments\\LabVIEW\\CurrentVersion";

TEST(LabViewLookup, ReadsThePathValueIntoA256ByteBuffer)
{
    CFakeRegistry registry;
    registry.SetText("C:\\Program Files\\National Instruments\\LabVIEW 7.0");
    std::string strPath;
    EXPECT_TRUE(ReadLabViewPath(registry, strPath));
    EXPECT_EQ(strPath, "C:\\Program Files\\National Instruments\\LabVIEW 7.0");
    EXPECT_EQ(registry.m_calls, (std::vector<std::string>{OPEN, "query Path 256", "close"}));
}

TEST(LabViewLookup, ValueLengthsAroundTheBuffer)
{
    struct
    {
        const char* pszName;
        std::vector<char> data;
        bool bFound;
        std::size_t nLength;
    } cases[] = {
        {"255 characters and terminator",
         []
         {
             std::vector<char> v(255, 'p');
             v.push_back('\0');
             return v;
         }(),
         true, 255},
        {"256 characters and terminator",
         []
         {
             std::vector<char> v(256, 'p');
             v.push_back('\0');
             return v;
         }(),
         false, 0},
        {"255 characters stored without terminator", std::vector<char>(255, 'p'), true, 255},
        {"256 characters stored without terminator", std::vector<char>(256, 'p'), false, 0},
        {"empty value", std::vector<char>{'\0'}, true, 0},
        {"text ends at the first zero byte", std::vector<char>{'C', ':', '\0', 'x', '\0'}, true, 2},
    };
    for (const auto& c : cases)
    {
        CFakeRegistry registry;
        registry.m_data = c.data;
        std::string strPath = "unchanged";
        EXPECT_EQ(ReadLabViewPath(registry, strPath), c.bFound) << c.pszName;
        if (c.bFound)
            EXPECT_EQ(strPath.size(), c.nLength) << c.pszName;
        EXPECT_EQ(registry.m_calls.back(), "close") << c.pszName;
    }
}

TEST(LabViewLookup, MissingKeyOrValue)
{
    CFakeRegistry noKey;
    noKey.m_bKeyExists = false;
    std::string strPath;
    EXPECT_FALSE(ReadLabViewPath(noKey, strPath));
    EXPECT_EQ(noKey.m_calls, (std::vector<std::string>{OPEN}))
        << "a key never opened is not closed";

    CFakeRegistry noValue;
    noValue.m_bValueExists = false;
    EXPECT_FALSE(ReadLabViewPath(noValue, strPath));
    EXPECT_EQ(noValue.m_calls, (std::vector<std::string>{OPEN, "query Path 256", "close"}));
}

TEST(LabViewLookup, SetsTheFolderPageStartAndPrompt)
{
    CFolderPageData page;
    page.m_strFolder = "D:\\Chosen earlier";
    ApplyLabViewLookup(true, "C:\\Program Files\\National Instruments\\LabVIEW 7.0", page);
    EXPECT_EQ(page.m_strFolder, "C:\\Program Files\\National Instruments\\LabVIEW 7.0");
    EXPECT_EQ(page.m_strPrompt,
              "LabView has been located in the following directory. Select another "
              "installation directory if desired. Note that any change may prevent the drivers "
              "from loading onto the LabView palette automatically.");

    ApplyLabViewLookup(false, "", page);
    EXPECT_EQ(page.m_strFolder, "C:\\");
    EXPECT_EQ(page.m_strPrompt, "LabView Installation not found. Manually select installation "
                                "directory.\nIt is recommended to install LabView 6.1 or higher "
                                "first.");
}
} // namespace
