// Makes sure every folder along a path exists, creating the missing ones from the root down.
#pragma once

#include "FileOps.h"

// 0 when every folder exists and the deepest has been entered (it stays the current folder),
// 1 on failure, also when the full form of the path does not fit in 255 characters with its
// trailing separator or cannot be formed.
int CreateDirectoryPath(const char* pszPath, CFileOps& files);
