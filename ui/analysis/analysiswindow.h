#pragma once

#include "model/analysis.h"

#include <QWidget>

#include <array>
#include <map>
#include <string>

class QGridLayout;
class QLabel;
class QPushButton;

namespace velmora {

class NumberLabel;
class Simulation;

// "Analysis": every figure of the model now shown in the main window (M, H and the current
// N(t)), computed each time the window is shown and again with "Recompute". It never shows or
// hides other windows itself; the navigation reacts to its signals. Its close box destroys it.
class AnalysisWindow : public QWidget {
    Q_OBJECT

public:
    explicit AnalysisWindow(Simulation &simulation, QWidget *parent = nullptr);

    // Reads the model from the simulation's fields and shows its figures.
    void recompute();
    // The title of the model file opened last, under the heading; empty for none.
    void setModelTitle(const QString &title);

signals:
    // "Go back": hide this window and show the main window.
    void backRequested();
    // Emitted while the close box closes the window; the window is destroyed afterwards.
    void closedByCloseBox();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The widgets of one figure: its name, up to five cells (classes 0..3, total) and a sentence.
    struct FigureRow {
        int gridRow = 0;
        QLabel *name = nullptr;
        std::array<NumberLabel *, 5> cells{};
        QLabel *text = nullptr;
    };

    void buildControls();
    void addFigureRow(const std::string &key, int &gridRow);
    void addHeading(const QString &name, const QString &text, int &gridRow);
    void showModel(const PopulationModel &model);
    void showAnalysis(const ModelAnalysis &analysis);
    void clearFigures();

    Simulation &m_simulation;
    QGridLayout *m_grid = nullptr;
    QLabel *m_model = nullptr;
    std::map<std::string, FigureRow> m_rows;
    QPushButton *m_recompute = nullptr;
    QPushButton *m_back = nullptr;
};

} // namespace velmora
