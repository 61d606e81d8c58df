// The shell calls the program group is made with, behind one replaceable boundary.
#pragma once

// Special-folder numbers of the shell (the CSIDL values).
constexpr int SHELL_FOLDER_PROGRAMS = 2;                 // current user's Programs
constexpr int SHELL_FOLDER_DESKTOPDIRECTORY = 16;        // current user's desktop
constexpr int SHELL_FOLDER_COMMON_PROGRAMS = 23;         // all users' Programs
constexpr int SHELL_FOLDER_COMMON_DESKTOPDIRECTORY = 25; // all users' desktop

class CShellOps
{
public:
    virtual ~CShellOps() = default;

    // Writes (or replaces) one shortcut file; reports nothing.
    virtual void CreateShortcut(const char* pszLink, const char* pszTarget,
                                const char* pszWorkingDir) = 0;
    // The special folder's path, ending with a separator, in a buffer of MAX_PATH_BUFFER
    // characters; false when the shell does not know it.
    virtual bool GetShellFolderPath(int nFolder, char* pszPath) = 0;
    virtual void MakeFolder(const char* pszPath) = 0; // CreateDirectoryA, one level
    virtual void RemoveFile(const char* pszPath) = 0; // DeleteFileA
};

// The real shell (Windows builds only); COM must be initialised on the calling thread.
CShellOps& SystemShellOps();
