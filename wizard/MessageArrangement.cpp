#include "MessageArrangement.h"

#include "WizardTexts.h"

CMessageArrangement ArrangeMessagePage(bool bTwoButtons, bool bWizardLabels,
                                       const CPageRect& rcClient, const CPageRect& rcFirst,
                                       const CPageRect& rcSecond)
{
    CMessageArrangement arrangement = {};
    if (bWizardLabels)
    {
        arrangement.pszFirstLabel = g_szNextLabel;
        arrangement.pszSecondLabel = g_szBackLabel;
    }
    arrangement.bShowSecond = bTwoButtons;
    arrangement.bMoveFirst = bTwoButtons;
    arrangement.rcFirst = rcFirst;
    if (bTwoButtons)
    {
        const int nWidth = rcClient.right; // the client area starts at 0
        arrangement.rcFirst.left = nWidth - rcSecond.right;
        arrangement.rcFirst.top = rcSecond.top;
        arrangement.rcFirst.right = arrangement.rcFirst.left + (rcSecond.right - rcSecond.left);
        arrangement.rcFirst.bottom = rcSecond.bottom;
    }
    return arrangement;
}
