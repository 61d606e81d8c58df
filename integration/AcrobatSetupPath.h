// Where the Acrobat Reader installer lies on the distribution medium: "\AcroRead\Setup.exe"
// in the folder the setup program was started from, as its command line tells.
#pragma once

#include "CString.h"
#include "FileOps.h"

extern const char g_szAcrobatSetupRelative[]; // "\AcroRead\Setup.exe"

// The rule over a given command line: cut at its last backslash (the program's file name, a
// closing quote and the arguments go), drop a leading double quote, make the rest a full path
// (at most 255 characters) and append "\AcroRead\Setup.exe". Whether a file lies there is
// the caller's question. A folder without a full path, or one longer than 255 characters,
// gives an empty text, at which no installer is found.
CString GetAcrobatSetupPath(const char* pszCommandLine, CFileOps& fileOps);

#ifdef _WIN32
// The rule over the process's own command line and the system's full-path call.
CString GetAcrobatSetupPath();
#endif
