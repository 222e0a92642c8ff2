#include "tests/support/commandlinerun.h"

#include "cli/commandline.h"

#include <QFile>

#include <sstream>
#include <string>
#include <vector>

namespace velmora {

CommandLineResult runVelmoraCli(const QStringList &arguments)
{
    std::vector<std::string> args;
    for (const QString &a : arguments)
        args.push_back(a.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    CommandLineResult r;
    r.status = runCommandLine(args, out, err);
    r.out = QString::fromStdString(out.str());
    r.err = QString::fromStdString(err.str());
    return r;
}

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace velmora
