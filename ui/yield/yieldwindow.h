#pragma once

#include "demography/density.h"
#include "demography/stochastic.h"
#include "demography/yield.h"
#include "ui/common/backgroundwork.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace velmora {

class Dialogs;
class NumberField;

// "Harvest and yield": a stage model with density dependence on its reproduction, and the three
// ways of harvesting it (a quota, a rate, an escapement) compared by their yield curves, their
// MSY, the one bad year each survives at 90 % of it and its risk there under variability. The
// curves and the risks are worked out on a thread of their own with progress and cancel. It never shows or hides other windows itself; its close
// box destroys it, stopping the work first.
class YieldWindow : public QWidget {
    Q_OBJECT

public:
    YieldWindow(const StageModel &model, Dialogs &dialogs, QWidget *parent = nullptr);
    ~YieldWindow() override;

    void setStageModel(const StageModel &model);
    // Sets the inputs to a model's own density dependence (form, K, counted stages).
    void setDensitySettings(const DensitySettings &settings);
    // The variation, replicates, steps, threshold and seed of the risk of each way (the Risk
    // window's); it starts with startingRiskSettings(). Used by the next "Compute".
    void setRiskSettings(const RiskSettings &settings);

    // "Compute": reads the inputs and traces the curves off the GUI thread.
    void compute();
    // "Cancel": stops the work; nothing half traced is shown.
    void cancel();
    bool running() const { return m_running; }
    const std::optional<YieldAnalysis> &analysis() const { return m_analysis; }
    // The risk of each way at 90 % of its MSY (quota, rate, escapement), where it was run.
    const std::array<std::optional<RiskResult>, 3> &risks() const { return m_risks; }
    // The density model of the shown curves.
    const std::optional<DensityModel> &densityModel() const { return m_density; }

signals:
    void backRequested();    // "Go back"
    void closedByCloseBox(); // the window is destroyed afterwards
    void computeFinished();  // done, cancelled or refused

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void fillStageLists();
    void setRunning(bool running);
    struct Work; // what the worker hands back
    void finish(Work work, int generation);
    QString riskSummary() const;
    void showAnalysis();
    void showShock();
    void showProblem(const QString &text);
    void stopAndWait();
    std::vector<int> checkedStages(const QListWidget *list) const;

    StageModel m_model;
    Dialogs &m_dialogs;
    QComboBox *m_form = nullptr;
    NumberField *m_capacity = nullptr;
    QListWidget *m_counted = nullptr;
    QListWidget *m_harvested = nullptr;
    QPushButton *m_compute = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_message = nullptr;
    QChartView *m_yieldChart = nullptr;
    QChartView *m_shockChart = nullptr;
    NumberField *m_loss = nullptr;
    QTableWidget *m_table = nullptr;

    BackgroundWork m_work;
    bool m_running = false;
    std::optional<DensityModel> m_density;
    Eigen::VectorXd m_harvestedMask; // the stages harvested in the shown curves
    int m_generation = 0;            // a finished work of an older model is dropped
    std::optional<YieldAnalysis> m_analysis;
    RiskSettings m_riskSettings = startingRiskSettings();
    std::array<std::optional<RiskResult>, 3> m_risks;
    QString m_riskProblem; // why the risks were not run, where they were not
};

} // namespace velmora
