#include "BackdropLayout.h"

// All divisions truncate toward zero, as C++ integer division does.

int FitTitleFontSize(int nClientWidth, const SubtitleMeasure& measureSubtitle)
{
    const int nLimit = (4 * nClientWidth) / 5;
    int nSize = TITLE_FONT_FIRST_SIZE;
    int nWidth = measureSubtitle(nSize);
    while (nWidth <= nLimit && nSize < TITLE_FONT_LAST_SIZE)
    {
        nSize += TITLE_FONT_STEP;
        nWidth = measureSubtitle(nSize);
    }
    return nSize;
}

SBackdropBand ComputeBackdropBand(int nBand, int nClientWidth, int nClientHeight)
{
    SBackdropBand band;
    band.rc.nLeft = 0;
    band.rc.nTop = (nBand * nClientHeight) / BACKDROP_BANDS;
    band.rc.nRight = nClientWidth + 1;
    band.rc.nBottom = ((nBand + 1) * nClientHeight) / BACKDROP_BANDS;
    band.nColour = BackdropRgb(63 - nBand / 4, 63 + nBand / 2, 63 + nBand / 2);
    return band;
}

SBackdropFrame ComputeBackdropFrame(int nClientWidth, int nClientHeight, int nProbeWidth,
                                    int nProbeHeight)
{
    SBackdropFrame frame;
    frame.nMargin = nClientHeight / 16;
    frame.nLineHeight = (5 * nProbeHeight) / 4;
    frame.nShadowOffset = nProbeWidth / 3;

    // The square ends nMargin above the bottom, below the two text lines.
    const int nSide = nClientHeight - 2 * frame.nMargin - 2 * frame.nLineHeight;
    frame.nLogoSide = nSide;
    frame.rcLogo.nLeft = (nClientWidth - nSide) / 2;
    frame.rcLogo.nTop = frame.nMargin + 2 * frame.nLineHeight;
    frame.rcLogo.nRight = frame.rcLogo.nLeft + nSide;
    frame.rcLogo.nBottom = frame.rcLogo.nTop + nSide;

    const int nCentre = nClientWidth / 2;
    const int nOffset = frame.nShadowOffset;
    frame.ptTitleShadow = {nCentre, frame.nMargin};
    frame.ptSubtitleShadow = {nCentre, frame.nMargin + frame.nLineHeight};
    frame.ptTitle = {nCentre - nOffset, frame.nMargin - nOffset};
    frame.ptSubtitle = {nCentre - nOffset, frame.nMargin + frame.nLineHeight - nOffset};
    return frame;
}

SBackdropLayout ComputeBackdropLayout(int nClientWidth, int nClientHeight,
                                      const SubtitleMeasure& measureSubtitle,
                                      const ProbeMeasure& measureProbe)
{
    SBackdropLayout layout;
    layout.nFontSize = FitTitleFontSize(nClientWidth, measureSubtitle);
    for (int i = 0; i < BACKDROP_BANDS; ++i)
        layout.aBands[i] = ComputeBackdropBand(i, nClientWidth, nClientHeight);
    const SBackdropExtent probe = measureProbe(layout.nFontSize);
    layout.frame = ComputeBackdropFrame(nClientWidth, nClientHeight, probe.nWidth, probe.nHeight);
    return layout;
}

SBackdropPoint ComputeMinimisedIconPosition(int nClientWidth, int nClientHeight, int nIconWidth,
                                            int nIconHeight)
{
    return {(nClientWidth - nIconWidth + 1) / 2, (nClientHeight - nIconHeight + 1) / 2};
}
