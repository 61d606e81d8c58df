#include "BackdropWnd.h"

#include "BackdropHost.h"
#include "BackdropPaint.h"
#include "DirectoryPath.h"
#include "Gdi.h"
#include "PathExists.h"
#include "PayloadReader.h"
#include "ProgramGroup.h"
#include "ResourceIds.h"
#include "ShellOps.h"
#include "WizardDriver.h"

#include <objbase.h>

BEGIN_MESSAGE_MAP(CBackdropWnd, CWnd)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_TIMER()
END_MESSAGE_MAP()

CBackdropWnd::CBackdropWnd()
{
    ::CoInitialize(nullptr);
}

CBackdropWnd::~CBackdropWnd() = default;

void CBackdropWnd::OnPaint()
{
    CPaintDC dc(this);
    PaintBackdrop(m_hWnd, dc, m_hIcon);
}

HCURSOR CBackdropWnd::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CBackdropWnd::OnTimer(UINT_PTR nIDEvent)
{
    KillTimer(nIDEvent);
    CBackdropHost host(*this);
    CWizardDriver(host, *this).Run();
}

BOOL CBackdropWnd::PathExists(const char* pszPath)
{
    return ::PathExists(pszPath, SystemFileOps());
}

int CBackdropWnd::CreateDirectoryPath(const char* pszPath)
{
    return ::CreateDirectoryPath(pszPath, SystemFileOps());
}

const char* CBackdropWnd::ExtractPayload(const char* pszTarget)
{
    // A missing resource reads as an empty archive, which has no terminator: the walk then
    // fails with its decompression error instead of reading from nowhere.
    const unsigned char* pArchive = nullptr;
    DWORD cbArchive = 0;
    if (HRSRC hInfo = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_PAYLOAD), RT_RCDATA))
    {
        if (HGLOBAL hData = ::LoadResource(nullptr, hInfo))
        {
            pArchive = static_cast<const unsigned char*>(::LockResource(hData));
            cbArchive = pArchive != nullptr ? ::SizeofResource(nullptr, hInfo) : 0;
        }
    }
    CPayloadReader reader(SystemFileOps(), SystemBlockAlloc());
    return reader.ExtractPayload(pArchive, cbArchive, m_nOptions, pszTarget);
}

const char* CBackdropWnd::CreateProgramGroup(const char* pszFolder, int nOptions)
{
    return ::CreateProgramGroup(*this, pszFolder, nOptions, SystemShellOps());
}
