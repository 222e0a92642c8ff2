#include "ui/risk/riskwindow.h"

#include "export/riskfile.h"
#include "base/numbertext.h"
#include "model/simulation.h"
#include "ui/charts/chartmenu.h"
#include "ui/common/appfonts.h"
#include "ui/common/backgroundwork.h"
#include "ui/common/colours.h"
#include "ui/common/dialogs.h"
#include "ui/common/handcursor.h"
#include "ui/common/labels.h"
#include "ui/common/placement.h"
#include "ui/common/twips.h"
#include "ui/risk/riskcharts.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include <memory>

namespace velmora {

namespace {

const QColor kProblem(160, 0, 0);

QString listText(const double *values, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString::fromStdString(numberText(values[i]));
    return parts.join(QStringLiteral(", "));
}

QString growthText(const RiskResult &r)
{
    const auto figure = [](const std::optional<double> &v) {
        return v ? QString::fromStdString(numberText(*v, 4)) : RiskWindow::tr("none");
    };
    //: %1 and %2 are figures, or "none".
    return RiskWindow::tr("Stochastic growth rate without harvest, log λs: %1 from the "
                          "replicates, %2 by Tuljapurkar's approximation.")
        .arg(figure(r.logLambdaSimulated), figure(r.logLambdaApproximation));
}

bool sameModel(const PopulationModel &a, const PopulationModel &b)
{
    return a.M == b.M && a.N == b.N && a.H == b.H && a.t == b.t;
}

} // namespace

RiskWindow::RiskWindow(Simulation &simulation, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_simulation(simulation)
    , m_dialogs(dialogs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Risk"));
    setWindowTitle(tr("Risk under variability"));
    setFixedSize(twipsSize(14400, 10320));
    setWindowBackground(this);
    buildControls();
    m_chartMenu = new ChartMenu(*this, m_dialogs,
                                [this](const QPoint *globalPos) { return chartAt(globalPos); });
    clearResult();
    centreOnScreen(this);
}

RiskWindow::~RiskWindow()
{
    stopAndWait();
}

void RiskWindow::buildControls()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(twips(240), twips(120), twips(240), twips(180));
    grid->setHorizontalSpacing(twips(120));
    grid->setVerticalSpacing(twips(60));
    int row = 0;

    QLabel *title = makeLabel(this, QStringLiteral("titleLabel"), timesFont(18, true), titleBlue());
    title->setText(tr("Risk under variability"));
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, row++, 0, 1, 8);

    m_model = makeLabel(this, QStringLiteral("modelLabel"), timesFont(11), Qt::black);
    m_model->setWordWrap(true);
    grid->addWidget(m_model, row++, 0, 1, 8);

    const QFont inputFont = appFont(QStringLiteral("MS Sans Serif"), 9.6);
    const auto addInput = [&](QAbstractSpinBox *input, const QString &name,
                              const QString &caption, const QString &spoken, int gridRow,
                              int column) {
        input->setObjectName(name);
        // Numbers keep the program's own form in every language: "0.1", never "0,1".
        input->setLocale(QLocale::c());
        input->setFont(inputFont);
        input->setAccessibleName(spoken);
        QLabel *label = makeLabel(this, name + QStringLiteral("Label"), timesFont(11), Qt::black);
        label->setText(caption);
        label->setBuddy(input);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, gridRow, column);
        grid->addWidget(input, gridRow, column + 1);
    };
    const auto cv = [this](double maximum) {
        auto *box = new QDoubleSpinBox(this);
        box->setRange(0, maximum);
        box->setDecimals(4);
        box->setSingleStep(0.05);
        return box;
    };
    // No upper bound of its own: a rate whose beta cannot take it takes the largest it can.
    m_cvSurvival = cv(1e6);
    m_cvFecundity = cv(kMaxFecundityCv);
    const RiskSettings starting = startingRiskSettings();
    m_cvSurvival->setValue(starting.cvSurvival);
    m_cvFecundity->setValue(starting.cvFecundity);
    m_threshold = new QDoubleSpinBox(this);
    m_threshold->setRange(0, 1e12);
    m_threshold->setDecimals(3);
    m_threshold->setValue(kDefaultThreshold);
    addInput(m_cvSurvival, QStringLiteral("cvSurvival"), tr("&Survival CV"),
             tr("Coefficient of variation of the survival rates"), row, 0);
    addInput(m_cvFecundity, QStringLiteral("cvFecundity"), tr("&Fecundity CV"),
             tr("Coefficient of variation of the fecundities"), row, 2);
    addInput(m_threshold, QStringLiteral("threshold"), tr("&Threshold Q"),
             tr("Threshold: a total below it, or of 0, counts as lost"), row, 4);
    m_demographic = new QCheckBox(tr("&Whole animals (demographic)"), this);
    m_demographic->setObjectName(QStringLiteral("demographic"));
    m_demographic->setFont(inputFont);
    m_demographic->setAccessibleName(
        tr("Whole animals: binomial survivors and Poisson births"));
    grid->addWidget(m_demographic, row++, 6, 1, 2);

    m_replicates = new QSpinBox(this);
    m_replicates->setRange(1, kMaxReplicates);
    m_replicates->setValue(kDefaultReplicates);
    m_steps = new QSpinBox(this);
    m_steps->setRange(1, kMaxRiskSteps);
    m_steps->setValue(kDefaultRiskSteps);
    m_seed = new QSpinBox(this);
    m_seed->setRange(0, int(kMaxSeed));
    m_seed->setValue(int(kDefaultSeed));
    addInput(m_replicates, QStringLiteral("replicates"), tr("&Replicates"),
             tr("Number of replicates"), row, 0);
    addInput(m_steps, QStringLiteral("steps"), tr("St&eps"),
             tr("Number of steps"), row, 2);
    addInput(m_seed, QStringLiteral("seed"), tr("See&d"),
             tr("Seed of the random draws"), row, 4);

    const auto button = [&](const QString &name, const QString &caption, const QString &spoken) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(inputFont);
        b->setFixedSize(twipsSize(1455, 435));
        b->setCursor(handCursor());
        b->setAccessibleName(spoken);
        // Enter presses the focused button as Space does.
        b->setAutoDefault(true);
        return b;
    };
    m_run = button(QStringLiteral("cmdRun"), tr("Run"),
                   tr("Run: project the replicates"));
    m_cancel = button(QStringLiteral("cmdCancel"), tr("Cancel"),
                      tr("Cancel: stop the run"));
    auto *runButtons = new QHBoxLayout;
    runButtons->addWidget(m_run);
    runButtons->addWidget(m_cancel);
    grid->addLayout(runButtons, row++, 6, 1, 2);

    m_progress = makeProgressBar(this, tr("Progress of the run"));
    m_progress->setValue(0);
    m_progress->setFixedHeight(twips(240));
    grid->addWidget(m_progress, row++, 0, 1, 8);

    const auto chartView = [this](const QString &name) {
        auto *view = new QChartView(new QChart, this);
        view->setObjectName(name);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFixedSize(twipsSize(6870, 6150));
        view->setFocusPolicy(Qt::StrongFocus);
        return view;
    };
    m_riskChart = chartView(QStringLiteral("riskChart"));
    m_fanChart = chartView(QStringLiteral("fanChart"));
    auto *charts = new QHBoxLayout;
    charts->setSpacing(twips(180));
    charts->addWidget(m_riskChart);
    charts->addWidget(m_fanChart);
    grid->addLayout(charts, row++, 0, 1, 8);

    m_sentence = makeLabel(this, QStringLiteral("sentence"), timesFont(13, true), titleBlue());
    m_sentence->setWordWrap(true);
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(m_sentence, row++, 0, 1, 8);
    m_growth = makeLabel(this, QStringLiteral("growthRates"), timesFont(11), Qt::black);
    m_growth->setWordWrap(true);
    m_growth->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(m_growth, row++, 0, 1, 8);
    grid->setRowStretch(row++, 1);

    m_save = button(QStringLiteral("cmdSaveCsv"), tr("Save as CSV..."),
                    tr("Save the results as CSV"));
    m_save->setFixedSize(twipsSize(1815, 435));
    m_back = button(QStringLiteral("cmdBack"), tr("Go back"),
                    tr("Go back: back to the main window"));
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(twips(600));
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_back);
    buttons->addStretch();
    grid->addLayout(buttons, row, 0, 1, 8);

    connect(m_run, &QPushButton::clicked, this, &RiskWindow::run);
    connect(m_cancel, &QPushButton::clicked, this, &RiskWindow::cancel);
    connect(m_save, &QPushButton::clicked, this, &RiskWindow::saveCsv);
    connect(m_back, &QPushButton::clicked, this, &RiskWindow::backRequested);
    connect(m_demographic, &QCheckBox::toggled, this, &RiskWindow::showModel);
    m_cancel->setEnabled(false);
}

RiskSettings RiskWindow::settings() const
{
    RiskSettings s;
    s.cvSurvival = m_cvSurvival->value();
    s.cvFecundity = m_cvFecundity->value();
    s.demographic = m_demographic->isChecked();
    s.threshold = m_threshold->value();
    s.replicates = m_replicates->value();
    s.steps = m_steps->value();
    s.seed = std::uint32_t(m_seed->value());
    return s;
}

void RiskWindow::showModel()
{
    PopulationModel model;
    if (!modelFromFields(m_simulation.fields(), model)) {
        m_model->setText(tr("The fields of the main window do not all hold numbers: "
                                        "there is nothing to project."));
        return;
    }
    const double survival[] = {model.M[4], model.M[9], model.M[14]};
    //: %1 fecundities, %2 survival rates, %3 harvests, %4 numbers, %5 the year t
    QString text = tr("M: fecundities %1; survival rates %2.   H = (%3).   "
                                  "N(t) = (%4) at t = %5.")
                       .arg(listText(model.M.data(), 4), listText(survival, 3),
                            listText(model.H.data(), 4), listText(model.N.data(), 4))
                       .arg(model.t);
    if (m_demographic->isChecked()) {
        const PopulationModel whole = projectedModel(model, settings());
        text += QStringLiteral("   ")
                + tr("Whole animals: N(t) and H are rounded to (%1) and (%2).")
                    .arg(listText(whole.N.data(), 4), listText(whole.H.data(), 4));
    }
    m_model->setText(text);
}

void RiskWindow::run()
{
    if (m_running)
        return;
    PopulationModel model;
    if (!modelFromFields(m_simulation.fields(), model)) {
        clearResult();
        showProblem(tr("The fields of the main window do not all hold numbers: "
                                   "there is nothing to project."));
        return;
    }
    const RiskSettings asked = settings();
    if (const auto refusal = riskRefusal(model, asked)) {
        clearResult();
        showProblem(QString::fromStdString(*refusal));
        return;
    }
    clearResult();
    m_resultModel = model;
    m_sentence->setText(tr("Running..."));
    setRunning(true);
    // A system out of threads refuses the run here; the engine refuses its own workers alike.
    const auto failure = m_work.start([this, model, asked] {
        RiskControl control;
        control.cancel = m_work.stopFlag();
        control.progress = postedProgress(this, [this](double share) { showProgress(share); });
        auto outcome = std::make_shared<RiskOutcome>(runRisk(model, asked, control));
        postTo(this, [this, outcome] { finishRun(std::move(*outcome)); });
    });
    if (failure) {
        setRunning(false);
        showProblem(tr("The run could not start a thread (%1).").arg(*failure));
    }
}

void RiskWindow::cancel()
{
    if (!m_running)
        return;
    m_work.requestStop();
    m_cancel->setEnabled(false);
    m_sentence->setText(tr("Cancelling..."));
}

void RiskWindow::stopAndWait()
{
    m_work.stopAndWait();
}

void RiskWindow::setRunning(bool running)
{
    m_running = running;
    for (QWidget *input : std::initializer_list<QWidget *>{
             m_cvSurvival, m_cvFecundity, m_threshold, m_demographic, m_replicates, m_steps,
             m_seed, m_run})
        input->setEnabled(!running);
    m_cancel->setEnabled(running);
    if (running) {
        m_progress->setValue(0);
        m_cancel->setFocus();
    } else {
        m_run->setFocus();
    }
}

void RiskWindow::showProgress(double share)
{
    if (m_running)
        m_progress->setValue(int(share * m_progress->maximum()));
}

void RiskWindow::finishRun(RiskOutcome outcome)
{
    m_work.join();
    setRunning(false);
    switch (outcome.status) {
    case RiskStatus::Done:
        m_result = std::move(outcome.result);
        showResult();
        break;
    case RiskStatus::Cancelled:
        m_progress->setValue(0);
        m_sentence->setText(tr("Cancelled: no result."));
        break;
    case RiskStatus::Refused:
    case RiskStatus::Failed:
        showProblem(QString::fromStdString(outcome.refusal));
        break;
    }
    emit runFinished();
}

void RiskWindow::showResult()
{
    const RiskResult &r = *m_result;
    buildRiskChart(*m_riskChart->chart(), &r);
    buildFanChart(*m_fanChart->chart(), &r);
    setTextColour(m_sentence, titleBlue());
    m_sentence->setText(QString::fromStdString(riskSentence(r)));
    m_growth->setText(growthText(r));
    m_save->setEnabled(true);
    m_riskChart->setAccessibleName(tr("Chart: risk of falling below the threshold "
                                                  "over the steps"));
    m_fanChart->setAccessibleName(tr("Chart: percentiles, mean and deterministic "
                                                 "total over the steps"));
}

void RiskWindow::clearResult()
{
    m_result.reset();
    buildRiskChart(*m_riskChart->chart(), nullptr);
    buildFanChart(*m_fanChart->chart(), nullptr);
    m_sentence->clear();
    m_growth->clear();
    m_save->setEnabled(false);
    m_progress->setValue(0);
}

void RiskWindow::showProblem(const QString &text)
{
    setTextColour(m_sentence, kProblem);
    m_sentence->setText(text);
}

void RiskWindow::saveCsv()
{
    if (!m_result)
        return;
    // The dialog adds ".csv" to a bare name, so any question it asks is about the file written.
    const QString chosen = m_dialogs.saveFileName(this, m_csvName, {QStringLiteral("csv"), true});
    if (chosen.isEmpty())
        return;
    m_csvName = chosen;
    if (const auto reason = saveRiskCsv(*m_result, chosen))
        m_dialogs.message(this, tr("Save as CSV"),
                          tr("The results could not be saved as \"%1\":\n%2")
                              .arg(QDir::toNativeSeparators(chosen), *reason),
                          QMessageBox::Ok, QMessageBox::Warning);
}

QChartView *RiskWindow::chartAt(const QPoint *globalPos) const
{
    for (QChartView *view : {m_riskChart, m_fanChart}) {
        if (globalPos ? view->rect().contains(view->mapFromGlobal(*globalPos)) : view->hasFocus())
            return view;
    }
    // From the keyboard, away from the charts, the menu is the risk curve's.
    return globalPos ? nullptr : m_riskChart;
}

void RiskWindow::keyPressEvent(QKeyEvent *event)
{
    // Return in an input runs, as in a dialog; the spin boxes pass it on after taking the value.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        run();
        return;
    }
    // Escape leaves as "Go back" does, as a keyboard user expects of a window that has one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RiskWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    showModel();
    // A result belongs to the model it came from; the main window may have moved on.
    PopulationModel model;
    if (m_result && !m_running
        && (!modelFromFields(m_simulation.fields(), model) || !sameModel(model, m_resultModel))) {
        clearResult();
        m_sentence->setText(tr("The main window's model has changed since the last "
                                           "run: press Run for its risk."));
    }
}

void RiskWindow::closeEvent(QCloseEvent *event)
{
    stopAndWait();
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
