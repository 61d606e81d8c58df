#include "WinApp.h"
#include "Wnd.h"

#include <cstring>

namespace
{
CWinApp* g_pApp = nullptr;

// The executable's file name without folder and extension.
CString ModuleBaseName()
{
    char szPath[MAX_PATH + 1] = "";
    DWORD nLength = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    szPath[nLength <= MAX_PATH ? nLength : MAX_PATH] = '\0';
    const char* pszName = szPath;
    for (const char* p = szPath; *p != '\0'; ++p)
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            pszName = p + 1;
    }
    CString strName(pszName);
    const char* pszDot = std::strrchr(pszName, '.');
    if (pszDot != nullptr)
        strName.Truncate(static_cast<int>(pszDot - pszName));
    return strName;
}
} // namespace

CWinApp::CWinApp(const char* pszAppName)
    : m_pMainWnd(nullptr), m_hInstance(GetModuleHandleA(nullptr)), m_pszAppName(nullptr),
      m_nQuitCode(-1)
{
    m_strAppName = pszAppName != nullptr ? CString(pszAppName) : ModuleBaseName();
    m_pszAppName = m_strAppName.GetString();
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    for (;;)
    {
        BOOL bResult = GetMessageA(&msg, nullptr, 0, 0);
        if (bResult == 0)
        {
            m_nQuitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (bResult == -1)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return m_nQuitCode;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

const char* AfxGetAppName()
{
    if (g_pApp != nullptr && g_pApp->m_pszAppName != nullptr)
        return g_pApp->m_pszAppName;
    static const CString s_strName = ModuleBaseName();
    return s_strName.GetString();
}

int AfxWinMain()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    if (!pApp->InitInstance())
    {
        if (pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

// Defined beside CWinApp so that every program with an application object links it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain();
}

int AfxMessageBox(const char* pszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    HWND hOwner = GetActiveWindow();
    CWinApp* pApp = AfxGetApp();
    if (hOwner == nullptr && pApp != nullptr && pApp->m_pMainWnd != nullptr &&
        pApp->m_pMainWnd->m_hWnd != nullptr)
        hOwner = GetLastActivePopup(pApp->m_pMainWnd->m_hWnd);
    return MessageBoxA(hOwner, pszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strText;
    strText.LoadString(nIDPrompt);
    return AfxMessageBox(strText.GetString(), nType,
                         nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}
