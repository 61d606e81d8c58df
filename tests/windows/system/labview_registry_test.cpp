// The LabVIEW lookup against the real registry: the "Path" value present, too long, absent,
// and the key absent. The value is set and removed by the test itself; whatever the key held
// before is put back.
#include "LabViewLookup.h"
#include "RegistryOps.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace
{
class LabViewRegistry : public testing::Test
{
protected:
    void SetUp() override
    {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, LABVIEW_KEY, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            m_bHadKey = true;
            DWORD cbData = 0;
            if (RegQueryValueExA(hKey, "Path", nullptr, &m_nOldType, nullptr, &cbData) ==
                ERROR_SUCCESS)
            {
                m_oldValue.resize(cbData);
                m_bHadValue = RegQueryValueExA(hKey, "Path", nullptr, &m_nOldType,
                                               m_oldValue.data(), &cbData) == ERROR_SUCCESS;
            }
            RegCloseKey(hKey);
        }
    }
    void TearDown() override
    {
        if (m_bHadValue)
            SetRawValue(m_nOldType, m_oldValue);
        else
            DeleteValue();
        if (!m_bHadKey)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, LABVIEW_KEY);
    }

    static void SetRawValue(DWORD nType, const std::vector<BYTE>& data)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, LABVIEW_KEY, 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &hKey, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(
            RegSetValueExA(hKey, "Path", 0, nType, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
        RegCloseKey(hKey);
    }
    static void SetText(const std::string& strValue)
    {
        std::vector<BYTE> data(strValue.begin(), strValue.end());
        data.push_back(0);
        SetRawValue(REG_SZ, data);
    }
    static void DeleteValue()
    {
        HKEY hKey = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, LABVIEW_KEY, 0, KEY_WRITE, &hKey) == ERROR_SUCCESS)
        {
            RegDeleteValueA(hKey, "Path");
            RegCloseKey(hKey);
        }
    }

    static bool Read(std::string& strPath)
    {
        strPath = "unchanged";
        return ReadLabViewPath(SystemRegistryOps(), strPath);
    }

    bool m_bHadKey = false;
    bool m_bHadValue = false;
    DWORD m_nOldType = 0;
    std::vector<BYTE> m_oldValue;
};

TEST_F(LabViewRegistry, ValuePresentIsTheFolder)
{
    SetText("C:\\Program Files\\National Instruments\\LabVIEW 7.0");
    std::string strPath;
    EXPECT_TRUE(Read(strPath));
    EXPECT_EQ(strPath, "C:\\Program Files\\National Instruments\\LabVIEW 7.0");
}

TEST_F(LabViewRegistry, LengthLimitIs255Characters)
{
    const std::string strLongest = "C:\\" + std::string(252, 'L');
    SetText(strLongest);
    std::string strPath;
    EXPECT_TRUE(Read(strPath));
    EXPECT_EQ(strPath, strLongest);

    SetText(strLongest + "L");
    EXPECT_FALSE(Read(strPath)) << "256 characters do not fit with the terminator";
    SetText("C:\\" + std::string(400, 'L'));
    EXPECT_FALSE(Read(strPath));
}

TEST_F(LabViewRegistry, ValueStoredWithoutTerminator)
{
    const std::string strFolder = "D:\\LabVIEW 8.0";
    SetRawValue(REG_SZ, std::vector<BYTE>(strFolder.begin(), strFolder.end()));
    std::string strPath;
    EXPECT_TRUE(Read(strPath));
    EXPECT_EQ(strPath, strFolder);

    SetRawValue(REG_BINARY, std::vector<BYTE>(256, 'x'));
    EXPECT_FALSE(Read(strPath)) << "256 bytes leave no room for a terminator";
}

TEST_F(LabViewRegistry, ValueOrKeyAbsent)
{
    SetText("C:\\LabVIEW");
    DeleteValue();
    std::string strPath;
    EXPECT_FALSE(Read(strPath));

    if (!m_bHadKey)
    {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, LABVIEW_KEY);
        EXPECT_FALSE(Read(strPath));
    }
}
} // namespace
