#include "ui/screens/backform.h"

#include "ui/common/taskbarhints.h"
#include "ui/screens/screenwidgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace velmora {

Backform::Backform(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint
                  | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Backform"));
    setWindowTitle(QStringLiteral("Backform"));
    keepOutOfTaskBar(this);
    // Shown without taking the keyboard from the window in front. Not so on X11: there it
    // tells the window manager that the user has not seen the window yet, and a window mapped
    // behind the focused one is then flagged as demanding attention. There it takes no focus
    // anyway, as it accepts none.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        setAttribute(Qt::WA_ShowWithoutActivating);
    // Disabled, so a click on it neither reaches a handler nor activates it.
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    // Without a window manager nothing acts on the maximised state, so cover the screen too.
    if (QScreen *screen = this->screen()) {
        setGeometry(screen->geometry());
        connect(screen, &QScreen::geometryChanged, this,
                [this](const QRect &area) { setGeometry(area); });
    }
    setWindowState(Qt::WindowMaximized);
    setBackgroundColour(QColor(0, 0, 64));
}

void Backform::setBackgroundColour(const QColor &colour)
{
    setColours(this, Qt::black, colour, ColourRoles::WindowOnly);
    update();
}

QColor Backform::backgroundColour() const
{
    return palette().color(QPalette::Active, QPalette::Window);
}

void Backform::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

} // namespace velmora
