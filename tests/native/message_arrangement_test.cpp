// The message page's arrangement of its buttons.
#include "MessageArrangement.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Label(const char* psz)
{
    return psz != nullptr ? psz : "(kept)";
}

struct ArrangementCase
{
    bool bTwoButtons;
    bool bWizardLabels;
    const char* pszFirst;
    const char* pszSecond;
    bool bShowSecond;
    bool bMoveFirst;
};

TEST(MessageArrangement, FlagsDecideLabelsVisibilityAndMove)
{
    // The template in dialog units: a page 195 wide, "OK" at 72, "Cancel" at 27.
    const CPageRect rcClient = {0, 0, 195, 93};
    const CPageRect rcOk = {72, 72, 122, 86};
    const CPageRect rcCancel = {27, 72, 77, 86};
    const ArrangementCase cases[] = {
        {true, false, "(kept)", "(kept)", true, true},       // welcome
        {true, true, "Next >>>", "<<< Back", true, true},    // confirmation
        {false, false, "(kept)", "(kept)", false, false},    // error, completion
        {false, true, "Next >>>", "<<< Back", false, false}, // not used, same rules
    };
    for (const ArrangementCase& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << "two buttons " << c.bTwoButtons << ", wizard labels " << c.bWizardLabels);
        const CMessageArrangement a =
            ArrangeMessagePage(c.bTwoButtons, c.bWizardLabels, rcClient, rcOk, rcCancel);
        EXPECT_EQ(Label(a.pszFirstLabel), c.pszFirst);
        EXPECT_EQ(Label(a.pszSecondLabel), c.pszSecond);
        EXPECT_EQ(a.bShowSecond, c.bShowSecond);
        EXPECT_EQ(a.bMoveFirst, c.bMoveFirst);
        // Two buttons: "OK" mirrored to 118, 72 (27 from the right edge); one: it stays.
        const CPageRect rcExpected = c.bTwoButtons ? CPageRect{118, 72, 168, 86} : rcOk;
        EXPECT_EQ(a.rcFirst.left, rcExpected.left);
        EXPECT_EQ(a.rcFirst.top, rcExpected.top);
        EXPECT_EQ(a.rcFirst.right, rcExpected.right);
        EXPECT_EQ(a.rcFirst.bottom, rcExpected.bottom);
    }
}

TEST(MessageArrangement, TheFirstButtonTakesTheSecondsSizeAndRowInPixels)
{
    // Pixels of a 1.5-times font: the first button was elsewhere and of another size.
    const CPageRect rcClient = {0, 0, 293, 151};
    const CPageRect rcFirst = {100, 10, 130, 30};
    const CPageRect rcSecond = {41, 117, 116, 140};
    const CMessageArrangement a = ArrangeMessagePage(true, false, rcClient, rcFirst, rcSecond);
    EXPECT_EQ(a.rcFirst.left, 293 - 116);
    EXPECT_EQ(a.rcFirst.right - a.rcFirst.left, 75);
    EXPECT_EQ(a.rcFirst.top, 117);
    EXPECT_EQ(a.rcFirst.bottom, 140);
    // As far from the right edge as the second stands from the left.
    EXPECT_EQ(rcClient.right - a.rcFirst.right, rcSecond.left);
}
} // namespace
