// Whether a path names an existing file or folder.
#pragma once

#include "FileOps.h"

// TRUE (1) when _access with mode 0 succeeds for the path, FALSE (0) otherwise.
int PathExists(const char* pszPath, CFileOps& files);
