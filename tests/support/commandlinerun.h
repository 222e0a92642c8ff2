#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// What one velmora-cli command line printed and returned.
struct CommandLineResult {
    int status = -1;
    QString out;
    QString err;
};

// Runs velmora-cli in this process on the arguments after the program name.
CommandLineResult runVelmoraCli(const QStringList &arguments);

} // namespace velmora
