// Drives a modal loop from inside, as a user would: a thread timer runs the steps of a script
// one after another while DoModal (or a message box) waits for the user. A step answers true
// when it is done; one that answers false is asked again at the next tick, so a step can wait
// for a window to appear. Actions post their messages (a click, a key), so that a dialog they
// open runs its own loop outside the script's tick. A step that keeps waiting too long, or a
// dialog that stays open after the last step, fails the test; the script then ends every
// dialog of the thread with -2, so nothing hangs.
//
// Programs that show windows share one virtual screen: every Windows test holds the CTest
// resource lock "virtual_screen", so that no other program takes the activation (and with it
// the keyboard focus) from the page under test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CModalScript
{
public:
    using Step = std::function<bool()>;

    explicit CModalScript(DWORD nStepTimeoutMs = 10000);
    ~CModalScript();

    // A step that may wait: asked at every tick until it answers true.
    CModalScript& WaitUntil(Step step);
    // A step that is done at once.
    CModalScript& Then(std::function<void()> action);

    // Arms the thread timer; the steps then run inside whatever loop dispatches messages.
    void Start();
    bool Finished() const { return m_nNext == m_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunDue();

    std::vector<Step> m_steps;
    std::size_t m_nNext = 0;
    DWORD m_nStepTimeoutMs;
    DWORD m_nStepStart = 0;
    UINT_PTR m_nTimer = 0;
    bool m_bRunning = false;
};

// What a user does, posted to the window as the input would arrive.
void ClickButton(HWND hButton);
void PressKey(HWND hTarget, UINT nVirtualKey);
void DoubleClickListItem(HWND hList, int nIndex);

// Windows of this thread.
HWND FindThreadDialog(const char* pszCaption); // a visible dialog with that caption, or null
std::string WindowText(HWND hWnd);
// A child's rectangle in the client coordinates of its parent.
RECT ChildRect(HWND hChild);
// A rectangle given in dialog units, in pixels of hDlg's client area.
RECT DialogUnitsRect(HWND hDlg, int x, int y, int nWidth, int nHeight);
// The texts of a list box or a combo box, in their order.
std::vector<std::string> ListTexts(HWND hList);
std::vector<std::string> ComboTexts(HWND hCombo);
