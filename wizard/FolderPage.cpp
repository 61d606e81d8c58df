#include "FolderPage.h"

#include "FolderNavigator.h"
#include "ResourceIds.h"

namespace
{
// The system's folder search.
class CWin32FolderSearch : public CFolderSearch
{
public:
    bool First(const char* pszPattern, CFoundName& found) override
    {
        WIN32_FIND_DATAA data;
        m_hFind = FindFirstFileA(pszPattern, &data);
        if (m_hFind == INVALID_HANDLE_VALUE)
            return false;
        Take(data, found);
        return true;
    }
    bool Next(CFoundName& found) override
    {
        WIN32_FIND_DATAA data;
        if (!FindNextFileA(m_hFind, &data))
            return false;
        Take(data, found);
        return true;
    }
    void Close() override
    {
        FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }

private:
    static void Take(const WIN32_FIND_DATAA& data, CFoundName& found)
    {
        found.strName = data.cFileName;
        found.bDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
};

// The text of a list or combo entry, when it fits the 256-byte buffer the page reads it into.
bool ReadItem(CWnd* pPage, int nControl, UINT nGetLength, UINT nGetText, LRESULT nIndex,
              char (&szItem)[PATH_BUFFER])
{
    const LRESULT nLength = pPage->SendDlgItemMessage(nControl, nGetLength, nIndex);
    if (nLength < 0 || nLength >= static_cast<LRESULT>(PATH_BUFFER))
        return false;
    pPage->SendDlgItemMessage(nControl, nGetText, nIndex, reinterpret_cast<LPARAM>(szItem));
    return true;
}
} // namespace

CFolderPage::CFolderPage(CWnd* pParent) : CDialog(IDD_FOLDER, pParent) {}

CFolderPage::~CFolderPage() = default;

LRESULT CFolderPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
    {
        if (LOWORD(wParam) == IDC_DRIVE_COMBO && HIWORD(wParam) == CBN_SELCHANGE)
            ChangeDrive();
        else if (LOWORD(wParam) == IDC_DIR_LIST && HIWORD(wParam) == LBN_DBLCLK)
            ActivateEntry();
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CFolderPage::OnInitDialog()
{
    SetDlgItemText(IDC_FOLDER_PROMPT, m_strPrompt);
    char szPattern[PATH_BUFFER];
    if (!MakeSearchPattern(m_strFolder, szPattern) || !FillLists(szPattern))
    {
        // A folder too long to browse: the user still sees it and can edit it.
        FillLists("\\*");
        SetDlgItemText(IDC_PATH_EDIT, m_strFolder);
    }
    return TRUE; // the focus goes to the first tab stop, the path edit
}

bool CFolderPage::FillLists(const char* pszPattern)
{
    char szResolved[PATH_BUFFER];
    char* pszFilePart = nullptr;
    const DWORD nLength = GetFullPathNameA(pszPattern, PATH_BUFFER, szResolved, &pszFilePart);
    if (nLength == 0 || nLength >= PATH_BUFFER)
        return false;

    SendDlgItemMessage(IDC_DIR_LIST, LB_RESETCONTENT);
    CWin32FolderSearch search;
    for (const std::string& strEntry : BuildFolderEntries(szResolved, search))
        SendDlgItemMessage(IDC_DIR_LIST, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(strEntry.c_str()));

    SendDlgItemMessage(IDC_DRIVE_COMBO, CB_RESETCONTENT);
    const LRESULT nLast = SendDlgItemMessage(IDC_DRIVE_COMBO, CB_DIR, DDL_DRIVES | DDL_EXCLUSIVE,
                                             reinterpret_cast<LPARAM>(szResolved));
    std::vector<std::string> drives;
    for (LRESULT i = 0; i <= nLast; ++i)
    {
        char szDrive[PATH_BUFFER];
        drives.push_back(ReadItem(this, IDC_DRIVE_COMBO, CB_GETLBTEXTLEN, CB_GETLBTEXT, i, szDrive)
                             ? szDrive
                             : "");
    }
    const int nDrive = FindDriveEntry(szResolved, drives);
    if (nDrive >= 0)
        SendDlgItemMessage(IDC_DRIVE_COMBO, CB_SETCURSEL, nDrive);

    SetDlgItemText(IDC_PATH_EDIT, PatternFolderText(szResolved));
    SendDlgItemMessage(IDC_DIR_LIST, LB_SETCURSEL, 0);
    return true;
}

void CFolderPage::ChangeDrive()
{
    const LRESULT nSelected = SendDlgItemMessage(IDC_DRIVE_COMBO, CB_GETCURSEL);
    char szDrive[PATH_BUFFER];
    char szPattern[PATH_BUFFER];
    if (nSelected == CB_ERR ||
        !ReadItem(this, IDC_DRIVE_COMBO, CB_GETLBTEXTLEN, CB_GETLBTEXT, nSelected, szDrive) ||
        !DrivePattern(szDrive, szPattern))
        return;
    FillLists(szPattern);
}

void CFolderPage::ActivateEntry()
{
    const LRESULT nSelected = SendDlgItemMessage(IDC_DIR_LIST, LB_GETCURSEL);
    char szEntry[PATH_BUFFER];
    if (nSelected == LB_ERR ||
        !ReadItem(this, IDC_DIR_LIST, LB_GETTEXTLEN, LB_GETTEXT, nSelected, szEntry))
        return; // no entry selected: nothing happens
    CString strEdit;
    GetDlgItemText(IDC_PATH_EDIT, strEdit);
    char szPattern[PATH_BUFFER];
    if (EntryPattern(strEdit, szEntry, szPattern))
        FillLists(szPattern);
}

void CFolderPage::OnOK()
{
    GetDlgItemText(IDC_PATH_EDIT, m_strFolder);
    TrimFolder(m_strFolder);
    if (::GetFocus() == GetDlgItem(IDC_DIR_LIST)->GetSafeHwnd())
    {
        // Enter in the list enters the selected folder; the page stays open.
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DIR_LIST, LBN_DBLCLK), 0);
        return;
    }
    CDialog::OnOK();
}
