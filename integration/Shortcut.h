// One shell link written through COM, and the shell's special folders (Windows only).
#pragma once

#include <windows.h>

// Writes a shortcut file at pszLink pointing to pszTarget with pszWorkingDir as its working
// folder; an existing file of that name is replaced. Nothing else is set on the link and
// nothing is reported: a link path that cannot be converted into MAX_PATH UTF-16 units, or
// any failing call, leaves the file unwritten. COM must be initialised on the thread.
void CreateShortcut(const char* pszLink, const char* pszTarget, const char* pszWorkingDir);

// The file-system path of a special folder (CSIDL number), ending with "\", in a buffer of
// MAX_PATH characters. FALSE when the shell does not know the folder or its path leaves no
// room for the separator.
BOOL GetShellFolderPath(int nFolder, char* pszPath);
