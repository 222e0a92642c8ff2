#include "tools/makepictures/pictures.h"

#include <QGuiApplication>
#include <QTextStream>

using namespace velmora;

// Usage: velmora_makepictures <resources/pictures folder>
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: velmora_makepictures <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;
    makeMainPictures(out);
    makeIconPictures(out);
    if (!makeScreenPictures(out))
        return 1;
    return 0;
}
