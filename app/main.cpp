#include "ui/common/dialogs.h"
#include "ui/common/fontwarmup.h"
#include "model/module1.h"
#include "ui/shell/navigation.h"
#include "ui/common/picturefile.h"
#include "ui/common/programlook.h"
#include "model/simulation.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <memory>

using namespace velmora;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The style goes in first: setting it waits while the font database is being filled.
    applyProgramLook();
    const FontWarmUp fontWarmUp;
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Velmora"));
    // Window icons are small; the large sizes are for the desktop, from the installed theme.
    QIcon icon;
    for (int size : {32, 64})
        icon.addPixmap(readPictureFile(QStringLiteral(":/icons/velmora-%1.png").arg(size)));
    QApplication::setWindowIcon(icon);
    // Windows are hidden and shown all the time; the run ends only where the program says so.
    QApplication::setQuitOnLastWindowClosed(false);

    // The run's one history, allocated once at its fixed size.
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    SystemDialogs dialogs;
    Navigation navigation(*history, simulation, dialogs);
    // exit(), not quit(): quit() first asks every window to close, and the backdrop refuses.
    QObject::connect(
        &navigation, &Navigation::endRequested, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    navigation.start();
    // "velmora FILE", as a double click on a model file starts it: the first argument that Qt
    // has not taken for itself.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty())
        navigation.openModelAtStart(QFileInfo(arguments.constFirst()).absoluteFilePath());
    return app.exec();
}
