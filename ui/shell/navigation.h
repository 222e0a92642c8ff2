#pragma once

#include "demography/stagemodel.h"
#include "model/editentries.h"
#include "ui/modelfiles/modelfiles.h"
#include "ui/save/historysaver.h"
#include "ui/screens/yearclock.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace velmora {

class AnalysisWindow;
class Backform;
class Changdat;
class Dialogs;
class ExerciseWindow;
class Form1;
class Howto;
class Introfrm;
class Larggraf;
class LifeCycleWindow;
class ModelFileDialogs;
class NotesWindow;
class Prophecy;
class Quiz;
class Referenc;
class RiskWindow;
class YieldWindow;
class Simulation;
class Vater;
class copyrigh;
class titlform;
struct LeslieModel;
struct Module1;

// Connects the windows: every command that opens a window hides the one it came from, every
// way back shows the main window again, in the order the program has always done it.
// Secondary windows are created on their first opening; a close box destroys them.
class Navigation : public QObject {
    Q_OBJECT

public:
    // Without `modelFileDialogs` the model files are picked in the system's dialogs.
    Navigation(Module1 &history, Simulation &simulation, Dialogs &dialogs,
               YearClock clock = systemYear, ModelFileDialogs *modelFileDialogs = nullptr);
    ~Navigation() override;

    // The start-up sequence: the animated title screen, and behind it the backdrop as soon as
    // the title has been drawn or left (on Wayland the backdrop first, as it cannot be lowered).
    void start();

    // The main window, built at its first use: the start-up screens come up without waiting for it.
    Form1 &mainWindow();
    Backform *backdrop() const;
    titlform *titleScreen() const;
    Prophecy *pictureScreen() const;
    Changdat *changdat() const;
    Larggraf *larggraf() const;
    Howto *howto() const;
    Introfrm *introfrm() const;
    Referenc *referenc() const;
    Quiz *quiz() const;
    copyrigh *notice() const;
    Vater *dedication() const;
    AnalysisWindow *analysis() const;
    NotesWindow *notes() const;
    ModelFiles &modelFiles() { return m_modelFiles; }

    // "velmora FILE": opens the model file once the main window is first shown.
    void openModelAtStart(const QString &fileName);
    RiskWindow *risk() const;
    LifeCycleWindow *lifeCycle() const;
    ExerciseWindow *exercise() const;
    YieldWindow *harvestAndYield() const;
    // Opens the Harvest and yield window on a stage model, from `from` (hidden meanwhile).
    void openYield(const StageModel &model, QWidget *from);
    // Opens the Life cycle window on a stage model, with the citation it comes from.
    void openStageModel(const StageModel &model, const QString &source = {});

signals:
    // The program must end now (main window's close box, or the end of the quit sequence).
    void endRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showBackdrop();
    void showMain();
    template <typename Window>
    void forget(QPointer<Window> &window);
    void openPictureScreen();
    void openChangeDefaults();
    void openGraph();
    void openHowto();
    void openIntro();
    void openReferences();
    void openQuiz();
    void openAnalysis();
    void modelOpened(const EditEntries &entries);
    void openNotes();
    void openRisk();
    void openLifeCycle();
    StageModel mainStageModel() const; // the main window's model, N(t) as its N(0)
    LifeCycleWindow *ensureLifeCycle(const StageModel &model);
    void leslieModelSent(const LeslieModel &leslie);
    void quitFrom(QWidget *window);
    void openDedication();
    void openExercise(const ModelFileRead &read);
    // An open exercise with "analysis": false keeps the windows that show its answers closed;
    // says so over `parent` and returns true.
    bool refusedByExercise(QWidget *parent);
    bool analysisAllowed() const;

    Module1 &m_history;
    Simulation &m_simulation;
    Dialogs &m_dialogs;
    YearClock m_clock;
    std::unique_ptr<Form1> m_form1;
    HistorySaver m_saver;
    std::unique_ptr<Backform> m_backform;
    bool m_backdropShown = false;
    std::unique_ptr<titlform> m_titlform;
    std::unique_ptr<Prophecy> m_prophecy;
    QPointer<Changdat> m_changdat;
    QPointer<Larggraf> m_larggraf;
    QPointer<Howto> m_howto;
    QPointer<Introfrm> m_introfrm;
    QPointer<Referenc> m_referenc;
    QPointer<Quiz> m_quiz;
    QPointer<copyrigh> m_copyrigh;
    QPointer<Vater> m_vater;
    QPointer<AnalysisWindow> m_analysis;
    std::unique_ptr<ModelFileDialogs> m_systemModelFileDialogs;
    ModelFiles m_modelFiles;
    std::optional<EditEntries> m_openedEntries; // for an editing window not yet made
    QString m_startModel;
    QPointer<NotesWindow> m_notes;
    QPointer<RiskWindow> m_risk;
    QPointer<LifeCycleWindow> m_lifeCycle;
    QPointer<YieldWindow> m_yield;
    QPointer<QWidget> m_yieldOpener; // the window "Go back" returns to
    QPointer<ExerciseWindow> m_exercise;
};

// Shows a window in front of the others; a window's first showing centres it on the screen.
void showInFront(QWidget *window);

} // namespace velmora
