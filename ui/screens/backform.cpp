#include "ui/screens/backform.h"

#include "ui/common/taskbarhints.h"
#include "ui/screens/screenwidgets.h"

#include <QCloseEvent>
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
    // Not shown "without activating": a window manager sees such a window, mapped behind the
    // focused one, as one the user missed and flags it as demanding attention. It takes no
    // focus anyway, and it stays below.
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
