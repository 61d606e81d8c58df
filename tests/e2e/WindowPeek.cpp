// Prints what a person would see of the other programs' windows in this Wine prefix: every
// visible top-level window with its caption, and its controls with their texts, states and,
// for list and combo boxes, their entries. Rectangles are in screen pixels. The end-to-end harness
// reads this to follow the wizard and to check what each page shows.
#include <windows.h>

#include <cstdio>
#include <string>

namespace
{
std::string Escape(const std::string& strText)
{
    std::string strOut;
    for (char ch : strText)
    {
        if (ch == '\n')
            strOut += "\\n";
        else if (ch == '\r')
            strOut += "\\r";
        else if (ch == '\\')
            strOut += "\\\\";
        else
            strOut += ch;
    }
    return strOut;
}

std::string TextOf(HWND hWnd)
{
    char szText[4096] = "";
    SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof szText, reinterpret_cast<LPARAM>(szText),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return szText;
}

std::string ClassOf(HWND hWnd)
{
    char szClass[256] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    return szClass;
}

void PrintItems(HWND hWnd, UINT nCount, UINT nGetText, UINT nGetLength, const char* pszKind)
{
    LRESULT nItems = SendMessageA(hWnd, nCount, 0, 0);
    for (LRESULT i = 0; i < nItems && i < 500; ++i)
    {
        LRESULT nLength = SendMessageA(hWnd, nGetLength, i, 0);
        if (nLength < 0 || nLength > 1000)
            continue;
        std::string strItem(static_cast<std::size_t>(nLength) + 1, '\0');
        SendMessageA(hWnd, nGetText, i, reinterpret_cast<LPARAM>(&strItem[0]));
        strItem.resize(static_cast<std::size_t>(nLength));
        std::printf("    %s %d \"%s\"\n", pszKind, static_cast<int>(i), Escape(strItem).c_str());
    }
}

BOOL CALLBACK PrintControl(HWND hWnd, LPARAM lParam)
{
    HWND hDialog = reinterpret_cast<HWND>(lParam);
    if (GetParent(hWnd) != hDialog)
        return TRUE;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, nullptr), &info);
    RECT rc;
    GetWindowRect(hWnd, &rc);
    std::string strClass = ClassOf(hWnd);
    std::printf("  CONTROL id=%d class=%s visible=%d enabled=%d focus=%d", GetDlgCtrlID(hWnd),
                strClass.c_str(), IsWindowVisible(hWnd) ? 1 : 0, IsWindowEnabled(hWnd) ? 1 : 0,
                info.hwndFocus == hWnd ? 1 : 0);
    if (lstrcmpiA(strClass.c_str(), "Button") == 0)
        std::printf(" checked=%d", static_cast<int>(SendMessageA(hWnd, BM_GETCHECK, 0, 0)));
    std::printf(" rect=%ld,%ld,%ld,%ld text=\"%s\"\n", rc.left, rc.top, rc.right, rc.bottom,
                Escape(TextOf(hWnd)).c_str());
    if (lstrcmpiA(strClass.c_str(), "ListBox") == 0)
    {
        PrintItems(hWnd, LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN, "ITEM");
        std::printf("    SELECTED %d\n", static_cast<int>(SendMessageA(hWnd, LB_GETCURSEL, 0, 0)));
    }
    else if (lstrcmpiA(strClass.c_str(), "ComboBox") == 0)
    {
        PrintItems(hWnd, CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN, "ITEM");
        std::printf("    SELECTED %d\n", static_cast<int>(SendMessageA(hWnd, CB_GETCURSEL, 0, 0)));
    }
    return TRUE;
}

BOOL CALLBACK PrintWindow(HWND hWnd, LPARAM)
{
    DWORD nProcess = 0;
    GetWindowThreadProcessId(hWnd, &nProcess);
    if (nProcess == GetCurrentProcessId() || !IsWindowVisible(hWnd))
        return TRUE;
    RECT rc;
    GetWindowRect(hWnd, &rc);
    std::printf("WINDOW class=%s enabled=%d rect=%ld,%ld,%ld,%ld caption=\"%s\"\n",
                ClassOf(hWnd).c_str(), IsWindowEnabled(hWnd) ? 1 : 0, rc.left, rc.top, rc.right,
                rc.bottom, Escape(TextOf(hWnd)).c_str());
    EnumChildWindows(hWnd, PrintControl, reinterpret_cast<LPARAM>(hWnd));
    return TRUE;
}
} // namespace

int main()
{
    EnumWindows(PrintWindow, 0);
    std::fflush(stdout);
    return 0;
}
