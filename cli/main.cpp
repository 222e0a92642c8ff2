#include "cli/commandline.h"

#include <iostream>

using namespace velmora;

int main(int argc, char *argv[])
{
    const int status = runCaught(
        [&] {
            return runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
        },
        std::cerr);
    return outputChecked(status, std::cout, stdout, std::cerr);
}
