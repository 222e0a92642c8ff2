#pragma once

#include "demography/stochastic.h"
#include "ui/common/backgroundwork.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace velmora {

class ChartMenu;
class Dialogs;
class Simulation;

// "Risk under variability": the model now in the main window projected many times with its
// vital rates drawn anew every year. "Run" starts the run on a thread of its own, so the window
// stays responsive; "Cancel" stops it and leaves no result half shown. Two charts (the risk
// curve and the percentile fan) and one sentence show the result; it is saved as CSV, the
// charts as images through their context menu. It never shows or hides other windows itself.
// Its close box destroys it, stopping a run first.
class RiskWindow : public QWidget {
    Q_OBJECT

public:
    RiskWindow(Simulation &simulation, Dialogs &dialogs, QWidget *parent = nullptr);
    ~RiskWindow() override;

    // "Run": reads the model from the main window's fields and the settings from the inputs.
    void run();
    // "Cancel": stops the run; its result is dropped.
    void cancel();
    // "Save results as CSV...": asks for a name and writes the table of the last result.
    void saveCsv();

    bool running() const { return m_running; }
    const std::optional<RiskResult> &result() const { return m_result; }
    // The settings the inputs hold now.
    RiskSettings settings() const;

signals:
    void backRequested();    // "Go back": hide this window and show the main window
    void closedByCloseBox(); // the window is destroyed afterwards
    void runFinished();      // a run ended: done, cancelled or refused

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void showModel();
    void setRunning(bool running);
    void showProgress(double share);
    void finishRun(RiskOutcome outcome);
    void showResult();
    void clearResult();
    void showProblem(const QString &text);
    void stopAndWait();
    QChartView *chartAt(const QPoint *globalPos) const;

    Simulation &m_simulation;
    Dialogs &m_dialogs;
    QLabel *m_model = nullptr;
    QDoubleSpinBox *m_cvSurvival = nullptr;
    QDoubleSpinBox *m_cvFecundity = nullptr;
    QDoubleSpinBox *m_threshold = nullptr;
    QCheckBox *m_demographic = nullptr;
    QSpinBox *m_replicates = nullptr;
    QSpinBox *m_steps = nullptr;
    QSpinBox *m_seed = nullptr;
    QPushButton *m_run = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progress = nullptr;
    QChartView *m_riskChart = nullptr;
    QChartView *m_fanChart = nullptr;
    QLabel *m_sentence = nullptr;
    QLabel *m_growth = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_back = nullptr;
    ChartMenu *m_chartMenu = nullptr;

    BackgroundWork m_work;
    bool m_running = false;
    std::optional<RiskResult> m_result;
    PopulationModel m_resultModel; // the model the result was projected from
    QString m_csvName;             // the name chosen last, offered again
};

} // namespace velmora
