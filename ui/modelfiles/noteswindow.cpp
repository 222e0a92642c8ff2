#include "ui/modelfiles/noteswindow.h"

#include "ui/common/appfonts.h"
#include "ui/common/colours.h"
#include "ui/common/handcursor.h"
#include "ui/common/twips.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velmora {

NotesWindow::NotesWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutModel"));
    setWindowTitle(tr("About this model"));
    setFixedSize(twipsSize(7800, 3660));
    setColours(this, Qt::black, windowGrey(), ColourRoles::WindowOnly);
    setAutoFillBackground(true);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    m_title->setGeometry(twipsRect(240, 90, 7320, 555));
    m_title->setFont(timesFont(13, true));
    m_title->setWordWrap(true);
    m_title->setTextFormat(Qt::PlainText);
    setColours(m_title, titleBlue(), windowGrey(), ColourRoles::WindowOnly);

    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("notesText"));
    m_notes->setGeometry(twipsRect(240, 690, 7320, 2250));
    m_notes->setFont(timesFont(11));
    m_notes->setReadOnly(true);
    m_notes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_notes->setAccessibleName(tr("Notes on the model"));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(twipsRect(3292, 3030, 1215, 495));
    m_ok->setFont(timesFont(12));
    m_ok->setCursor(handCursor());
    m_ok->setAutoDefault(true);
    m_ok->setAccessibleName(tr("OK: close the notes"));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);

    // Left with the main window, so it never stands over another window of the program.
    mainWindow->installEventFilter(this);
}

void NotesWindow::showModel(const QString &title, const QString &notes)
{
    m_title->setText(title.isEmpty() ? tr("This model has no title") : title);
    m_notes->setPlainText(notes);
    m_ok->setFocus();
}

bool NotesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Hide)
        hide();
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
