#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class Changdat;
class Larggraf;
class Dialogs;
class Form1;
class HistorySaver;
class QWidget;
class Simulation;
struct Module1;

// Connects the windows: every command that opens a window hides the one it came from, every
// way back shows the main window again, in the order the program has always done it.
// Secondary windows are created on their first opening.
class Navigation : public QObject {
    Q_OBJECT

public:
    Navigation(Module1 &history, Simulation &simulation, Dialogs &dialogs);
    ~Navigation() override;

    // Shows the first window of the run.
    void start();

    Form1 &mainWindow() const { return *m_form1; }
    Changdat *changdat() const;
    Larggraf *larggraf() const;

signals:
    // The program must end now (main window's close box, or the end of the quit sequence).
    void endRequested();

private:
    void openChangeDefaults();
    void openGraph();
    void showMain();
    void quitFrom(QWidget *window);

    Module1 &m_history;
    Simulation &m_simulation;
    Dialogs &m_dialogs;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<HistorySaver> m_saver;
    QPointer<Changdat> m_changdat;
    QPointer<Larggraf> m_larggraf;
};

// Shows a window in front of the others; a window's first showing centres it on the screen.
void showInFront(QWidget *window);
