#include "ShellOps.h"
#include "Shortcut.h"

namespace
{
class CWin32ShellOps : public CShellOps
{
public:
    void CreateShortcut(const char* pszLink, const char* pszTarget,
                        const char* pszWorkingDir) override
    {
        ::CreateShortcut(pszLink, pszTarget, pszWorkingDir);
    }
    bool GetShellFolderPath(int nFolder, char* pszPath) override
    {
        return ::GetShellFolderPath(nFolder, pszPath) != FALSE;
    }
    void MakeFolder(const char* pszPath) override { CreateDirectoryA(pszPath, nullptr); }
    void RemoveFile(const char* pszPath) override { DeleteFileA(pszPath); }
};
} // namespace

CShellOps& SystemShellOps()
{
    static CWin32ShellOps s_shell;
    return s_shell;
}
