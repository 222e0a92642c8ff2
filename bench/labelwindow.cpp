// The bare window with one line of text: what drawing any text at all adds to a start
// (the font configuration is read and a font loaded). A reference beside the bare window.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Velmora"));
    window.resize(697, 532);
    window.show();
    return app.exec();
}
