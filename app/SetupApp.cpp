#include "SetupApp.h"

#include "BackdropWnd.h"
#include "CommandLineOptions.h"
#include "ResourceIds.h"
#include "Win32CommandLine.h"
#include "Win32RestartOps.h"

namespace
{
// The backdrop: a topmost tool window with a sunken edge, a pop-up without caption or frame,
// created visible, disabled and maximised (the empty rectangle gives way to the screen).
constexpr DWORD BACKDROP_EX_STYLE = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;
constexpr DWORD BACKDROP_STYLE =
    WS_POPUP | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_MAXIMIZE;
static_assert(BACKDROP_EX_STYLE == 0x288 && BACKDROP_STYLE == 0x9D000000);
constexpr char BACKDROP_TEXT[] = "LabView KTR-7400 GPIB Driver Installation";
constexpr UINT_PTR WIZARD_TIMER = 1;

CSetupApp theApp;
} // namespace

CSetupApp::CSetupApp() : CWinApp(nullptr) {}

BOOL CSetupApp::InitInstance()
{
    HWND hDesktop = ::GetDesktopWindow();
    m_pBackdrop = new CBackdropWnd;
    m_pMainWnd = m_pBackdrop;
    m_pBackdrop->m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    HCURSOR hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    const char* pszClass =
        AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, hCursor, nullptr, m_pBackdrop->m_hIcon);
    g_bAutorun = CommandLineHasOption(AUTORUN_OPTION);
    // Without its window the program has nothing to show: it ends at once (still restarting
    // the computer when asked to).
    if (!m_pBackdrop->CreateEx(BACKDROP_EX_STYLE, pszClass, BACKDROP_TEXT, BACKDROP_STYLE, 0, 0, 0,
                               0, hDesktop, nullptr))
        return FALSE;
    m_pBackdrop->ShowWindow(SW_SHOW);
    m_pBackdrop->UpdateWindow();
    m_pBackdrop->SetTimer(WIZARD_TIMER, 1);
    return TRUE;
}

int CSetupApp::ExitInstance()
{
    if (m_pBackdrop != nullptr)
    {
        m_pBackdrop->DestroyWindow();
        delete m_pBackdrop;
        m_pBackdrop = nullptr;
    }
    if (RestartRequestedAtExit(g_bAutorun))
        RestartSystem(RESTART_FLAGS);
    return CWinApp::ExitInstance();
}
