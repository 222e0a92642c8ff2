#pragma once

#include "demography/density.h"
#include "demography/leslie.h"
#include "demography/stagemodel.h"
#include "ui/lifecycle/lifecyclegraph.h"

#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace velmora {

class Dialogs;
class LifeCycleGraphView;
class ReportView;

// "Life cycle": a stage-structured model of any size. Its stages (name, N(0), H) and the
// matrices U and F (C on request) are edited in grids, under the editing window's rules; the
// life-cycle graph shows the model as it stands; Step and Run project it from N(0) on a chart of
// each stage and the total. Beside the graph, the analysis of the model as it stands. A 4-class Leslie model can be sent to the main window. The window is
// built around the model it is given; it never shows or hides other windows itself. Its close
// box destroys it.
class LifeCycleWindow : public QWidget {
    Q_OBJECT

public:
    LifeCycleWindow(const StageModel &model, Dialogs &dialogs, QWidget *parent = nullptr);

    // Shows another model, with the citation it comes from (empty for none); the run starts
    // again at t = 0. C and H may be left empty for none.
    void setStageModel(const StageModel &model, const QString &source = {});
    const StageModel &stageModel() const { return m_model; }
    QString source() const { return m_source; }

    // Density dependence for Step and Run (a model file's "density"), or none: the linear step.
    // While it is set a check box turns it off and on.
    void setDensity(const std::optional<DensitySettings> &density);
    // An exercise that keeps its answers hidden closes the Analysis tab while it is open.
    void setAnalysisAllowed(bool allowed);
    // The density dependence Step and Run use now: none where it is switched off.
    std::optional<DensitySettings> density() const;

    // "Step": one more step of N(t + 1) = A N(t) - H, with reproduction scaled by density where
    // it is on. "Run": as many as the steps box asks.
    void step();
    void run();
    // N(0), N(1), ... as far as the run has gone.
    const std::vector<Eigen::VectorXd> &history() const { return m_history; }

    const LifeCycleLayout &graphLayout() const;
    // "Save graph...": asks for a name; ".svg" saves SVG, any other name PNG.
    void saveGraph();
    // "Send to main window": only a 4-class Leslie model fits it.
    void sendToMainWindow();

signals:
    void backRequested();    // "Go back" and Escape: hide this window, show the main window
    void closedByCloseBox(); // the window is destroyed afterwards
    void modelChanged();     // an edit was taken, a stage added or removed
    void leslieModelSent(const velmora::LeslieModel &model);
    void yieldRequested(); // "Harvest and yield..." in the context menu

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    QTableWidget *makeGrid(const QString &name, const QString &spoken);
    void fillGrids();
    void fillGrid(QTableWidget *grid, StagePart part);
    void setCell(QTableWidget *grid, int row, int column, const QString &text, StagePart part);
    void cellEdited(QTableWidgetItem *item);
    void refuse(const QString &text);
    void addStage();
    void removeSelectedStage();
    void modelEdited();
    void showAnalysis();
    void restartRun();
    void showRun();
    int selectedStage() const;
    // Steps N(t) on `steps` times; refused with a sentence where density cannot be applied.
    void project(int steps);

    StageModel m_model;
    Dialogs &m_dialogs;
    QString m_source;
    std::vector<Eigen::VectorXd> m_history;
    bool m_filling = false; // the grids are being filled from the model, not typed in
    QString m_graphName;    // the name chosen last, offered again
    bool m_analysisStale = true; // the model changed since the analysis was shown

    QLabel *m_sourceLabel = nullptr;
    QTableWidget *m_stagesGrid = nullptr;
    QTableWidget *m_uGrid = nullptr;
    QTableWidget *m_fGrid = nullptr;
    QTableWidget *m_cGrid = nullptr;
    QTabWidget *m_matrices = nullptr; // U, F and C, C only on request
    QCheckBox *m_showClonal = nullptr;
    QScrollArea *m_graphArea = nullptr;
    LifeCycleGraphView *m_graph = nullptr;
    QChartView *m_chart = nullptr;
    ReportView *m_analysis = nullptr;
    QTabWidget *m_views = nullptr; // the graph and the analysis
    QCheckBox *m_logScale = nullptr;
    QCheckBox *m_useDensity = nullptr;          // shown with a density from the file
    std::optional<DensitySettings> m_density;
    QSpinBox *m_steps = nullptr;
    QLabel *m_runLabel = nullptr;
    QPushButton *m_send = nullptr;
};

} // namespace velmora
