// Stands in for the Acrobat Reader installer: records the command line it was given and the
// folder it was started in, in "record.txt" beside itself, then ends.
#include <windows.h>

#include <string>

int main()
{
    char szModule[MAX_PATH];
    const DWORD nLength = GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strFolder(szModule, nLength);
    strFolder.erase(strFolder.find_last_of('\\'));

    char szCurrent[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szCurrent);
    const std::string strRecord = std::string(GetCommandLineA()) + "\n" + szCurrent + "\n";

    // Written under another name and renamed, so a reader never sees half a record.
    const std::string strPartial = strFolder + "\\record.part";
    HANDLE hFile = CreateFileA(strPartial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    DWORD nWritten = 0;
    WriteFile(hFile, strRecord.data(), static_cast<DWORD>(strRecord.size()), &nWritten, nullptr);
    CloseHandle(hFile);
    return MoveFileA(strPartial.c_str(), (strFolder + "\\record.txt").c_str()) ? 0 : 1;
}
