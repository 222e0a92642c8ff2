#include "ui/screens/introfrm.h"

#include "ui/common/appfonts.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/screenwidgets.h"
#include "ui/common/twips.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velmora {

Introfrm::Introfrm(QWidget *parent)
    : QWidget(parent, fixedSingleBorder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("Introfrm"), tr("Introduction"), 7650, 6075,
                QColor(192, 192, 192));

    auto *text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(twipsRect(240, 120, 7215, 5295));
    text->setFont(timesFont(12, true));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(introductionText());
    text->setAccessibleName(tr("Introduction to the model"));

    QPushButton *references = addButton(this, QStringLiteral("Command2"),
                                        tr("References"), 1800, 5520, 1695, 495,
                                        timesFont(12, true), true);
    references->setAccessibleName(tr("References: the literature behind the model"));
    connect(references, &QPushButton::clicked, this, &Introfrm::referencesClicked);
    QPushButton *ok = addButton(this, QStringLiteral("Command1"), tr("OK"), 4560,
                                5520, 1215, 495, timesFont(12, true), true);
    ok->setAccessibleName(tr("OK: back to the main window"));
    connect(ok, &QPushButton::clicked, this, &Introfrm::okClicked);
}

void Introfrm::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
