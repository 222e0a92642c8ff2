#include "ui/screens/titlform.h"

#include "ui/common/appfonts.h"
#include "ui/screens/characterkey.h"
#include "ui/common/handcursor.h"
#include "ui/common/taskbarhints.h"
#include "ui/screens/screenwidgets.h"
#include "ui/screens/symboltext.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace velmora {

namespace {

struct TitlePlace {
    double left, top, width, height, points;
};

// Indexed by label: the larger the index, the larger the title.
constexpr TitlePlace kTitlePlaces[TitleAnimation::kLabels] = {
    {6240, 5880, 3255, 495, 18},    {3120, 5520, 3855, 615, 24},
    {5640, 3480, 4815, 855, 30},    {5160, 4680, 5175, 975, 36},
    {600, 3720, 5775, 1215, 43.8},  {960, 2520, 7215, 1455, 54},
    {1920, 1440, 8535, 1695, 64.8}, {120, 0, 9615, 1695, 73.8},
};

const QString kTitle = QStringLiteral("Velmora (II)");

} // namespace

titlform::titlform(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setUpWindow(this, QStringLiteral("titlform"), QStringLiteral("Titleform"), 10635, 7050,
                QColor(0, 0, 64));
    keepOutOfTaskBar(this);
    setFocusPolicy(Qt::StrongFocus);
    // The screen itself holds the focus: a screen reader announces it by this name.
    setAccessibleName(tr("Velmora (II): press any key or click to start"));

    for (int i = 0; i < TitleAnimation::kLabels; ++i) {
        const TitlePlace &place = kTitlePlaces[i];
        // Label 0 is set in the Symbol face; whether one is installed is asked only when the
        // label first shows, so the screen comes up without loading that face.
        const QFont font = i == 0 ? appFont(QStringLiteral("Symbol"), place.points)
                                  : timesFont(place.points);
        QLabel *label = addLabel(this, QStringLiteral("Label1_%1").arg(i), kTitle, place.left,
                                 place.top, place.width, place.height, font);
        setColours(label, QColor(255, 255, 0), QColor(0, 0, 128));
        label->setCursor(handCursor());
        // The smallest title is drawn in Greek letters; a screen reader says what it means.
        label->setAccessibleName(kTitle);
        label->hide();
        m_Label1[size_t(i)] = label;
    }

    m_Label2 = addLabel(this, QStringLiteral("Label2"),
                        tr("Press any key or click mouse to start."), 1200, 4800,
                        1695, 1095, timesFont(13.8));
    setColours(m_Label2, QColor(255, 255, 0), QColor(255, 0, 0));
    setSingleBorder(m_Label2);
    m_Label2->setCursor(handCursor());
    m_Label2->installEventFilter(this);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    // Precise, so no label shows before the first 400 ms are over.
    m_Timer1->setTimerType(Qt::PreciseTimer);
    m_Timer1->setInterval(400);
    connect(m_Timer1, &QTimer::timeout, this, &titlform::Timer1_Timer);
    m_Timer1->start();
}

void titlform::Timer1_Timer()
{
    const TitleAnimation::Step step = m_animation.next();
    m_Label1[size_t(step.hide)]->hide();
    if (step.show == 0)
        useGreekWithoutSymbolFace();
    m_Label1[size_t(step.show)]->show();
}

void titlform::useGreekWithoutSymbolFace()
{
    if (m_symbolFaceChecked)
        return;
    m_symbolFaceChecked = true;
    QLabel *label = m_Label1[0];
    // Without a Symbol face the letters would show as Latin; write the Greek out.
    if (!isSymbolFace(label->font())) {
        label->setFont(timesFont(label->font().pointSizeF()));
        label->setText(symbolEncodingGreek(kTitle));
    }
}

void titlform::mouseReleaseEvent(QMouseEvent *event)
{
    // Clicks on the labels arrive here too: labels pass mouse events to their window.
    if (rect().contains(event->position().toPoint()))
        emit leaveForPicture();
}

void titlform::keyPressEvent(QKeyEvent *event)
{
    if (producesCharacter(*event))
        emit leaveForPicture();
    else
        event->ignore();
}

void titlform::closeEvent(QCloseEvent *event)
{
    // The screen is hidden by the navigation, never closed; a close request moves on instead.
    event->ignore();
    emit leaveForPicture();
}

bool titlform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_Label2 && event->type() == QEvent::MouseButtonDblClick) {
        emit leaveForMain();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
