// The options page: four check boxes that choose what is installed. The Acrobat Reader box is
// offered only when the installer lies beside the program; going forward needs one choice.
#pragma once

#include "Dialog.h"

class COptionsPage : public CDialog
{
public:
    explicit COptionsPage(CWnd* pParent = nullptr);
    ~COptionsPage() override;

    int m_nOptions; // the option bits shown, then chosen (at least one after IDOK)

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
