#include "ui/main/form1.h"

#include "ui/common/appfonts.h"
#include "ui/common/clickablelabel.h"
#include "ui/common/colours.h"
#include "ui/common/contextmenu.h"
#include "ui/common/dialogs.h"
#include "ui/common/handcursor.h"
#include "ui/common/numberfield.h"
#include "ui/common/picturefile.h"
#include "ui/common/printing.h"
#include "model/simulation.h"
#include "ui/common/twips.h"
#include "modelfile/modelexamples.h"

#include <QCloseEvent>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace velmora {

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);

constexpr double kFieldPoints = 14.4;
constexpr double kRowTop = 1320;
constexpr double kRowStep = 720;
constexpr double kRowHeight = 495;

// Left and width of the matrix columns; the survival cell m(14) is set wider and further left.
struct MatrixColumn {
    double left;
    double width;
};
constexpr MatrixColumn kMatrixColumns[4] = {{360, 615}, {1080, 615}, {1800, 495}, {2520, 735}};

// The bracket pairs framing M, N(t), H and N(t+1): the x of the left and the right bracket.
constexpr std::pair<double, double> kBrackets[4] = {{240, 3360}, {3600, 5400}, {6000, 7680}, {8280, 10320}};

QString q(const std::string &text) { return QString::fromStdString(text); }

// An unchanged text is left alone: setting it again lays it out and repaints it for nothing.
void showText(QLineEdit *field, const std::string &text)
{
    const QString shown = q(text);
    if (field->text() != shown)
        field->setText(shown);
}


QString year() { return QString::number(QDate::currentDate().year()); }

// A frame whose caption sits on its border line, on the window's white.
void styleFrame(QGroupBox *frame)
{
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { background: white; border: 1px solid #a0a0a0; margin-top: 0.6em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
}

} // namespace

Form1::Form1(Simulation &simulation, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_simulation(simulation)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Velmora model based on Lewis-Leslie matrix"));
    setFixedSize(twipsSize(10452, 7980));
    setColours(this, Qt::black, Qt::white);

    // Load, in its order: the notice with the year, the model's start-up, the commands.
    QLabel *heading = new ClickableLabel(this);
    heading->setObjectName(QStringLiteral("Label4"));
    heading->setText(tr("Velmora model"));
    heading->setGeometry(twipsRect(360, 120, 5655, 495));
    heading->setFont(timesFont(18));
    heading->setAlignment(Qt::AlignCenter);
    heading->setCursor(handCursor());
    heading->setToolTip(tr("Introduction"));
    m_heading = heading;
    setColours(heading, kYellow, kBlue);
    connect(static_cast<ClickableLabel *>(heading), &ClickableLabel::clicked, this,
            &Form1::introRequested);

    //: %1 is the current year.
    QLabel *notice = addLabel(QStringLiteral("Label5"),
                              tr("(C) Velmora project, 1997-%1").arg(year()), 6120, 240, 4095,
                              375, 12);
    notice->setFont(timesFont(12, true));

    buildEquation();
    buildStepControls();
    buildCommands();

    auto *author = new QGroupBox(tr("Author"), this);
    author->setObjectName(QStringLiteral("Frame1"));
    author->setGeometry(twipsRect(240, 4200, 3375, 2895));
    author->setFont(timesFont(12));
    styleFrame(author);
    QLabel *contact = new QLabel(author);
    contact->setObjectName(QStringLiteral("Label6"));
    contact->setGeometry(twipsRect(120, 240, 3135, 2535));
    contact->setFont(timesFont(12));
    contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    contact->setWordWrap(true);
    //: Three short lines in a narrow frame.
    contact->setText(QStringList{tr("The Velmora project\nTeaching software for\npopulation "
                                    "ecology"),
                                 QString(), QStringLiteral("velmora@example.org"),
                                 QStringLiteral("https://velmora.example.org")}
                         .join(QLatin1Char('\n')));

    describeForScreenReaders();
    buildContextMenu();

    m_simulation.onMessage = [this](const ModelMessage &message) { showMessage(message); };
    showModel();
}

QLineEdit *Form1::addField(const QString &name, double left, double top, double width,
                           const QColor &text, const QColor &background, bool bold)
{
    // A number wider than its box is shown smaller or rounded, never cut.
    auto *field = new NumberField(this);
    field->setObjectName(name);
    field->setGeometry(twipsRect(left, top, width, kRowHeight));
    field->setFont(timesFont(kFieldPoints, bold));
    field->setAlignment(Qt::AlignCenter);
    // The user never types here: values come only through the editing window.
    field->setReadOnly(true);
    field->setAcceptDrops(false);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setFocusPolicy(Qt::ClickFocus);
    setColours(field, text, background);
    return field;
}

QLabel *Form1::addLabel(const QString &name, const QString &text, double left, double top,
                        double width, double height, double pointSize)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(twipsRect(left, top, width, height));
    label->setFont(timesFont(pointSize));
    label->setAlignment(Qt::AlignCenter);
    setColours(label, Qt::black, Qt::white);
    return label;
}

void Form1::buildEquation()
{
    const struct {
        const char *name;
        const char *text;
        double left;
        double width;
    } headings[] = {{"Label8", "M", 1320, 855},
                    {"Label10", "N(t)", 3960, 1095},
                    {"Label13", QT_TR_NOOP("Harvest"), 6120, 1455},
                    {"Label11", "N(t+1)", 8640, 1455}};
    for (const auto &h : headings) {
        // The symbols have no translation and come back as they are.
        QLabel *label = addLabel(QString::fromLatin1(h.name), tr(h.text), h.left, 720, h.width,
                                 375, 14.4);
        label->setFont(timesFont(14.4, true));
    }

    for (int r = 0; r < 4; ++r) {
        const double top = kRowTop + kRowStep * r;
        for (int c = 0; c < 4; ++c) {
            const int index = 4 * r + c;
            MatrixColumn column = kMatrixColumns[c];
            if (index == 14)
                column = {1680, 735};
            QColor colour = Qt::black;
            if (cellRole(index) == CellRole::Fecundity)
                colour = kRed;
            else if (cellRole(index) == CellRole::Survival)
                colour = kBlue;
            m_m[size_t(index)] = addField(QStringLiteral("m_%1").arg(index), column.left, top,
                                          column.width, colour, Qt::white, true);
        }
        m_n1[size_t(r)] = addField(QStringLiteral("n1_%1").arg(r), 3720, top, 1575, Qt::black,
                                   Qt::white, false);
        m_harvest[size_t(r)] = addField(QStringLiteral("Harvest_%1").arg(r), 6120, top, 1455,
                                        kYellow, kGreen, false);
        m_n2[size_t(r)] = addField(QStringLiteral("n2_%1").arg(r), 8400, top, 1815, kNavy,
                                   Qt::white, false);
    }

    QLabel *minus = addLabel(QStringLiteral("Label7"), QStringLiteral("_"), 5520, 2160, 375, 735, 24);
    minus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel *equals = addLabel(QStringLiteral("Label1"), QStringLiteral("="), 7800, 2400, 375, 495, 24);
    equals->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Nothing on the window shows that the context menu exists. The equation's fields and labels
    // have no tip of their own (a field only for a rounded figure), so a hover over them reaches
    // the window's tip.
    setToolTip(tr("Right click here (or press the Menu key) for the model's analysis, risk, "
                  "harvest and yield, life cycle, model files and examples"));
}

void Form1::buildStepControls()
{
    m_project = new ClickableLabel(this);
    m_project->setObjectName(QStringLiteral("Project"));
    m_project->setGeometry(twipsRect(3960, 4080, 780, 636));
    m_project->setPixmap(readPicture(QStringLiteral(":/pictures/arrow-right.png")));
    m_project->setScaledContents(true);
    m_project->setToolTip(tr("Projection"));
    connect(m_project, &ClickableLabel::clicked, this, &Form1::Command1_Click);

    m_transit = new ClickableLabel(this);
    m_transit->setObjectName(QStringLiteral("Transit"));
    m_transit->setGeometry(twipsRect(9000, 4080, 780, 636));
    m_transit->setPixmap(readPicture(QStringLiteral(":/pictures/arrow-left.png")));
    m_transit->setScaledContents(true);
    m_transit->setToolTip(tr("Transition"));
    connect(m_transit, &ClickableLabel::clicked, this, &Form1::Command2_Click);

    m_extinct = addLabel(QStringLiteral("extinct"),
                         tr("Population size = 0.  End of simulation."), 3720, 4320,
                         6615, 495, 18);
    setColours(m_extinct, kYellow, kRed);

    QLabel *total = addLabel(QStringLiteral("Label2"), tr("Total:"), 3600, 5040, 735,
                             495, 14.4);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total1 = addField(QStringLiteral("total1"), 4440, 5040, 1215, kRed, Qt::white, false);
    m_total2 = addField(QStringLiteral("total2"), 8400, 5040, 1815, kRed, Qt::white, false);
    QLabel *t = addLabel(QStringLiteral("Label9"), QStringLiteral("t ="), 3720, 5640, 615, 495, 14.4);
    t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_simu0 = addField(QStringLiteral("simu0"), 4440, 5640, 1215, Qt::black, Qt::white, false);
    m_simut = addField(QStringLiteral("simut"), 8400, 5640, 1815, Qt::black, Qt::white, false);
    QLabel *rate = addLabel(QStringLiteral("Label3"), tr("Growth rate ="), 5760, 6360,
                            1815, 375, 14.4);
    rate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_growrate = addField(QStringLiteral("growrate"), 7680, 6240, 2535, kRed, Qt::white, false);
}

QPushButton *Form1::addCommand(QWidget *parent, const QString &name, const QString &caption,
                               double left, double width, const QString &toolTip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twipsRect(left, 240, width, 375));
    button->setFont(timesFont(12, true));
    button->setToolTip(toolTip);
    button->setCursor(handCursor());
    // Enter presses the focused button too, not only Space.
    button->setAutoDefault(true);
    return button;
}

void Form1::buildCommands()
{
    auto *quiz = new QPushButton(this);
    quiz->setObjectName(QStringLiteral("Command9"));
    quiz->setGeometry(twipsRect(3600, 6360, 615, 615));
    QIcon quizIcon;
    quizIcon.addPixmap(readPictureFile(QStringLiteral(":/pictures/quiz.png")));
    quizIcon.addPixmap(readPictureFile(QStringLiteral(":/pictures/quiz@2x.png")));
    quiz->setIcon(quizIcon);
    quiz->setIconSize(QSize(32, 32));
    quiz->setToolTip(tr("Quiz"));
    connect(quiz, &QPushButton::clicked, this, &Form1::quizRequested);

    auto *save = new QPushButton(tr("Save"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setGeometry(twipsRect(4440, 6360, 975, 615));
    save->setFont(timesFont(12));
    connect(save, &QPushButton::clicked, this, &Form1::saveRequested);

    auto *choice = new QGroupBox(tr(" Your choice "), this);
    choice->setObjectName(QStringLiteral("Frame2"));
    choice->setGeometry(twipsRect(120, 7200, 10215, 735));
    choice->setFont(timesFont(12));
    styleFrame(choice);

    // Created in tab order: "Project" first, so it holds the focus when the window first shows.
    m_command1 = addCommand(choice, QStringLiteral("Command1"), tr("Project"), 7080,
                            1095, tr("Projection"));
    m_command2 = addCommand(choice, QStringLiteral("Command2"), tr("Transit"), 8280,
                            975, tr("Transition"));
    m_command3 = addCommand(choice, QStringLiteral("Command3"), tr("Quit"), 9360, 735,
                            tr("Quit this program"));
    m_command4 = addCommand(choice, QStringLiteral("Command4"), tr("Graph"), 3240, 975,
                            tr("View graphics"));
    QPushButton *change = addCommand(choice, QStringLiteral("Command5"),
                                     tr("Change default values"), 4320, 2655,
                                     tr("Change default data"));
    QPushButton *howTo = addCommand(choice, QStringLiteral("Command6"), tr("How To"),
                                    1080, 1095, tr("How to"));
    QPushButton *print = addCommand(choice, QStringLiteral("Command7"), tr("Print"),
                                    2280, 855, tr("Print this page"));
    QPushButton *intro = addCommand(choice, QStringLiteral("Command8"), tr("Intro"),
                                    120, 855, tr("Introduction"));

    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::quitRequested);
    connect(m_command4, &QPushButton::clicked, this, &Form1::graphRequested);
    connect(change, &QPushButton::clicked, this, &Form1::changeDefaultsRequested);
    connect(howTo, &QPushButton::clicked, this, &Form1::howToRequested);
    connect(print, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(intro, &QPushButton::clicked, this, &Form1::introRequested);

    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, intro);
    setTabOrder(intro, howTo);
    setTabOrder(howTo, print);
    setTabOrder(print, m_command4);
    setTabOrder(m_command4, change);
    setTabOrder(change, quiz);
    setTabOrder(quiz, save);
    setFocusProxy(m_command1);
}

void Form1::describeForScreenReaders()
{
    auto describe = [this](const QString &object, const QString &name) {
        findChild<QWidget *>(object)->setAccessibleName(name);
    };
    for (int index = 0; index < 16; ++index) {
        const int r = index / 4;
        const int c = index % 4;
        QString name = tr("M, row %1, column %2").arg(r).arg(c);
        if (cellRole(index) == CellRole::Fecundity)
            name = tr("Fecundity of age class %1").arg(c);
        else if (cellRole(index) == CellRole::Survival)
            name = tr("Survival rate from age class %1 to %2").arg(c).arg(r);
        describe(QStringLiteral("m_%1").arg(index), name);
    }
    for (int i = 0; i < 4; ++i) {
        describe(QStringLiteral("n1_%1").arg(i), tr("N(t), age class %1").arg(i));
        describe(QStringLiteral("Harvest_%1").arg(i), tr("Harvest, age class %1").arg(i));
        describe(QStringLiteral("n2_%1").arg(i), tr("N(t+1), age class %1").arg(i));
    }
    const std::pair<const char *, const char *> names[] = {
        {"total1", QT_TR_NOOP("Total of N(t)")},
        {"total2", QT_TR_NOOP("Total of N(t+1)")},
        {"simu0", "t"},
        {"simut", "t+1"},
        {"growrate", QT_TR_NOOP("Growth rate")},
        {"Project", QT_TR_NOOP("Project: compute N(t+1)")},
        {"Transit", QT_TR_NOOP("Transit: move N(t+1) into N(t)")},
        {"Command1", QT_TR_NOOP("Project: compute N(t+1)")},
        {"Command2", QT_TR_NOOP("Transit: move N(t+1) into N(t)")},
        {"Command3", QT_TR_NOOP("Quit this program")},
        {"Command4", QT_TR_NOOP("Graph: view the charts")},
        {"Command5", QT_TR_NOOP("Change default values")},
        {"Command6", QT_TR_NOOP("How to use this program")},
        {"Command7", QT_TR_NOOP("Print this page")},
        {"Command8", QT_TR_NOOP("Introduction")},
        {"Command9", QT_TR_NOOP("Quiz")},
        {"cmdSave", QT_TR_NOOP("Save the history to files")},
        {"Label4", QT_TR_NOOP("Velmora model: open the introduction")},
    };
    for (const auto &[object, name] : names)
        describe(QString::fromLatin1(object), tr(name));
}

void Form1::showModel()
{
    const MainFields &f = m_simulation.fields();
    for (size_t i = 0; i < 16; ++i)
        showText(m_m[i], f.m[i]);
    for (size_t i = 0; i < 4; ++i) {
        showText(m_n1[i], f.n1[i]);
        showText(m_harvest[i], f.Harvest[i]);
        showText(m_n2[i], f.n2[i]);
    }
    showText(m_total1, f.total1);
    showText(m_total2, f.total2);
    showText(m_growrate, f.growrate);
    showText(m_simu0, f.simu0);
    showText(m_simut, f.simut);

    m_command1->setEnabled(f.projectEnabled);
    m_command2->setEnabled(f.transitEnabled);
    m_command3->setEnabled(f.quitEnabled);
    m_command4->setEnabled(f.graphEnabled);
    m_project->setVisible(f.projectShown);
    m_transit->setVisible(f.transitShown);
    m_extinct->setVisible(f.extinctShown);

    QPushButton *focus = nullptr;
    switch (f.focus) {
    case FocusTarget::Project: focus = m_command1; break;
    case FocusTarget::Transit: focus = m_command2; break;
    case FocusTarget::Quit: focus = m_command3; break;
    case FocusTarget::None: break;
    }
    if (focus && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

void Form1::Command1_Click()
{
    // The window offers no way to a step it has not enabled, whatever reaches this slot.
    if (!m_simulation.fields().projectEnabled)
        return;
    m_simulation.Projection();
    showModel();
}

void Form1::Command2_Click()
{
    if (!m_simulation.fields().transitEnabled)
        return;
    m_simulation.Transition();
    showModel();
}

void Form1::Command7_Click()
{
    printWindow(this, m_dialogs);
}

void Form1::showMessage(const ModelMessage &message)
{
    // The box appears over the fields as the step has written them so far.
    showModel();
    const bool rejected = message.kind == ModelMessage::Kind::RejectedStep;
    m_dialogs.message(this, q(message.title), q(message.text),
                      rejected ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                      rejected ? QMessageBox::NoIcon : QMessageBox::Warning);
}

void Form1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    for (const auto &[a, b] : kBrackets) {
        for (const auto &[x, inward] : {std::pair{a, 120.0}, std::pair{b, -120.0}}) {
            painter.drawLine(twipsPoint(x, 1200), twipsPoint(x, 4080));
            painter.drawLine(twipsPoint(x, 1200), twipsPoint(x + inward, 1080));
            painter.drawLine(twipsPoint(x, 4080), twipsPoint(x + inward, 4200));
        }
    }
}

void Form1::buildContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->addAction(tr("Model &analysis..."), this, &Form1::analysisRequested);
    menu->addAction(tr("&Risk under variability..."), this, &Form1::riskRequested);
    menu->addAction(tr("&Life cycle..."), this, &Form1::lifeCycleRequested)
        ->setObjectName(QStringLiteral("lifeCycle"));
    menu->addAction(tr("Harvest and &yield..."), this, &Form1::yieldRequested)
        ->setObjectName(QStringLiteral("harvestAndYield"));
    menu->addSeparator();
    const auto entry = [](QMenu *in, const QString &name, const QString &text) {
        QAction *action = in->addAction(text);
        action->setObjectName(name);
        return action;
    };
    connect(entry(menu, QStringLiteral("openModel"), tr("&Open model...")),
            &QAction::triggered, this, &Form1::openModelRequested);
    connect(entry(menu, QStringLiteral("saveModel"), tr("&Save model...")),
            &QAction::triggered, this, &Form1::saveModelRequested);
    connect(entry(menu, QStringLiteral("saveExercise"), tr("Save as exer&cise...")),
            &QAction::triggered, this, &Form1::saveExerciseRequested);
    QMenu *examples = menu->addMenu(tr("E&xamples"));
    examples->setObjectName(QStringLiteral("examplesMenu"));
    int number = 0;
    for (const ModelExample &example : modelExamples()) {
        // "&1 Default model": every example has a key of its own.
        QString text = example.title;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString path = example.path;
        connect(entry(examples, QStringLiteral("example_") + example.fileName,
                      QStringLiteral("&%1 %2").arg(++number).arg(text)),
                &QAction::triggered, this, [this, path] { emit exampleRequested(path); });
    }
    m_aboutModel = entry(menu, QStringLiteral("aboutModel"), tr("A&bout this model"));
    m_aboutModel->setEnabled(false);
    connect(m_aboutModel, &QAction::triggered, this, &Form1::aboutModelRequested);
    attachContextMenu(this, menu);
}

void Form1::setModelTitle(const QString &title, bool hasNotes)
{
    m_aboutModel->setEnabled(!title.isEmpty() || hasNotes);
    // Escaped markup, so a title that looks like a tag is shown as typed.
    //: %1 is the title of the model file opened last.
    const QString model = tr("Model: %1").arg(title.toHtmlEscaped());
    m_heading->setToolTip(title.isEmpty()
                              ? tr("Introduction")
                              : QStringLiteral("<p style=\"white-space: pre\">%1<br>%2</p>")
                                    .arg(model, tr("Click for the introduction")));
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByCloseBox();
}

} // namespace velmora
