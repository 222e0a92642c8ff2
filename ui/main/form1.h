#pragma once

#include <QWidget>

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace velmora {

class ClickableLabel;
class Dialogs;
class Simulation;
struct ModelMessage;

// The main window: shows the simulation's fields as the written-out equation and offers
// every command. The simulation has had its start-up before the window is built. It holds no rule of its own: steps run in `Simulation`, other windows are
// opened by whoever listens to its signals.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(Simulation &simulation, Dialogs &dialogs, QWidget *parent = nullptr);

    // Copies the model's texts and command state into the controls and moves the focus
    // where the last step put it.
    void showModel();

    void Command1_Click(); // "Project"
    void Command2_Click(); // "Transit"
    void Command7_Click(); // "Print"

    // The model opened last: its title goes into the heading's tool tip, and "About this model"
    // is offered while there is a title or notes to show.
    void setModelTitle(const QString &title, bool hasNotes);

signals:
    void introRequested();          // "Intro" and the heading
    void howToRequested();          // "How To"
    void graphRequested();          // "Graph"
    void changeDefaultsRequested(); // "Change default values"
    void quizRequested();           // the quiz picture button
    void quitRequested();           // "Quit"
    void saveRequested();           // "Save"
    void closedByCloseBox();        // the program ends at once
    void analysisRequested();       // "Model analysis..." in the context menu
    void openModelRequested();      // "Open model..." in the context menu
    void saveModelRequested();      // "Save model..." in the context menu
    void saveExerciseRequested();   // "Save as exercise..." in the context menu
    void exampleRequested(const QString &fileName); // an entry of "Examples"
    void aboutModelRequested();     // "About this model" in the context menu
    void riskRequested();           // "Risk under variability..." in the context menu
    void lifeCycleRequested();      // "Life cycle..." in the context menu
    void yieldRequested();          // "Harvest and yield..." in the context menu

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildEquation();
    void buildStepControls();
    void buildCommands();
    void describeForScreenReaders();
    void buildContextMenu();
    QLineEdit *addField(const QString &name, double left, double top, double width,
                        const QColor &text, const QColor &background, bool bold);
    QLabel *addLabel(const QString &name, const QString &text, double left, double top,
                     double width, double height, double pointSize);
    QPushButton *addCommand(QWidget *parent, const QString &name, const QString &caption,
                            double left, double width, const QString &toolTip);
    void showMessage(const ModelMessage &message);

    Simulation &m_simulation;
    Dialogs &m_dialogs;

    std::array<QLineEdit *, 16> m_m{};
    std::array<QLineEdit *, 4> m_n1{};
    std::array<QLineEdit *, 4> m_harvest{};
    std::array<QLineEdit *, 4> m_n2{};
    QLineEdit *m_total1 = nullptr;
    QLineEdit *m_total2 = nullptr;
    QLineEdit *m_growrate = nullptr;
    QLineEdit *m_simu0 = nullptr;
    QLineEdit *m_simut = nullptr;
    ClickableLabel *m_project = nullptr;
    ClickableLabel *m_transit = nullptr;
    QLabel *m_extinct = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QLabel *m_heading = nullptr;
    QAction *m_aboutModel = nullptr; // "About this model": only with a title or notes to show
};

} // namespace velmora
