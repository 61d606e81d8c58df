// Stands in for the Acrobat Reader installer on the distribution medium: records the command
// line it was given and the folder it was started in, then ends.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char szFolder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, szFolder);
    if (FILE* pFile = std::fopen("C:\\acroread-ran.txt", "w"))
    {
        std::fprintf(pFile, "%s\n%s\n", GetCommandLineA(), szFolder);
        std::fclose(pFile);
    }
    return 0;
}
