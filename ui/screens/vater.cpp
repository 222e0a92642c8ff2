#include "ui/screens/vater.h"

#include "ui/common/appfonts.h"
#include "ui/common/picturefile.h"
#include "ui/screens/screenwidgets.h"
#include "ui/common/twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace velmora {

namespace {
constexpr double kFrameWidth = 6492;
constexpr double kFrameHeight = 6972;
}

Vater::Vater(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("Vater"), tr("Dedication"), 6960, 7956,
                QColor(255, 255, 255));

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(360, 240, kFrameWidth, kFrameHeight));

    const QPixmap picture = readPictureFile(QStringLiteral(":/pictures/dedication.jpg"));
    const double width = picture.width() * kTwipsPerPixel;
    const double height = picture.height() * kTwipsPerPixel;
    auto *box = new QLabel(frame);
    box->setObjectName(QStringLiteral("Picture2"));
    box->setPixmap(picture);
    box->setAccessibleName(
        QStringLiteral("Picture: a lone tree on a hill above a still lake at dusk"));
    // Centred in the frame; where the picture is larger, the frame trims an even margin.
    box->setGeometry(twipsRect((kFrameWidth - width) / 2, (kFrameHeight - height) / 2, width,
                               height));

    QPushButton *end = addButton(this, QStringLiteral("Command1"),
                                 tr("God rest his soul"), 1320, 7320, 4575, 495,
                                 timesFont(14.4, true), false);
    end->setAccessibleName(tr("God rest his soul: end the program"));
    connect(end, &QPushButton::clicked, this, &Vater::endRequested);
    // The only control: a keyboard user ends the program from here with Space or Enter.
    end->setDefault(true);
    end->setFocus();
}

void Vater::closeEvent(QCloseEvent *event)
{
    // Closing it would leave only the backdrop on screen; end the program as the button does.
    emit endRequested();
    event->accept();
}

} // namespace velmora
