// payload: makes, checks and unpacks payload archives.
#include "PayloadCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunPayloadTool(args, std::cout, std::cerr);
}
