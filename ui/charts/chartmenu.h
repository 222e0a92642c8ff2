#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QPoint;
class QWidget;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace velmora {

class Dialogs;

// The context menu of a window's charts: "Save chart as image..." (PNG, SVG or PDF by the
// name's ending) and "Copy chart". A right click opens it for the chart under the pointer;
// the Menu key and Shift+F10 open it anywhere in the window, for the current chart.
class ChartMenu : public QObject {
    Q_OBJECT

public:
    // The chart the menu acts on: the one at `globalPos`, or without a position the window's
    // current chart; nullptr where there is none (then no menu opens).
    using ChartAt = std::function<QChartView *(const QPoint *globalPos)>;

    ChartMenu(QWidget &window, Dialogs &dialogs, ChartAt chartAt);

    // The entries, for the chart the menu was last opened for (the current one before that).
    void saveChartAsImage();
    void copyChart();

private:
    QChartView *target() const;

    QWidget &m_window;
    Dialogs &m_dialogs;
    ChartAt m_chartAt;
    QMenu *m_menu = nullptr;
    QChartView *m_target = nullptr;
    QString m_imageName; // the name chosen last, offered again
};

} // namespace velmora
