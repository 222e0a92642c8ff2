#include "howto.h"

#include "appfonts.h"
#include "screentexts.h"
#include "screenwidgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

Howto::Howto(QWidget *parent)
    : QWidget(parent, fixedSingleBorder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("Howto"), QStringLiteral("How to"), 6690, 5955,
                QColor(192, 192, 192));

    QLabel *lines = addLabel(this, QStringLiteral("Label1"), howToCaption(), 240, 480, 6255,
                             4695, timesFont(12));
    setBackgroundAndText(lines, QColor(192, 192, 192), Qt::black);

    QPushButton *ok = addButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), 2760,
                                5400, 1215, 495, timesFont(12), true);
    ok->setAccessibleName(QStringLiteral("OK: back to the main window"));
    connect(ok, &QPushButton::clicked, this, &Howto::okClicked);
}

void Howto::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}
