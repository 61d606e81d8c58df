// The folder page: the LabVIEW folder, typed into the path edit or browsed for in a list of
// sub-folders and a drive box. The page only hands the chosen text back; the wizard judges it.
#pragma once

#include "CString.h"
#include "Dialog.h"

class CFolderPage : public CDialog
{
public:
    explicit CFolderPage(CWnd* pParent = nullptr);
    ~CFolderPage() override;

    CString m_strFolder; // in: the folder shown first; out: the edit's text less one separator
    CString m_strPrompt; // shown in IDC_FOLDER_PROMPT

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // Lists the pattern's sub-folders and the drives, selects the pattern's drive and shows
    // its folder in the edit. False, changing nothing, when the pattern cannot be resolved
    // within 255 characters.
    bool FillLists(const char* pszPattern);
    void ChangeDrive();   // CBN_SELCHANGE of the drive box
    void ActivateEntry(); // LBN_DBLCLK of the list, and Enter in the list
};
