#include "BoundedText.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(BoundedText, CopyAndAppendRefuseWhatDoesNotFitAndKeepTheDestination)
{
    char sz[8] = "abc";
    EXPECT_FALSE(SafeCopy(sz, "12345678"));
    EXPECT_STREQ(sz, "abc");
    EXPECT_TRUE(SafeCopy(sz, "1234567"));
    EXPECT_STREQ(sz, "1234567");

    char szPath[8] = "ab";
    EXPECT_TRUE(SafeAppend(szPath, "cde"));
    EXPECT_FALSE(SafeAppend(szPath, "fgh")); // 8 characters would need 9 bytes
    EXPECT_STREQ(szPath, "abcde");
    EXPECT_TRUE(SafeAppend(szPath, "fg"));
    EXPECT_STREQ(szPath, "abcdefg");
}

TEST(BoundedText, FormatCutsAndReports)
{
    char sz[10];
    EXPECT_TRUE(SafeFormat(sz, sizeof sz, "<%s>", "1234567"));
    EXPECT_STREQ(sz, "<1234567>");
    EXPECT_FALSE(SafeFormat(sz, sizeof sz, "<%s>", "12345678"));
    EXPECT_EQ(std::strlen(sz), 9u);
}
