#include "ModalScript.h"

#include <gtest/gtest.h>

namespace
{
CModalScript* g_pScript = nullptr;

BOOL CALLBACK EndDialogsOfThread(HWND hWnd, LPARAM)
{
    char szClass[16] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpA(szClass, "#32770") == 0)
        EndDialog(hWnd, -2);
    return TRUE;
}

BOOL CALLBACK FindAnyDialogOfThread(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpA(szClass, "#32770") != 0)
        return TRUE;
    *reinterpret_cast<bool*>(lParam) = true;
    return FALSE;
}

bool ThreadHasDialog()
{
    bool bFound = false;
    EnumThreadWindows(GetCurrentThreadId(), &FindAnyDialogOfThread,
                      reinterpret_cast<LPARAM>(&bFound));
    return bFound;
}

struct CFindDialog
{
    const char* pszCaption;
    HWND hFound;
};

BOOL CALLBACK FindDialogOfThread(HWND hWnd, LPARAM lParam)
{
    CFindDialog* pFind = reinterpret_cast<CFindDialog*>(lParam);
    char szClass[16] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpA(szClass, "#32770") == 0 && IsWindowVisible(hWnd) &&
        WindowText(hWnd) == pFind->pszCaption)
    {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

CModalScript::CModalScript(DWORD nStepTimeoutMs) : m_nStepTimeoutMs(nStepTimeoutMs) {}

CModalScript::~CModalScript()
{
    if (m_nTimer != 0)
        KillTimer(nullptr, m_nTimer);
    if (g_pScript == this)
        g_pScript = nullptr;
}

CModalScript& CModalScript::WaitUntil(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

CModalScript& CModalScript::Then(std::function<void()> action)
{
    m_steps.push_back(
        [action]
        {
            action();
            return true;
        });
    return *this;
}

void CModalScript::Start()
{
    g_pScript = this;
    m_nStepStart = GetTickCount();
    m_nTimer = SetTimer(nullptr, 0, 25, &CModalScript::Tick);
}

void CALLBACK CModalScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pScript != nullptr)
        g_pScript->RunDue();
}

void CModalScript::RunDue()
{
    if (m_bRunning)
        return;
    m_bRunning = true;
    if (!Finished())
    {
        // One step per tick: what an action posted is handled before the next step looks.
        if (m_steps[m_nNext]())
        {
            ++m_nNext;
            m_nStepStart = GetTickCount();
        }
        else if (GetTickCount() - m_nStepStart > m_nStepTimeoutMs)
        {
            ADD_FAILURE() << "the script waited too long at step " << m_nNext + 1;
            m_nNext = m_steps.size();
            m_nStepStart = 0; // end the dialogs at once
        }
    }
    if (Finished())
    {
        // The script is done: its dialogs must close by themselves. One that stays open is a
        // failure, and it is ended so that the test goes on.
        if (!ThreadHasDialog())
        {
            KillTimer(nullptr, m_nTimer);
            m_nTimer = 0;
        }
        else if (GetTickCount() - m_nStepStart > m_nStepTimeoutMs)
        {
            if (m_nStepStart != 0)
                ADD_FAILURE() << "a dialog stayed open after the script's last step";
            EnumThreadWindows(GetCurrentThreadId(), &EndDialogsOfThread, 0);
        }
    }
    m_bRunning = false;
}

void ClickButton(HWND hButton)
{
    PostMessageA(hButton, BM_CLICK, 0, 0);
}

void PressKey(HWND hTarget, UINT nVirtualKey)
{
    const UINT nScan = MapVirtualKeyA(nVirtualKey, 0);
    PostMessageA(hTarget, WM_KEYDOWN, nVirtualKey, 1 | (nScan << 16));
    PostMessageA(hTarget, WM_KEYUP, nVirtualKey, 1 | (nScan << 16) | 0xC0000000u);
}

void DoubleClickListItem(HWND hList, int nIndex)
{
    RECT rc;
    SendMessageA(hList, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rc));
    LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PostMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    PostMessageA(hList, WM_LBUTTONUP, 0, lPoint);
    PostMessageA(hList, WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
    PostMessageA(hList, WM_LBUTTONUP, 0, lPoint);
}

HWND FindThreadDialog(const char* pszCaption)
{
    CFindDialog find = {pszCaption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindDialogOfThread, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}

std::string WindowText(HWND hWnd)
{
    int nLength = GetWindowTextLengthA(hWnd);
    std::string strText(static_cast<std::size_t>(nLength) + 1, '\0');
    int nRead = GetWindowTextA(hWnd, &strText[0], nLength + 1);
    strText.resize(nRead > 0 ? static_cast<std::size_t>(nRead) : 0);
    return strText;
}

RECT ChildRect(HWND hChild)
{
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(nullptr, GetParent(hChild), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

RECT DialogUnitsRect(HWND hDlg, int x, int y, int nWidth, int nHeight)
{
    RECT rc = {x, y, x + nWidth, y + nHeight};
    MapDialogRect(hDlg, &rc);
    return rc;
}

namespace
{
std::vector<std::string> ItemTexts(HWND hWnd, UINT nCount, UINT nLength, UINT nText)
{
    std::vector<std::string> texts;
    const int nItems = static_cast<int>(SendMessageA(hWnd, nCount, 0, 0));
    for (int i = 0; i < nItems; ++i)
    {
        const LRESULT nChars = SendMessageA(hWnd, nLength, i, 0);
        std::string strText(static_cast<std::size_t>(nChars > 0 ? nChars : 0) + 1, '\0');
        SendMessageA(hWnd, nText, i, reinterpret_cast<LPARAM>(&strText[0]));
        strText.resize(static_cast<std::size_t>(nChars > 0 ? nChars : 0));
        texts.push_back(strText);
    }
    return texts;
}
} // namespace

std::vector<std::string> ListTexts(HWND hList)
{
    return ItemTexts(hList, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboTexts(HWND hCombo)
{
    return ItemTexts(hCombo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
