#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

namespace velmora {

// The values behind one chart: R rows by C columns of doubles, both numbered from 1.
// Columns come in pairs, 2s-1 holding the x and 2s the y values of series s; row r holds
// the r-th point of every series. A series is named by the label of its x column.
class ChartGrid {
public:
    ChartGrid(int rows, int columns);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    int seriesCount() const { return m_columns / 2; }

    // Out-of-range cells throw std::out_of_range: a wrong index is a fault, not data.
    void setData(int row, int column, double value);
    double data(int row, int column) const;

    void setColumnLabel(int column, const QString &label);
    QString columnLabel(int column) const;

    // Series s (from 1): its points in row order and its name.
    QList<QPointF> seriesPoints(int series) const;
    QString seriesLabel(int series) const;

private:
    std::size_t cellIndex(int row, int column) const;
    void checkColumn(int column) const;

    int m_rows;
    int m_columns;
    std::vector<double> m_cells;
    std::vector<QString> m_labels;
};

} // namespace velmora
