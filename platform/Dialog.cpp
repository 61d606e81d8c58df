#include "Dialog.h"
#include "WinApp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr)
        return -1; // already open
    HWND hOwner = nullptr;
    if (m_pParentWnd != nullptr)
        hOwner = m_pParentWnd->m_hWnd;
    else if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr)
        hOwner = AfxGetApp()->m_pMainWnd->m_hWnd;
    return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
    {
        if (LOWORD(wParam) == IDOK)
        {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL)
        {
            OnCancel();
            return 0;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// The dialog procedure the dialog manager calls. Once the dialog is bound, every message
// passes through WindowProc first; the dialog manager's own handling asks here only for
// WM_INITDIALOG.
INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
    pDialog->SubclassHandle(hDlg);
    pDialog->CenterWindow();
    return pDialog->OnInitDialog();
}
