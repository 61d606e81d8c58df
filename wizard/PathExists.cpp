#include "PathExists.h"

int PathExists(const char* pszPath, CFileOps& files)
{
    return files.Access(pszPath, 0) == 0 ? 1 : 0;
}
