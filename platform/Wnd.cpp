#include "Wnd.h"
#include "WinApp.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace
{
// Every window bound to an object, by handle.
std::map<HWND, CWnd*>& HandleMap()
{
    static std::map<HWND, CWnd*> s_map;
    return s_map;
}

// The object whose window CreateEx is creating: the window's first message binds it.
CWnd* g_pWndInit = nullptr;
} // namespace

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = HandleMap().find(hWnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

void CWnd::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
}

void CWnd::Unbind()
{
    if (m_pfnSuper != nullptr)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    HandleMap().erase(m_hWnd);
    m_mapItems.clear();
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

void CWnd::SubclassHandle(HWND hWnd)
{
    Bind(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
    {
        if (g_pWndInit == nullptr || g_pWndInit->m_hWnd != nullptr)
            return DefWindowProcA(hWnd, message, wParam, lParam);
        pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->Bind(hWnd);
    }

    LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        pWnd->Unbind();
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == pWnd)
        {
            // The main window is gone: the application's message loop ends.
            pApp->m_pMainWnd = nullptr;
            PostQuitMessage(0);
        }
        pWnd->PostNcDestroy();
    }
    return lResult;
}

const CMessageMap* CWnd::GetThisMessageMap()
{
    static const CMessageMapEntry s_aEntries[] = {{0, nullptr}};
    static const CMessageMap s_map = {nullptr, s_aEntries};
    return &s_map;
}

const CMessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const CMessageMap* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const CMessageMapEntry* pEntry = pMap->pEntries; pEntry->pfnCall != nullptr; ++pEntry)
        {
            if (pEntry->nMessage == message)
                return pEntry->pfnCall(this, wParam, lParam);
        }
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* pszClassName, const char* pszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU hMenu, void* pParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CWnd* pOuterInit = g_pWndInit;
    g_pWndInit = this;
    HWND hWnd = CreateWindowExA(dwExStyle, pszClassName, pszWindowName, dwStyle, x, y, nWidth,
                                nHeight, hWndParent, hMenu, AfxGetInstanceHandle(), pParam);
    g_pWndInit = pOuterInit;
    if (hWnd == nullptr)
        return FALSE;
    if (m_hWnd != hWnd)
        SubclassHandle(hWnd); // a class with a procedure of its own
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* pszClassName, const char* pszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, void* pParam)
{
    return CreateEx(dwExStyle, pszClassName, pszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pParam);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr || !IsWindow(m_hWnd))
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC pfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, pfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

void CWnd::GetClientRect(RECT* pRect) const
{
    ::GetClientRect(m_hWnd, pRect);
}

void CWnd::GetWindowRect(RECT* pRect) const
{
    ::GetWindowRect(m_hWnd, pRect);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(const RECT* pRect, BOOL bRepaint)
{
    MoveWindow(pRect->left, pRect->top, pRect->right - pRect->left, pRect->bottom - pRect->top,
               bRepaint);
}

void CWnd::MapWindowPoints(CWnd* pWndTo, RECT* pRect) const
{
    ::MapWindowPoints(m_hWnd, pWndTo != nullptr ? pWndTo->m_hWnd : nullptr,
                      reinterpret_cast<POINT*>(pRect), 2);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const bool bChild = (GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) != 0;
    HWND hCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                   : bChild                   ? ::GetParent(m_hWnd)
                                              : ::GetWindow(m_hWnd, GW_OWNER);

    RECT rcArea;
    RECT rcCenter;
    if (bChild)
    {
        HWND hParent = ::GetParent(m_hWnd);
        ::GetClientRect(hParent, &rcArea);
        rcCenter = rcArea;
        if (hCenter != nullptr && hCenter != hParent)
        {
            ::GetWindowRect(hCenter, &rcCenter);
            ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rcCenter), 2);
        }
    }
    else
    {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
        rcCenter = rcArea;
        if (hCenter != nullptr && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter))
            ::GetWindowRect(hCenter, &rcCenter);
    }

    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - nWidth / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - nHeight / 2;
    if (!bChild)
    {
        if (x + nWidth > rcArea.right)
            x = rcArea.right - nWidth;
        if (x < rcArea.left)
            x = rcArea.left;
        if (y + nHeight > rcArea.bottom)
            y = rcArea.bottom - nHeight;
        if (y < rcArea.top)
            y = rcArea.top;
    }
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::SetWindowText(const char* pszText)
{
    ::SetWindowTextA(m_hWnd, pszText);
}

void CWnd::GetWindowText(CString& strText) const
{
    int nLength = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<std::size_t>(nLength) + 1);
    int nRead = ::GetWindowTextA(m_hWnd, buffer.data(), nLength + 1);
    strText = CString(buffer.data(), nRead > 0 ? nRead : 0);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem == nullptr)
        return nullptr;
    if (CWnd* pBound = FromHandlePermanent(hItem))
        return pBound;
    std::unique_ptr<CWnd>& pItem = m_mapItems[hItem];
    if (!pItem)
    {
        pItem = std::make_unique<CWnd>();
        pItem->m_hWnd = hItem;
    }
    return pItem.get();
}

void CWnd::SetDlgItemText(int nID, const char* pszText)
{
    ::SetDlgItemTextA(m_hWnd, nID, pszText);
}

int CWnd::GetDlgItemText(int nID, CString& strText) const
{
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem == nullptr)
    {
        strText.Empty();
        return 0;
    }
    CWnd item;
    item.m_hWnd = hItem;
    item.GetWindowText(strText);
    item.m_hWnd = nullptr;
    return strText.GetLength();
}

void CWnd::CheckDlgButton(int nID, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nID, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nID) const
{
    return ::IsDlgButtonChecked(m_hWnd, nID);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                HICON hIcon)
{
    static std::set<std::string> s_names; // nodes never move: the texts stay valid
    HINSTANCE hInstance = AfxGetInstanceHandle();
    char szName[96];
    std::snprintf(szName, sizeof szName, "SetupWnd:%p:%x:%p:%p:%p", static_cast<void*>(hInstance),
                  nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                  static_cast<void*>(hIcon));
    auto it = s_names.find(szName);
    if (it != s_names.end())
        return it->c_str();

    WNDCLASSA wc = {};
    if (!GetClassInfoA(hInstance, szName, &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = &AfxWndProc;
        wc.hInstance = hInstance;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = szName;
        if (!RegisterClassA(&wc))
            return nullptr;
    }
    return s_names.insert(szName).first->c_str();
}
