#include "DirectoryPath.h"

#include "BoundedText.h"

#include <cstring>

int CreateDirectoryPath(const char* pszPath, CFileOps& files)
{
    char szFull[PATH_BUFFER];
    unsigned long nLength = files.FullPathName(pszPath, PATH_BUFFER, szFull);
    if (nLength == 0 || nLength >= PATH_BUFFER)
        return 1;
    if (szFull[nLength - 1] != '\\' && !SafeAppend(szFull, "\\"))
        return 1;
    nLength = static_cast<unsigned long>(std::strlen(szFull));

    char szPartial[PATH_BUFFER] = {};
    std::size_t nPartial = nLength < 3 ? nLength : 3;
    std::memcpy(szPartial, szFull, nPartial);
    if (szPartial[nPartial - 1] != '\\')
    {
        // A root shorter than the full path always fits; only a full path of one or two
        // characters could be shorter than its root, and it ends with a separator already.
        szPartial[nPartial++] = '\\';
    }
    if (files.ChangeDir(szPartial) != 0)
        return 1;

    for (;;)
    {
        if (std::strcmp(szPartial, szFull) == 0)
            return 0;
        if (nPartial >= nLength)
            return 1; // the partial path left the full path: it can never equal it
        // Extend by the next component with its separator; an empty component adds just "\".
        do
        {
            szPartial[nPartial] = szFull[nPartial];
            ++nPartial;
        } while (nPartial < nLength && szFull[nPartial - 1] != '\\');
        szPartial[nPartial] = '\0';
        files.MakeDir(szPartial);
        if (files.ChangeDir(szPartial) != 0)
            return 1;
    }
}
