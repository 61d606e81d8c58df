// The agreement page: the terms of use in a read-only text box, answered "Yes" or "No".
#pragma once

#include "CString.h"
#include "Dialog.h"

class CAgreementPage : public CDialog
{
public:
    explicit CAgreementPage(CWnd* pParent = nullptr);
    ~CAgreementPage() override;

    CString m_strText; // put into IDC_AGREEMENT_TEXT

protected:
    BOOL OnInitDialog() override;
};
