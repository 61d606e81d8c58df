// The class layer's text type: formatting of any length, conversions and comparisons.
#include "CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
TEST(CStringText, StartsEmptyAndConvertsToACString)
{
    CString str;
    EXPECT_TRUE(str.IsEmpty());
    EXPECT_STREQ(static_cast<const char*>(str), "");
    CString strNull(nullptr);
    EXPECT_TRUE(strNull.IsEmpty());
    str = "C:\\LV";
    EXPECT_EQ(std::strlen(str), 5u);
    EXPECT_EQ(str.GetLength(), 5);
    EXPECT_EQ(str.GetAt(2), '\\');
}

TEST(CStringText, FormatsTextsLongerThanAnyFixedBufferAndKeepsPercentsOfArguments)
{
    const std::string strFolder = "D:\\" + std::string(1000, 'x') + "\\100% done";
    CString str("old");
    str.Format("The following LabView directory has been selected:\n\n<%s>\n\nok",
               strFolder.c_str());
    EXPECT_EQ(std::string(str.GetString()),
              "The following LabView directory has been selected:\n\n<" + strFolder + ">\n\nok");
    str.Format("%d%%", 7);
    EXPECT_EQ(str, "7%");
}

TEST(CStringText, AppendsTruncatesAndCompares)
{
    CString str("C:\\LabVIEW\\");
    str.Truncate(str.GetLength() - 1);
    EXPECT_EQ(str, "C:\\LabVIEW");
    str.Truncate(99); // past the end: unchanged
    EXPECT_EQ(str, "C:\\LabVIEW");
    str += '\\';
    str += "examples";
    EXPECT_EQ(str, "C:\\LabVIEW\\examples");
    EXPECT_EQ("C:\\LabVIEW\\examples", str);
    EXPECT_NE(str, CString("C:\\LabVIEW"));
    EXPECT_EQ(str + "\\LH7400", "C:\\LabVIEW\\examples\\LH7400");
    EXPECT_EQ(CString("abc", 2), "ab");
}
} // namespace
