#include "ui/analysis/analysiswindow.h"

#include "model/analysisreport.h"
#include "ui/common/appfonts.h"
#include "ui/common/handcursor.h"
#include "ui/common/numberfield.h"
#include "model/numbertext.h"
#include "ui/common/placement.h"
#include "model/simulation.h"
#include "ui/common/twips.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace velmora {

namespace {

const QColor kBackground(192, 192, 192);
const QColor kFigure(0, 0, 128);
const QColor kHeading(128, 0, 0);

// Figures in the order they are shown; a heading goes before "equilibrium".
const char *const kFigureKeys[] = {"lambda",         "stableDistribution", "reproductiveValues",
                                   "R0",             "dampingRatio",       "generationTime",
                                   "notes",          "equilibrium",        "verdict",
                                   "largestHarvest"};

template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &name, const QFont &font, const QColor &colour)
{
    auto *label = new Label(parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QString text(const std::string &s) { return QString::fromStdString(s); }

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

} // namespace

AnalysisWindow::AnalysisWindow(Simulation &simulation, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_simulation(simulation)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Analysis"));
    setWindowTitle(QStringLiteral("Analysis"));
    setFixedSize(twipsSize(11400, 8700));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    buildControls();
    centreOnScreen(this);
}

void AnalysisWindow::buildControls()
{
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(twips(240), twips(120), twips(240), twips(180));
    m_grid->setHorizontalSpacing(twips(60));
    m_grid->setVerticalSpacing(twips(45));
    m_grid->setColumnMinimumWidth(0, twips(4440));
    for (int c = 1; c <= 5; ++c)
        m_grid->setColumnMinimumWidth(c, twips(1200));

    int row = 0;
    QLabel *title = makeLabel(this, QStringLiteral("titleLabel"), timesFont(20, true), kFigure);
    title->setText(QStringLiteral("Model analysis"));
    title->setAlignment(Qt::AlignCenter);
    m_grid->addWidget(title, row++, 0, 1, 6);

    m_model = makeLabel(this, QStringLiteral("modelLabel"), timesFont(11), Qt::black);
    m_model->setWordWrap(true);
    m_grid->addWidget(m_model, row++, 0, 1, 6);

    addHeading(QStringLiteral("growthHeading"), QStringLiteral("Growth without harvest"), row);
    const char *const classes[] = {"class 0", "class 1", "class 2", "class 3", "total"};
    for (int c = 0; c < 5; ++c) {
        QLabel *header = makeLabel(this, QStringLiteral("classHeader%1").arg(c), timesFont(11),
                                   Qt::black);
        header->setText(QString::fromLatin1(classes[c]));
        header->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->addWidget(header, row, c + 1);
    }
    ++row;
    for (const char *key : kFigureKeys) {
        if (std::string(key) == "equilibrium")
            addHeading(QStringLiteral("harvestHeading"),
                       QStringLiteral("Under the constant harvest H"), row);
        addFigureRow(key, row);
    }
    m_grid->setRowStretch(row++, 1);

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
    m_grid->addLayout(buttons, row, 0, 1, 6);

    m_recompute->setAccessibleName(
        QStringLiteral("Recompute: analyse the main window's model again"));
    m_back->setAccessibleName(QStringLiteral("Go back: back to the main window"));
    connect(m_recompute, &QPushButton::clicked, this, &AnalysisWindow::recompute);
    connect(m_back, &QPushButton::clicked, this, &AnalysisWindow::backRequested);

    // The figures' names are known before anything is computed.
    const std::vector<ReportLine> names = analysisReport(ModelAnalysis{});
    for (const ReportLine &line : names)
        if (const auto found = m_rows.find(line.key); found != m_rows.end())
            found->second.name->setText(text(line.label));
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

void AnalysisWindow::addHeading(const QString &name, const QString &caption, int &gridRow)
{
    QLabel *heading = makeLabel(this, name, timesFont(13, true), kHeading);
    heading->setText(caption);
    heading->setContentsMargins(0, twips(90), 0, 0);
    m_grid->addWidget(heading, gridRow++, 0, 1, 6);
}

void AnalysisWindow::addFigureRow(const std::string &key, int &gridRow)
{
    const QString base = text(key);
    FigureRow row;
    row.gridRow = gridRow;
    row.name = makeLabel(this, base + QStringLiteral("Name"), timesFont(12), Qt::black);
    row.name->setWordWrap(true);
    m_grid->addWidget(row.name, gridRow, 0, Qt::AlignTop);
    for (int c = 0; c < 5; ++c) {
        // A figure wider than its column is shown smaller or rounded, never cut.
        auto *cell = makeLabel<NumberLabel>(this, base + QStringLiteral("Value%1").arg(c),
                                            timesFont(12, true), kFigure);
        cell->setAlignment(Qt::AlignRight | Qt::AlignTop);
        cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_grid->addWidget(cell, gridRow, c + 1);
        row.cells[size_t(c)] = cell;
    }
    row.text = makeLabel(this, base + QStringLiteral("Text"), timesFont(11), Qt::black);
    row.text->setWordWrap(true);
    row.text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_grid->addWidget(row.text, gridRow, 1, 1, 5);
    // Two grid rows per figure: a sentence goes below a row of figures.
    gridRow += 2;
    m_rows[key] = row;
}

void AnalysisWindow::recompute()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PopulationModel model;
    if (modelFromFields(m_simulation.fields(), model)) {
        showModel(model);
        showAnalysis(analyseModel(model));
    } else {
        m_model->setText(QStringLiteral("The fields of the main window do not all hold numbers: "
                                        "there is nothing to analyse."));
        clearFigures();
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

void AnalysisWindow::showAnalysis(const ModelAnalysis &analysis)
{
    for (const ReportLine &line : analysisReport(analysis)) {
        const auto found = m_rows.find(line.key);
        if (found == m_rows.end())
            continue;
        const FigureRow &row = found->second;
        row.name->setText(text(line.label));
        for (size_t c = 0; c < row.cells.size(); ++c) {
            const QString value = c < line.cells.size() ? text(line.cells[c]) : QString();
            row.cells[c]->setFigure(value);
            row.cells[c]->setAccessibleName(
                value.isEmpty() ? QString() : cellName(line, c) + QStringLiteral(": ") + value);
        }
        row.text->setText(text(line.text));
        row.text->setVisible(!line.text.empty());
        // A sentence takes the place of missing figures, stands beside a single figure,
        // and goes below a row of them.
        m_grid->removeWidget(row.text);
        if (line.cells.empty())
            m_grid->addWidget(row.text, row.gridRow, 1, 1, 5);
        else if (line.cells.size() == 1)
            m_grid->addWidget(row.text, row.gridRow, 2, 1, 4);
        else
            m_grid->addWidget(row.text, row.gridRow + 1, 1, 1, 5);
    }
}

void AnalysisWindow::clearFigures()
{
    for (auto &entry : m_rows) {
        for (NumberLabel *cell : entry.second.cells) {
            cell->setFigure(QString());
            cell->setAccessibleName(QString());
        }
        entry.second.text->clear();
    }
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

} // namespace velmora
