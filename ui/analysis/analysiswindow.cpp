#include "ui/analysis/analysiswindow.h"

#include "base/numbertext.h"
#include "ui/common/placement.h"
#include "model/simulation.h"
#include "ui/common/appfonts.h"
#include "ui/common/handcursor.h"
#include "ui/common/labels.h"
#include "ui/common/numberfield.h"
#include "ui/common/twips.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>

namespace velmora {

namespace {

const QColor kBackground(192, 192, 192);
const QColor kFigure(0, 0, 128);
const QColor kHeading(128, 0, 0);
constexpr int kCellColumns = 5; // classes 0..3 and the total

QString text(const std::string &s) { return QString::fromStdString(s); }

// From a pale cream for 0 to a deep red for the largest cell of a heat map.
QColor heatColour(double shade)
{
    const QColor low(255, 248, 230);
    const QColor high(170, 20, 10);
    auto mix = [shade](int a, int b) { return int(std::lround(a + (b - a) * shade)); };
    return QColor(mix(low.red(), high.red()), mix(low.green(), high.green()),
                  mix(low.blue(), high.blue()));
}

QString listText(const double *values, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << text(numberText(values[i]));
    return parts.join(QStringLiteral(", "));
}

// What a screen reader says before a figure: a lone figure has no column of its own.
QString cellName(const ReportLine &line, size_t column)
{
    const QString figure = text(line.label);
    if (line.cells.size() < 2)
        return figure;
    return figure + QStringLiteral(", ")
        + (column < 4 ? QStringLiteral("class %1").arg(column) : QStringLiteral("total"));
}

// The figures of one report, laid out on a grid: the name, up to five cells and a sentence.
class FigureGrid {
public:
    explicit FigureGrid(QWidget *page) : m_page(page), m_grid(new QGridLayout(page))
    {
        m_grid->setContentsMargins(0, 0, twips(240), 0);
        m_grid->setHorizontalSpacing(twips(60));
        m_grid->setVerticalSpacing(twips(45));
        m_grid->setColumnMinimumWidth(0, twips(4200));
        for (int c = 1; c <= kCellColumns; ++c)
            m_grid->setColumnMinimumWidth(c, twips(1200));
    }

    void add(const std::vector<ReportLine> &lines)
    {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i == 0 || lines[i].section != lines[i - 1].section)
                addHeading(lines[i].section);
            if (!lines[i].columns.empty() && lines[i].columns != m_columns)
                addColumnNames(lines[i].columns);
            addFigure(lines[i]);
        }
        m_grid->setRowStretch(m_row, 1);
    }

private:
    void addHeading(const std::string &section)
    {
        QLabel *heading = makeLabel(m_page, QStringLiteral("heading%1").arg(m_headings++),
                                    timesFont(13, true), kHeading);
        heading->setText(text(section));
        heading->setContentsMargins(0, twips(90), 0, 0);
        m_grid->addWidget(heading, m_row++, 0, 1, kCellColumns + 1);
        m_columns.clear();
    }

    // What the cells below are ("class 0" .. "total"), shown where it changes.
    void addColumnNames(const std::vector<std::string> &columns)
    {
        const size_t shown = std::min<size_t>(columns.size(), kCellColumns);
        for (size_t c = 0; c < shown; ++c) {
            QLabel *header = makeLabel(m_page, QStringLiteral("columnName%1_%2").arg(m_row).arg(c),
                                       timesFont(11), Qt::black);
            header->setText(text(columns[c]));
            header->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->addWidget(header, m_row, int(c) + 1);
        }
        ++m_row;
        m_columns = columns;
    }

    void addFigure(const ReportLine &line)
    {
        const QString key = text(line.key);
        QLabel *name = makeLabel(m_page, key + QStringLiteral("Name"), timesFont(12), Qt::black);
        name->setText(text(line.label));
        name->setWordWrap(true);
        if (line.isGrid()) {
            m_grid->addWidget(name, m_row, 0, 4, 1, Qt::AlignTop);
            addHeatMap(line);
            return;
        }
        m_grid->addWidget(name, m_row, 0, Qt::AlignTop);
        // Every row has its five cells and its sentence, blank where the report has none.
        const size_t shown = std::min<size_t>(line.cells.size(), kCellColumns);
        for (size_t c = 0; c < kCellColumns; ++c) {
            // A figure wider than its column is shown smaller or rounded, never cut.
            auto *cell = makeLabel<NumberLabel>(m_page, key + QStringLiteral("Value%1").arg(c),
                                                timesFont(12, true), kFigure);
            cell->setAlignment(Qt::AlignRight | Qt::AlignTop);
            cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
            if (c < shown) {
                cell->setFigure(text(line.cells[c]));
                cell->setAccessibleName(cellName(line, c) + QStringLiteral(": ") + cell->text());
            }
            m_grid->addWidget(cell, m_row, int(c) + 1);
        }
        QLabel *sentence = makeLabel(m_page, key + QStringLiteral("Text"), timesFont(11),
                                     Qt::black);
        sentence->setText(text(line.text));
        sentence->setVisible(!line.text.empty());
        sentence->setWordWrap(true);
        sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A sentence takes the place of missing figures, stands beside a single figure, and
        // goes below a row of them.
        if (shown == 0)
            m_grid->addWidget(sentence, m_row, 1, 1, kCellColumns);
        else if (shown == 1)
            m_grid->addWidget(sentence, m_row, 2, 1, kCellColumns - 1);
        else if (!line.text.empty())
            m_grid->addWidget(sentence, ++m_row, 1, 1, kCellColumns);
        else
            m_grid->addWidget(sentence, m_row, 1, 1, kCellColumns);
        ++m_row;
    }

    // A 4 x 4 grid laid out like M under the class columns, each cell shaded by its size.
    void addHeatMap(const ReportLine &line)
    {
        const QString key = text(line.key);
        for (int k = 0; k < 16; ++k) {
            const auto index = static_cast<size_t>(k);
            auto *cell = makeLabel<NumberLabel>(m_page, key + QStringLiteral("Value%1").arg(k),
                                                timesFont(11, true), Qt::black);
            cell->setFigure(text(line.cells[index]));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setContentsMargins(twips(45), twips(15), twips(60), twips(15));
            cell->setAutoFillBackground(true);
            const QColor shade = heatColour(line.shades[index]);
            QPalette palette = cell->palette();
            palette.setColor(QPalette::Window, shade);
            // Dark cells take light figures, so every number stays readable.
            palette.setColor(QPalette::WindowText, shade.lightness() < 128 ? Qt::white : Qt::black);
            cell->setPalette(palette);
            cell->setAccessibleName(QStringLiteral("%1, row %2, column %3: %4")
                                        .arg(text(line.label))
                                        .arg(k / 4)
                                        .arg(k % 4)
                                        .arg(cell->text()));
            m_grid->addWidget(cell, m_row + k / 4, k % 4 + 1);
        }
        m_row += 4;
        QLabel *sentence = makeLabel(m_page, key + QStringLiteral("Text"), timesFont(11),
                                     Qt::black);
        sentence->setText(text(line.text));
        sentence->setWordWrap(true);
        sentence->setVisible(!line.text.empty());
        m_grid->addWidget(sentence, m_row++, 1, 1, kCellColumns);
    }

    QWidget *m_page;
    QGridLayout *m_grid;
    int m_row = 0;
    int m_headings = 0;
    std::vector<std::string> m_columns; // the column names shown last in this section
};

} // namespace

AnalysisWindow::AnalysisWindow(Simulation &simulation, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_simulation(simulation)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Analysis"));
    setWindowTitle(QStringLiteral("Analysis"));
    setFixedSize(twipsSize(12000, 10200));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    buildControls();
    centreOnScreen(this);
}

void AnalysisWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(240), twips(120), twips(240), twips(180));
    layout->setSpacing(twips(45));

    QLabel *title = makeLabel(this, QStringLiteral("titleLabel"), timesFont(20, true), kFigure);
    title->setText(QStringLiteral("Model analysis"));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    m_model = makeLabel(this, QStringLiteral("modelLabel"), timesFont(11), Qt::black);
    m_model->setWordWrap(true);
    layout->addWidget(m_model);

    m_figures = new QScrollArea(this);
    m_figures->setObjectName(QStringLiteral("figures"));
    m_figures->setWidgetResizable(true);
    m_figures->setFrameShape(QFrame::NoFrame);
    m_figures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_figures->viewport()->setAutoFillBackground(false);
    layout->addWidget(m_figures, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(twips(600));
    buttons->addStretch();
    m_recompute = new QPushButton(QStringLiteral("Recompute"), this);
    m_recompute->setObjectName(QStringLiteral("cmdRecompute"));
    m_back = new QPushButton(QStringLiteral("Go back"), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    for (QPushButton *button : {m_recompute, m_back}) {
        button->setFont(appFont(QStringLiteral("MS Sans Serif"), 9.6));
        button->setFixedSize(twipsSize(1815, 495));
        button->setCursor(handCursor());
        // Enter presses the focused button as Space does.
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    m_recompute->setAccessibleName(
        QStringLiteral("Recompute: analyse the main window's model again"));
    m_back->setAccessibleName(QStringLiteral("Go back: back to the main window"));
    connect(m_recompute, &QPushButton::clicked, this, &AnalysisWindow::recompute);
    connect(m_back, &QPushButton::clicked, this, &AnalysisWindow::backRequested);
}

void AnalysisWindow::setModelTitle(const QString &title)
{
    auto *heading = findChild<QLabel *>(QStringLiteral("titleLabel"));
    heading->setWordWrap(true);
    heading->setText(title.isEmpty()
                         ? QStringLiteral("Model analysis")
                         : QStringLiteral("Model analysis<br><span style=\"font-size: 13pt\">%1"
                                          "</span>")
                               .arg(title.toHtmlEscaped()));
}

void AnalysisWindow::showReport(const std::vector<ReportLine> &lines)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("figurePage"));
    page->setAutoFillBackground(false);
    FigureGrid(page).add(lines);
    // The scroll area deletes the page it showed before, and with it every old row.
    m_figures->setWidget(page);
}

void AnalysisWindow::recompute()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PopulationModel model;
    if (modelFromFields(m_simulation.fields(), model)) {
        showModel(model);
        showReport(analysisReport(analyseModel(model)));
    } else {
        m_model->setText(QStringLiteral("The fields of the main window do not all hold numbers: "
                                        "there is nothing to analyse."));
        // The figures' names stay, with nothing beside them.
        std::vector<ReportLine> names = analysisReport(ModelAnalysis{});
        for (ReportLine &line : names) {
            line.cells.clear();
            line.text.clear();
        }
        showReport(names);
    }
    QGuiApplication::restoreOverrideCursor();
}

void AnalysisWindow::showModel(const PopulationModel &model)
{
    const double survival[] = {model.M[4], model.M[9], model.M[14]};
    m_model->setText(QStringLiteral("M: fecundities %1; survival rates %2.   H = (%3).   "
                                    "N(t) = (%4) at t = %5.")
                         .arg(listText(model.M.data(), 4), listText(survival, 3),
                              listText(model.H.data(), 4), listText(model.N.data(), 4))
                         .arg(model.t));
}

void AnalysisWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar shows what it showed before.
    if (!event->spontaneous())
        recompute();
}

void AnalysisWindow::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

void AnalysisWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape leaves as "Go back" does, as a keyboard user expects of a window that has one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_back->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace velmora
