#include "ui/screens/copyrigh.h"

#include "ui/common/appfonts.h"
#include "ui/common/handcursor.h"
#include "ui/common/picturefile.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/screenwidgets.h"
#include "ui/common/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace velmora {

namespace {
const QColor kGrey(192, 192, 192);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
} // namespace

copyrigh::copyrigh(const YearClock &clock, QWidget *parent)
    : QWidget(parent, fixedSingleBorder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("copyrigh"), tr("Copyright"), 8772, 6696,
                kGrey);

    const QFont font = timesFont(12);
    setColours(addLabel(this, QStringLiteral("Label1"), QString(), 840, 120, 7455, 375, font),
               kBlue, kGrey);
    setColours(addLabel(this, QStringLiteral("Label2"), QString(), 720, 480, 7815, 1575, font),
               kBlue, kGrey);

    QLabel *protection = addLabel(this, QStringLiteral("Label3"), noticeProtection(), 360, 2040,
                                  5532, 972, timesFont(12, true));
    setColours(protection, kYellow, QColor(255, 0, 0));
    setSingleBorder(protection);

    setColours(addLabel(this, QStringLiteral("Label4"), noticeRights(), 6240, 2160, 2412, 372,
                        font), kBlue, kGrey);
    setColours(addLabel(this, QStringLiteral("Label5"), noticeHolder(clock()), 6240, 2640, 2412,
                        732, font), kBlue, kGrey);

    QLabel *citation = addLabel(this, QStringLiteral("Label7"), noticeCitation(), 360, 3120,
                                5532, 2052, font);
    citation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(citation, kYellow, kBlue);
    setSingleBorder(citation);

    QLabel *downloads = addLabel(this, QStringLiteral("Label6"), noticeDownloads(), 360, 5280,
                                 5532, 1332, timesFont(9.6));
    setColours(downloads, QApplication::palette().color(QPalette::WindowText),
               QColor(0, 255, 255));
    setSingleBorder(downloads);

    // The box is smaller than the picture at this resolution: show the whole picture, scaled.
    QLabel *picture = addLabel(this, QStringLiteral("Picture1"), QString(), 6600, 3480, 1776,
                               2292, font);
    setColours(picture, Qt::black, kGrey);
    picture->setAlignment(Qt::AlignCenter);
    QImage emblem = readPictureFile(QStringLiteral(":/pictures/notice.jpg")).toImage();
    paintNoticeEmblemWords(emblem, emblemWords());
    picture->setPixmap(QPixmap::fromImage(emblem).scaled(picture->size(), Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
    picture->setAccessibleName(
        tr("Emblem: an age pyramid of the four age classes, Velmora since 1997"));

    QPushButton *ok = addButton(this, QStringLiteral("Command1"), tr("OK"), 6840,
                                5880, 1215, 495, font, true);
    ok->setAccessibleName(tr("OK: go on quitting"));
    connect(ok, &QPushButton::clicked, this, &copyrigh::okClicked);
}

void copyrigh::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
