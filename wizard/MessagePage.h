// The message page: welcome, confirmation, error and completion. A caption, a centred text
// and one or two buttons, arranged from four members when the page opens.
#pragma once

#include "CString.h"
#include "Dialog.h"

class CMessagePage : public CDialog
{
public:
    explicit CMessagePage(CWnd* pParent = nullptr);
    ~CMessagePage() override;

    CString m_strText;    // put into IDC_MESSAGE_TEXT
    CString m_strCaption; // the page's caption
    BOOL m_bTwoButtons;   // both buttons, the first mirrored to the right; else the first alone
    BOOL m_bWizardLabels; // "Next >>>" and "<<< Back" instead of "OK" and "Cancel"

protected:
    BOOL OnInitDialog() override;
};
