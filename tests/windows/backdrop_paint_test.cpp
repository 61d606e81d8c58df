// The backdrop painted with the real GDI into a 1024 x 768 bitmap, under Wine. The program's
// resource 130 here is a small test logo (backdrop_logo.bmp).
#include "BackdropLayout.h"
#include "BackdropPaint.h"
#include "Gdi.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace
{
constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;
constexpr int LOGO_WIDTH = 8;
constexpr int LOGO_HEIGHT = 4;
constexpr COLORREF UNTOUCHED = RGB(1, 2, 3);

// The test logo's colour at pixel (x, y); no pixel is black, white or grey-cyan like a band.
COLORREF LogoColour(int x, int y)
{
    return RGB(30 + 25 * x, 60 + 40 * y, 215 - 15 * x - 5 * y);
}

struct SIconEraseLog
{
    int nCount;
    WPARAM wParam;
} g_iconErase;

LRESULT CALLBACK RecordingWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_ICONERASEBKGND)
    {
        ++g_iconErase.nCount;
        g_iconErase.wParam = wParam;
        return 1;
    }
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

// A 32-bit top-down bitmap selected into a memory context, and a hidden pop-up window whose
// client area has the bitmap's size.
class BackdropPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "BackdropPaintTest";
        RegisterClassA(&wc); // fails harmlessly when an earlier test registered it

        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = WIDTH;
        info.bmiHeader.biHeight = -HEIGHT;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_hDC = CreateCompatibleDC(nullptr);
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        ASSERT_NE(m_hBitmap, nullptr);
        m_pPixels = static_cast<const DWORD*>(pBits);
        m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
        RECT rcAll = {0, 0, WIDTH, HEIGHT};
        HBRUSH hBrush = CreateSolidBrush(UNTOUCHED);
        FillRect(m_hDC, &rcAll, hBrush);
        DeleteObject(hBrush);
        g_iconErase = {};
    }

    void TearDown() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow(m_hWnd);
        SelectObject(m_hDC, m_hOldBitmap);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }

    HWND MakeWindow(DWORD nStyle)
    {
        m_hWnd = CreateWindowExA(0, "BackdropPaintTest", "", WS_POPUP | nStyle, 0, 0, WIDTH, HEIGHT,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        return m_hWnd;
    }

    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const DWORD nValue = m_pPixels[y * WIDTH + x];
        return RGB((nValue >> 16) & 0xFF, (nValue >> 8) & 0xFF, nValue & 0xFF);
    }

    // The layout of this canvas, with the texts measured in the canvas as the painting does.
    SBackdropLayout MeasuredLayout()
    {
        CFont font;
        HGDIOBJ hOldFont = nullptr;
        auto selectSize = [&](int nFontSize)
        {
            if (font.m_hObject != nullptr)
            {
                SelectObject(m_hDC, hOldFont);
                font.DeleteObject();
            }
            font.CreatePointFont(nFontSize, BACKDROP_FONT_FACE);
            hOldFont = SelectObject(m_hDC, font);
        };
        auto measure = [&](const char* pszText)
        {
            SIZE extent = {};
            GetTextExtentPointA(m_hDC, pszText, lstrlenA(pszText), &extent);
            return extent;
        };
        const SBackdropLayout layout = ComputeBackdropLayout(
            WIDTH, HEIGHT,
            [&](int nFontSize)
            {
                selectSize(nFontSize);
                return static_cast<int>(measure(BACKDROP_SUBTITLE).cx);
            },
            [&](int nFontSize)
            {
                selectSize(nFontSize);
                const SIZE probe = measure(BACKDROP_PROBE);
                return SBackdropExtent{probe.cx, probe.cy};
            });
        SelectObject(m_hDC, hOldFont);
        return layout;
    }

    // The colour of row y's band (768 rows: three to a band).
    static COLORREF BandColour(int y)
    {
        return ComputeBackdropBand(y * 256 / HEIGHT, 0, 0).nColour;
    }

    // The columns holding pixels of colour c in rows [nTop, nBottom): leftmost, rightmost, and
    // the number of such pixels.
    struct SSpan
    {
        int nLeft = WIDTH;
        int nRight = -1;
        int nBottom = -1;
        int nCount = 0;
    };
    SSpan Find(COLORREF c, int nTop, int nBottom) const
    {
        SSpan span;
        for (int y = std::max(nTop, 0); y < std::min(nBottom, HEIGHT); ++y)
            for (int x = 0; x < WIDTH; ++x)
                if (Pixel(x, y) == c)
                {
                    span.nLeft = std::min(span.nLeft, x);
                    span.nRight = std::max(span.nRight, x);
                    span.nBottom = std::max(span.nBottom, y);
                    ++span.nCount;
                }
        return span;
    }

    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    const DWORD* m_pPixels = nullptr;
    HWND m_hWnd = nullptr;
};

TEST_F(BackdropPaint, GradientLogoAndShadowedTextsWhereTheLayoutPutsThem)
{
    ASSERT_NE(MakeWindow(0), nullptr);
    RECT rcClient;
    GetClientRect(m_hWnd, &rcClient);
    ASSERT_EQ(rcClient.right, WIDTH);
    ASSERT_EQ(rcClient.bottom, HEIGHT);

    PaintBackdrop(m_hWnd, m_hDC, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_EQ(g_iconErase.nCount, 0);

    const SBackdropLayout layout = MeasuredLayout();
    const SBackdropFrame& frame = layout.frame;
    EXPECT_GT(layout.nFontSize, TITLE_FONT_FIRST_SIZE); // the search went beyond 10 points
    ASSERT_GT(frame.nLogoSide, 0);
    ASSERT_GT(frame.rcLogo.nLeft, 0);

    // The band colours down both edges, wherever no text is; from grey on top to cyan below.
    const int nTextTop = frame.nMargin - frame.nShadowOffset;
    const int nTextBottom = frame.nMargin + 2 * frame.nLineHeight;
    int nWrong = 0;
    for (int y = 0; y < HEIGHT; ++y)
        if (y < nTextTop || y >= nTextBottom)
            for (int x : {0, WIDTH - 1})
                if (Pixel(x, y) != BandColour(y) && ++nWrong <= 5)
                    ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << Pixel(x, y);
    EXPECT_EQ(nWrong, 0);
    for (int x = 0; x < WIDTH; ++x)
    {
        ASSERT_EQ(Pixel(x, 0), RGB(63, 63, 63)) << x;
        ASSERT_EQ(Pixel(x, HEIGHT - 1), RGB(0, 190, 190)) << x;
    }

    // The whole logo stretched into the square, and the gradient right around it.
    const SBackdropRect& rc = frame.rcLogo;
    const int nSide = frame.nLogoSide;
    for (int y = 0; y < LOGO_HEIGHT; ++y)
        for (int x = 0; x < LOGO_WIDTH; ++x)
            EXPECT_EQ(Pixel(rc.nLeft + (2 * x + 1) * nSide / (2 * LOGO_WIDTH),
                            rc.nTop + (2 * y + 1) * nSide / (2 * LOGO_HEIGHT)),
                      LogoColour(x, y))
                << "logo pixel " << x << ", " << y;
    EXPECT_EQ(Pixel(rc.nLeft, rc.nTop), LogoColour(0, 0));
    EXPECT_EQ(Pixel(rc.nRight - 1, rc.nBottom - 1), LogoColour(LOGO_WIDTH - 1, LOGO_HEIGHT - 1));
    const int nMiddle = rc.nTop + nSide / 2;
    EXPECT_EQ(Pixel(rc.nLeft - 1, nMiddle), BandColour(nMiddle));
    EXPECT_EQ(Pixel(rc.nRight, nMiddle), BandColour(nMiddle));
    EXPECT_EQ(Pixel(rc.nLeft + nSide / 2, rc.nBottom), BandColour(rc.nBottom));
    EXPECT_EQ(rc.nBottom, HEIGHT - frame.nMargin);

    // White title and subtitle, each with its black shadow offset down and to the right.
    const int nOffset = frame.nShadowOffset;
    ASSERT_GT(nOffset, 0);
    for (int nLine = 0; nLine < 2; ++nLine)
    {
        const int nTop = frame.ptTitle.nY + nLine * frame.nLineHeight;
        const int nBottom = nTop + frame.nLineHeight;
        const SSpan white = Find(RGB(255, 255, 255), nTop, nBottom);
        const SSpan black = Find(RGB(0, 0, 0), nTop, nBottom + nOffset);
        ASSERT_GT(white.nCount, 100) << "line " << nLine;
        ASSERT_GT(black.nCount, 100) << "line " << nLine;
        EXPECT_EQ(black.nRight, white.nRight + nOffset) << "line " << nLine;
        EXPECT_EQ(black.nBottom, white.nBottom + nOffset) << "line " << nLine;
        // Centred on the middle of the window.
        EXPECT_NEAR((white.nLeft + white.nRight) / 2, WIDTH / 2 - nOffset, 4) << "line " << nLine;
    }
    // The subtitle is wider than four fifths of the width, as the font search wants.
    const SSpan subtitle =
        Find(RGB(255, 255, 255), frame.ptSubtitle.nY, frame.ptSubtitle.nY + frame.nLineHeight);
    EXPECT_GT(subtitle.nRight - subtitle.nLeft + 4, 4 * WIDTH / 5);
}

TEST_F(BackdropPaint, WithoutTheLogoBitmapEverythingElseIsPainted)
{
    ASSERT_NE(MakeWindow(0), nullptr);
    PaintBackdrop(m_hWnd, m_hDC, nullptr, GetModuleHandleA("kernel32.dll"));

    const SBackdropFrame frame = MeasuredLayout().frame;
    const int nMiddle = frame.rcLogo.nTop + frame.nLogoSide / 2;
    EXPECT_EQ(Pixel(WIDTH / 2, nMiddle), BandColour(nMiddle));
    EXPECT_EQ(Pixel(frame.rcLogo.nLeft, frame.rcLogo.nTop), BandColour(frame.rcLogo.nTop));
    EXPECT_GT(
        Find(RGB(255, 255, 255), frame.ptTitle.nY, frame.ptTitle.nY + frame.nLineHeight).nCount,
        100);
    EXPECT_EQ(Pixel(0, HEIGHT - 1), RGB(0, 190, 190));
}

TEST_F(BackdropPaint, MinimisedWindowShowsOnlyTheIcon)
{
    ASSERT_NE(MakeWindow(WS_MINIMIZE), nullptr);
    ASSERT_TRUE(IsIconic(m_hWnd));
    RECT rcClient;
    GetClientRect(m_hWnd, &rcClient);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    const SBackdropPoint pt =
        ComputeMinimisedIconPosition(rcClient.right, rcClient.bottom, cxIcon, cyIcon);

    PaintBackdrop(m_hWnd, m_hDC, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));

    EXPECT_EQ(g_iconErase.nCount, 1);
    EXPECT_EQ(g_iconErase.wParam, reinterpret_cast<WPARAM>(m_hDC));
    // Nothing is painted outside the icon's square; inside it the icon shows.
    int nOutside = 0;
    int nInside = 0;
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x)
            if (Pixel(x, y) != UNTOUCHED)
            {
                const bool bInIcon =
                    x >= pt.nX && x < pt.nX + cxIcon && y >= pt.nY && y < pt.nY + cyIcon;
                ++(bInIcon ? nInside : nOutside);
            }
    EXPECT_EQ(nOutside, 0);
    if (pt.nX + cxIcon > 0 && pt.nY + cyIcon > 0)
    {
        EXPECT_GT(nInside, 0) << "icon at " << pt.nX << ", " << pt.nY;
    }
}
} // namespace
