// Shows one wizard page over a plain full-screen parent window, as the setup program will, and
// ends with the page's answer as exit code (1 forward, 2 back; 3 for an unknown page). The
// program links every resource of the setup program, the payload archive included.
//
//   win_page_viewer PAGE [FOLDER] [--close-after SECONDS]
//
// PAGE: welcome, confirm, missing, error, complete, agreement, options, folder. FOLDER: the
// folder the confirmation texts and the folder page show (the folder page starts at C:\ with
// the not-found prompt without it). --close-after ends the page with "back" after that time.
#include "AgreementPage.h"
#include "FolderPage.h"
#include "MessagePage.h"
#include "OptionsPage.h"
#include "ResourceIds.h"
#include "WinApp.h"
#include "LabViewLookup.h"
#include "WizardTexts.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
CDialog* g_pPage = nullptr;

void CALLBACK ClosePage(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pPage != nullptr && g_pPage->GetSafeHwnd() != nullptr)
        g_pPage->EndDialog(IDCANCEL);
}

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

class CViewerWnd : public CWnd
{
public:
    std::string m_strPage;
    std::string m_strFolder;
    UINT m_nCloseAfterMs = 0;
    INT_PTR m_nResult = 3;

protected:
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        if (m_nCloseAfterMs != 0)
            ::SetTimer(nullptr, 0, m_nCloseAfterMs, &ClosePage);
        m_nResult = ShowPage();
        DestroyWindow();
    }

    INT_PTR ShowMessage(UINT nCaption, const CString& strText, BOOL bTwoButtons, BOOL bWizardLabels)
    {
        CMessagePage page(this);
        page.m_strCaption = LoadText(nCaption);
        page.m_strText = strText;
        page.m_bTwoButtons = bTwoButtons;
        page.m_bWizardLabels = bWizardLabels;
        return Run(page);
    }

    INT_PTR Run(CDialog& page)
    {
        g_pPage = &page;
        INT_PTR nResult = page.DoModal();
        g_pPage = nullptr;
        return nResult;
    }

    INT_PTR ShowPage()
    {
        const char* pszFolder = m_strFolder.empty() ? "C:\\LabVIEW" : m_strFolder.c_str();
        CString strText;
        if (m_strPage == "welcome")
            return ShowMessage(IDS_TITLE_WELCOME, LoadText(IDS_WELCOME_TEXT), TRUE, FALSE);
        if (m_strPage == "confirm" || m_strPage == "missing")
        {
            strText.Format(LoadText(m_strPage == "confirm" ? IDS_CONFIRM_DIR : IDS_DIR_MISSING),
                           pszFolder);
            return ShowMessage(IDS_TITLE_ATTENTION, strText, TRUE, TRUE);
        }
        if (m_strPage == "error")
            return ShowMessage(IDS_TITLE_ERROR, LoadText(IDS_ERR_INSTALL_DIR), FALSE, FALSE);
        if (m_strPage == "complete")
            return ShowMessage(IDS_TITLE_COMPLETE, LoadText(IDS_SUPPORT_CONTACT), FALSE, FALSE);
        if (m_strPage == "agreement")
        {
            CAgreementPage page(this);
            page.m_strText = LoadText(IDS_AGREEMENT);
            return Run(page);
        }
        if (m_strPage == "options")
        {
            COptionsPage page(this);
            return Run(page);
        }
        if (m_strPage == "folder")
        {
            CFolderPage page(this);
            page.m_strFolder = m_strFolder.empty() ? "C:\\" : pszFolder;
            page.m_strPrompt =
                m_strFolder.empty() ? LABVIEW_PROMPT_NOT_FOUND : LABVIEW_PROMPT_LOCATED;
            return Run(page);
        }
        return 3;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CViewerWnd, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CViewerApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        for (int i = 1; i < __argc; ++i)
        {
            if (std::strcmp(__argv[i], "--close-after") == 0 && i + 1 < __argc)
                m_wnd.m_nCloseAfterMs = static_cast<UINT>(std::atoi(__argv[++i])) * 1000;
            else if (m_wnd.m_strPage.empty())
                m_wnd.m_strPage = __argv[i];
            else
                m_wnd.m_strFolder = __argv[i];
        }
        m_pMainWnd = &m_wnd;
        // A plain, dark parent the size of the screen, disabled like the setup's backdrop.
        const char* pszClass =
            AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursorA(nullptr, IDC_ARROW),
                                CreateSolidBrush(RGB(24, 70, 84)));
        m_wnd.CreateEx(0, pszClass, "Page viewer", WS_POPUP | WS_VISIBLE | WS_DISABLED, 0, 0,
                       GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                       nullptr);
        m_wnd.UpdateWindow();
        m_wnd.SetTimer(1, 1);
        return TRUE;
    }

    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return static_cast<int>(m_wnd.m_nResult);
    }

private:
    CViewerWnd m_wnd;
};

CViewerApp theApp;
} // namespace
