#include "cli/commandline.h"

#include <iostream>

using namespace velmora;

int main(int argc, char *argv[])
{
    return runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
