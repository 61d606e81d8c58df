// How the message page arranges its two buttons from its two flags: the labels, whether the
// second button shows, and where the first one stands.
#pragma once

// A rectangle in pixels of the page's client area (right and bottom exclusive).
struct CPageRect
{
    int left;
    int top;
    int right;
    int bottom;
};

struct CMessageArrangement
{
    const char* pszFirstLabel;  // new label of the first button (IDOK), or null: keep it
    const char* pszSecondLabel; // new label of the second button (IDCANCEL), or null: keep it
    bool bShowSecond;           // false: the second button is hidden
    bool bMoveFirst;            // true: the first button moves to rcFirst
    CPageRect rcFirst;          // where the first button stands afterwards
};

// bTwoButtons: both buttons show, the first mirrored to the second's place on the other side
// (as far from the right edge as the second stands from the left); otherwise the second is
// hidden and the first stays where it is. bWizardLabels: "Next >>>" and "<<< Back" instead of
// the template's labels. rcClient is the page's client rectangle; rcFirst and rcSecond are the
// buttons' rectangles in the page's client coordinates.
CMessageArrangement ArrangeMessagePage(bool bTwoButtons, bool bWizardLabels,
                                       const CPageRect& rcClient, const CPageRect& rcFirst,
                                       const CPageRect& rcSecond);
