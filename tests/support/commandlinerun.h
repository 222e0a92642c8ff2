#pragma once

#include <QByteArray>
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

// The bytes of a file velmora-cli wrote; empty when it cannot be read.
QByteArray fileContents(const QString &path);

} // namespace velmora
