// What the setup program starts outside itself at the end of a run (Windows only).
#pragma once

#include <windows.h>

// Asks the shell to open the program-group folder with its default action, in a normal window
// owned by hOwner. Also with an empty text; the outcome is not examined.
void OpenProgramGroup(HWND hOwner, const char* pszGroupDir);

// Starts the Acrobat Reader installer with its own path as the whole command line, inheriting
// handles, environment and current folder. When it has started, the setup process ends at
// once with exit code 0 and this never returns; when it could not be started (no such file),
// it returns.
void StartAcrobatSetup(const char* pszSetupPath);
