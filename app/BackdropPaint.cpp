#include "BackdropPaint.h"

#include "BackdropLayout.h"
#include "Gdi.h"

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
// The fonts of the search, each created, selected into the paint context and measured in turn;
// the one before is deselected and deleted first. The last one stays selected until Release.
class CTitleFontSearch
{
public:
    explicit CTitleFontSearch(HDC hDC) : m_hDC(hDC) {}

    int MeasureSubtitle(int nFontSize)
    {
        if (m_font.m_hObject != nullptr)
        {
            SelectObject(m_hDC, m_hOldFont);
            m_font.DeleteObject();
        }
        m_font.CreatePointFont(nFontSize, BACKDROP_FONT_FACE);
        HGDIOBJ hPrevious = SelectObject(m_hDC, m_font);
        if (m_hOldFont == nullptr)
            m_hOldFont = hPrevious;
        SIZE extent = {};
        GetTextExtentPointA(m_hDC, BACKDROP_SUBTITLE, TextLength(BACKDROP_SUBTITLE), &extent);
        return static_cast<int>(extent.cx);
    }

    // Selects the context's own font again and deletes the fitted one.
    void Release()
    {
        SelectObject(m_hDC, m_hOldFont);
        m_font.DeleteObject();
    }

private:
    HDC m_hDC;
    CFont m_font;
    HGDIOBJ m_hOldFont = nullptr;
};
} // namespace

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

    CTitleFontSearch fonts(hDC);
    FitTitleFontSize(nWidth, [&fonts](int nFontSize) { return fonts.MeasureSubtitle(nFontSize); });

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
    const int nSubtitleLength = TextLength(BACKDROP_SUBTITLE);
    SetTextColor(hDC, RGB(0, 0, 0));
    TextOutA(hDC, frame.ptTitleShadow.nX, frame.ptTitleShadow.nY, BACKDROP_TITLE, nTitleLength);
    TextOutA(hDC, frame.ptSubtitleShadow.nX, frame.ptSubtitleShadow.nY, BACKDROP_SUBTITLE,
             nSubtitleLength);
    SetTextColor(hDC, RGB(255, 255, 255));
    TextOutA(hDC, frame.ptTitle.nX, frame.ptTitle.nY, BACKDROP_TITLE, nTitleLength);
    TextOutA(hDC, frame.ptSubtitle.nX, frame.ptSubtitle.nY, BACKDROP_SUBTITLE, nSubtitleLength);

    fonts.Release();
}
