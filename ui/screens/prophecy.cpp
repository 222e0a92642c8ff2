#include "ui/screens/prophecy.h"

#include "ui/screens/characterkey.h"
#include "ui/common/handcursor.h"
#include "ui/common/taskbarhints.h"
#include "ui/common/picturefile.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/screenwidgets.h"
#include "ui/common/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace velmora {

namespace {
constexpr double kWidth = 9750;
constexpr double kHeight = 7245;
}

Prophecy::Prophecy(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setUpWindow(this, QStringLiteral("Prophecy"), QStringLiteral("Prophecy"), kWidth, kHeight,
                QColor(255, 255, 255));
    keepOutOfTaskBar(this);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Velmora (II): press any key or click to go on"));

    // The picture's words are painted in the reader's language over its art.
    QImage art = readPictureFile(QStringLiteral(":/pictures/prophecy.bmp")).toImage();
    paintLifeCycleWords(art, lifeCycleWords());
    const QPixmap picture = QPixmap::fromImage(art);
    const double width = picture.width() * kTwipsPerPixel;
    const double height = picture.height() * kTwipsPerPixel;
    auto *box = new QLabel(this);
    box->setObjectName(QStringLiteral("Picture1"));
    box->setPixmap(picture);
    // The window has no border, so its outer size is its client area; halves are kept.
    box->setGeometry(twipsRect(kWidth / 2 - width / 2, kHeight / 2 - height / 2, width, height));
    setColours(box, Qt::black, QApplication::palette().color(QPalette::Base));
    box->setCursor(handCursor());
    box->setAccessibleName(tr("Picture: the life cycle of the four age classes"));
    box->setAccessibleDescription(lifeCyclePictureText());
}

void Prophecy::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit leave();
}

void Prophecy::keyPressEvent(QKeyEvent *event)
{
    if (producesCharacter(*event))
        emit leave();
    else
        event->ignore();
}

void Prophecy::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit leave();
}

} // namespace velmora
