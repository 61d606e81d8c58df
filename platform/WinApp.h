// CWinApp: the application object, its entry and its message loop.
//
// A program derives one class from CWinApp and defines exactly one static instance of it:
//
//     class CSetupApp : public CWinApp
//     {
//     public:
//         BOOL InitInstance() override;  // create m_pMainWnd, show it, arm a timer; TRUE
//         int ExitInstance() override;   // clean up; return CWinApp::ExitInstance()
//     };
//     static CSetupApp theApp;
//
// The layer's WinMain (linked in with CWinApp) then runs AfxWinMain: InitInstance, and when it
// answers TRUE the message loop (Run) until WM_QUIT; then ExitInstance, whose result is the
// process's exit code. The base ExitInstance answers the WM_QUIT exit code. Destroying the
// main window (m_pMainWnd) clears m_pMainWnd and posts WM_QUIT with exit code 0 (see Wnd.h).
// When InitInstance answers FALSE, the main window (if any) is destroyed and ExitInstance
// runs at once, without the loop; its base answers -1 then.
//
// The command line is not interpreted: GetCommandLineA is the program's to read.
#pragma once

#include "CString.h"

#include <windows.h>

class CWnd;

class CWinApp
{
public:
    // The application's display name (the caption of AfxMessageBox): pszAppName, or the
    // executable's file name without its extension when null.
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Runs the message loop until WM_QUIT, then answers ExitInstance().
    virtual int Run();
    // Answers the exit code of the WM_QUIT that ended Run (-1 when Run did not run).
    virtual int ExitInstance();

    CWnd* m_pMainWnd;
    HINSTANCE m_hInstance;
    const char* m_pszAppName;

private:
    CString m_strAppName;
    int m_nQuitCode;
};

// The one application object, or null when the program has none (test programs).
CWinApp* AfxGetApp();
// The program's module: where windows classes are registered and resources are found.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The application's display name; the executable's name without extension when there is
// no application object.
const char* AfxGetAppName();

// The program's life: InitInstance, Run, ExitInstance of AfxGetApp(). Called by WinMain.
int AfxWinMain();

// A modal message box captioned with AfxGetAppName(), owned by the thread's active window
// (else the main window's last active pop-up). A type without an icon gets the exclamation
// icon for MB_OK and MB_OKCANCEL, and the question icon for MB_YESNO and MB_YESNOCANCEL.
// Answers the button pressed (IDOK, ...), or 0 when the box cannot be shown.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with string nIDPrompt of the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
