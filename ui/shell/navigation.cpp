#include "navigation.h"

#include "changdat.h"
#include "form1.h"
#include "historysaver.h"
#include "larggraf.h"
#include "module1.h"

#include <QScreen>

void showInFront(QWidget *window)
{
    if (!window->property("velmoraPlaced").toBool()) {
        window->setProperty("velmoraPlaced", true);
        if (QScreen *screen = window->screen())
            window->move(screen->availableGeometry().center() - window->rect().center());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

Navigation::Navigation(Module1 &history, Simulation &simulation, Dialogs &dialogs)
    : m_history(history)
    , m_simulation(simulation)
    , m_dialogs(dialogs)
    , m_form1(std::make_unique<Form1>(simulation, dialogs))
    , m_saver(std::make_unique<HistorySaver>(history, dialogs))
{
    Form1 *form = m_form1.get();
    connect(form, &Form1::closedByCloseBox, this, &Navigation::endRequested);
    connect(form, &Form1::saveRequested, this, [this] { m_saver->SaveGraphicData(m_form1.get()); });
    connect(form, &Form1::changeDefaultsRequested, this, &Navigation::openChangeDefaults);
    connect(form, &Form1::graphRequested, this, &Navigation::openGraph);
    connect(form, &Form1::quitRequested, this, [this] { quitFrom(m_form1.get()); });
}

Navigation::~Navigation()
{
    delete m_changdat;
    delete m_larggraf;
}

void Navigation::start()
{
    showMain();
}

void Navigation::showMain()
{
    showInFront(m_form1.get());
}

void Navigation::openChangeDefaults()
{
    if (!m_changdat) {
        m_changdat = new Changdat(m_simulation);
        connect(m_changdat, &Changdat::goBackAccepted, this, [this] {
            m_changdat->hide();
            showMain();
        });
        connect(m_changdat, &Changdat::valuesApplied, this, [this] { m_form1->showModel(); });
        connect(m_changdat, &Changdat::quitRequested, this, [this] { quitFrom(m_changdat); });
    }
    m_form1->hide();
    showInFront(m_changdat);
}

void Navigation::openGraph()
{
    if (!m_larggraf) {
        m_larggraf = new Larggraf(m_history, m_dialogs);
        connect(m_larggraf, &Larggraf::goBackRequested, this, [this] {
            showMain();
            m_larggraf->hide();
        });
        connect(m_larggraf, &Larggraf::quitRequested, this, [this] { quitFrom(m_larggraf); });
        // The window is on its way to being destroyed; the next "Graph" makes a new one.
        connect(m_larggraf, &Larggraf::closedByCloseBox, this, &Navigation::showMain);
    }
    m_larggraf->drawAgeStructure();
    m_form1->hide();
    showInFront(m_larggraf);
}

void Navigation::quitFrom(QWidget *window)
{
    window->hide();
    // The closing notice takes over from here once it exists; until then quitting ends the run.
    emit endRequested();
}

Changdat *Navigation::changdat() const
{
    return m_changdat;
}

Larggraf *Navigation::larggraf() const
{
    return m_larggraf;
}
