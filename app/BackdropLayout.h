// Where the backdrop window paints what: the gradient bands, the logo square and the shadowed
// title and subtitle, computed from the client size and a few text measurements alone.
#pragma once

#include <cstdint>
#include <functional>

// The painted texts and the font they are drawn in.
constexpr const char* BACKDROP_TITLE = "Larkhaven KTR-7400 GPIB Driver Installation";
constexpr const char* BACKDROP_SUBTITLE = "VISA Drivers for LabView 6.1 and Later";
constexpr const char* BACKDROP_FONT_FACE = "Times New Roman";
// Measured in the fitted font to derive the line height and the shadow offset.
constexpr const char* BACKDROP_PROBE = "i";

constexpr int BACKDROP_BANDS = 256;
// Font sizes are in tenths of a point: the search starts at 10 points and grows by one point.
constexpr int TITLE_FONT_FIRST_SIZE = 100;
constexpr int TITLE_FONT_STEP = 10;
// The search gives up at 1000 points, far beyond any screen, so that a font that does not grow
// (its creation failing, say) cannot keep a paint going forever.
constexpr int TITLE_FONT_LAST_SIZE = 10000;

// A colour as the platform writes it: 0x00BBGGRR.
constexpr std::uint32_t BackdropRgb(int nRed, int nGreen, int nBlue)
{
    return static_cast<std::uint32_t>(nRed) | (static_cast<std::uint32_t>(nGreen) << 8) |
           (static_cast<std::uint32_t>(nBlue) << 16);
}

struct SBackdropPoint
{
    int nX;
    int nY;
};

// Right and bottom edges are exclusive, as for every rectangle of the platform.
struct SBackdropRect
{
    int nLeft;
    int nTop;
    int nRight;
    int nBottom;
};

struct SBackdropBand
{
    SBackdropRect rc;
    std::uint32_t nColour;
};

// What follows from the fitted font's probe measurement. Text positions are the horizontal
// centre and the top of each text.
struct SBackdropFrame
{
    int nMargin;       // t: h / 16, the space above the title and below the logo
    int nLineHeight;   // (5 x probe height) / 4
    int nShadowOffset; // probe width / 3
    int nLogoSide;     // may be zero or negative on a very low window: then no logo shows
    SBackdropRect rcLogo;
    SBackdropPoint ptTitleShadow; // the black pass
    SBackdropPoint ptSubtitleShadow;
    SBackdropPoint ptTitle; // the white pass, up and to the left of the shadow
    SBackdropPoint ptSubtitle;
};

struct SBackdropLayout
{
    int nFontSize; // tenths of a point
    SBackdropBand aBands[BACKDROP_BANDS];
    SBackdropFrame frame;
};

// The width in pixels of the subtitle drawn in the title font at a size in tenths of a point.
using SubtitleMeasure = std::function<int(int nFontSize)>;
// The width and height in pixels of the probe text in the title font at a size.
struct SBackdropExtent
{
    int nWidth;
    int nHeight;
};
using ProbeMeasure = std::function<SBackdropExtent(int nFontSize)>;

// The first size, from 10 points up in steps of one point, at which the subtitle is wider than
// four fifths of the client width; 10 points when even that size is wider.
int FitTitleFontSize(int nClientWidth, const SubtitleMeasure& measureSubtitle);

// Band nBand (0 to 255) of the vertical gradient from RGB(63, 63, 63) to RGB(0, 190, 190).
// The bands cover the whole client area and one column beyond its right edge.
SBackdropBand ComputeBackdropBand(int nBand, int nClientWidth, int nClientHeight);

// The logo square and the text positions for the probe's extent in the fitted font.
SBackdropFrame ComputeBackdropFrame(int nClientWidth, int nClientHeight, int nProbeWidth,
                                    int nProbeHeight);

// The whole layout: the font search, the bands and the frame.
SBackdropLayout ComputeBackdropLayout(int nClientWidth, int nClientHeight,
                                      const SubtitleMeasure& measureSubtitle,
                                      const ProbeMeasure& measureProbe);

// Where the icon goes when the window is minimised: centred, rounding up.
SBackdropPoint ComputeMinimisedIconPosition(int nClientWidth, int nClientHeight, int nIconWidth,
                                            int nIconHeight);
