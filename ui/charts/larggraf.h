#pragma once

#include <QWidget>

#include <array>

class QPushButton;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace velmora {

class ChartMenu;
class Dialogs;
struct ChartData;
struct Module1;

// The chart window: one chart of the history at a time and a row of eight buttons.
// It never shows or hides other windows; it asks through its signals, and whoever
// holds the windows does it. Its context menu (right click, Menu key or Shift+F10) saves
// the chart as an image or copies it.
class Larggraf : public QWidget {
    Q_OBJECT

public:
    Larggraf(const Module1 &history, Dialogs &dialogs, QWidget *parent = nullptr);

    // "Age structure": draws the age structure, then moves the focus to "N(t)-N(t-1)".
    void showagestructure();
    // "Age distribution": draws the age distribution; the focus stays where it is.
    void ShowAgeDistribution();
    // The main window's "Graph": the age structure without the focus move.
    void drawAgeStructure();

    // "Save chart as image...": asks for a name; PNG, SVG or PDF by its ending.
    void saveChartAsImage();
    // "Copy chart": the chart as an image on the clipboard.
    void copyChart();

signals:
    void goBackRequested();  // "Go back": show the main window, then hide this one
    void quitRequested();    // "Quit": hide this window, then show the closing notice
    void closedByCloseBox(); // already hidden and about to be destroyed: show the main window

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();

private:
    void draw(const ChartData &data);

    const Module1 &m_history;
    Dialogs &m_dialogs;
    QChartView *m_chart = nullptr;
    QPushButton *m_command4 = nullptr;
    ChartMenu *m_chartMenu = nullptr;
};

} // namespace velmora
