// The smallest Qt program that shows a window of the main window's size: the yardstick for
// the program's own start.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(697, 532);
    window.show();
    return app.exec();
}
