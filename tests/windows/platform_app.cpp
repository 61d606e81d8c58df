// A whole program on the class layer, as the setup program is built: one static application
// object, a main window created in InitInstance with a timer, a modal dialog run from the
// first tick, and the end of the program when the main window is destroyed. The process ends
// with exit code 0 only when every step was seen, in order; 1 otherwise.
#include "Dialog.h"
#include "Gdi.h"
#include "PlatformProbeIds.h"
#include "WinApp.h"

namespace
{
bool g_bPainted = false;
bool g_bTimerOnce = false;
INT_PTR g_nDialogResult = 0;
CDialog* g_pDialog = nullptr;

// Presses OK on the dialog as soon as it is up.
void CALLBACK PressOK(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    if (g_pDialog != nullptr && g_pDialog->GetSafeHwnd() != nullptr)
    {
        KillTimer(nullptr, nTimer);
        PostMessageA(GetDlgItem(g_pDialog->m_hWnd, IDOK), BM_CLICK, 0, 0);
    }
}

class CMainWnd : public CWnd
{
protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        g_bPainted = dc.m_hDC != nullptr;
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        g_bTimerOnce = !g_bTimerOnce && nIDEvent == 1;
        CDialog dialog(IDD_PROBE, this);
        g_pDialog = &dialog;
        ::SetTimer(nullptr, 0, 20, &PressOK);
        g_nDialogResult = dialog.DoModal();
        g_pDialog = nullptr;
        DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

class CProbeApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        m_pWindow = new CMainWnd;
        m_pMainWnd = m_pWindow;
        const char* pszClass =
            AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursorA(nullptr, IDC_ARROW));
        m_pWindow->CreateEx(0, pszClass, "probe", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                            nullptr);
        m_pWindow->ShowWindow(SW_SHOW);
        m_pWindow->UpdateWindow();
        m_pWindow->SetTimer(1, 1);
        return TRUE;
    }

    int ExitInstance() override
    {
        const bool bWindowGone = m_pWindow->m_hWnd == nullptr && m_pMainWnd == nullptr;
        m_pWindow->DestroyWindow(); // does nothing: the window is gone
        delete m_pWindow;
        const bool bNamed = lstrcmpA(AfxGetAppName(), "win_platform_app") == 0;
        const int nCode = CWinApp::ExitInstance();
        const bool bAll = g_bPainted && g_bTimerOnce && g_nDialogResult == IDOK && bWindowGone &&
                          bNamed && nCode == 0;
        return bAll ? nCode : 1;
    }

private:
    CMainWnd* m_pWindow = nullptr;
};

CProbeApp theApp;
} // namespace
