// sample_library: writes the sample driver library below a folder (by default the build's
// sample tree).
#include "SampleLibrary.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const bool bHelp =
        argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h");
    if (argc > 2 || bHelp)
    {
        (bHelp ? std::cout : std::cerr)
            << "usage: sample_library [FOLDER]\n"
               "Writes the sample KTR 7400 driver library (instr.lib/LH7400, examples/LH7400)\n"
               "below FOLDER, by default "
            << SampleFolder() << "/tree.\n";
        return bHelp ? 0 : 2;
    }
    const std::string strFolder = argc == 2 ? argv[1] : std::string(SampleFolder()) + "/tree";
    std::string strError;
    if (!WriteSampleLibrary(strFolder, strError))
    {
        std::cerr << "sample_library: " << strError << '\n';
        return 1;
    }
    return 0;
}
