#include "cli/commandline.h"

#include <QCoreApplication>

#include <clocale>
#include <iostream>

using namespace velmora;

int main(int argc, char *argv[])
{
    // The application holds the translations of the texts; it takes none of the arguments.
    QCoreApplication application(argc, argv);
    // It also set the C library's locale from LANG: the numbers the science writes and reads
    // back through it keep their "." in every language.
    std::setlocale(LC_NUMERIC, "C");
    const int status = runCaught(
        [&] {
            return runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
        },
        std::cerr);
    return outputChecked(status, std::cout, stdout, std::cerr);
}
