// Hands over to the installer named by its first argument, as the setup program does at the
// end of a run. Whatever runs after the call leaves a mark in the file named by its second
// argument and ends with exit code 3.
#include "Launches.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    StartAcrobatSetup(argv[1]);
    if (FILE* pFile = std::fopen(argv[2], "w"))
    {
        std::fputs("the call returned\n", pFile);
        std::fclose(pFile);
    }
    return 3;
}
