#include "ui/common/dialogs.h"
#include "language/languagechoice.h"
#include "ui/common/fontwarmup.h"
#include "model/module1.h"
#include "ui/shell/navigation.h"
#include "ui/common/picturefile.h"
#include "ui/common/programlook.h"
#include "model/simulation.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace velmora;

namespace {

// The texts of the program's own options.
class ProgramOptions {
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)

public:
    // Answers --help and --version on standard output; returns the exit status, or -1 when
    // the program is to start. Read before the windows exist, so that it works without a
    // display, as a package check or a script runs it.
    static int answer(int argc, char **argv)
    {
        QString text;
        for (int i = 1; i < argc && text.isEmpty(); ++i) {
            if (std::strcmp(argv[i], "--version") == 0)
                text = QStringLiteral("velmora %1\n").arg(QStringLiteral(VELMORA_VERSION));
            else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
                text = help(argc, argv);
            else if (std::strcmp(argv[i], "--") == 0)
                break;
        }
        if (text.isEmpty())
            return -1;
        const QByteArray bytes = text.toLocal8Bit();
        const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout)
                                 == size_t(bytes.size())
                             && std::fflush(stdout) == 0;
        if (!written)
            std::fputs("velmora: standard output could not be written\n", stderr);
        return written ? 0 : 1;
    }

private:
    // The help in the language chosen; a core application holds its translations, which
    // needs no display.
    static QString help(int argc, char **argv)
    {
        QCoreApplication core(argc, argv);
        QStringList arguments = QCoreApplication::arguments();
        const LanguageOption language = takeLanguageOption(arguments);
        const InstalledLanguage installed(language.language.isEmpty() ? systemLanguage()
                                                                       : language.language);
        return tr("Usage: velmora [--lang CODE] [FILE]\n\n"
                  "Starts Velmora, a teaching program for population ecology; with FILE,\n"
                  "a model file (.velmora) is opened at the start.\n\n"
                  "Options:\n"
                  "  -h, --help   show this help\n"
                  "  --version    show the version\n"
                  "  --lang CODE  the language of the texts (de, en, es, fr) instead of\n"
                  "               the system's\n"
                  "Qt's own options, such as -platform offscreen, are taken as well.\n"
                  "velmora-cli runs the model without windows.\n");
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (const int status = ProgramOptions::answer(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    // Qt has taken its own options; --lang is ours, and no FILE.
    QStringList arguments = QCoreApplication::arguments();
    const LanguageOption language = takeLanguageOption(arguments);
    const InstalledLanguage installed(language.language.isEmpty() ? systemLanguage()
                                                                   : language.language);
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
    if (arguments.size() > 1)
        navigation.openModelAtStart(QFileInfo(arguments.at(1)).absoluteFilePath());
    // As a file that cannot be opened: the program starts, in the system's language, and says
    // why over its first window.
    if (language.refused) {
        const QString refusal = unknownLanguageText(language.refusedCode);
        QTimer::singleShot(0, &app, [&dialogs, refusal] {
            dialogs.message(QApplication::activeWindow(), ProgramOptions::tr("Language"),
                            refusal, QMessageBox::Ok, QMessageBox::Warning);
        });
    }
    return app.exec();
}
