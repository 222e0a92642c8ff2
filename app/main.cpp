#include "dialogs.h"
#include "form1.h"
#include "module1.h"
#include "programlook.h"
#include "simulation.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Velmora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora-256.png")));
    applyProgramLook();

    // The run's one history, allocated once at its fixed size.
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    SystemDialogs dialogs;
    Form1 form(simulation, dialogs);
    QObject::connect(&form, &Form1::closedByCloseBox, &app, &QApplication::quit);
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
