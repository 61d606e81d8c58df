#include "Gdi.h"
#include "Wnd.h"

#include <cstring>

SIZE CDC::GetTextExtent(const char* pszText) const
{
    SIZE size = {0, 0};
    GetTextExtentPointA(m_hDC, pszText, static_cast<int>(std::strlen(pszText)), &size);
    return size;
}

BOOL CDC::TextOut(int x, int y, const char* pszText)
{
    return ::TextOutA(m_hDC, x, y, pszText, static_cast<int>(std::strlen(pszText)));
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd)
{
    m_hDC = BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    EndPaint(m_hWnd, &m_ps);
}

BOOL CFont::CreatePointFont(int nPointSize, const char* pszFaceName, CDC* pDC)
{
    if (m_hObject != nullptr)
        return FALSE;
    HDC hDC = pDC != nullptr ? pDC->m_hDC : GetDC(nullptr);
    const int nPixelsPerInch = GetDeviceCaps(hDC, LOGPIXELSY);
    if (pDC == nullptr)
        ReleaseDC(nullptr, hDC);

    LOGFONTA lf = {};
    // A negative height asks for the character height (the cell less its internal leading).
    lf.lfHeight = -(nPointSize * nPixelsPerInch / 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    m_hObject = CreateFontIndirectA(&lf);
    return m_hObject != nullptr;
}

BOOL CFont::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    BOOL bResult = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return bResult;
}
