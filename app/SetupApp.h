// The application object: creates the backdrop window full-screen, arms the timer whose first
// tick runs the wizard, and on the way out deletes the window and, when the command line asks
// for it, restarts the computer.
#pragma once

#include "WinApp.h"

class CBackdropWnd;

class CSetupApp : public CWinApp
{
public:
    CSetupApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    CBackdropWnd* m_pBackdrop = nullptr;
};
