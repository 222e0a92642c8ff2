#include "ui/screens/howto.h"

#include "ui/common/appfonts.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/screenwidgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace velmora {

Howto::Howto(QWidget *parent)
    : QWidget(parent, fixedSingleBorder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("Howto"), tr("How to"), 6690, 5955,
                QColor(192, 192, 192));

    QLabel *lines = addLabel(this, QStringLiteral("Label1"), howToCaption(), 240, 480, 6255,
                             4695, timesFont(12));
    setColours(lines, Qt::black, QColor(192, 192, 192));

    QPushButton *ok = addButton(this, QStringLiteral("Command1"), tr("OK"), 2760,
                                5400, 1215, 495, timesFont(12), true);
    ok->setAccessibleName(tr("OK: back to the main window"));
    connect(ok, &QPushButton::clicked, this, &Howto::okClicked);
}

void Howto::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
