#include "ui/screens/screenwidgets.h"

#include "ui/common/handcursor.h"
#include "ui/common/placement.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

Qt::WindowFlags fixedSingleBorder()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

void setUpWindow(QWidget *window, const QString &name, const QString &caption, double width,
                 double height, const QColor &background)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setFixedSize(twipsSize(width, height));
    setColours(window, Qt::black, background, ColourRoles::WindowOnly);
    centreOnScreen(window);
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, double left,
                 double top, double width, double height, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(twipsRect(left, top, width, height));
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption,
                       double left, double top, double width, double height, const QFont &font,
                       bool handPointer)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, top, width, height));
    button->setFont(font);
    // Enter presses the focused button as Space does; these windows have no default button.
    button->setAutoDefault(true);
    if (handPointer)
        button->setCursor(handCursor());
    return button;
}

void setSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
}

} // namespace velmora
