#include "BackdropPaint.h"

#include "BackdropLayout.h"

#include <cstring>

namespace
{
int TextLength(const char* pszText)
{
    return static_cast<int>(std::strlen(pszText));
}

void PaintMinimised(HWND hWnd, HDC hDC, HICON hIcon, int nWidth, int nHeight)
{
    SendMessageA(hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    const SBackdropPoint pt = ComputeMinimisedIconPosition(
        nWidth, nHeight, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(hDC, pt.nX, pt.nY, hIcon);
}

// Stretches the whole logo bitmap into the square; nothing when it cannot be loaded.
void PaintLogo(HDC hDC, HINSTANCE hResources, const SBackdropFrame& frame)
{
    HBITMAP hBitmap = LoadBitmapA(hResources, MAKEINTRESOURCEA(BACKDROP_LOGO_ID));
    if (hBitmap == nullptr)
        return;
    BITMAP bitmap = {};
    if (GetObjectA(hBitmap, sizeof(bitmap), &bitmap) != 0)
    {
        HDC hMemoryDC = CreateCompatibleDC(hDC);
        HGDIOBJ hOldBitmap = SelectObject(hMemoryDC, hBitmap);
        StretchBlt(hDC, frame.rcLogo.nLeft, frame.rcLogo.nTop, frame.nLogoSide, frame.nLogoSide,
                   hMemoryDC, 0, 0, bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
        SelectObject(hMemoryDC, hOldBitmap);
        DeleteObject(hBitmap);
        DeleteDC(hMemoryDC);
        return;
    }
    DeleteObject(hBitmap);
}
} // namespace

HFONT CreateTitleFont(int nFontSize)
{
    HDC hScreenDC = GetDC(nullptr);
    const int nHeight = -MulDiv(nFontSize, GetDeviceCaps(hScreenDC, LOGPIXELSY), 720);
    ReleaseDC(nullptr, hScreenDC);
    return CreateFontA(nHeight, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, BACKDROP_FONT_FACE);
}

void PaintBackdrop(HWND hWnd, HDC hDC, HICON hIcon, HINSTANCE hResources)
{
    RECT rcClient = {};
    GetClientRect(hWnd, &rcClient);
    const int nWidth = rcClient.right;
    const int nHeight = rcClient.bottom;
    if (IsIconic(hWnd))
    {
        PaintMinimised(hWnd, hDC, hIcon, nWidth, nHeight);
        return;
    }

    // The font search: each size tried is created, selected and measured; the one before it is
    // deselected and deleted first. The last one stays selected for all the text.
    HFONT hFont = nullptr;
    HGDIOBJ hOldFont = nullptr;
    const int nSubtitleLength = TextLength(BACKDROP_SUBTITLE);
    FitTitleFontSize(nWidth, [&](int nFontSize) {
        if (hFont != nullptr)
        {
            SelectObject(hDC, hOldFont);
            DeleteObject(hFont);
        }
        hFont = CreateTitleFont(nFontSize);
        HGDIOBJ hPrevious = SelectObject(hDC, hFont);
        if (hOldFont == nullptr)
            hOldFont = hPrevious;
        SIZE extent = {};
        GetTextExtentPointA(hDC, BACKDROP_SUBTITLE, nSubtitleLength, &extent);
        return static_cast<int>(extent.cx);
    });

    for (int i = 0; i < BACKDROP_BANDS; ++i)
    {
        const SBackdropBand band = ComputeBackdropBand(i, nWidth, nHeight);
        RECT rcBand;
        SetRect(&rcBand, band.rc.nLeft, band.rc.nTop, band.rc.nRight, band.rc.nBottom);
        HBRUSH hBrush = CreateSolidBrush(band.nColour);
        FillRect(hDC, &rcBand, hBrush);
        DeleteObject(hBrush);
    }

    SetBkMode(hDC, TRANSPARENT);
    SetTextAlign(hDC, TA_CENTER | TA_TOP);

    SIZE probe = {};
    GetTextExtentPointA(hDC, BACKDROP_PROBE, TextLength(BACKDROP_PROBE), &probe);
    const SBackdropFrame frame = ComputeBackdropFrame(nWidth, nHeight, probe.cx, probe.cy);

    // A window too low for the two text lines leaves no room for the square.
    if (frame.nLogoSide > 0)
        PaintLogo(hDC, hResources != nullptr ? hResources : GetModuleHandleA(nullptr), frame);

    const int nTitleLength = TextLength(BACKDROP_TITLE);
    SetTextColor(hDC, RGB(0, 0, 0));
    TextOutA(hDC, frame.ptTitleShadow.nX, frame.ptTitleShadow.nY, BACKDROP_TITLE, nTitleLength);
    TextOutA(hDC, frame.ptSubtitleShadow.nX, frame.ptSubtitleShadow.nY, BACKDROP_SUBTITLE,
             nSubtitleLength);
    SetTextColor(hDC, RGB(255, 255, 255));
    TextOutA(hDC, frame.ptTitle.nX, frame.ptTitle.nY, BACKDROP_TITLE, nTitleLength);
    TextOutA(hDC, frame.ptSubtitle.nX, frame.ptSubtitle.nY, BACKDROP_SUBTITLE, nSubtitleLength);

    SelectObject(hDC, hOldFont);
    DeleteObject(hFont);
}
