#include "ui/screens/referenc.h"

#include "ui/common/appfonts.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/screenwidgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace velmora {

Referenc::Referenc(QWidget *parent)
    : QWidget(parent, fixedSingleBorder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("Referenc"), tr("References"), 8685, 6195,
                QColor(255, 255, 255));
    setFont(timesFont(12));

    QLabel *heading = addLabel(this, QStringLiteral("Label1_0"), tr("References"),
                               240, 120, 6735, 255, timesFont(12, true));
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(heading, Qt::black, Qt::white);

    QLabel *list = addLabel(this, QStringLiteral("Label2"), referencesCaption(), 240, 600, 8292,
                            4812, timesFont(12));
    list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(list, Qt::black, Qt::white);

    QPushButton *ok = addButton(this, QStringLiteral("Command1"), tr("OK"), 3960,
                                5520, 855, 495, timesFont(12, true), true);
    ok->setAccessibleName(tr("OK: back to the main window"));
    connect(ok, &QPushButton::clicked, this, &Referenc::okClicked);
}

void Referenc::mouseReleaseEvent(QMouseEvent *event)
{
    // Clicks on the labels are passed up to here; only a spot with no control under it counts.
    const QPoint at = event->position().toPoint();
    if (rect().contains(at) && !childAt(at))
        emit backgroundClicked();
}

void Referenc::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
