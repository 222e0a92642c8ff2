#include "ui/shell/navigation.h"

#include "ui/analysis/analysiswindow.h"
#include "ui/exercise/exercisewindow.h"
#include "ui/screens/backform.h"
#include "ui/edit/changdat.h"
#include "ui/screens/copyrigh.h"
#include "ui/main/form1.h"
#include "ui/common/placement.h"
#include "ui/screens/howto.h"
#include "ui/screens/introfrm.h"
#include "ui/charts/larggraf.h"
#include "model/module1.h"
#include "ui/screens/prophecy.h"
#include "ui/screens/quiz.h"
#include "ui/screens/referenc.h"
#include "ui/risk/riskwindow.h"
#include "ui/yield/yieldwindow.h"
#include "demography/leslie.h"
#include "demography/analysis.h"
#include "base/numbertext.h"
#include "ui/common/dialogs.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "model/simulation.h"
#include "ui/screens/titlform.h"
#include "ui/screens/vater.h"
#include "ui/common/twips.h"
#include "ui/modelfiles/modelfiledialogs.h"
#include "ui/modelfiles/noteswindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

const QColor kDarkBlue(0, 0, 64);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// Creates a secondary window on its first opening; `connectIt` wires its signals once.
template <typename Window, typename Make, typename Connect>
Window *ensure(QPointer<Window> &window, Make make, Connect connectIt)
{
    if (!window) {
        window = make();
        connectIt(window.data());
    }
    return window;
}

} // namespace

void showInFront(QWidget *window)
{
    if (!window->property("velmoraPlaced").toBool()) {
        window->setProperty("velmoraPlaced", true);
        centreOnScreen(window);
    }
    window->show();
    // The offscreen platform of the tests cannot stack windows and says so at every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

namespace {

ModelFileDialogs *systemUnless(ModelFileDialogs *given, std::unique_ptr<ModelFileDialogs> &own)
{
    if (!given)
        own = std::make_unique<SystemModelFileDialogs>();
    return given ? given : own.get();
}

} // namespace

Navigation::Navigation(Module1 &history, Simulation &simulation, Dialogs &dialogs, YearClock clock,
                       ModelFileDialogs *modelFileDialogs)
    : m_history(history)
    , m_simulation(simulation)
    , m_dialogs(dialogs)
    , m_clock(std::move(clock))
    , m_saver(history, dialogs)
    , m_modelFiles(simulation, dialogs, *systemUnless(modelFileDialogs, m_systemModelFileDialogs))
{
    connect(&m_modelFiles, &ModelFiles::modelOpened, this, &Navigation::modelOpened);
    connect(&m_modelFiles, &ModelFiles::stageModelOpened, this,
            [this](const StageModelDocument &document) {
                openStageModel(document.model, document.source);
                m_lifeCycle->setDensity(document.yield.density
                                            ? std::optional(densitySettings(document.model,
                                                                            *document.yield.density))
                                            : std::nullopt);
            });
    connect(&m_modelFiles, &ModelFiles::exerciseOpened, this, &Navigation::openExercise);
}

Form1 &Navigation::mainWindow()
{
    if (m_form1)
        return *m_form1;
    m_form1 = std::make_unique<Form1>(m_simulation, m_dialogs);
    Form1 *form = m_form1.get();
    connect(form, &Form1::closedByCloseBox, this, &Navigation::endRequested);
    connect(form, &Form1::saveRequested, this, [this, form] { m_saver.SaveGraphicData(form); });
    connect(form, &Form1::changeDefaultsRequested, this, &Navigation::openChangeDefaults);
    connect(form, &Form1::graphRequested, this, &Navigation::openGraph);
    connect(form, &Form1::howToRequested, this, &Navigation::openHowto);
    connect(form, &Form1::introRequested, this, &Navigation::openIntro);
    connect(form, &Form1::quizRequested, this, &Navigation::openQuiz);
    connect(form, &Form1::analysisRequested, this, &Navigation::openAnalysis);
    connect(form, &Form1::riskRequested, this, &Navigation::openRisk);
    connect(form, &Form1::lifeCycleRequested, this, &Navigation::openLifeCycle);
    connect(form, &Form1::yieldRequested, this, [this, form] {
        if (!refusedByExercise(form))
            openYield(mainStageModel(), form);
    });
    connect(form, &Form1::quitRequested, this, [this, form] { quitFrom(form); });
    connect(form, &Form1::openModelRequested, this, [this, form] { m_modelFiles.openFromDialog(form); });
    connect(form, &Form1::saveModelRequested, this, [this, form] { m_modelFiles.saveFromDialog(form); });
    connect(form, &Form1::saveExerciseRequested, this,
            [this, form] { m_modelFiles.saveExerciseFromDialog(form); });
    connect(form, &Form1::exampleRequested, this,
            [this, form](const QString &fileName) { m_modelFiles.open(fileName, form); });
    connect(form, &Form1::aboutModelRequested, this, &Navigation::openNotes);
    return *m_form1;
}

Navigation::~Navigation()
{
    for (QWidget *window : std::initializer_list<QWidget *>{m_changdat, m_larggraf, m_howto, m_introfrm,
                                                            m_referenc, m_quiz, m_copyrigh, m_vater, m_analysis, m_risk,
                                                            m_lifeCycle, m_exercise})
        delete window;
}

void Navigation::start()
{
    // The main window's load records N(0) first; the window itself is built when first shown.
    m_simulation.startUp();
    m_backform = std::make_unique<Backform>();
    m_backform->setBackgroundColour(kDarkBlue);
    // A Wayland compositor stacks a window shown later on top and lets no program lower it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        showBackdrop();

    m_titlform = std::make_unique<titlform>();
    connect(m_titlform.get(), &titlform::leaveForPicture, this, &Navigation::openPictureScreen);
    connect(m_titlform.get(), &titlform::leaveForMain, this, [this] {
        showBackdrop();
        m_titlform->hide();
        showMain();
        m_backform->setBackgroundColour(kWhite);
    });
    showInFront(m_titlform.get());
    // The title screen is what the student waits for, and drawing the full-screen backdrop
    // takes about as long as the rest of the start: the backdrop follows the title's first
    // drawing, a few milliseconds later, behind it.
    if (!m_backdropShown)
        m_titlform->installEventFilter(this);
}

bool Navigation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titlform.get() && event->type() == QEvent::Paint) {
        QTimer::singleShot(0, this, [this] {
            showBackdrop();
            // Some platforms hand the keyboard to any window shown; it belongs to the title.
            if (m_titlform->isVisible())
                m_titlform->activateWindow();
        });
    }
    return QObject::eventFilter(watched, event);
}

void Navigation::showBackdrop()
{
    if (m_backdropShown)
        return;
    m_backdropShown = true;
    if (m_titlform)
        m_titlform->removeEventFilter(this);
    m_backform->show();
    // Without a window manager to keep it below, a window shown last would cover the others.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        m_backform->lower();
}

void Navigation::openPictureScreen()
{
    showBackdrop();
    m_titlform->hide();
    if (!m_prophecy) {
        m_prophecy = std::make_unique<Prophecy>();
        connect(m_prophecy.get(), &Prophecy::leave, this, [this] {
            m_prophecy->hide();
            showMain();
            m_backform->setBackgroundColour(kBlack);
        });
    }
    showInFront(m_prophecy.get());
    m_backform->setBackgroundColour(kWhite);
}

template <typename Window>
void Navigation::forget(QPointer<Window> &window)
{
    // A close box destroys the window once its handler is done; the next opening must not
    // find it half gone, so it is forgotten now and made afresh then. It leaves as its buttons
    // leave: hidden first, then the main window shown.
    window->hide();
    window = nullptr;
    showMain();
}

void Navigation::showMain()
{
    showInFront(&mainWindow());
    if (!m_startModel.isEmpty()) {
        // After the handler that showed the window, so a refusal's box stands over it.
        QTimer::singleShot(0, this, [this, fileName = std::exchange(m_startModel, {})] {
            m_modelFiles.open(fileName, &mainWindow());
        });
    }
}

void Navigation::openModelAtStart(const QString &fileName)
{
    m_startModel = fileName;
}

void Navigation::modelOpened(const EditEntries &entries)
{
    // The editing window shows the opened values next time, as after its own "Go Back".
    if (m_changdat)
        m_changdat->showEntries(entries);
    else
        m_openedEntries = entries;
    Form1 &form = mainWindow();
    form.setModelTitle(m_modelFiles.title(), !m_modelFiles.notes().isEmpty());
    form.showModel();
    if (m_analysis)
        m_analysis->setModelTitle(m_modelFiles.title());
    if (!m_modelFiles.notes().isEmpty())
        openNotes();
    else if (m_notes)
        m_notes->hide();
}

void Navigation::openNotes()
{
    Form1 &form = mainWindow();
    if (!m_notes)
        m_notes = new NotesWindow(&form);
    m_notes->showModel(m_modelFiles.title(), m_modelFiles.notes());
    // Below the equation, which the notes talk about, over the totals and the commands.
    const QRect main = form.geometry();
    m_notes->move(main.x() + (main.width() - m_notes->frameGeometry().width()) / 2,
                  main.y() + twips(4200));
    m_notes->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        m_notes->raise();
    m_notes->activateWindow();
}

void Navigation::openChangeDefaults()
{
    ensure(m_changdat, [this] { return new Changdat(m_simulation); }, [this](Changdat *window) {
        if (m_openedEntries)
            window->showEntries(*std::exchange(m_openedEntries, std::nullopt));
        connect(window, &Changdat::goBackAccepted, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &Changdat::valuesApplied, this, [this] { mainWindow().showModel(); });
        connect(window, &Changdat::quitRequested, this, [this, window] { quitFrom(window); });
    });
    mainWindow().hide();
    showInFront(m_changdat);
}

void Navigation::openGraph()
{
    ensure(m_larggraf, [this] { return new Larggraf(m_history, m_dialogs); }, [this](Larggraf *window) {
        connect(window, &Larggraf::goBackRequested, this, [this, window] {
            showMain();
            window->hide();
        });
        connect(window, &Larggraf::quitRequested, this, [this, window] { quitFrom(window); });
        connect(window, &Larggraf::closedByCloseBox, this, [this] { forget(m_larggraf); });
    });
    m_larggraf->drawAgeStructure();
    mainWindow().hide();
    showInFront(m_larggraf);
}

void Navigation::openHowto()
{
    ensure(m_howto, [] { return new Howto; }, [this](Howto *window) {
        connect(window, &Howto::okClicked, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &Howto::closedByCloseBox, this, [this] { forget(m_howto); });
    });
    showInFront(m_howto);
    mainWindow().hide();
}

void Navigation::openIntro()
{
    ensure(m_introfrm, [] { return new Introfrm; }, [this](Introfrm *window) {
        connect(window, &Introfrm::okClicked, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &Introfrm::closedByCloseBox, this, [this] { forget(m_introfrm); });
        connect(window, &Introfrm::referencesClicked, this, &Navigation::openReferences);
    });
    showInFront(m_introfrm);
    mainWindow().hide();
}

void Navigation::openReferences()
{
    m_introfrm->hide();
    ensure(m_referenc, [] { return new Referenc; }, [this](Referenc *window) {
        connect(window, &Referenc::okClicked, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &Referenc::closedByCloseBox, this, [this] { forget(m_referenc); });
        connect(window, &Referenc::backgroundClicked, this, [this, window] {
            showMain();
            window->hide();
        });
    });
    showInFront(m_referenc);
}

void Navigation::openQuiz()
{
    ensure(m_quiz, [] { return new Quiz; }, [this](Quiz *window) {
        connect(window, &Quiz::backClicked, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &Quiz::closedByCloseBox, this, [this] { forget(m_quiz); });
    });
    showInFront(m_quiz);
    mainWindow().hide();
}

void Navigation::openAnalysis()
{
    if (refusedByExercise(&mainWindow()))
        return;
    ensure(m_analysis, [this] { return new AnalysisWindow(m_simulation); }, [this](AnalysisWindow *window) {
        window->setModelTitle(m_modelFiles.title());
        connect(window, &AnalysisWindow::backRequested, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &AnalysisWindow::closedByCloseBox, this, [this] { forget(m_analysis); });
    });
    showInFront(m_analysis);
    mainWindow().hide();
}

void Navigation::openRisk()
{
    if (refusedByExercise(&mainWindow()))
        return;
    ensure(m_risk, [this] { return new RiskWindow(m_simulation, m_dialogs); }, [this](RiskWindow *window) {
        connect(window, &RiskWindow::backRequested, this, [this, window] {
            window->hide();
            showMain();
        });
        connect(window, &RiskWindow::closedByCloseBox, this, [this] { forget(m_risk); });
    });
    showInFront(m_risk);
    mainWindow().hide();
}

LifeCycleWindow *Navigation::ensureLifeCycle(const StageModel &model)
{
    return ensure(m_lifeCycle, [this, &model] { return new LifeCycleWindow(model, m_dialogs); },
                  [this](LifeCycleWindow *window) {
                      connect(window, &LifeCycleWindow::backRequested, this, [this, window] {
                          window->hide();
                          showMain();
                      });
                      connect(window, &LifeCycleWindow::closedByCloseBox, this,
                              [this] { forget(m_lifeCycle); });
                      window->setAnalysisAllowed(analysisAllowed());
                      connect(window, &LifeCycleWindow::leslieModelSent, this,
                              &Navigation::leslieModelSent);
                      connect(window, &LifeCycleWindow::yieldRequested, this, [this, window] {
                          if (refusedByExercise(window))
                              return;
                          openYield(window->stageModel(), window);
                          if (const auto density = window->density())
                              m_yield->setDensitySettings(*density);
                      });
                  });
}

StageModel Navigation::mainStageModel() const
{
    PopulationModel shown;
    LeslieModel leslie;
    if (modelFromFields(m_simulation.fields(), shown)) {
        leslie.M = shown.M;
        leslie.n0 = shown.N;
        leslie.harvest = shown.H;
    }
    return stageModelFromLeslie(leslie);
}

void Navigation::openLifeCycle()
{
    // A window made now starts from the main window's model, N(t) as its N(0); one made before
    // keeps what the student left in it.
    if (!m_lifeCycle)
        ensureLifeCycle(mainStageModel());
    showInFront(m_lifeCycle);
    mainWindow().hide();
}

void Navigation::openYield(const StageModel &model, QWidget *from)
{
    m_yieldOpener = from;
    ensure(m_yield, [this, &model] { return new YieldWindow(model, m_dialogs); },
           [this](YieldWindow *window) {
               // Back to the window it was opened from: the main window or the Life cycle one.
               const auto back = [this] {
                   if (m_yieldOpener && m_yieldOpener != m_form1.get())
                       showInFront(m_yieldOpener);
                   else
                       showMain();
               };
               connect(window, &YieldWindow::backRequested, this, [window, back] {
                   window->hide();
                   back();
               });
               connect(window, &YieldWindow::closedByCloseBox, this, [this, back] {
                   m_yield->hide();
                   m_yield = nullptr;
                   back();
               });
           });
    // The curves are of the model it is opened with; K and the choices stay as they were.
    m_yield->setStageModel(model);
    // The risk of each way is run as the Risk window would run it.
    m_yield->setRiskSettings(m_risk ? m_risk->settings() : startingRiskSettings());
    showInFront(m_yield);
    if (from)
        from->hide();
}

YieldWindow *Navigation::harvestAndYield() const
{
    return m_yield;
}

void Navigation::openStageModel(const StageModel &model, const QString &source)
{
    ensureLifeCycle(model)->setStageModel(model, source);
    showInFront(m_lifeCycle);
    mainWindow().hide();
}

void Navigation::leslieModelSent(const LeslieModel &leslie)
{
    // The main window takes it as it takes the editing window's values on "Go Back".
    EditEntries entries;
    for (size_t i = 0; i < 16; ++i)
        entries.m1[i] = numberText(leslie.M[i]);
    for (size_t i = 0; i < 4; ++i) {
        entries.n0[i] = numberText(leslie.n0[i]);
        entries.Harvest1[i] = numberText(leslie.harvest[i]);
    }
    const BrokenRule rule = entries.goBack(m_simulation);
    if (rule != BrokenRule::None) {
        m_dialogs.message(m_lifeCycle, tr("Life cycle"),
                          QString::fromStdString(brokenRuleMessage(rule)), QMessageBox::Ok,
                          QMessageBox::Warning);
        return;
    }
    if (m_changdat)
        m_changdat->showEntries(entries);
    else
        m_openedEntries = entries;
    m_lifeCycle->hide();
    showMain();
    mainWindow().showModel();
}

void Navigation::quitFrom(QWidget *window)
{
    window->hide();
    ensure(m_copyrigh, [this] { return new copyrigh(m_clock); }, [this](copyrigh *notice) {
        connect(notice, &copyrigh::okClicked, this, &Navigation::openDedication);
        // Closing the notice abandons the quit: back to the main window, whatever was left.
        connect(notice, &copyrigh::closedByCloseBox, this, [this] { forget(m_copyrigh); });
    });
    showInFront(m_copyrigh);
}

void Navigation::openDedication()
{
    m_copyrigh->hide();
    ensure(m_vater, [] { return new Vater; }, [this](Vater *window) {
        connect(window, &Vater::endRequested, this, &Navigation::endRequested);
    });
    showInFront(m_vater);
    m_backform->setBackgroundColour(kWhite);
}

void Navigation::openExercise(const ModelFileRead &read)
{
    // One exercise at a time: a new one replaces the last, answers and all.
    delete m_exercise;
    m_exercise = new ExerciseWindow(read, m_dialogs);
    if (m_lifeCycle)
        m_lifeCycle->setAnalysisAllowed(analysisAllowed());
    connect(m_exercise, &QObject::destroyed, this, [this] {
        if (m_lifeCycle)
            m_lifeCycle->setAnalysisAllowed(true);
    });
    connect(m_exercise, &ExerciseWindow::studentModelReady, this,
            [this](const ModelFileRead &model) {
                m_modelFiles.apply(model);
                // The keyboard stays with the questions, not the notes the model brought up.
                showInFront(m_exercise);
            });
    Form1 &form = mainWindow();
    // Beside the main window, so the questions and the model show together: the two centred
    // where the screen has room for both, else the questions over the main window's right side.
    const QRect screen = form.screen()->availableGeometry();
    const QRect main = form.frameGeometry();
    const int width = m_exercise->width();
    int left = screen.right() + 1 - width;
    if (main.width() + width <= screen.width()) {
        form.move(screen.left() + (screen.width() - main.width() - width) / 2, main.top());
        left = form.frameGeometry().right() + 1;
        if (m_notes && m_notes->isVisible())
            openNotes(); // placed again under the equation
    }
    m_exercise->resize(width, std::min(m_exercise->height(), screen.bottom() + 1 - main.top()));
    m_exercise->setProperty("velmoraPlaced", true);
    m_exercise->move(left, main.top());
    m_exercise->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        m_exercise->raise();
    m_exercise->activateWindow();
}

bool Navigation::analysisAllowed() const
{
    return !m_exercise || m_exercise->block().analysis;
}

bool Navigation::refusedByExercise(QWidget *parent)
{
    if (analysisAllowed())
        return false;
    m_dialogs.message(parent, tr("Exercise"),
                      tr("This exercise keeps the analysis windows closed while it is open: the "
                         "answers are yours to find. Close the Exercise window to use them."),
                      QMessageBox::Ok, QMessageBox::Information);
    return true;
}

ExerciseWindow *Navigation::exercise() const { return m_exercise; }
Backform *Navigation::backdrop() const { return m_backform.get(); }
titlform *Navigation::titleScreen() const { return m_titlform.get(); }
Prophecy *Navigation::pictureScreen() const { return m_prophecy.get(); }
Changdat *Navigation::changdat() const { return m_changdat; }
Larggraf *Navigation::larggraf() const { return m_larggraf; }
Howto *Navigation::howto() const { return m_howto; }
Introfrm *Navigation::introfrm() const { return m_introfrm; }
Referenc *Navigation::referenc() const { return m_referenc; }
Quiz *Navigation::quiz() const { return m_quiz; }
copyrigh *Navigation::notice() const { return m_copyrigh; }
Vater *Navigation::dedication() const { return m_vater; }
AnalysisWindow *Navigation::analysis() const { return m_analysis; }
NotesWindow *Navigation::notes() const { return m_notes; }
RiskWindow *Navigation::risk() const { return m_risk; }
LifeCycleWindow *Navigation::lifeCycle() const { return m_lifeCycle; }

} // namespace velmora
