// Loading a CString from the string table (Windows only).
#include "CString.h"
#include "WinApp.h"

#include <vector>

BOOL CString::LoadString(UINT nID)
{
    // LoadStringA copies at most the buffer less its terminator; a text that fills the
    // buffer may have been cut, so try again with a larger one (the table holds at most
    // 65535 characters per text).
    for (int nSize = 256; nSize <= 0x20000; nSize *= 2)
    {
        std::vector<char> buffer(static_cast<std::size_t>(nSize));
        int nLength = ::LoadStringA(AfxGetResourceHandle(), nID, buffer.data(), nSize);
        if (nLength <= 0)
        {
            Empty();
            return FALSE;
        }
        if (nLength < nSize - 1)
        {
            *this = CString(buffer.data(), nLength);
            return TRUE;
        }
    }
    Empty();
    return FALSE;
}
