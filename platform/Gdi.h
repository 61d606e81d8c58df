// Drawing helpers of the class layer: a device context (CDC), the paint context of a WM_PAINT
// handler (CPaintDC) and a font made from a point size (CFont).
//
//     void CBackdropWnd::OnPaint()
//     {
//         CPaintDC dc(this);                      // BeginPaint ... EndPaint
//         CFont font;
//         font.CreatePointFont(100, "Times New Roman");
//         HGDIOBJ hOldFont = dc.SelectObject(font);
//         SIZE size = dc.GetTextExtent("i");
//         ::FillRect(dc, &rc, hBrush);            // any GDI call takes the CDC as an HDC
//         dc.SelectObject(hOldFont);
//     }                                           // the font is deleted with the CFont
#pragma once

#include <windows.h>

class CWnd;

class CDC
{
public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // Answers the object selected before.
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    // Width and height of the text in the selected font (GetTextExtentPointA).
    SIZE GetTextExtent(const char* pszText) const;
    BOOL TextOut(int x, int y, const char* pszText);
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
};

// BeginPaint in the constructor, EndPaint in the destructor; m_ps holds what BeginPaint gave.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};

class CFont
{
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    HFONT m_hObject = nullptr;
    operator HFONT() const { return m_hObject; }

    // A font of nPointSize tenths of a point in the face pszFaceName, converted to pixels
    // with the vertical resolution of pDC, or of the screen when pDC is null (character
    // height = tenths * pixels per inch / 720, cut to a whole pixel). FALSE on failure or
    // when the object already holds a font.
    BOOL CreatePointFont(int nPointSize, const char* pszFaceName, CDC* pDC = nullptr);
    // Deletes the font held, if any.
    BOOL DeleteObject();
};
