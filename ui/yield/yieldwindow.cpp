#include "ui/yield/yieldwindow.h"

#include "base/numbertext.h"
#include "ui/common/appfonts.h"
#include "ui/common/backgroundwork.h"
#include "ui/common/colours.h"
#include "ui/common/dialogs.h"
#include "ui/common/labels.h"
#include "ui/common/numberfield.h"
#include "ui/common/twips.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace velmora {

namespace {

constexpr int kShockSteps = 60;
// The share of the progress bar the curves take; the three risk runs share the rest.
constexpr double kCurvesShare = 0.6;
constexpr int kColumns = 9;
const QColor kWayColours[3] = {QColor(200, 30, 30), QColor(20, 90, 200), QColor(20, 140, 60)};

QString figure(double value)
{
    return QString::fromStdString(numberText(value, 6));
}

QString wayName(HarvestWay way)
{
    switch (way) {
    case HarvestWay::Quota:
        return YieldWindow::tr("quota");
    case HarvestWay::Rate:
        return YieldWindow::tr("rate");
    case HarvestWay::Escapement:
        return YieldWindow::tr("escapement");
    }
    return {};
}

// A way with its article, as a sentence names it: "the quota".
QString wayWithArticle(HarvestWay way)
{
    switch (way) {
    case HarvestWay::Quota:
        //: As in "under the quota"; "under %1 it recovers" puts it after "under".
        return YieldWindow::tr("the quota");
    case HarvestWay::Rate:
        return YieldWindow::tr("the rate");
    case HarvestWay::Escapement:
        return YieldWindow::tr("the escapement");
    }
    return {};
}

// "Q = 12.5", "h = 0.1", "E = 300": a way's level with its symbol.
QString levelText(HarvestWay way, double level)
{
    const char *symbol = way == HarvestWay::Quota ? "Q" : way == HarvestWay::Rate ? "h" : "E";
    return QStringLiteral("%1 = %2").arg(QLatin1String(symbol), figure(level));
}

QString percent(double share)
{
    return QString::fromStdString(numberText(100.0 * share, 3)) + QStringLiteral(" %");
}

// Why a model cannot be given density dependence, in a sentence.
QString refusalText(const DensityBuild &build)
{
    switch (build.problem) {
    case DensityProblem::None:
        break;
    case DensityProblem::CapacityNotPositive:
        return YieldWindow::tr("K must be a number above 0: the density at which the population "
                               "settles without harvest.");
    case DensityProblem::BadCountedStage:
        return YieldWindow::tr("Choose the stages counted in the density again.");
    case DensityProblem::NoR0:
        return YieldWindow::tr("Some stage never dies (I - U has no inverse), so R0 has no value "
                               "and the density dependence cannot be set from K.");
    case DensityProblem::R0NotAboveOne:
        return YieldWindow::tr("R0 = %1: a population that cannot more than replace itself even "
                               "when sparse never settles at K, and no harvest of it lasts.")
            .arg(figure(build.R0.value_or(0.0)));
    case DensityProblem::NotAModel:
        return YieldWindow::tr("The model does not pass its checks: mend it in the Life cycle "
                               "window first.");
    }
    return {};
}

// What a curve's MSY is, where it is not a rest point.
QString settlingNote(const YieldCurve &curve)
{
    // A sentence a way, so each language can put its own word for the way in place.
    const YieldPoint &best = curve.best;
    if (best.settling == Settling::Cycle) {
        switch (curve.way) {
        case HarvestWay::Quota:
            return YieldWindow::tr("Under the quota the population has no stable rest at its "
                                   "MSY: the yield is the mean over a cycle of %1 steps.")
                .arg(best.period);
        case HarvestWay::Rate:
            return YieldWindow::tr("Under the rate the population has no stable rest at its "
                                   "MSY: the yield is the mean over a cycle of %1 steps.")
                .arg(best.period);
        case HarvestWay::Escapement:
            return YieldWindow::tr("Under the escapement the population has no stable rest at "
                                   "its MSY: the yield is the mean over a cycle of %1 steps.")
                .arg(best.period);
        }
    }
    if (best.settling == Settling::Irregular) {
        switch (curve.way) {
        case HarvestWay::Quota:
            return YieldWindow::tr("Under the quota the population has no stable rest at its "
                                   "MSY: it swings irregularly (chaos), and the yield is the "
                                   "mean over 600 steps.");
        case HarvestWay::Rate:
            return YieldWindow::tr("Under the rate the population has no stable rest at its "
                                   "MSY: it swings irregularly (chaos), and the yield is the "
                                   "mean over 600 steps.");
        case HarvestWay::Escapement:
            return YieldWindow::tr("Under the escapement the population has no stable rest at "
                                   "its MSY: it swings irregularly (chaos), and the yield is the "
                                   "mean over 600 steps.");
        }
    }
    return {};
}

} // namespace

struct YieldWindow::Work {
    YieldOutcome yield;
    std::array<std::optional<RiskResult>, 3> risks;
    std::string riskProblem; // a run refused or without a thread
};

YieldWindow::YieldWindow(const StageModel &model, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HarvestAndYield"));
    setWindowTitle(tr("Harvest and yield"));
    resize(twipsSize(15600, 10800));
    setWindowBackground(this);
    buildControls();
    setStageModel(model);
}

YieldWindow::~YieldWindow()
{
    stopAndWait();
}

void YieldWindow::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(twips(240), twips(120), twips(240), twips(180));
    outer->setSpacing(twips(90));
    QLabel *title = makeLabel(this, QStringLiteral("titleLabel"), timesFont(18, true), titleBlue());
    title->setText(tr("Harvest and yield"));
    title->setAlignment(Qt::AlignCenter);
    outer->addWidget(title);

    const QFont inputFont = appFont(QStringLiteral("MS Sans Serif"), 9.6);
    auto *inputs = new QGridLayout;
    inputs->setHorizontalSpacing(twips(120));
    const auto caption = [&](QWidget *buddy, const QString &name, const QString &text) {
        QLabel *label = makeLabel(this, name + QStringLiteral("Label"), timesFont(11), Qt::black);
        label->setText(text);
        label->setBuddy(buddy);
        return label;
    };
    m_form = new QComboBox(this);
    m_form->setObjectName(QStringLiteral("densityForm"));
    m_form->setFont(inputFont);
    m_form->addItem(tr("Beverton-Holt: F / (1 + b D)"));
    m_form->addItem(tr("Ricker: F exp(-b D)"));
    m_form->addItem(tr("Ceiling: D at most K"));
    m_form->setAccessibleName(tr("Density dependence"));
    m_capacity = new NumberField(this);
    m_capacity->setObjectName(QStringLiteral("capacity"));
    m_capacity->setFont(inputFont);
    m_capacity->setText(QStringLiteral("1000"));
    m_capacity->setAccessibleName(tr("K, the density at rest without harvest"));
    m_capacity->setToolTip(tr("D, the sum of the counted stages, settles at K without harvest"));
    const auto stageList = [&](const QString &name, const QString &spoken) {
        auto *list = new QListWidget(this);
        list->setObjectName(name);
        list->setFont(inputFont);
        list->setAccessibleName(spoken);
        list->setFixedHeight(twips(1300));
        return list;
    };
    m_counted = stageList(QStringLiteral("countedStages"), tr("Stages counted in the density"));
    m_harvested = stageList(QStringLiteral("harvestedStages"), tr("Stages harvested"));
    inputs->addWidget(caption(m_form, QStringLiteral("densityForm"), tr("&Density dependence")),
                      0, 0);
    inputs->addWidget(m_form, 1, 0);
    inputs->addWidget(caption(m_capacity, QStringLiteral("capacity"), tr("&K")), 2, 0);
    inputs->addWidget(m_capacity, 3, 0);
    inputs->addWidget(caption(m_counted, QStringLiteral("countedStages"),
                              tr("Stages &counted in D")),
                      0, 1);
    inputs->addWidget(m_counted, 1, 1, 3, 1);
    inputs->addWidget(caption(m_harvested, QStringLiteral("harvestedStages"),
                              tr("Stages &harvested")),
                      0, 2);
    inputs->addWidget(m_harvested, 1, 2, 3, 1);

    m_compute = new QPushButton(tr("Co&mpute"), this);
    m_compute->setObjectName(QStringLiteral("cmdCompute"));
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_progress = makeProgressBar(this, tr("Progress of the curves"));
    auto *buttons = new QVBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{m_compute, m_cancel, m_progress}) {
        w->setFont(inputFont);
        buttons->addWidget(w);
    }
    buttons->addStretch();
    inputs->addLayout(buttons, 0, 3, 4, 1);
    inputs->setColumnStretch(4, 1);
    outer->addLayout(inputs);

    m_message = makeLabel(this, QStringLiteral("message"), timesFont(11), Qt::black);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(m_message);

    const auto chartView = [&](const QString &name, const QString &spoken) {
        auto *view = new QChartView(new QChart, this);
        view->setObjectName(name);
        view->setRenderHint(QPainter::Antialiasing);
        view->setAccessibleName(spoken);
        view->chart()->legend()->setFont(appFont(QStringLiteral("Arial"), 8.5));
        view->chart()->setMargins(QMargins(4, 4, 4, 4));
        view->setMinimumHeight(twips(3600));
        return view;
    };
    m_yieldChart = chartView(QStringLiteral("yieldChart"),
                             tr("Chart: the yield of each way against its level"));
    m_shockChart = chartView(QStringLiteral("shockChart"),
                             tr("Chart: the population after one bad year, each way at 90 % of "
                                "its MSY"));
    auto *charts = new QHBoxLayout;
    charts->addWidget(m_yieldChart, 1);
    auto *shockColumn = new QVBoxLayout;
    shockColumn->addWidget(m_shockChart, 1);
    auto *lossRow = new QHBoxLayout;
    m_loss = new NumberField(this);
    m_loss->setObjectName(QStringLiteral("loss"));
    m_loss->setFont(inputFont);
    m_loss->setFixedWidth(twips(1200));
    m_loss->setAccessibleName(tr("Loss in the bad year, percent of every stage"));
    lossRow->addWidget(caption(m_loss, QStringLiteral("loss"),
                               tr("&Loss in the bad year, % of every stage")));
    lossRow->addWidget(m_loss);
    lossRow->addStretch();
    shockColumn->addLayout(lossRow);
    charts->addLayout(shockColumn, 1);
    outer->addLayout(charts, 1);

    m_table = new QTableWidget(3, kColumns, this);
    m_table->setObjectName(QStringLiteral("yieldTable"));
    m_table->setAccessibleName(tr("Each way's MSY and its edge"));
    m_table->setHorizontalHeaderLabels({tr("Way"), tr("MSY"), tr("at"), tr("Total at MSY"),
                                        tr("90 % of MSY at"), tr("Total there"),
                                        tr("Unstable rest"), tr("Fatal loss"), tr("Risk there")});
    m_table->horizontalHeaderItem(6)->setToolTip(
        tr("Under a quota, the total of the rest point below the settled one: a population "
           "pushed below it falls to 0"));
    m_table->horizontalHeaderItem(7)->setToolTip(
        tr("The smallest share of every stage lost in one bad year, at 90 % of MSY, after "
           "which the population falls to 0"));
    m_table->horizontalHeaderItem(kColumns - 1)
        ->setToolTip(tr("The chance of falling below the threshold within the steps of the "
                        "Risk window, under its variation and seed, from the total there"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Three rows and the header, whole: nothing of the table hides behind a scroll bar.
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height()
                            + 3 * m_table->verticalHeader()->defaultSectionSize()
                            + 2 * m_table->frameWidth());
    outer->addWidget(m_table);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    auto *back = new QPushButton(tr("Go back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setFont(inputFont);
    bottom->addWidget(back);
    outer->addLayout(bottom);

    connect(m_compute, &QPushButton::clicked, this, &YieldWindow::compute);
    connect(m_cancel, &QPushButton::clicked, this, &YieldWindow::cancel);
    connect(back, &QPushButton::clicked, this, &YieldWindow::backRequested);
    connect(m_loss, &QLineEdit::editingFinished, this, &YieldWindow::showShock);
    setRunning(false);
}

void YieldWindow::setStageModel(const StageModel &model)
{
    stopAndWait();
    setRunning(false);
    ++m_generation;
    m_model = model;
    m_risks = {};
    m_riskProblem.clear();
    const int n = m_model.size();
    if (m_model.C.size() == 0)
        m_model.C = Eigen::MatrixXd::Zero(n, n);
    if (m_model.harvest.size() == 0)
        m_model.harvest = Eigen::VectorXd::Zero(n);
    m_analysis.reset();
    m_density.reset();
    fillStageLists();
    showAnalysis();
}

void YieldWindow::setDensitySettings(const DensitySettings &settings)
{
    m_form->setCurrentIndex(int(settings.form));
    m_capacity->setText(QString::fromStdString(numberText(settings.capacity)));
    for (int i = 0; i < m_counted->count(); ++i) {
        const bool counted = settings.counted.empty()
                             || std::find(settings.counted.begin(), settings.counted.end(), i)
                                    != settings.counted.end();
        m_counted->item(i)->setCheckState(counted ? Qt::Checked : Qt::Unchecked);
    }
}

void YieldWindow::setRiskSettings(const RiskSettings &settings)
{
    m_riskSettings = settings;
}

void YieldWindow::fillStageLists()
{
    for (QListWidget *list : {m_counted, m_harvested}) {
        list->clear();
        for (const std::string &name : m_model.stages) {
            auto *item = new QListWidgetItem(QString::fromStdString(name), list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    }
}

std::vector<int> YieldWindow::checkedStages(const QListWidget *list) const
{
    std::vector<int> stages;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            stages.push_back(i);
    return stages;
}

void YieldWindow::compute()
{
    if (m_running)
        return;
    const ReadResult capacity = strictValue(m_capacity->text().toStdString());
    DensitySettings settings;
    settings.form = DensityForm(m_form->currentIndex());
    settings.capacity = capacity.ok() ? capacity.value : 0.0;
    settings.counted = checkedStages(m_counted);
    YieldSettings yieldSettings;
    yieldSettings.harvested = checkedStages(m_harvested);
    if (settings.counted.empty()) {
        showProblem(tr("Check at least one stage to count in the density."));
        return;
    }
    if (yieldSettings.harvested.empty()) {
        showProblem(tr("Check at least one stage to harvest."));
        return;
    }
    const DensityBuild build = makeDensityModel(m_model, settings);
    if (!build.model) {
        showProblem(refusalText(build));
        return;
    }
    m_analysis.reset();
    m_risks = {};
    m_riskProblem.clear();
    m_density = *build.model;
    m_harvestedMask = stageMask(m_model.size(), yieldSettings.harvested);
    showAnalysis();
    m_message->setText(tr("Tracing the yield curves..."));
    setRunning(true);
    const DensityModel density = *build.model;
    const auto failure = m_work.start([this, density, settings, yieldSettings,
                                       risk = m_riskSettings, generation = m_generation] {
        const auto report =
            postedProgress(this, [this](double share) { m_progress->setValue(int(share * 1000)); });
        YieldControl control;
        control.cancel = m_work.stopFlag();
        control.progress = [report](double share) { report(kCurvesShare * share); };
        auto work = std::make_shared<Work>();
        work->yield = analyseYield(density, yieldSettings, control);
        if (work->yield.status == YieldStatus::Done) {
            // Each way from where it settles at 90 % of its MSY, in place of the model's H.
            const auto &curves = work->yield.analysis.curves;
            for (size_t i = 0; i < curves.size() && !*m_work.stopFlag(); ++i) {
                const YieldCurve &curve = curves[i];
                if (curve.cautious.settled.size() == 0)
                    continue;
                StageModel start = density.model;
                start.n0 = curve.cautious.settled;
                RiskSettings s = risk;
                s.density = RiskDensity{settings, curve.way, curve.cautious.level,
                                        yieldSettings.harvested};
                RiskControl riskControl;
                riskControl.cancel = m_work.stopFlag();
                riskControl.progress = [report, i](double share) {
                    report(kCurvesShare + (1.0 - kCurvesShare) * (double(i) + share) / 3.0);
                };
                RiskOutcome outcome = runRisk(start, s, riskControl);
                if (outcome.status == RiskStatus::Done)
                    work->risks[i] = std::move(outcome.result);
                else if (outcome.status != RiskStatus::Cancelled)
                    work->riskProblem = outcome.refusal;
            }
            if (*m_work.stopFlag())
                work->yield.status = YieldStatus::Cancelled;
        }
        postTo(this, [this, work, generation] { finish(std::move(*work), generation); });
    });
    if (failure) {
        setRunning(false);
        showProblem(tr("The work could not start a thread (%1).").arg(*failure));
    }
}

void YieldWindow::cancel()
{
    if (!m_running)
        return;
    m_work.requestStop();
    m_cancel->setEnabled(false);
    m_message->setText(tr("Cancelling..."));
}

void YieldWindow::finish(Work work, int generation)
{
    if (generation != m_generation)
        return;
    m_work.join();
    setRunning(false);
    YieldOutcome &outcome = work.yield;
    switch (outcome.status) {
    case YieldStatus::Done:
        m_analysis = std::move(outcome.analysis);
        m_risks = std::move(work.risks);
        m_riskProblem = QString::fromStdString(work.riskProblem);
        m_message->clear();
        break;
    case YieldStatus::Cancelled:
        m_message->setText(tr("Cancelled: no curve is shown."));
        break;
    case YieldStatus::NoRestingPopulation:
        m_message->setText(tr("No positive population rests at K without harvest, so there is "
                              "no yield curve to draw."));
        break;
    case YieldStatus::BadHarvestedStage:
        m_message->setText(tr("Choose the stages harvested again."));
        break;
    }
    if (m_analysis) {
        const YieldCurve &quota = m_analysis->curves[0];
        // A loss a little beyond the one the quota just survives, so the chart shows it fall.
        const double loss = quota.smallestFatalShock ? std::min(0.99, *quota.smallestFatalShock + 0.1)
                                                     : 0.5;
        m_loss->setText(QString::fromStdString(numberText(100.0 * loss, 4)));
        QStringList notes;
        for (const YieldCurve &curve : m_analysis->curves)
            if (const QString note = settlingNote(curve); !note.isEmpty())
                notes << note;
        QStringList fatal;
        QStringList recover;
        for (const YieldCurve &curve : m_analysis->curves) {
            if (curve.smallestFatalShock)
                //: %1 is a way with its article ("the quota"), %2 a percentage.
                fatal << tr("%1 after a loss of %2")
                             .arg(wayWithArticle(curve.way), percent(*curve.smallestFatalShock));
            else
                recover << wayWithArticle(curve.way);
        }
        QString edge = tr("At 90 % of its MSY, one bad year sends the population to 0 under %1.")
                           .arg(fatal.isEmpty() ? tr("no way") : fatal.join(tr(" and ")));
        if (!recover.isEmpty())
            edge += QLatin1Char(' ')
                    //: %1 names one to three ways with their articles ("the quota and the rate").
                    + tr("Under %1 it recovers from any loss short of all.")
                          .arg(recover.join(tr(" and ")));
        notes << edge << riskSummary();
        m_message->setText(notes.join(QLatin1Char(' ')));
    }
    showAnalysis();
    emit computeFinished();
}

// "Under variation (...), the chance of falling below 1 within 100 steps, each way at 90 % of
// its MSY: quota 13.2 %, rate 0.0 %, escapement 0.0 %."
QString YieldWindow::riskSummary() const
{
    if (!m_riskProblem.isEmpty())
        return tr("The risks were not run: %1").arg(m_riskProblem);
    QStringList risks;
    const RiskResult *any = nullptr;
    for (size_t i = 0; i < m_risks.size(); ++i) {
        if (!m_risks[i])
            continue;
        any = &*m_risks[i];
        risks << tr("%1 %2").arg(wayName(HarvestWay(i)),
                                 QString::fromStdString(numberText(100.0 * m_risks[i]->finalRisk, 3))
                                     + QStringLiteral(" %"));
    }
    if (!any)
        return {};
    const RiskSettings &s = any->settings;
    return tr("Under variation (survival CV %1, fecundity CV %2%3; %4 replicates, seed %5), the "
              "chance of falling below %6 within %7 steps, each way at 90 % of its MSY: %8.")
        .arg(figure(s.cvSurvival), figure(s.cvFecundity),
             s.demographic ? tr(", whole animals") : QString())
        .arg(s.replicates)
        .arg(s.seed)
        .arg(figure(s.threshold))
        .arg(s.steps)
        .arg(risks.join(QStringLiteral(", ")));
}

void YieldWindow::showAnalysis()
{
    QChart *chart = m_yieldChart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < m_table->columnCount(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(c == 0 ? wayName(HarvestWay(r)) : QString()));
    if (!m_analysis) {
        showShock();
        return;
    }
    auto *x = new QValueAxis;
    x->setTitleText(tr("Q, h or E as a share of its range"));
    x->setRange(0, 1);
    x->setLabelFormat(QStringLiteral("%g"));
    auto *y = new QValueAxis;
    y->setTitleText(tr("yield a step"));
    y->setLabelFormat(QStringLiteral("%g"));
    double top = 0;
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const YieldCurve &curve : m_analysis->curves) {
        const int index = int(curve.way);
        const double range = curve.range > 0 ? curve.range : 1.0;
        QList<QPointF> points;
        for (const YieldPoint &p : curve.points) {
            points.append(QPointF(p.level / range, p.yield));
            top = std::max(top, p.yield);
        }
        auto *line = new QLineSeries;
        line->setName(wayName(curve.way));
        line->replace(points);
        auto *mark = new QScatterSeries;
        mark->setName(tr("MSY, %1").arg(wayName(curve.way)));
        mark->append(curve.best.level / range, curve.best.yield);
        mark->setMarkerSize(10);
        for (QXYSeries *series : std::initializer_list<QXYSeries *>{line, mark}) {
            chart->addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
            series->setColor(kWayColours[index]);
            const HarvestWay way = curve.way;
            connect(series, &QXYSeries::hovered, this,
                    [way, range](const QPointF &point, bool state) {
                        if (!state)
                            return QToolTip::hideText();
                        QToolTip::showText(QCursor::pos(),
                                           tr("%1: yield %2")
                                               .arg(levelText(way, point.x() * range),
                                                    figure(point.y())));
                    });
        }
        line->setPen(QPen(kWayColours[index], 2));
        // The mark shares its curve's colour and entry in the legend.
        for (QLegendMarker *marker : chart->legend()->markers(mark))
            marker->setVisible(false);

        const auto set = [&](int column, const QString &text) {
            m_table->item(index, column)->setText(text);
        };
        set(1, figure(curve.best.yield));
        set(2, levelText(curve.way, curve.best.level));
        set(3, figure(curve.best.settled.sum()));
        set(4, levelText(curve.way, curve.cautious.level));
        set(5, figure(curve.cautious.settled.sum()));
        set(6, curve.unstableRestPoint ? figure(curve.unstableRestPoint->n.sum()) : tr("none"));
        set(7, curve.smallestFatalShock ? percent(*curve.smallestFatalShock)
                                        : tr("none short of all"));
        if (const std::optional<RiskResult> &risk = m_risks[size_t(index)])
            set(8, QString::fromStdString(numberText(100.0 * risk->finalRisk, 3))
                       + QStringLiteral(" %"));
    }
    y->setRange(0, top > 0 ? top * 1.1 : 1);
    y->applyNiceNumbers();
    showShock();
}

void YieldWindow::showShock()
{
    QChart *chart = m_shockChart->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    m_loss->setEnabled(m_analysis.has_value());
    if (!m_analysis || !m_density)
        return;
    const ReadResult read = strictValue(m_loss->text().toStdString());
    if (!read.ok() || read.value < 0 || read.value > 100) {
        m_message->setText(tr("The loss is a percentage from 0 to 100."));
        return;
    }
    const double loss = read.value / 100.0;
    auto *x = new QValueAxis;
    x->setTitleText(tr("t; the bad year strikes at t = 1"));
    x->setRange(0, kShockSteps);
    x->setLabelFormat(QStringLiteral("%d"));
    auto *y = new QValueAxis;
    y->setTitleText(tr("N(t), total"));
    y->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double top = 0;
    for (const YieldCurve &curve : m_analysis->curves) {
        if (curve.cautious.settled.size() == 0)
            continue;
        const Harvesting harvesting{curve.way, curve.cautious.level, m_harvestedMask};
        const std::vector<Eigen::VectorXd> path =
            shockProjection(*m_density, harvesting, curve.cautious.settled, loss, kShockSteps);
        QList<QPointF> points;
        points.append(QPointF(0, curve.cautious.settled.sum()));
        for (size_t t = 1; t < path.size(); ++t)
            points.append(QPointF(double(t), path[t - 1].sum()));
        for (const QPointF &p : points)
            top = std::max(top, p.y());
        auto *line = new QLineSeries;
        line->setName(tr("%1, %2").arg(wayName(curve.way), levelText(curve.way, curve.cautious.level)));
        line->replace(points);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        line->setPen(QPen(kWayColours[int(curve.way)], 2));
    }
    y->setRange(0, top > 0 ? top * 1.1 : 1);
    y->applyNiceNumbers();
}

void YieldWindow::showProblem(const QString &text)
{
    m_message->setText(text);
    emit computeFinished();
}

void YieldWindow::setRunning(bool running)
{
    m_running = running;
    for (QWidget *input : std::initializer_list<QWidget *>{m_form, m_capacity, m_counted,
                                                           m_harvested, m_compute})
        input->setEnabled(!running);
    m_cancel->setEnabled(running);
    if (!running)
        m_progress->setValue(0);
}

void YieldWindow::stopAndWait()
{
    m_work.stopAndWait();
}

void YieldWindow::closeEvent(QCloseEvent *event)
{
    stopAndWait();
    emit closedByCloseBox();
    event->accept();
}

void YieldWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit backRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora
