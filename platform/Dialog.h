// CDialog: a modal dialog made from a dialog template of the program's resources.
//
// DoModal creates the dialog from template m_nIDTemplate, owned by the parent window (the
// application's main window when no parent was given), and runs the system's modal loop
// until EndDialog; it answers EndDialog's result, or -1 when the dialog cannot be created.
// The owner is disabled meanwhile (and enabled again afterwards if it was enabled before),
// and its messages, painting included, keep being dispatched.
//
// When the dialog opens, the layer binds it to the object (see Wnd.h), centres it over its
// owner (CenterWindow) and calls OnInitDialog, whose result decides the focus: TRUE lets
// the system give it to the template's first tab stop. Every showing starts again from the
// template.
//
// CDialog::WindowProc turns the commands IDOK and IDCANCEL (the buttons with these ids, the
// Enter and Esc keys as the dialog manager translates them, the close box) into OnOK and
// OnCancel, which end the dialog with IDOK and IDCANCEL; every other message goes through the
// message map to the dialog manager. A page overrides OnInitDialog, OnOK, OnCancel or
// WindowProc and calls the base version for the default behaviour.
#pragma once

#include "Wnd.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Ends the modal loop; DoModal answers nResult.
    void EndDialog(int nResult);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    // Answers TRUE: the focus goes to the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();     // EndDialog(IDOK)
    virtual void OnCancel(); // EndDialog(IDCANCEL)
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
};
