#pragma once

#include "demography/analysis.h"
#include "model/analysisreport.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;

namespace velmora {

class ReportView;
class Simulation;

// "Analysis": every figure of the model now shown in the main window (M, H and the current
// N(t)), computed each time the window is shown and again with "Recompute". Its rows are built
// from the report the command line prints, so both always show the same figures. It never
// shows or hides other windows itself; the navigation reacts to its signals. Its close box
// destroys it.
class AnalysisWindow : public QWidget {
    Q_OBJECT

public:
    explicit AnalysisWindow(Simulation &simulation, QWidget *parent = nullptr);

    // Reads the model from the simulation's fields and shows its figures.
    void recompute();
    // The title of the model file opened last, under the heading; empty for none.
    void setModelTitle(const QString &title);

    // Shows these lines in their order, replacing what was shown: a heading where the section
    // changes, then each figure with its cells and its sentence.
    void showReport(const std::vector<ReportLine> &lines);

signals:
    // "Go back": hide this window and show the main window.
    void backRequested();
    // Emitted while the close box closes the window; the window is destroyed afterwards.
    void closedByCloseBox();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void showModel(const PopulationModel &model);

    Simulation &m_simulation;
    QLabel *m_model = nullptr;
    ReportView *m_figures = nullptr;
    QPushButton *m_recompute = nullptr;
    QPushButton *m_back = nullptr;
};

} // namespace velmora
