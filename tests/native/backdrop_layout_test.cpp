#include "BackdropLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A font whose subtitle width grows by nStep pixels per point from nAtTenPoints at 10 points;
// it records the sizes asked for.
struct CGrowingFont
{
    int nAtTenPoints;
    int nStep;
    std::vector<int> sizes;

    SubtitleMeasure Measure()
    {
        return [this](int nSize)
        {
            sizes.push_back(nSize);
            return nAtTenPoints + (nSize - 100) / 10 * nStep;
        };
    }
};

TEST(BackdropLayout, BandsOfA768RowClientAreAThreeRowsHigh)
{
    for (int i = 0; i < BACKDROP_BANDS; ++i)
    {
        const SBackdropBand band = ComputeBackdropBand(i, 1024, 768);
        EXPECT_EQ(band.rc.nTop, 3 * i);
        EXPECT_EQ(band.rc.nBottom, 3 * i + 3); // rows 3i to 3i + 2
        EXPECT_EQ(band.rc.nLeft, 0);
        EXPECT_EQ(band.rc.nRight, 1025); // one column beyond the client area
    }
}

TEST(BackdropLayout, BandsOfA600RowClientCoverItWithoutGapsOrOverlaps)
{
    struct
    {
        int nBand, nTop, nBottom;
    } const cases[] = {{0, 0, 2}, {1, 2, 4}, {255, 597, 600}};
    for (const auto& c : cases)
    {
        const SBackdropBand band = ComputeBackdropBand(c.nBand, 800, 600);
        EXPECT_EQ(band.rc.nTop, c.nTop) << "band " << c.nBand;
        EXPECT_EQ(band.rc.nBottom, c.nBottom) << "band " << c.nBand;
    }
    int nRow = 0;
    for (int i = 0; i < BACKDROP_BANDS; ++i)
    {
        const SBackdropBand band = ComputeBackdropBand(i, 800, 600);
        EXPECT_EQ(band.rc.nTop, nRow) << "band " << i;
        EXPECT_GE(band.rc.nBottom - band.rc.nTop, 2);
        nRow = band.rc.nBottom;
    }
    EXPECT_EQ(nRow, 600);
}

TEST(BackdropLayout, BandColoursRunFromGreyToCyan)
{
    struct
    {
        int nBand, nRed, nGreen, nBlue;
    } const cases[] = {{0, 63, 63, 63}, {4, 62, 65, 65}, {255, 0, 190, 190}};
    for (const auto& c : cases)
        EXPECT_EQ(ComputeBackdropBand(c.nBand, 1024, 768).nColour,
                  BackdropRgb(c.nRed, c.nGreen, c.nBlue))
            << "band " << c.nBand;
    EXPECT_EQ(BackdropRgb(0, 190, 190), 0x00BEBE00u); // 0x00BBGGRR
}

TEST(BackdropLayout, FrameOf1024By768WithLineHeight40)
{
    // A probe of 10 x 32 pixels: line height (5 x 32) / 4 = 40, shadow offset 10 / 3 = 3.
    const SBackdropFrame frame = ComputeBackdropFrame(1024, 768, 10, 32);
    EXPECT_EQ(frame.nMargin, 48);
    EXPECT_EQ(frame.nLineHeight, 40);
    EXPECT_EQ(frame.nShadowOffset, 3);
    EXPECT_EQ(frame.nLogoSide, 592);
    EXPECT_EQ(frame.rcLogo.nLeft, 216);
    EXPECT_EQ(frame.rcLogo.nTop, 128);
    EXPECT_EQ(frame.rcLogo.nRight, 216 + 592);
    EXPECT_EQ(frame.rcLogo.nBottom, 720); // t pixels above the bottom
    EXPECT_EQ(frame.ptTitleShadow.nX, 512);
    EXPECT_EQ(frame.ptTitleShadow.nY, 48);
    EXPECT_EQ(frame.ptSubtitleShadow.nX, 512);
    EXPECT_EQ(frame.ptSubtitleShadow.nY, 88);
    EXPECT_EQ(frame.ptTitle.nX, 509);
    EXPECT_EQ(frame.ptTitle.nY, 45);
    EXPECT_EQ(frame.ptSubtitle.nX, 509);
    EXPECT_EQ(frame.ptSubtitle.nY, 85);
}

TEST(BackdropLayout, ProbeMeasurementsTruncate)
{
    // (5 x 33) / 4 = 41, 11 / 3 = 3; (5 x 31) / 4 = 38, 8 / 3 = 2.
    EXPECT_EQ(ComputeBackdropFrame(1024, 768, 11, 33).nLineHeight, 41);
    EXPECT_EQ(ComputeBackdropFrame(1024, 768, 11, 33).nShadowOffset, 3);
    EXPECT_EQ(ComputeBackdropFrame(1024, 768, 8, 31).nLineHeight, 38);
    EXPECT_EQ(ComputeBackdropFrame(1024, 768, 8, 31).nShadowOffset, 2);
}

TEST(BackdropLayout, SquareWiderThanTheClientStaysCentredWithANegativeLeftEdge)
{
    // h = 800 and a line height of 0: t = 50, s = 800 - 100 = 700.
    const SBackdropFrame frame = ComputeBackdropFrame(601, 800, 0, 0);
    EXPECT_EQ(frame.nLogoSide, 700);
    EXPECT_EQ(frame.rcLogo.nLeft, -49); // -99 / 2, truncated toward zero
    EXPECT_EQ(frame.rcLogo.nRight, 651);
}

TEST(BackdropLayout, FontSearchStopsAtTheFirstSizeWiderThanFourFifths)
{
    // w = 1000: the limit is 800. 300 px at 10 points, 25 more per point: 20 points gives 550,
    // 30 points 800 (not wider), 31 points 825.
    CGrowingFont font{300, 25, {}};
    EXPECT_EQ(FitTitleFontSize(1000, font.Measure()), 310);
    ASSERT_EQ(font.sizes.size(), 22u);
    EXPECT_EQ(font.sizes.front(), 100);
    EXPECT_EQ(font.sizes[1], 110);
    EXPECT_EQ(font.sizes.back(), 310);
}

TEST(BackdropLayout, FontSearchStopsAtTenPointsWhenEvenThatIsWider)
{
    CGrowingFont font{81, 5, {}};
    EXPECT_EQ(FitTitleFontSize(100, font.Measure()), 100); // limit 80
    EXPECT_EQ(font.sizes, std::vector<int>{100});

    // Exactly four fifths is not wider: the search goes on.
    CGrowingFont exact{80, 5, {}};
    EXPECT_EQ(FitTitleFontSize(100, exact.Measure()), 110);
}

TEST(BackdropLayout, FontSearchGivesUpOnAFontThatNeverGrows)
{
    CGrowingFont stuck{10, 0, {}};
    EXPECT_EQ(FitTitleFontSize(1024, stuck.Measure()), TITLE_FONT_LAST_SIZE);
    EXPECT_EQ(stuck.sizes.back(), TITLE_FONT_LAST_SIZE);
}

TEST(BackdropLayout, WholeLayoutMeasuresTheProbeInTheFittedFont)
{
    CGrowingFont font{300, 25, {}};
    int nProbedSize = 0;
    const ProbeMeasure probe = [&](int nSize)
    {
        nProbedSize = nSize;
        return SBackdropExtent{10, 32};
    };
    const SBackdropLayout layout = ComputeBackdropLayout(1024, 768, font.Measure(), probe);
    // Limit (4 x 1024) / 5 = 819: 31 points give 825.
    EXPECT_EQ(layout.nFontSize, 310);
    EXPECT_EQ(nProbedSize, 310);
    EXPECT_EQ(layout.aBands[4].nColour, BackdropRgb(62, 65, 65));
    EXPECT_EQ(layout.aBands[255].rc.nBottom, 768);
    EXPECT_EQ(layout.frame.rcLogo.nLeft, 216);
    EXPECT_EQ(layout.frame.ptTitle.nX, 509);
}

TEST(BackdropLayout, LowWindowLeavesNoRoomForTheLogo)
{
    EXPECT_LE(ComputeBackdropFrame(800, 80, 10, 32).nLogoSide, 0);
}

TEST(BackdropLayout, MinimisedIconIsCentredRoundingUp)
{
    struct
    {
        int nWidth, nHeight, nX, nY;
    } const cases[] = {{160, 100, 64, 34}, {33, 33, 1, 1}, {0, 0, -15, -15}};
    for (const auto& c : cases)
    {
        const SBackdropPoint pt = ComputeMinimisedIconPosition(c.nWidth, c.nHeight, 32, 32);
        EXPECT_EQ(pt.nX, c.nX) << c.nWidth;
        EXPECT_EQ(pt.nY, c.nY) << c.nHeight;
    }
}
} // namespace
