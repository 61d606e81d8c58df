#include "ClassifyEntry.h"
#include "OptionBits.h"

#include <gtest/gtest.h>

namespace
{
struct ClassifyCase
{
    const char* pszName;
    int nExpected;
};

const ClassifyCase kCases[] = {
    {"\\examples\\LH7400\\\\LH7400 Demo.vi", INSTALL_EXAMPLES},
    {"\\examples\\LH7400\\\\Readme.pdf", INSTALL_EXAMPLES}, // prefix decides before extension
    {"\\examplesX.vi", INSTALL_EXAMPLES},                   // any text after the nine characters
    {"\\Examples\\LH7400\\\\Guide.pdf", INSTALL_MANUALS},   // capital E: judged by extension
    {"\\Examples\\LH7400\\\\Panel.vi", INSTALL_DRIVERS},
    {"\\instr.lib\\LH7400\\\\Documentation\\KTR 7400 LabView Driver Manual.pdf", INSTALL_MANUALS},
    {"\\instr.lib\\LH7400\\\\Notes.DOC", INSTALL_MANUALS},
    {"\\instr.lib\\LH7400\\\\Notes.pDf", INSTALL_MANUALS},
    {"\\instr.lib\\LH7400\\\\Notes.docx", INSTALL_DRIVERS},
    {"\\instr.lib\\LH7400\\\\dir.mnu", INSTALL_DRIVERS},
    {".pdf", INSTALL_MANUALS},
    {"pdf", INSTALL_DRIVERS}, // too short to have four last characters
    {"", INSTALL_DRIVERS},
};

TEST(ClassifyEntry, NameDecidesCategory)
{
    for (const ClassifyCase& c : kCases)
        EXPECT_EQ(ClassifyEntry(c.pszName), c.nExpected) << c.pszName;
}
} // namespace
