// The program's main window: it covers the screen behind the wizard with a painted gradient,
// the logo and the titles, carries the install state of the wizard, and runs the whole wizard
// from its first timer tick.
#pragma once

#include "InstallState.h"
#include "Wnd.h"

class CBackdropWnd : public CWnd, public CInstallState
{
public:
    // Initialises COM for the thread, for the rest of the process: the shell links need it.
    CBackdropWnd();
    ~CBackdropWnd() override;

    HICON m_hIcon = nullptr; // the application icon, set before the window is created

    // TRUE when the path names an existing file or folder.
    BOOL PathExists(const char* pszPath);
    // The installation engine and the program group, with the platform's own calls. Each
    // answers null (0) on success or the text (1) of its failure.
    int CreateDirectoryPath(const char* pszPath);
    const char* ExtractPayload(const char* pszTarget);
    const char* CreateProgramGroup(const char* pszFolder, int nOptions);

protected:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    // The wizard: runs once, from the first tick, and ends by destroying this window.
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
