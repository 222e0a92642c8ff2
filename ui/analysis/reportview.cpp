#include "ui/analysis/reportview.h"

#include "ui/common/appfonts.h"
#include "ui/common/labels.h"
#include "ui/common/numberfield.h"
#include "ui/common/twips.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

const QColor kFigure(0, 0, 128);
const QColor kHeading(128, 0, 0);
constexpr int kCellColumns = 5; // classes 0..3 and the total
constexpr int kClassColumns = 4; // a grid this size or smaller lies under the class columns

QString text(const std::string &s) { return QString::fromStdString(s); }

// The names a screen reader gives the cells, translated in one context of their own.
class ReportCells {
    Q_DECLARE_TR_FUNCTIONS(ReportCells)
};

// From a pale cream for 0 to a deep red for the largest cell of a heat map.
QColor heatColour(double shade)
{
    const QColor low(255, 248, 230);
    const QColor high(170, 20, 10);
    auto mix = [shade](int a, int b) { return int(std::lround(a + (b - a) * shade)); };
    return QColor(mix(low.red(), high.red()), mix(low.green(), high.green()),
                  mix(low.blue(), high.blue()));
}

// What a screen reader says before a figure: a lone figure has no column of its own.
QString cellName(const ReportLine &line, size_t column)
{
    const QString figure = text(line.label);
    if (line.cells.size() < 2)
        return figure;
    // Figures named otherwise than by class ("value", "sensitivity") are spoken by those names.
    if (column < line.columns.size() && line.columns != classColumns())
        return figure + QStringLiteral(", ") + text(line.columns[column]);
    return figure + QStringLiteral(", ")
        + (column < 4 ? ReportCells::tr("class %1").arg(column) : ReportCells::tr("total"));
}

// The name of row or column i of a grid: its column name where the line has one.
QString gridName(const ReportLine &line, int i)
{
    const auto index = static_cast<size_t>(i);
    return index < line.columns.size() ? text(line.columns[index]) : QString::number(i + 1);
}

// Tool tip and accessible description of a part of a line, where the line explains itself.
void explain(QWidget *part, const ReportLine &line, bool onHover)
{
    part->setAccessibleDescription(text(line.explanation));
    if (onHover)
        part->setToolTip(text(line.explanation));
}

// What a screen reader says before a heat-map cell: the stages of a panel by name, the cells
// under the class columns by number, as M's cells are.
QString heatCellName(const ReportLine &line, int k, bool panel)
{
    const int n = line.gridSize;
    if (panel)
        return ReportCells::tr("%1, row %2, column %3")
            .arg(text(line.label), gridName(line, k / n), gridName(line, k % n));
    //: %1 is a figure's name, %2 and %3 the row and column of its cell.
    return ReportCells::tr("%1, row %2, column %3").arg(text(line.label)).arg(k / n).arg(k % n);
}

// Shows cell k of a heat map: its figure, shaded by its size, readable on the shade.
void showHeatCell(NumberLabel *cell, const ReportLine &line, int k, bool panel)
{
    // A cell whose figure stays (the zeros of an elasticity map) is left alone: a refill of a
    // large map then costs what changed.
    const auto index = static_cast<size_t>(k);
    const QString figure = text(line.cells[index]);
    if (cell->text() != figure || cell->accessibleName().isEmpty()) {
        cell->setFigure(figure);
        cell->setAccessibleName(heatCellName(line, k, panel) + QStringLiteral(": ") + figure);
    }
    const QColor shade = heatColour(line.shades[index]);
    if (cell->palette().color(QPalette::Window) != shade) {
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Window, shade);
        // Dark cells take light figures, so every number stays readable.
        palette.setColor(QPalette::WindowText, shade.lightness() < 128 ? Qt::white : Qt::black);
        cell->setPalette(palette);
    }
    if (cell->accessibleDescription() != text(line.explanation))
        explain(cell, line, false);
}

NumberLabel *heatCell(QWidget *parent, const ReportLine &line, int k, bool panel)
{
    auto *cell = makeLabel<NumberLabel>(parent, text(line.key) + QStringLiteral("Value%1").arg(k),
                                        timesFont(11, true), Qt::black);
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setContentsMargins(twips(45), twips(15), twips(60), twips(15));
    cell->setAutoFillBackground(true);
    showHeatCell(cell, line, k, panel);
    return cell;
}

// Shows cell c of a row of figures, blank where the line has fewer.
void showFigureCell(NumberLabel *cell, const ReportLine &line, size_t c)
{
    const bool shown = c < line.cells.size();
    cell->setFigure(shown ? text(line.cells[c]) : QString());
    cell->setAccessibleName(shown ? cellName(line, c) + QStringLiteral(": ") + cell->text()
                                  : QString());
    explain(cell, line, false);
}

void showSentence(QLabel *sentence, const ReportLine &line)
{
    sentence->setText(text(line.text));
    sentence->setVisible(!line.text.empty());
    explain(sentence, line, true);
}

// A long stage name wraps over its column rather than widening it, down to its longest word,
// which is never cut; then the map takes the size its whole figures ask for.
void fitHeatMap(QWidget *map, const std::vector<QLabel *> &tops)
{
    int column = 0;
    for (const QLabel *cell : map->findChildren<NumberLabel *>())
        column = std::max(column, cell->sizeHint().width());
    for (QLabel *top : tops) {
        int word = 0;
        for (const QString &part : top->text().split(QLatin1Char(' ')))
            word = std::max(word, top->fontMetrics().horizontalAdvance(part) + 2);
        top->setMaximumWidth(std::max(column, word));
    }
    map->resize(map->sizeHint());
}

// A heat map of a label a cell, the stage names as labels along the top and down the side.
QWidget *labelledHeatMap(const ReportLine &line, ShownLine &parts)
{
    const int n = line.gridSize;
    auto *map = new QWidget;
    auto *grid = new QGridLayout(map);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(twips(30));
    grid->setVerticalSpacing(twips(30));
    for (int i = 0; i < n; ++i) {
        QLabel *top = makeLabel(map, text(line.key) + QStringLiteral("Column%1").arg(i),
                                timesFont(10), Qt::black);
        top->setText(gridName(line, i));
        top->setWordWrap(true);
        top->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(top, 0, i + 1);
        parts.tops.push_back(top);
        QLabel *side = makeLabel(map, text(line.key) + QStringLiteral("Row%1").arg(i),
                                 timesFont(10), Qt::black);
        side->setText(gridName(line, i));
        side->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(side, i + 1, 0);
    }
    for (int k = 0; k < n * n; ++k) {
        parts.cells.push_back(heatCell(map, line, k, true));
        grid->addWidget(parts.cells.back(), k / n + 1, k % n + 1);
    }
    fitHeatMap(map, parts.tops);
    return map;
}

// A heat map too wide for the class columns: stage names along the top and down the side, at
// the size of its whole figures, scrolling sideways where the page is narrower.
QScrollArea *heatMapPanel(const ReportLine &line, ShownLine &parts)
{
    QWidget *map = nullptr;
    if (line.gridSize > kLargestLabelledMap)
        map = parts.picture = new HeatMapPicture(line);
    else
        map = labelledHeatMap(line, parts);
    parts.map = map;
    auto *panel = new QScrollArea;
    panel->setObjectName(text(line.key) + QStringLiteral("Map"));
    panel->setAccessibleName(text(line.label));
    explain(panel, line, false);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setWidget(map);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    panel->viewport()->setAutoFillBackground(false);
    panel->setFixedHeight(map->height() + panel->horizontalScrollBar()->sizeHint().height());
    return panel;
}

// The figures of one report, laid out on a grid: the name, a cell a class (and the total) or a
// stage, and a sentence.
class FigureGrid {
public:
    FigureGrid(QWidget *page, std::vector<ShownLine> &parts)
        : m_page(page), m_grid(new QGridLayout(page)), m_parts(parts)
    {
        m_grid->setContentsMargins(0, 0, twips(240), 0);
        m_grid->setHorizontalSpacing(twips(60));
        m_grid->setVerticalSpacing(twips(45));
        m_grid->setColumnMinimumWidth(0, twips(4200));
    }

    void add(const std::vector<ReportLine> &lines, bool keepLeft)
    {
        // Four classes and the total, or one column a stage where a life cycle has more.
        for (const ReportLine &line : lines)
            if (line.gridSize <= kClassColumns && !line.isGrid())
                m_cells = std::max({m_cells, int(line.cells.size()), int(line.columns.size())});
        for (int c = 1; c <= m_cells; ++c)
            m_grid->setColumnMinimumWidth(c, twips(1200));
        if (keepLeft)
            m_grid->setColumnStretch(m_cells + 1, 1);
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i == 0 || lines[i].section != lines[i - 1].section)
                addHeading(lines[i].section);
            const bool panel = lines[i].gridSize > kClassColumns;
            if (!panel && !lines[i].columns.empty() && lines[i].columns != m_columns)
                addColumnNames(lines[i].columns);
            m_parts.emplace_back();
            addFigure(lines[i], m_parts.back());
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
        m_grid->addWidget(heading, m_row++, 0, 1, m_cells + 1);
        m_columns.clear();
    }

    // What the cells below are ("class 0" .. "total"), shown where it changes.
    void addColumnNames(const std::vector<std::string> &columns)
    {
        const size_t shown = std::min<size_t>(columns.size(), size_t(m_cells));
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

    void addFigure(const ReportLine &line, ShownLine &parts)
    {
        const QString key = text(line.key);
        QLabel *name = makeLabel(m_page, key + QStringLiteral("Name"), timesFont(12), Qt::black);
        name->setText(text(line.label));
        name->setWordWrap(true);
        explain(name, line, true);
        parts.name = name;
        if (line.gridSize > kClassColumns) {
            m_grid->addWidget(name, m_row++, 0, 1, m_cells + 1, Qt::AlignTop);
            m_grid->addWidget(heatMapPanel(line, parts), m_row++, 0, 1, m_cells + 1);
            addSentenceBelow(line, parts, true);
            return;
        }
        if (line.isGrid()) {
            m_grid->addWidget(name, m_row, 0, line.gridSize, 1, Qt::AlignTop);
            addHeatMap(line, parts);
            return;
        }
        m_grid->addWidget(name, m_row, 0, Qt::AlignTop);
        // Every row has its five cells and its sentence, blank where the report has none.
        const size_t shown = std::min<size_t>(line.cells.size(), size_t(m_cells));
        for (size_t c = 0; c < size_t(m_cells); ++c) {
            // A figure wider than its column is shown smaller or rounded, never cut.
            auto *cell = makeLabel<NumberLabel>(m_page, key + QStringLiteral("Value%1").arg(c),
                                                timesFont(12, true), kFigure);
            cell->setAlignment(Qt::AlignRight | Qt::AlignTop);
            cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
            showFigureCell(cell, line, c);
            parts.cells.push_back(cell);
            m_grid->addWidget(cell, m_row, int(c) + 1);
        }
        QLabel *sentence = sentenceLabel(line, parts);
        sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A sentence takes the place of missing figures, stands beside a single figure, and
        // goes below a row of them.
        if (shown == 0)
            m_grid->addWidget(sentence, m_row, 1, 1, m_cells);
        else if (shown == 1)
            m_grid->addWidget(sentence, m_row, 2, 1, m_cells - 1);
        else if (!line.text.empty())
            m_grid->addWidget(sentence, ++m_row, 1, 1, m_cells);
        else
            m_grid->addWidget(sentence, m_row, 1, 1, m_cells);
        ++m_row;
    }

    // A small grid laid out like M under the class columns, each cell shaded by its size.
    void addHeatMap(const ReportLine &line, ShownLine &parts)
    {
        const int n = line.gridSize;
        for (int k = 0; k < n * n; ++k) {
            parts.cells.push_back(heatCell(m_page, line, k, false));
            m_grid->addWidget(parts.cells.back(), m_row + k / n, k % n + 1);
        }
        m_row += n;
        addSentenceBelow(line, parts);
    }

    // Under a small grid from the first figure column; under a heat map panel, across it.
    void addSentenceBelow(const ReportLine &line, ShownLine &parts, bool underPanel = false)
    {
        QLabel *sentence = sentenceLabel(line, parts);
        if (underPanel) {
            sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            m_grid->addWidget(sentence, m_row++, 0, 1, m_cells + 1);
            return;
        }
        m_grid->addWidget(sentence, m_row++, 1, 1, m_cells);
    }

    QLabel *sentenceLabel(const ReportLine &line, ShownLine &parts)
    {
        QLabel *sentence = makeLabel(m_page, text(line.key) + QStringLiteral("Text"),
                                     timesFont(11), Qt::black);
        sentence->setWordWrap(true);
        showSentence(sentence, line);
        parts.sentence = sentence;
        return sentence;
    }

    QWidget *m_page;
    QGridLayout *m_grid;
    std::vector<ShownLine> &m_parts;
    int m_row = 0;
    int m_cells = kCellColumns; // figure columns right of the names
    int m_headings = 0;
    std::vector<std::string> m_columns; // the column names shown last in this section
};

// Lines laid out alike: the same figures, cells and sentences in the same places.
bool sameShape(const std::vector<ReportLine> &a, const std::vector<ReportLine> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ReportLine &x, const ReportLine &y) {
                          return x.key == y.key && x.label == y.label && x.section == y.section
                                 && x.columns == y.columns && x.gridSize == y.gridSize
                                 && x.cells.size() == y.cells.size()
                                 && x.text.empty() == y.text.empty();
                      });
}

} // namespace

HeatMapPicture::HeatMapPicture(const ReportLine &line, QWidget *parent) : QWidget(parent)
{
    setObjectName(text(line.key) + QStringLiteral("Picture"));
    setFont(timesFont(11, true));
    setLine(line);
}

void HeatMapPicture::setLine(const ReportLine &line)
{
    m_line = line;
    setAccessibleName(text(line.label));
    explain(this, line, false);
    const int n = line.gridSize;
    const QFontMetrics figures(font());
    const QFontMetrics names(timesFont(10));
    // Whole figures as the label cells show them, and no column narrower than its longest
    // name's longest word; a name wraps over its column as the labels' do.
    int figure = 0;
    for (const std::string &cell : line.cells)
        figure = std::max(figure, figures.horizontalAdvance(text(cell)));
    m_width = figure + twips(45) + twips(60);
    m_side = 0;
    for (int i = 0; i < n; ++i) {
        const QString name = gridName(line, i);
        m_side = std::max(m_side, names.horizontalAdvance(name));
        for (const QString &part : name.split(QLatin1Char(' ')))
            m_width = std::max(m_width, names.horizontalAdvance(part) + 2);
    }
    m_side += twips(30);
    m_top = 0;
    for (int i = 0; i < n; ++i)
        m_top = std::max(m_top, names.boundingRect(0, 0, m_width, 10000, Qt::TextWordWrap,
                                                   gridName(line, i))
                                    .height());
    m_top += twips(30);
    m_height = figures.height() + 2 * twips(15);
    const int gap = twips(30);
    setFixedSize(m_side + n * (m_width + gap), m_top + n * (m_height + gap));
    update();
}

QRect HeatMapPicture::cellRect(int k) const
{
    const int n = std::max(1, m_line.gridSize);
    const int gap = twips(30);
    return {m_side + (k % n) * (m_width + gap), m_top + (k / n) * (m_height + gap), m_width,
            m_height};
}

int HeatMapPicture::cellAt(const QPoint &point) const
{
    const int n = m_line.gridSize;
    const int gap = twips(30);
    if (n == 0 || point.x() < m_side || point.y() < m_top)
        return -1;
    const int column = (point.x() - m_side) / (m_width + gap);
    const int row = (point.y() - m_top) / (m_height + gap);
    if (column >= n || row >= n)
        return -1;
    const int k = row * n + column;
    return cellRect(k).contains(point) ? k : -1;
}

void HeatMapPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int n = m_line.gridSize;
    const int gap = twips(30);
    // Only the rows and columns in view: the page shows a few hundred of the 10,000 cells.
    const QRect area = event->rect();
    const int firstColumn = std::max(0, (area.left() - m_side) / (m_width + gap));
    const int lastColumn = std::min(n - 1, (area.right() - m_side) / (m_width + gap));
    const int firstRow = std::max(0, (area.top() - m_top) / (m_height + gap));
    const int lastRow = std::min(n - 1, (area.bottom() - m_top) / (m_height + gap));
    painter.setFont(timesFont(10));
    painter.setPen(Qt::black);
    for (int c = firstColumn; c <= lastColumn; ++c)
        painter.drawText(QRect(cellRect(c).left(), 0, m_width, m_top - twips(30)),
                         Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                         gridName(m_line, c));
    for (int r = firstRow; r <= lastRow; ++r)
        painter.drawText(QRect(0, cellRect(r * n).top(), m_side - twips(30), m_height),
                         Qt::AlignRight | Qt::AlignVCenter, gridName(m_line, r));
    painter.setFont(font());
    const QMargins inside(twips(45), twips(15), twips(60), twips(15));
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            const int k = r * n + c;
            const QColor shade = heatColour(m_line.shades[size_t(k)]);
            painter.fillRect(cellRect(k), shade);
            // Dark cells take light figures, so every number stays readable.
            painter.setPen(shade.lightness() < 128 ? Qt::white : Qt::black);
            painter.drawText(cellRect(k).marginsRemoved(inside), Qt::AlignRight | Qt::AlignVCenter,
                             text(m_line.cells[size_t(k)]));
        }
    }
}

bool HeatMapPicture::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int k = cellAt(help->pos());
        if (k < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(),
                           heatCellName(m_line, k, true) + QStringLiteral(": ")
                               + text(m_line.cells[size_t(k)]),
                           this, cellRect(k));
        return true;
    }
    return QWidget::event(event);
}

ReportView::ReportView(QWidget *parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
}

ReportView::~ReportView() = default;

void ReportView::showReport(const std::vector<ReportLine> &lines)
{
    // Lines laid out as the shown ones take their places: an edit of a 20-stage model changes
    // figures, not the 800 cells of its heat maps.
    if (widget() && sameShape(lines, m_lines)) {
        for (size_t i = 0; i < lines.size(); ++i)
            refill(lines[i], m_parts[i]);
        m_lines = lines;
        return;
    }
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("figurePage"));
    page->setAutoFillBackground(false);
    m_parts.clear();
    FigureGrid(page, m_parts).add(lines, m_keepLeft);
    m_lines = lines;
    // The scroll area deletes the page it showed before, and with it every old row.
    setWidget(page);
}

void ReportView::refill(const ReportLine &line, ShownLine &parts)
{
    explain(parts.name, line, true);
    for (size_t c = 0; c < parts.cells.size(); ++c) {
        if (line.isGrid())
            showHeatCell(parts.cells[c], line, int(c), parts.map != nullptr);
        else
            showFigureCell(parts.cells[c], line, c);
    }
    showSentence(parts.sentence, line);
    if (parts.picture)
        parts.picture->setLine(line);
    else if (parts.map)
        fitHeatMap(parts.map, parts.tops);
}

} // namespace velmora
