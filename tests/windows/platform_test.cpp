// The class layer under Wine: message maps, the application's message loop, modal dialogs,
// string-table texts, message boxes and fonts.
#include "Dialog.h"
#include "Gdi.h"
#include "ModalScript.h"
#include "PlatformProbeIds.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Handles the three messages of a backdrop-like window and records what it saw.
class CProbeWnd : public CWnd
{
public:
    int m_nPaints = 0;
    bool m_bPaintContext = false;
    std::vector<UINT_PTR> m_timers;
    HICON m_hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32516)); // IDI_INFORMATION

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_bPaintContext = dc.m_hDC != nullptr;
    }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }
    void OnTimer(UINT_PTR nIDEvent) { m_timers.push_back(nIDEvent); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_TIMER()
END_MESSAGE_MAP()

// Adds a handler of its own; the base class's handlers stay reachable through its map.
class CDerivedProbeWnd : public CProbeWnd
{
public:
    int m_nAppMessages = 0;
    UINT m_nLastMessage = 0;

protected:
    LRESULT OnAppMessage(WPARAM wParam, LPARAM lParam)
    {
        ++m_nAppMessages;
        return static_cast<LRESULT>(wParam + lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_nLastMessage = message;
        return CProbeWnd::WindowProc(message, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
ON_MESSAGE(WM_APP + 1, OnAppMessage)
END_MESSAGE_MAP()

const char* ProbeClass()
{
    return AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursorA(nullptr, IDC_ARROW));
}

// Dispatches this thread's messages until the condition holds or a second has passed.
template <typename Condition> bool PumpUntil(Condition condition)
{
    DWORD nStart = GetTickCount();
    while (!condition() && GetTickCount() - nStart < 1000)
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    return condition();
}

// Drops what an ended message loop left in the queue (the WM_QUIT of a main window destroyed
// after the loop), so that the next test's loops run.
void DrainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
    }
}

// The icon a message box shows, or null.
HICON DialogIcon(HWND hDlg)
{
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild != nullptr;
         hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        if ((GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(SendMessageA(hChild, STM_GETICON, 0, 0));
    }
    return nullptr;
}

TEST(WindowLayer, MessageMapsRouteTheirMessagesAndTheRestGoesToTheSystem)
{
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, ProbeClass(), "probe", WS_POPUP, 10, 10, 200, 100, nullptr, nullptr));
    ASSERT_NE(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    wnd.ShowWindow(SW_SHOW);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.m_nPaints, 1);
    EXPECT_TRUE(wnd.m_bPaintContext);

    EXPECT_EQ(wnd.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(wnd.m_hIcon));
    EXPECT_EQ(wnd.SendMessage(WM_APP + 1, 40, 2), 42);
    EXPECT_EQ(wnd.m_nAppMessages, 1);
    EXPECT_EQ(wnd.m_nLastMessage, static_cast<UINT>(WM_APP + 1));

    // A message without a handler gets the system's default handling.
    wnd.SetWindowText("renamed");
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_EQ(strText, "renamed");

    EXPECT_EQ(wnd.SetTimer(5, 1), 5u);
    EXPECT_TRUE(PumpUntil([&] { return wnd.m_timers.size() >= 2; }));
    wnd.KillTimer(5);
    EXPECT_EQ(wnd.m_timers.front(), 5u);

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_FALSE(wnd.DestroyWindow()); // nothing left to destroy
}

TEST(WindowLayer, ClassesAreRegisteredOncePerCombination)
{
    const char* pszFirst = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
    const char* pszAgain = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW);
    const char* pszOther = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, nullptr, nullptr,
                                               LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
    ASSERT_NE(pszFirst, nullptr);
    EXPECT_EQ(pszFirst, pszAgain);
    ASSERT_NE(pszOther, nullptr);
    EXPECT_STRNE(pszFirst, pszOther);
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(AfxGetInstanceHandle(), pszOther, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.lpfnWndProc, &AfxWndProc);
}

TEST(WindowLayer, WindowsOfForeignClassesAreBoundToo)
{
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "label", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(wnd.m_hIcon));
    CString strText;
    wnd.GetWindowText(strText); // the static control's own procedure still answers
    EXPECT_EQ(strText, "label");
}

// A dialog over a plain parent, ended by the keys as the dialog manager translates them.
class CProbeDialog : public CDialog
{
public:
    explicit CProbeDialog(CWnd* pParent) : CDialog(IDD_PROBE, pParent) {}

    CString m_strInitial;
    int m_nOKs = 0;
    int m_nInits = 0;

protected:
    BOOL OnInitDialog() override
    {
        ++m_nInits;
        GetDlgItemText(IDC_PROBE_EDIT, m_strInitial);
        return CDialog::OnInitDialog();
    }
    void OnOK() override
    {
        ++m_nOKs;
        CDialog::OnOK();
    }
};

struct CParentWindow
{
    CWnd wnd;
    CParentWindow()
    {
        wnd.CreateEx(0, ProbeClass(), "parent", WS_POPUP | WS_VISIBLE, 100, 80, 600, 400, nullptr,
                     nullptr);
    }
};

POINT Centre(const RECT& rc)
{
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

TEST(DialogLayer, RunsModallyCentredOverItsParentAndAnswersTheKeys)
{
    CParentWindow parent;
    CProbeDialog dialog(&parent.wnd);
    bool bParentDisabled = false;
    bool bSameItemObject = false;
    RECT rcDialog = {};
    HWND hEdit = nullptr;

    CModalScript script;
    script.WaitUntil([&] { return dialog.GetSafeHwnd() != nullptr; })
        .Then(
            [&]
            {
                bParentDisabled = !IsWindowEnabled(parent.wnd.m_hWnd);
                bSameItemObject =
                    dialog.GetDlgItem(IDC_PROBE_EDIT) == dialog.GetDlgItem(IDC_PROBE_EDIT);
                EXPECT_EQ(dialog.GetDlgItem(12345), nullptr);
                GetWindowRect(dialog.m_hWnd, &rcDialog);
                hEdit = dialog.GetDlgItem(IDC_PROBE_EDIT)->GetSafeHwnd();
                EXPECT_EQ(GetFocus(), hEdit); // the first tab stop
                dialog.SetDlgItemText(IDC_PROBE_EDIT, "changed");
                PressKey(hEdit, VK_RETURN);
            });
    script.Start();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(dialog.m_nOKs, 1);
    EXPECT_EQ(dialog.m_strInitial, "template text");
    EXPECT_TRUE(bParentDisabled);
    EXPECT_TRUE(IsWindowEnabled(parent.wnd.m_hWnd));
    EXPECT_TRUE(bSameItemObject);
    EXPECT_EQ(dialog.m_hWnd, nullptr);

    RECT rcParent;
    GetWindowRect(parent.wnd.m_hWnd, &rcParent);
    EXPECT_NEAR(Centre(rcDialog).x, Centre(rcParent).x, 1);
    EXPECT_NEAR(Centre(rcDialog).y, Centre(rcParent).y, 1);

    // A second showing starts again from the template and Esc answers IDCANCEL.
    CModalScript again;
    again.WaitUntil([&] { return dialog.GetSafeHwnd() != nullptr; })
        .Then([&] { PressKey(dialog.GetDlgItem(IDC_PROBE_EDIT)->GetSafeHwnd(), VK_ESCAPE); });
    again.Start();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_nInits, 2);
    EXPECT_EQ(dialog.m_strInitial, "template text");
    EXPECT_EQ(dialog.m_nOKs, 1);
}

TEST(DialogLayer, ButtonsAndEndDialogDecideTheAnswer)
{
    CParentWindow parent;
    CProbeDialog dialog(&parent.wnd);
    struct Case
    {
        const char* pszName;
        std::function<void()> act;
        INT_PTR nExpected;
    };
    const Case cases[] = {
        {"OK button", [&] { ClickButton(::GetDlgItem(dialog.m_hWnd, IDOK)); }, IDOK},
        {"Cancel button", [&] { ClickButton(::GetDlgItem(dialog.m_hWnd, IDCANCEL)); }, IDCANCEL},
        {"EndDialog", [&] { dialog.EndDialog(42); }, 42},
    };
    for (const Case& c : cases)
    {
        CModalScript script;
        script.WaitUntil([&] { return dialog.GetSafeHwnd() != nullptr; }).Then(c.act);
        script.Start();
        EXPECT_EQ(dialog.DoModal(), c.nExpected) << c.pszName;
    }
}

TEST(DialogLayer, AMissingTemplateAnswersMinusOne)
{
    CDialog dialog(9999);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(TextLayer, LoadsStringTableTextsOfAnyLength)
{
    std::string strExpected;
    for (int i = 0; i < 12; ++i)
    {
        char szLine[80];
        wsprintfA(szLine, "%sLine %03d of a string-table text longer than any fixed buffer.",
                  i == 0 ? "" : " ", i);
        strExpected += szLine;
    }
    CString str("previous");
    EXPECT_TRUE(str.LoadString(IDS_PROBE_LONG));
    EXPECT_EQ(std::string(str.GetString()), strExpected);

    EXPECT_FALSE(str.LoadString(4242));
    EXPECT_TRUE(str.IsEmpty());

    CString strFormat;
    ASSERT_TRUE(strFormat.LoadString(IDS_PROBE_FORMAT));
    str.Format(strFormat, "C:\\100% sure", 7);
    EXPECT_EQ(str, "Folder <C:\\100% sure> at 7%");
}

TEST(MessageBoxLayer, CaptionIsTheProgramNameAndOkGetsTheExclamationIcon)
{
    CParentWindow parent;
    std::string strCaption;
    std::string strText;
    bool bExclamation = false;
    bool bOwnedByActive = false;
    HWND hBox = nullptr;

    CModalScript script;
    script
        .WaitUntil(
            [&]
            {
                hBox = FindThreadDialog("win_platform_test");
                return hBox != nullptr;
            })
        .Then(
            [&]
            {
                strCaption = WindowText(hBox);
                strText = WindowText(::GetDlgItem(hBox, 0xFFFF));
                HICON hIcon = DialogIcon(hBox);
                bExclamation =
                    hIcon != nullptr &&
                    hIcon == LoadIconA(nullptr, MAKEINTRESOURCEA(32515)); // IDI_EXCLAMATION
                bOwnedByActive = GetWindow(hBox, GW_OWNER) == parent.wnd.m_hWnd;
                ClickButton(::GetDlgItem(hBox, IDOK));
            });
    script.Start();
    SetActiveWindow(parent.wnd.m_hWnd);
    EXPECT_EQ(AfxMessageBox("Something to read."), IDOK);
    EXPECT_EQ(strCaption, "win_platform_test");
    EXPECT_EQ(std::string(AfxGetAppName()), "win_platform_test");
    EXPECT_EQ(strText, "Something to read.");
    EXPECT_TRUE(bExclamation);
    EXPECT_TRUE(bOwnedByActive);
}

TEST(DrawingLayer, PointFontsFollowTheScreenResolution)
{
    HDC hScreen = GetDC(nullptr);
    const int nPixelsPerInch = GetDeviceCaps(hScreen, LOGPIXELSY);
    ReleaseDC(nullptr, hScreen);

    for (int nTenths : {80, 100, 110, 240})
    {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(nTenths, "MS Sans Serif"));
        EXPECT_FALSE(font.CreatePointFont(nTenths, "MS Sans Serif")); // holds one already
        LOGFONTA lf;
        ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
        EXPECT_EQ(lf.lfHeight, -(nTenths * nPixelsPerInch / 720)) << nTenths;
        EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    }

    CParentWindow parent;
    CDC dc;
    dc.m_hDC = GetDC(parent.wnd.m_hWnd);
    CFont small;
    CFont large;
    small.CreatePointFont(100, "MS Sans Serif", &dc);
    large.CreatePointFont(200, "MS Sans Serif", &dc);
    HGDIOBJ hOld = dc.SelectObject(small);
    SIZE sizeSmall = dc.GetTextExtent("Larkhaven");
    dc.SelectObject(large);
    SIZE sizeLarge = dc.GetTextExtent("Larkhaven");
    dc.SelectObject(hOld);
    ReleaseDC(parent.wnd.m_hWnd, dc.m_hDC);
    EXPECT_GT(sizeSmall.cx, 0);
    EXPECT_GT(sizeLarge.cx, sizeSmall.cx);
    EXPECT_GT(sizeLarge.cy, sizeSmall.cy);
}

// The application object: the loop ends with the main window, and ExitInstance answers the
// exit code of WM_QUIT.
class CProbeApp : public CWinApp
{
public:
    enum Ending
    {
        DESTROY_MAIN_WINDOW,
        POST_QUIT_7,
        REFUSE_START
    };
    explicit CProbeApp(Ending nEnding) : CWinApp("Probe App"), m_nEnding(nEnding) {}

    BOOL InitInstance() override;
    int ExitInstance() override;

    Ending m_nEnding;
    class CAppWindow* m_pWindow = nullptr;
    bool m_bMainWndClearedAtExit = false;
    int m_nBaseExit = 1000;
    INT_PTR m_nDialogResult = 0;
};

class CAppWindow : public CWnd
{
public:
    explicit CAppWindow(CProbeApp& app) : m_app(app) {}
    CProbeApp& m_app;

protected:
    // Like the wizard: runs a modal page from the first tick, then ends the program.
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        CProbeDialog dialog(this);
        CModalScript script;
        script.WaitUntil([&] { return dialog.GetSafeHwnd() != nullptr; })
            .Then([&] { ClickButton(::GetDlgItem(dialog.m_hWnd, IDOK)); });
        script.Start();
        m_app.m_nDialogResult = dialog.DoModal();
        if (m_app.m_nEnding == CProbeApp::POST_QUIT_7)
            PostQuitMessage(7);
        else
            DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAppWindow, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CProbeApp::InitInstance()
{
    m_pWindow = new CAppWindow(*this);
    m_pMainWnd = m_pWindow;
    m_pWindow->CreateEx(0, ProbeClass(), "app", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                        nullptr);
    m_pWindow->SetTimer(1, 1);
    return m_nEnding != REFUSE_START;
}

int CProbeApp::ExitInstance()
{
    m_bMainWndClearedAtExit = m_pMainWnd == nullptr;
    m_nBaseExit = CWinApp::ExitInstance();
    delete m_pWindow;
    m_pWindow = nullptr;
    return m_nBaseExit;
}

TEST(ApplicationLayer, TheLoopEndsWhenTheMainWindowIsDestroyed)
{
    CProbeApp app(CProbeApp::DESTROY_MAIN_WINDOW);
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(AfxGetAppName(), "Probe App");
    EXPECT_EQ(AfxWinMain(), 0);
    EXPECT_EQ(app.m_nDialogResult, IDOK);
    EXPECT_TRUE(app.m_bMainWndClearedAtExit);
    EXPECT_EQ(app.m_nBaseExit, 0);
}

TEST(ApplicationLayer, ExitInstanceAnswersTheQuitCode)
{
    CProbeApp app(CProbeApp::POST_QUIT_7);
    EXPECT_EQ(AfxWinMain(), 7);
    EXPECT_EQ(app.m_nDialogResult, IDOK);
    EXPECT_FALSE(app.m_bMainWndClearedAtExit); // the window still existed at the end
    DrainQueue();
}

TEST(ApplicationLayer, ARefusedStartEndsWithoutTheLoop)
{
    CProbeApp app(CProbeApp::REFUSE_START);
    EXPECT_EQ(AfxWinMain(), -1);
    EXPECT_EQ(app.m_nDialogResult, 0); // the timer never fired
    EXPECT_TRUE(app.m_bMainWndClearedAtExit);
    DrainQueue();
}
} // namespace
