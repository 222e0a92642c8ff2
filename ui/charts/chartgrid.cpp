#include "ui/charts/chartgrid.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

ChartGrid::ChartGrid(int rows, int columns)
    : m_rows(std::max(rows, 0))
    , m_columns(std::max(columns, 0))
    , m_cells(std::size_t(m_rows) * std::size_t(m_columns), 0.0)
    , m_labels(std::size_t(m_columns))
{
}

void ChartGrid::checkColumn(int column) const
{
    if (column < 1 || column > m_columns)
        throw std::out_of_range("chart grid column out of range");
}

std::size_t ChartGrid::cellIndex(int row, int column) const
{
    checkColumn(column);
    if (row < 1 || row > m_rows)
        throw std::out_of_range("chart grid row out of range");
    return std::size_t(row - 1) * std::size_t(m_columns) + std::size_t(column - 1);
}

void ChartGrid::setData(int row, int column, double value)
{
    m_cells[cellIndex(row, column)] = value;
}

double ChartGrid::data(int row, int column) const
{
    return m_cells[cellIndex(row, column)];
}

void ChartGrid::setColumnLabel(int column, const QString &label)
{
    checkColumn(column);
    m_labels[std::size_t(column - 1)] = label;
}

QString ChartGrid::columnLabel(int column) const
{
    checkColumn(column);
    return m_labels[std::size_t(column - 1)];
}

QList<QPointF> ChartGrid::seriesPoints(int series) const
{
    const int xColumn = 2 * series - 1;
    checkColumn(xColumn + 1);
    QList<QPointF> points;
    points.reserve(m_rows);
    for (int row = 1; row <= m_rows; ++row)
        points.append(QPointF(data(row, xColumn), data(row, xColumn + 1)));
    return points;
}

QString ChartGrid::seriesLabel(int series) const
{
    return columnLabel(2 * series - 1);
}

} // namespace velmora
