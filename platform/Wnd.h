// CWnd: a C++ object bound to one Win32 window, with messages routed through a message map.
//
// Binding. CreateEx creates a window and binds it to the object; a dialog (CDialog) is bound
// when it opens. From then on every message of the window reaches the virtual WindowProc.
// CWnd::WindowProc looks the message up in the object's message map (the class's own map,
// then its base class's, up to CWnd's empty one) and calls the handler it finds; messages
// without a handler go to DefWindowProc, which is the window class's own procedure (the
// system's default, or the dialog manager for a dialog). After the last message of the window
// (WM_NCDESTROY) the object is unbound (m_hWnd becomes null) and PostNcDestroy runs; the
// object itself stays alive until its owner deletes it. When the window was the
// application's main window (CWinApp::m_pMainWnd), m_pMainWnd is cleared and WM_QUIT with
// exit code 0 is posted, which ends the application's message loop.
//
// A message map, in the header of a class derived from CWnd (or CDialog):
//
//     class CBackdropWnd : public CWnd
//     {
//     protected:
//         void OnPaint();                     // WM_PAINT
//         HCURSOR OnQueryDragIcon();          // WM_QUERYDRAGICON
//         void OnTimer(UINT_PTR nIDEvent);    // WM_TIMER
//         DECLARE_MESSAGE_MAP()
//     };
//
// and in its source file:
//
//     BEGIN_MESSAGE_MAP(CBackdropWnd, CWnd)
//         ON_WM_PAINT()
//         ON_WM_QUERYDRAGICON()
//         ON_WM_TIMER()
//     END_MESSAGE_MAP()
//
// ON_MESSAGE(WM_xxx, OnXxx) routes any message to LRESULT OnXxx(WPARAM, LPARAM). A class may
// also override WindowProc and pass what it does not handle on to its base's WindowProc.
//
// Window classes for CreateEx come from AfxRegisterWndClass. Windows of other classes can be
// created too; they are bound by replacing their window procedure once created.
//
// One thread: objects, handles and the window-class list are not shared between threads.
#pragma once

#include "CString.h"

#include <windows.h>

#include <map>
#include <memory>

class CWnd;

// One handler of a message map: the message and a function that calls the member handler.
struct CMessageMapEntry
{
    UINT nMessage;
    LRESULT (*pfnCall)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);
};

// A class's map: its entries (ended by an entry with a null pfnCall) and its base class's map.
struct CMessageMap
{
    const CMessageMap* (*pfnGetBaseMap)();
    const CMessageMapEntry* pEntries;
};

class CWnd
{
public:
    CWnd();
    // Destroys the window if the object is still bound to one.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object bound to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Creates the window and binds it to this object; FALSE when the system refuses.
    BOOL CreateEx(DWORD dwExStyle, const char* pszClassName, const char* pszWindowName,
                  DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                  HMENU hMenu, void* pParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, const char* pszClassName, const char* pszWindowName,
                  DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                  void* pParam = nullptr);
    // Destroys the window; FALSE, doing nothing, when there is none (any more).
    virtual BOOL DestroyWindow();

    // Timers of this window: WM_TIMER with nIDEvent reaches the message map (unless a
    // callback is given, which the system then calls instead).
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC pfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow();
    void Invalidate(BOOL bErase = TRUE);
    BOOL IsIconic() const;
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void GetClientRect(RECT* pRect) const;
    void GetWindowRect(RECT* pRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const RECT* pRect, BOOL bRepaint = TRUE);
    // Converts pRect from this window's client coordinates to pWndTo's (the screen's for
    // null).
    void MapWindowPoints(CWnd* pWndTo, RECT* pRect) const;
    // Centres the window over pAlternateOwner, or over its owner, or over the screen's work
    // area when there is neither (or it is hidden or minimised); kept inside the work area.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    void SetWindowText(const char* pszText);
    void GetWindowText(CString& strText) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Child windows by control id. GetDlgItem answers an object for the child (the bound one,
    // or a plain handle object that lives until this window is destroyed), null when there
    // is no such child.
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, const char* pszText);
    int GetDlgItemText(int nID, CString& strText) const;
    void CheckDlgButton(int nID, UINT nCheck);
    UINT IsDlgButtonChecked(int nID) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    // Routes a message: message map first, DefWindowProc for the rest.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window class's own procedure for this message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs after the window's last message, once the object is unbound. Does nothing here.
    virtual void PostNcDestroy();

    virtual const CMessageMap* GetMessageMap() const;
    static const CMessageMap* GetThisMessageMap();

    // Binds an existing window to this object, putting the layer's window procedure in
    // place of the window's own, which DefWindowProc then calls.
    void SubclassHandle(HWND hWnd);

private:
    friend LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND hWnd);
    void Unbind();

    WNDPROC m_pfnSuper;
    // Handle objects answered by GetDlgItem for children that are not bound to an object.
    mutable std::map<HWND, std::unique_ptr<CWnd>> m_mapItems;
};

// The procedure of every window class registered by AfxRegisterWndClass.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once for each combination) a window class of this program with the layer's
// window procedure and returns its name, valid for the rest of the process; null on failure.
const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const CMessageMap* GetThisMessageMap();                                                 \
    const CMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const CMessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }             \
    const CMessageMap* theClass::GetThisMessageMap()                                               \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using ThisBase = baseClass;                                                                \
        static const CMessageMapEntry s_aEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, nullptr}};                                                                         \
        static const CMessageMap s_map = {&ThisBase::GetThisMessageMap, s_aEntries};               \
        return &s_map;                                                                             \
    }

// void OnPaint()
#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT {                                         \
        static_cast<ThisClass*>(pWnd)->OnPaint();                                                  \
        return 0; }},

// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER()                                                                              \
    {WM_TIMER, [](CWnd* pWnd, WPARAM wParam, LPARAM) -> LRESULT {                                  \
        static_cast<ThisClass*>(pWnd)->OnTimer(static_cast<UINT_PTR>(wParam));                     \
        return 0; }},

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT {                                 \
        return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(pWnd)->OnQueryDragIcon()); }},

// LRESULT memberFn(WPARAM, LPARAM)
#define ON_MESSAGE(nMessage, memberFn)                                                             \
    {nMessage, [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT {                           \
        return static_cast<ThisClass*>(pWnd)->memberFn(wParam, lParam); }},
// clang-format on
