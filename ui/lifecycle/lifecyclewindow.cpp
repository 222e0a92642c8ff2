#include "ui/lifecycle/lifecyclewindow.h"

#include "ui/analysis/reportview.h"
#include "ui/common/appfonts.h"
#include "ui/common/colours.h"
#include "ui/common/contextmenu.h"
#include "ui/common/dialogs.h"
#include "ui/common/handcursor.h"
#include "ui/common/labels.h"
#include "ui/common/numberfield.h"
#include "ui/common/twips.h"
#include "base/numbertext.h"
#include "ui/lifecycle/stageedit.h"
#include "ui/lifecycle/stagereport.h"

#include <QChart>
#include <QMenu>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QLocale>
#include <QSpinBox>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <cmath>

namespace velmora {

// The graph at its own size in the scroll area, drawn by the one painter function.
class LifeCycleGraphView : public QWidget {
public:
    explicit LifeCycleGraphView(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("graph"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void show(const StageModel &model)
    {
        m_layout = layoutLifeCycle(model, fontMeasure(graphFont()));
        setFixedSize(m_layout.size.toSize());
        update();
    }
    const LifeCycleLayout &layout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        // The layout's size is fractional: the last row and column of pixels are white too.
        painter.fillRect(rect(), Qt::white);
        paintLifeCycle(painter, m_layout, graphFont());
    }

private:
    LifeCycleLayout m_layout;
};

namespace {

constexpr int kCellWidth = 66;
constexpr int kDefaultSteps = 25;

// Paints a grid's numbers as the main window's fields do: smaller or rounded, never cut.
class FittedDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString text = plain.text;
        plain.text.clear();
        QWidget *view = const_cast<QWidget *>(option.widget);
        view->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, view);
        const QRect box = option.rect.adjusted(4, 0, -4, 0);
        const FittedText fitted = fitFieldText(text, option.font, box.width(), painter->device());
        painter->save();
        painter->setFont(fitted.font);
        painter->setPen(option.state & QStyle::State_Selected
                            ? option.palette.color(QPalette::HighlightedText)
                            : option.palette.color(QPalette::Text));
        painter->drawText(box, plain.displayAlignment, fitted.text);
        painter->restore();
    }
};

QString stageName(const StageModel &model, int i)
{
    return QString::fromStdString(model.stages[size_t(i)]);
}

// Ten colours told apart on screen and in print; beyond ten stages the line is dashed too, so
// no two of twenty stages look alike (the chart's own theme repeats after five).
QPen stagePen(int stage)
{
    static const QColor colours[] = {{31, 119, 180}, {255, 127, 14}, {44, 160, 44},
                                     {214, 39, 40},  {148, 103, 189}, {140, 86, 75},
                                     {227, 119, 194}, {127, 127, 127}, {188, 189, 34},
                                     {23, 190, 207}};
    QPen pen(colours[stage % 10], 1.8);
    pen.setStyle(stage / 10 % 2 ? Qt::DashLine : Qt::SolidLine);
    return pen;
}

// The chart shows these stages on this kind of axis already: then only points and ranges change.
bool chartFits(const QChart &chart, const StageModel &model, bool logScale)
{
    const QList<QAbstractSeries *> series = chart.series();
    const QList<QAbstractAxis *> vertical = chart.axes(Qt::Vertical);
    if (series.size() != model.size() + 1 || vertical.size() != 1
        || (vertical.front()->type() == QAbstractAxis::AxisTypeLogValue) != logScale)
        return false;
    for (int i = 0; i < model.size(); ++i) {
        if (series[i]->name() != stageCaption(model, i))
            return false;
    }
    return true;
}

// One line a stage and the total, on new axes, without points yet.
void makeStageSeries(QChart &chart, const StageModel &model, bool logScale)
{
    chart.removeAllSeries();
    // removeAxis hands the axis back to us: delete it, or every redraw leaks two.
    for (QAbstractAxis *axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    const int n = model.size();
    for (int i = 0; i <= n; ++i) {
        auto *line = new QLineSeries;
        line->setName(i < n ? stageCaption(model, i) : LifeCycleWindow::tr("total"));
        chart.addSeries(line);
        line->setPen(i < n ? stagePen(i) : QPen(Qt::black, 2.5));
    }
    auto *x = new QValueAxis;
    x->setTitleText(LifeCycleWindow::tr("t"));
    x->setLabelFormat(QStringLiteral("%d"));
    QAbstractAxis *y = nullptr;
    if (logScale) {
        auto *axis = new QLogValueAxis;
        axis->setBase(10);
        axis->setLabelFormat(QStringLiteral("%g"));
        y = axis;
    } else {
        auto *axis = new QValueAxis;
        axis->setLabelFormat(QStringLiteral("%g"));
        y = axis;
    }
    y->setTitleText(LifeCycleWindow::tr("N(t)"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

// Each stage and the total over t, on a linear or logarithmic axis; the series and axes are
// made anew only when the stages or the kind of axis changed. A log axis leaves out the zeros
// of a stage that has died out.
void buildStageChart(QChart &chart, const StageModel &model,
                     const std::vector<Eigen::VectorXd> &history, bool logScale)
{
    if (!chartFits(chart, model, logScale))
        makeStageSeries(chart, model, logScale);
    const int n = model.size();
    double low = HUGE_VAL;
    double high = 0;
    std::vector<QList<QPointF>> points(size_t(n) + 1);
    for (size_t t = 0; t < history.size(); ++t) {
        const Eigen::VectorXd &v = history[t];
        for (int i = 0; i <= n; ++i) {
            const double y = i < n ? v(i) : v.sum();
            if (logScale && y <= 0)
                continue;
            points[size_t(i)].append(QPointF(double(t), y));
            high = std::max(high, y);
            if (y > 0)
                low = std::min(low, y);
        }
    }
    const QList<QAbstractSeries *> series = chart.series();
    for (int i = 0; i <= n; ++i)
        static_cast<QLineSeries *>(series[i])->replace(points[size_t(i)]);

    auto *x = static_cast<QValueAxis *>(chart.axes(Qt::Horizontal).front());
    // Whole steps on the axis: one tick a step for a short run, round numbers for a long one.
    const int last = std::max(5, int(history.size()) - 1);
    x->setRange(0, last);
    // Nice numbers start from the default five ticks each time, not from the last run's count.
    x->setTickCount(last <= 10 ? last + 1 : 5);
    if (last > 10)
        x->applyNiceNumbers();
    QAbstractAxis *y = chart.axes(Qt::Vertical).front();
    if (auto *axis = qobject_cast<QLogValueAxis *>(y)) {
        if (high > 0)
            axis->setRange(std::pow(10, std::floor(std::log10(low))),
                           std::pow(10, std::ceil(std::log10(high))));
    } else if (auto *linear = qobject_cast<QValueAxis *>(y)) {
        linear->setRange(0, high > 0 ? high * 1.05 : 1);
        linear->setTickCount(5);
        linear->applyNiceNumbers();
    }
}

} // namespace

LifeCycleWindow::LifeCycleWindow(const StageModel &model, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_model(model)
    , m_dialogs(dialogs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("LifeCycle"));
    setWindowTitle(tr("Life cycle"));
    resize(twipsSize(18900, 13800));
    setWindowBackground(this);
    buildControls();
    // "Harvest and yield..." takes the model as it stands here.
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->addAction(tr("Harvest and &yield..."), this, &LifeCycleWindow::yieldRequested)
        ->setObjectName(QStringLiteral("harvestAndYield"));
    attachContextMenu(this, menu);
    setStageModel(model);
}

QTableWidget *LifeCycleWindow::makeGrid(const QString &name, const QString &spoken)
{
    auto *grid = new QTableWidget(this);
    grid->setObjectName(name);
    grid->setAccessibleName(spoken);
    grid->setItemDelegate(new FittedDelegate(grid));
    grid->setFont(appFont(QStringLiteral("Arial"), 9.5));
    grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    grid->horizontalHeader()->setMinimumSectionSize(24);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    connect(grid, &QTableWidget::itemChanged, this, &LifeCycleWindow::cellEdited);
    return grid;
}

void LifeCycleWindow::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(twips(180), twips(90), twips(180), twips(120));
    outer->setSpacing(twips(60));

    QLabel *title = makeLabel(this, QStringLiteral("titleLabel"), timesFont(18, true), titleBlue());
    title->setText(tr("Life cycle"));
    title->setAlignment(Qt::AlignCenter);
    outer->addWidget(title);
    m_sourceLabel = makeLabel(this, QStringLiteral("sourceLabel"), timesFont(11), Qt::black);
    m_sourceLabel->setWordWrap(true);
    m_sourceLabel->setAlignment(Qt::AlignCenter);
    m_sourceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(m_sourceLabel);

    // The graph across the whole width: a cycle of up to eight stages fits without scrolling.
    // The analysis shares that width, where a heat map of up to ten stages fits whole, and is
    // seen beside the grids it follows.
    m_graphArea = new QScrollArea(this);
    m_graphArea->setObjectName(QStringLiteral("graphArea"));
    m_graph = new LifeCycleGraphView(m_graphArea);
    m_graph->setAccessibleName(tr("Life-cycle graph"));
    m_graphArea->setWidget(m_graph);
    m_graphArea->setAlignment(Qt::AlignCenter);
    m_graphArea->setBackgroundRole(QPalette::Base);
    // The analysis is made when it is looked at, so an edit with the graph in front costs no
    // heat maps.
    m_analysis = new ReportView(this);
    m_analysis->setObjectName(QStringLiteral("analysis"));
    m_analysis->setAccessibleName(tr("Analysis of the model as it stands"));
    m_analysis->setKeepLeft(true);
    m_views = new QTabWidget(this);
    m_views->setObjectName(QStringLiteral("views"));
    m_views->setFont(appFont(QStringLiteral("MS Sans Serif"), 9.6));
    m_views->addTab(m_graphArea, tr("Life-cycle gra&ph"));
    m_views->addTab(m_analysis, tr("A&nalysis"));

    // A divider the user drags to give the graph and analysis, or the grids and chart, more room.
    auto *split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("split"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_views);
    auto *bodyWidget = new QWidget(split);
    auto *body = new QHBoxLayout(bodyWidget);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(twips(180));
    split->addWidget(bodyWidget);
    // The room shared 4 : 7 from the start, and so when the window grows.
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 7);
    split->setSizes({4000, 7000});
    outer->addWidget(split, 1);

    // The grids, as the matrices are written: rows the stage moved to, columns from.
    auto *grids = new QVBoxLayout;
    grids->setSpacing(twips(30));
    QLabel *stagesLabel = makeLabel(this, QStringLiteral("stagesLabel"), timesFont(11, true),
                                    Qt::black);
    stagesLabel->setText(tr("Stages: name, N(0) and harvest H"));
    grids->addWidget(stagesLabel);
    m_stagesGrid = makeGrid(QStringLiteral("stagesGrid"), tr("Stages: name, N(0) and H"));
    m_stagesGrid->setColumnCount(3);
    m_stagesGrid->setHorizontalHeaderLabels({tr("Name"), tr("N(0)"), tr("H")});
    m_stagesGrid->setColumnWidth(0, 190);
    m_stagesGrid->setColumnWidth(1, 90);
    m_stagesGrid->setColumnWidth(2, 90);
    grids->addWidget(m_stagesGrid, 4);
    m_matrices = new QTabWidget(this);
    m_matrices->setObjectName(QStringLiteral("matrices"));
    m_matrices->setFont(appFont(QStringLiteral("MS Sans Serif"), 9.6));
    m_uGrid = makeGrid(QStringLiteral("uGrid"), tr("U, survival and growth"));
    m_fGrid = makeGrid(QStringLiteral("fGrid"), tr("F, reproduction"));
    m_cGrid = makeGrid(QStringLiteral("cGrid"), tr("C, clonal reproduction"));
    m_matrices->addTab(m_uGrid, tr("&U: survival and growth"));
    m_matrices->addTab(m_fGrid, tr("&F: reproduction"));
    m_matrices->addTab(m_cGrid, tr("&C: clonal"));
    m_matrices->setTabVisible(2, false);
    m_uGrid->setToolTip(tr("Column: the stage moved from; row: the stage moved to. "
                           "Each column sums to at most 1."));
    m_fGrid->setToolTip(tr("Column: the parents' stage; row: the stage the young are born into."));
    grids->addWidget(m_matrices, 5);

    const QFont buttonFont = appFont(QStringLiteral("MS Sans Serif"), 9.6);
    const auto button = [&](const QString &name, const QString &caption, const QString &spoken) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(buttonFont);
        b->setMinimumSize(twipsSize(1455, 435));
        b->setCursor(handCursor());
        b->setAccessibleName(spoken);
        // Enter presses the focused button as Space does.
        b->setAutoDefault(true);
        return b;
    };
    auto *stageButtons = new QHBoxLayout;
    QPushButton *add = button(QStringLiteral("cmdAddStage"), tr("&Add stage"),
                              tr("Add a stage after the selected one"));
    QPushButton *remove = button(QStringLiteral("cmdRemoveStage"), tr("Re&move stage"),
                                 tr("Remove the selected stage"));
    m_showClonal = new QCheckBox(tr("C&lonal reproduction"), this);
    m_showClonal->setObjectName(QStringLiteral("showClonal"));
    m_showClonal->setFont(buttonFont);
    stageButtons->addWidget(add);
    stageButtons->addWidget(remove);
    stageButtons->addStretch();
    stageButtons->addWidget(m_showClonal);
    grids->addLayout(stageButtons);
    grids->setContentsMargins(0, 0, 0, 0);
    auto *gridColumn = new QWidget(bodyWidget);
    gridColumn->setLayout(grids);
    gridColumn->setFixedWidth(twips(8700));
    body->addWidget(gridColumn);

    m_chart = new QChartView(new QChart, this);
    m_chart->setObjectName(QStringLiteral("chart"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setAccessibleName(tr("Chart: each stage and the total over t"));
    m_chart->chart()->legend()->setAlignment(Qt::AlignRight);
    m_chart->chart()->legend()->setFont(appFont(QStringLiteral("Arial"), 8.5));
    m_chart->chart()->setMargins(QMargins(4, 4, 4, 4));
    body->addWidget(m_chart, 1);

    auto *commands = new QHBoxLayout;
    commands->setSpacing(twips(120));
    QPushButton *stepButton = button(QStringLiteral("cmdStep"), tr("&Step"), tr("Step: one step"));
    QPushButton *runButton = button(QStringLiteral("cmdRun"), tr("&Run"),
                                    tr("Run: as many steps as the steps box says"));
    m_steps = new QSpinBox(this);
    m_steps->setObjectName(QStringLiteral("steps"));
    m_steps->setRange(1, 1000);
    m_steps->setValue(kDefaultSteps);
    m_steps->setFont(buttonFont);
    // Numbers keep the program's own form in every language.
    m_steps->setLocale(QLocale::c());
    m_steps->setAccessibleName(tr("Steps of a run"));
    QLabel *stepsLabel = makeLabel(this, QStringLiteral("stepsLabel"), timesFont(11), Qt::black);
    stepsLabel->setText(tr("st&eps"));
    stepsLabel->setBuddy(m_steps);
    m_logScale = new QCheckBox(tr("L&og scale"), this);
    m_logScale->setObjectName(QStringLiteral("logScale"));
    m_logScale->setFont(buttonFont);
    m_useDensity = new QCheckBox(this);
    m_useDensity->setObjectName(QStringLiteral("useDensity"));
    m_useDensity->setFont(buttonFont);
    m_useDensity->setChecked(true);
    m_useDensity->hide();
    m_runLabel = makeLabel(this, QStringLiteral("runLabel"), timesFont(11, true), titleBlue());
    m_runLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton *save = button(QStringLiteral("cmdSaveGraph"), tr("Save &graph..."),
                               tr("Save the graph as a picture, SVG or PNG"));
    save->setToolTip(tr("A name ending in .svg saves SVG, any other name PNG"));
    m_send = button(QStringLiteral("cmdSendToMain"), tr("Send to main &window"),
                    tr("Send the model to the main window"));
    QPushButton *back = button(QStringLiteral("cmdBack"), tr("Go back"),
                               tr("Go back: back to the main window"));
    for (QWidget *w : std::initializer_list<QWidget *>{stepButton, runButton, stepsLabel, m_steps,
                                                       m_logScale, m_useDensity})
        commands->addWidget(w);
    commands->addWidget(m_runLabel, 1);
    for (QWidget *w : std::initializer_list<QWidget *>{save, m_send, back})
        commands->addWidget(w);
    outer->addLayout(commands);

    connect(add, &QPushButton::clicked, this, &LifeCycleWindow::addStage);
    connect(remove, &QPushButton::clicked, this, &LifeCycleWindow::removeSelectedStage);
    connect(stepButton, &QPushButton::clicked, this, &LifeCycleWindow::step);
    connect(runButton, &QPushButton::clicked, this, &LifeCycleWindow::run);
    connect(m_logScale, &QCheckBox::toggled, this, &LifeCycleWindow::showRun);
    connect(save, &QPushButton::clicked, this, &LifeCycleWindow::saveGraph);
    connect(m_send, &QPushButton::clicked, this, &LifeCycleWindow::sendToMainWindow);
    connect(back, &QPushButton::clicked, this, &LifeCycleWindow::backRequested);
    connect(m_views, &QTabWidget::currentChanged, this, [this] {
        if (m_analysisStale)
            showAnalysis();
    });
    connect(m_showClonal, &QCheckBox::toggled, this, [this](bool on) {
        m_matrices->setTabVisible(2, on);
        if (on)
            m_matrices->setCurrentIndex(2);
    });
}

void LifeCycleWindow::setStageModel(const StageModel &model, const QString &source)
{
    m_model = model;
    // A caller that leaves out the optional parts (no clonal births, no harvest) gives them
    // empty; the grids show them as zeros.
    const int n = m_model.size();
    if (m_model.C.size() == 0)
        m_model.C = Eigen::MatrixXd::Zero(n, n);
    if (m_model.harvest.size() == 0)
        m_model.harvest = Eigen::VectorXd::Zero(n);
    m_source = source;
    m_sourceLabel->setText(source.isEmpty() ? QString() : tr("Source: %1").arg(source));
    m_sourceLabel->setVisible(!source.isEmpty());
    // A model with clonal reproduction shows its C grid; hiding it would hide arrows' values.
    if (!m_model.C.isZero())
        m_showClonal->setChecked(true);
    fillGrids();
    modelEdited();
}

const LifeCycleLayout &LifeCycleWindow::graphLayout() const
{
    return m_graph->layout();
}

void LifeCycleWindow::fillGrids()
{
    m_filling = true;
    const int n = m_model.size();
    QStringList numbers;
    for (int i = 0; i < n; ++i)
        numbers << QString::number(i + 1);
    m_stagesGrid->setRowCount(n);
    m_stagesGrid->setVerticalHeaderLabels(numbers);
    for (int i = 0; i < n; ++i)
        setCell(m_stagesGrid, i, 0, stageName(m_model, i), StagePart::None);
    fillGrid(m_stagesGrid, StagePart::N0);
    fillGrid(m_stagesGrid, StagePart::Harvest);
    for (auto [grid, part] : {std::pair{m_uGrid, StagePart::U}, std::pair{m_fGrid, StagePart::F},
                              std::pair{m_cGrid, StagePart::C}}) {
        grid->setRowCount(n);
        grid->setColumnCount(n);
        grid->setHorizontalHeaderLabels(numbers);
        grid->setVerticalHeaderLabels(numbers);
        for (int i = 0; i < n; ++i) {
            grid->horizontalHeaderItem(i)->setToolTip(tr("from %1").arg(stageName(m_model, i)));
            grid->verticalHeaderItem(i)->setToolTip(tr("to %1").arg(stageName(m_model, i)));
        }
        fillGrid(grid, part);
    }
    m_filling = false;
}

void LifeCycleWindow::setCell(QTableWidget *grid, int row, int column, const QString &text,
                              StagePart part)
{
    // The cell being edited may be the one that asked for the fill: it is kept, never replaced.
    if (QTableWidgetItem *item = grid->item(row, column)) {
        item->setText(text);
        return;
    }
    auto *item = new QTableWidgetItem(text);
    if (part != StagePart::None) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setData(Qt::UserRole, int(part));
    }
    grid->setItem(row, column, item);
}

void LifeCycleWindow::fillGrid(QTableWidget *grid, StagePart part)
{
    const bool vector = part == StagePart::N0 || part == StagePart::Harvest;
    const int n = m_model.size();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < (vector ? 1 : n); ++c)
            setCell(grid, r, vector ? (part == StagePart::N0 ? 1 : 2) : c,
                    stageValueText(stageValue(m_model, part, r, c)), part);
    }
}

void LifeCycleWindow::cellEdited(QTableWidgetItem *item)
{
    if (m_filling)
        return;
    QTableWidget *grid = item->tableWidget();
    std::optional<QString> refusal;
    if (grid == m_stagesGrid && item->column() == 0) {
        refusal = setStageName(m_model, item->row(), item->text());
    } else {
        const auto part = static_cast<StagePart>(item->data(Qt::UserRole).toInt());
        const bool vector = part == StagePart::N0 || part == StagePart::Harvest;
        refusal = setStageValue(m_model, part, item->row(), vector ? 0 : item->column(),
                                item->text());
    }
    // The grids show the model again: a refused text goes, a taken one in the program's form.
    fillGrids();
    if (refusal) {
        refuse(*refusal);
        return;
    }
    modelEdited();
}

void LifeCycleWindow::refuse(const QString &text)
{
    m_dialogs.message(this, tr("Life cycle"), text, QMessageBox::Ok, QMessageBox::Warning);
}

int LifeCycleWindow::selectedStage() const
{
    const int row = m_stagesGrid->currentRow();
    return row >= 0 && row < m_model.size() ? row : m_model.size() - 1;
}

void LifeCycleWindow::addStage()
{
    if (const auto refusal = insertStage(m_model, selectedStage() + 1)) {
        refuse(*refusal);
        return;
    }
    fillGrids();
    modelEdited();
}

void LifeCycleWindow::removeSelectedStage()
{
    if (const auto refusal = removeStage(m_model, selectedStage())) {
        refuse(*refusal);
        return;
    }
    fillGrids();
    modelEdited();
}

void LifeCycleWindow::modelEdited()
{
    m_graph->show(m_model);
    const bool leslie = leslieFromStageModel(m_model).has_value();
    m_send->setEnabled(leslie);
    m_send->setToolTip(leslie ? tr("Show this model in the main window")
                              : tr("Only a 4-stage Leslie model fits the main window: births "
                                   "into stage 1 and survival to the next stage only"));
    m_analysisStale = true;
    if (m_views->currentWidget() == m_analysis)
        showAnalysis();
    restartRun();
    emit modelChanged();
}

void LifeCycleWindow::showAnalysis()
{
    m_analysis->showReport(stageReportLines(m_model));
    m_analysisStale = false;
}

void LifeCycleWindow::setAnalysisAllowed(bool allowed)
{
    const int tab = m_views->indexOf(m_analysis);
    if (!allowed && m_views->currentIndex() == tab)
        m_views->setCurrentIndex(0);
    m_views->setTabEnabled(tab, allowed);
    m_views->setTabToolTip(tab, allowed ? QString()
                                        : tr("This exercise keeps the analysis closed while it "
                                             "is open: the answers are yours to find."));
}

void LifeCycleWindow::restartRun()
{
    m_history.assign(1, m_model.n0);
    showRun();
}

void LifeCycleWindow::setDensity(const std::optional<DensitySettings> &density)
{
    m_density = density;
    m_useDensity->setVisible(density.has_value());
    m_useDensity->setChecked(true);
    if (!density)
        return;
    static const char *const forms[] = {QT_TR_NOOP("Beverton-Holt"), QT_TR_NOOP("Ricker"),
                                        QT_TR_NOOP("ceiling")};
    //: %1 is the form of density dependence (Beverton-Holt, Ricker or ceiling), %2 a number.
    m_useDensity->setText(tr("&Density: %1, K = %2")
                              .arg(tr(forms[int(density->form)]),
                                   QString::fromStdString(numberText(density->capacity))));
    m_useDensity->setAccessibleName(tr("Density dependence on Step and Run"));
}

std::optional<DensitySettings> LifeCycleWindow::density() const
{
    return m_useDensity->isChecked() ? m_density : std::nullopt;
}

void LifeCycleWindow::project(int steps)
{
    if (const std::optional<DensitySettings> settings = density()) {
        const DensityBuild build = makeDensityModel(m_model, *settings);
        if (!build.model) {
            refuse(build.problem == DensityProblem::R0NotAboveOne
                       ? tr("R0 = %1: with density dependence a population must more than "
                            "replace itself when sparse. Switch density off to project the model "
                            "as it stands.")
                             .arg(QString::fromStdString(numberText(build.R0.value_or(0.0), 6)))
                       : tr("Density dependence cannot be applied to the model as it stands. "
                            "Switch density off to project it."));
            return;
        }
        for (int k = 0; k < steps; ++k)
            m_history.push_back(densityStep(*build.model, m_history.back()));
    } else {
        for (int k = 0; k < steps; ++k)
            m_history.push_back(stageStep(m_model, m_history.back()));
    }
    showRun();
}

void LifeCycleWindow::step()
{
    project(1);
}

void LifeCycleWindow::run()
{
    project(m_steps->value());
}

void LifeCycleWindow::showRun()
{
    buildStageChart(*m_chart->chart(), m_model, m_history, m_logScale->isChecked());
    const int t = int(m_history.size()) - 1;
    const double total = m_history.back().sum();
    QString text = tr("t = %1   total N(t) = %2").arg(t).arg(stageValueText(total));
    if (t > 0 && m_history[size_t(t) - 1].sum() > 0)
        text += tr("   growth rate N(t)/N(t-1) = %1")
                    .arg(QString::fromStdString(numberText(total / m_history[size_t(t) - 1].sum(), 6)));
    m_runLabel->setText(text);
}

void LifeCycleWindow::saveGraph()
{
    const QString proposed = m_graphName.isEmpty() ? tr("life cycle.png") : m_graphName;
    const QString chosen = m_dialogs.saveFileName(this, proposed, {QStringLiteral("png"), true});
    if (chosen.isEmpty())
        return;
    m_graphName = chosen;
    if (const auto problem = saveLifeCycleGraph(m_graph->layout(), graphFont(), chosen))
        m_dialogs.message(this, tr("Save graph"), *problem, QMessageBox::Ok, QMessageBox::Warning);
}

void LifeCycleWindow::sendToMainWindow()
{
    if (const auto leslie = leslieFromStageModel(m_model))
        emit leslieModelSent(*leslie);
}

void LifeCycleWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit backRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void LifeCycleWindow::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
