#include "ui/edit/changdat.h"

#include "ui/common/appfonts.h"
#include "ui/common/colours.h"
#include "ui/common/handcursor.h"
#include "ui/common/numberfield.h"
#include "model/mainfields.h"
#include "ui/common/placement.h"
#include "ui/common/twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace velmora {

namespace {

QString message(BrokenRule rule)
{
    return QString::fromStdString(brokenRuleMessage(rule));
}

const QColor kGrey(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kNight(0, 0, 64);

// Left edges of the matrix cells, row by row; the structural zeros are narrower and so shifted.
constexpr int kCellLeft[16] = {360, 1440, 2520, 3600, 360, 1560, 2640, 3720,
                               480, 1440, 2640, 3720, 480, 1560, 2520, 3720};

// A thin black line between two points given in twips, drawn on its parent.
class LineControl : public QWidget {
public:
    LineControl(QWidget *parent, const QString &name, QPoint from, QPoint to)
        : QWidget(parent)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        const QPoint a = twipsPoint(from.x(), from.y());
        const QPoint b = twipsPoint(to.x(), to.y());
        setGeometry(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                          QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))));
        m_from = a - pos();
        m_to = b - pos();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(m_from, m_to);
    }

private:
    QPoint m_from;
    QPoint m_to;
};


QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &where,
                  const QFont &font, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(where);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

// A message of the strip above the matrices. Screen readers learn that it is an alert, so
// they speak it when it appears.
class MessageLabel : public QLabel {
    Q_OBJECT

public:
    explicit MessageLabel(const QString &text, QWidget *parent) : QLabel(parent)
    {
        // Named before the text is set: setting it makes the toolkit ask for this label's
        // accessible interface, which it then keeps.
        setAccessibleName(text);
        setText(text);
    }
};

QAccessibleInterface *messageAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("velmora::MessageLabel"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    return nullptr;
}

QLabel *makeMessage(QWidget *parent, const QString &name, const QString &text, double left)
{
    auto *label = new MessageLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsRect(left, 120, 3975, 615));
    label->setFont(timesFont(12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    setColours(label, kYellow, kRed);
    label->hide();
    return label;
}

QLineEdit *makeCell(QWidget *parent, const QString &name, const QString &text, const QRect &where,
                    bool bold)
{
    // At rest a long number is shown smaller or rounded, never cut; typing shows it all.
    auto *cell = new NumberField(parent);
    cell->setText(text);
    cell->setObjectName(name);
    cell->setGeometry(where);
    cell->setFont(timesFont(14.4, bold));
    cell->setAlignment(Qt::AlignCenter);
    return cell;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QRect &where)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    button->setFont(appFont(QStringLiteral("MS Sans Serif"), 9.6));
    button->setCursor(handCursor());
    // Enter presses the focused button as Space does; the window has no default button.
    button->setAutoDefault(true);
    return button;
}

QString q(const std::string &text) { return QString::fromStdString(text); }

} // namespace

Changdat::Changdat(Simulation &simulation, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_simulation(simulation)
{
    setObjectName(QStringLiteral("Changdat"));
    setWindowTitle(tr("Change default values"));
    setFixedSize(twipsSize(9210, 6855));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kGrey);
    setPalette(palette);
    setAutoFillBackground(true);

    // Once per run: the toolkit keeps a factory until the program ends.
    static const bool alertsKnown = (QAccessible::installFactory(messageAccessible), true);
    Q_UNUSED(alertsKnown);
    buildControls();
    orderTabs();
    describeForScreenReaders();
    Form_Load();
    m_Command1->setFocus();
}

void Changdat::buildControls()
{
    m_Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("明辨是非，格物致知。"),
                         twipsRect(1560, 120, 6375, 615),
                         appFont(QStringLiteral("細明體"), 28.8), Qt::AlignCenter);
    setColours(m_Label2, kYellow, kGreen);
    m_Label1 = makeMessage(this, QStringLiteral("Label1"),
                           message(BrokenRule::SurvivalAboveOne),
                           1920);
    m_Label11 = makeMessage(this, QStringLiteral("Label11"),
                            message(BrokenRule::SurvivalBelowZero),
                            1920);
    m_Label7 = makeMessage(this, QStringLiteral("Label7"),
                           message(BrokenRule::FecundityBelowZero),
                           1920);
    m_Label8 = makeMessage(this, QStringLiteral("Label8"),
                           message(BrokenRule::HarvestBelowZero),
                           1920);
    m_Label9 = makeMessage(this, QStringLiteral("Label9"),
                           message(BrokenRule::PopulationBelowZero),
                           1800);
    m_Label10 = makeMessage(this, QStringLiteral("Label10"),
                            message(BrokenRule::TooLarge),
                            1920);
    m_Command3 = makeButton(this, QStringLiteral("Command3"), tr("Try again"),
                            twipsRect(6360, 120, 1452, 612));

    m_Frame1 = new QFrame(this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Frame1->setGeometry(twipsRect(240, 840, 8775, 1575));
    setColours(m_Frame1, kYellow, kNight);
    m_Label6 = makeLabel(m_Frame1, QStringLiteral("Label6"), QString(),
                         twipsRect(240, 240, 8415, 1215), timesFont(12),
                         Qt::AlignLeft | Qt::AlignTop);
    m_Label6->setWordWrap(true);
    setColours(m_Label6, kYellow, kNight);

    const QFont heading = timesFont(24);
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("M"), twipsRect(2160, 2520, 735, 615),
              heading, Qt::AlignCenter);
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("N(0)"),
              twipsRect(5280, 2520, 1095, 495), heading, Qt::AlignCenter);
    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("H"), twipsRect(7440, 2520, 975, 495),
              heading, Qt::AlignCenter);

    for (int i = 0; i < 16; ++i) {
        const CellRole role = cellRole(i);
        const bool editable = role != CellRole::StructuralZero;
        const double top = 3240 + 720 * (i / 4);
        QLineEdit *cell = makeCell(this, QStringLiteral("m1_%1").arg(i), q(m_entries.m1[i]),
                                   twipsRect(kCellLeft[i], top, editable ? 975 : 495, 495), true);
        if (role == CellRole::Fecundity) {
            setColours(cell, kRed, Qt::white);
        } else if (role == CellRole::Survival) {
            setColours(cell, kBlue, Qt::white);
        } else {
            setColours(cell, Qt::black, kGrey);
            cell->setReadOnly(true);
            cell->setFocusPolicy(Qt::ClickFocus); // out of the Tab order
        }
        m_m1[i] = cell;
    }
    for (int i = 0; i < 4; ++i) {
        const double top = 3240 + 720 * i;
        m_n0[i] = makeCell(this, QStringLiteral("n0_%1").arg(i), q(m_entries.n0[i]),
                           twipsRect(5160, top, 1335, 495), false);
        setColours(m_n0[i], Qt::black, Qt::white);
        m_Harvest1[i] = makeCell(this, QStringLiteral("Harvest1_%1").arg(i),
                                 q(m_entries.Harvest1[i]), twipsRect(7320, top, 1215, 495), false);
        setColours(m_Harvest1[i], kYellow, kGreen);
    }
    // The window's texts are the entries: every keystroke reaches the model.
    const auto follow = [this](QLineEdit *cell, std::string &text) {
        connect(cell, &QLineEdit::textChanged, this,
                [&text](const QString &typed) { text = typed.toStdString(); });
    };
    for (int i = 0; i < 16; ++i)
        follow(m_m1[i], m_entries.m1[i]);
    for (int i = 0; i < 4; ++i) {
        follow(m_n0[i], m_entries.n0[i]);
        follow(m_Harvest1[i], m_entries.Harvest1[i]);
    }

    m_Command1 = makeButton(this, QStringLiteral("Command1"), tr("Go Back"),
                            twipsRect(2040, 6240, 1815, 495));
    m_Command2 = makeButton(this, QStringLiteral("Command2"), tr("Quit"),
                            twipsRect(5640, 6240, 1815, 495));
    connect(m_Command1, &QPushButton::clicked, this, &Changdat::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Changdat::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Changdat::Command3_Click);

    // Three bracket pairs: a vertical line with a stroke inwards at each end.
    const int verticals[6] = {240, 4680, 5040, 6600, 7200, 8640};
    const int strokeEnds[6] = {360, 4560, 5160, 6480, 7320, 8520};
    int number = 0;
    for (int b = 0; b < 6; ++b) {
        const int x = verticals[b];
        const int end = strokeEnds[b];
        new LineControl(this, QStringLiteral("Line%1").arg(++number), {x, 3120}, {x, 6000});
        new LineControl(this, QStringLiteral("Line%1").arg(++number), {x, 3120}, {end, 3000});
        new LineControl(this, QStringLiteral("Line%1").arg(++number), {x, 6000}, {end, 6120});
    }
}

void Changdat::orderTabs()
{
    const QList<QWidget *> order{m_Command1, m_n0[3],  m_n0[2],  m_n0[1],  m_n0[0],
                                 m_m1[14],   m_m1[9],  m_m1[4],  m_m1[3],  m_m1[2],
                                 m_m1[1],    m_m1[0],  m_Command2, m_Command3, m_Harvest1[0],
                                 m_Harvest1[1], m_Harvest1[2], m_Harvest1[3]};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Changdat::describeForScreenReaders()
{
    for (int index = 0; index < 16; ++index) {
        const int r = index / 4;
        const int c = index % 4;
        QString name = tr("M, row %1, column %2 (always 0)").arg(r).arg(c);
        if (cellRole(index) == CellRole::Fecundity)
            name = tr("Fecundity of age class %1").arg(c);
        else if (cellRole(index) == CellRole::Survival)
            name = tr("Survival rate from age class %1 to %2").arg(c).arg(r);
        m_m1[size_t(index)]->setAccessibleName(name);
    }
    for (int i = 0; i < 4; ++i) {
        m_n0[size_t(i)]->setAccessibleName(tr("N(0), age class %1").arg(i));
        m_Harvest1[size_t(i)]->setAccessibleName(tr("Harvest, age class %1").arg(i));
    }
    m_Command1->setAccessibleName(tr("Go Back: check and apply the values"));
    m_Command2->setAccessibleName(tr("Quit this program"));
    m_Command3->setAccessibleName(tr("Try again: enter new values"));
}

void Changdat::Form_Load()
{
    m_entries.messages.tryAgainVisible = false;
    m_entries.messages.tryAgainEnabled = false;
    if (m_entries.messages.shown == BrokenRule::SurvivalAboveOne)
        m_entries.messages.shown = BrokenRule::None;
    m_Label6->setText(
        tr("You can change the default values of the population matrix (M), the initial "
           "population structure N(0) and the daily harvest rate matrix H.  In matrix M, the red "
           "data are the age-specific fecundities. The blue data are the age-specific survival "
           "rates. The age-specific harvest matrix (H) contains the daily harvest number for each "
           "age group."));
    showMessageArea();
}

void Changdat::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QWidget::showEvent(event);
}

void Changdat::closeEvent(QCloseEvent *event)
{
    // The window has no close box: it is left through "Go Back" or "Quit". A window manager's
    // close request (Alt+F4) would otherwise hide it with the main window hidden too.
    event->ignore();
}

void Changdat::Command1_Click()
{
    const BrokenRule rule = m_entries.goBack(m_simulation, [this] {
        showTexts();
        emit goBackAccepted();
    });
    if (rule != BrokenRule::None) {
        showMessageArea();
        m_Command3->setFocus();
        return;
    }
    emit valuesApplied();
}

void Changdat::Command2_Click()
{
    emit quitRequested();
}

void Changdat::Command3_Click()
{
    m_entries.tryAgain();
    showMessageArea();
}

void Changdat::showEntries(const EditEntries &entries)
{
    m_entries = entries;
    m_entries.tryAgain();
    showTexts();
    showMessageArea();
}

void Changdat::showTexts()
{
    for (int i = 0; i < 16; ++i)
        m_m1[i]->setText(q(m_entries.m1[i]));
    for (int i = 0; i < 4; ++i) {
        m_n0[i]->setText(q(m_entries.n0[i]));
        m_Harvest1[i]->setText(q(m_entries.Harvest1[i]));
    }
}

void Changdat::showMessageArea()
{
    const MessageArea &area = m_entries.messages;
    const std::pair<QLabel *, bool> messages[] = {
        {m_Label1, area.shown == BrokenRule::SurvivalAboveOne},
        {m_Label11, area.shown == BrokenRule::SurvivalBelowZero},
        {m_Label7, area.shown == BrokenRule::FecundityBelowZero},
        {m_Label8, area.shown == BrokenRule::HarvestBelowZero},
        {m_Label9, area.shown == BrokenRule::PopulationBelowZero},
        {m_Label10, area.shown == BrokenRule::TooLarge}};
    QString shown;
    for (const auto &[label, visible] : messages) {
        const bool appears = visible && label->isHidden();
        label->setVisible(visible);
        if (visible)
            shown = label->text();
        if (appears) {
            QAccessibleEvent alert(label, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }
    // "Try again" takes the focus with a message: whoever lands on it hears what went wrong.
    m_Command3->setAccessibleDescription(shown);
    // Disabled before hidden, so the focus leaves "Try again" the way it would on its own.
    m_Command3->setEnabled(area.tryAgainEnabled);
    m_Command3->setVisible(area.tryAgainVisible);
    m_Label2->setVisible(area.mottoShown());
}

} // namespace velmora


#include "changdat.moc"
