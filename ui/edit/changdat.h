#pragma once

#include "model/editentries.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Simulation;

// "Change default values": the window in which M, N(0) and H are typed, checked and applied.
// It never shows or hides other windows itself; the navigation reacts to its signals.
// It is hidden, not destroyed, when left, and keeps its texts and message strip. It has no
// close box and ignores a window manager's close request: it is left only through its buttons.
class Changdat : public QWidget {
    Q_OBJECT

public:
    explicit Changdat(Simulation &simulation, QWidget *parent = nullptr);

    const EditEntries &entries() const { return m_entries; }

    // A model opened from a file took the place of the values: shows its texts, with the motto
    // in place of any message left from before, as they would stand after a "Go Back".
    void showEntries(const EditEntries &entries);

signals:
    // "Go Back" passed the checks and tidied the texts: hide this window and show the main
    // window now; the new values are written into the simulation right after this returns.
    void goBackAccepted();
    // The values are in the simulation and the run restarted at t = 0: the main window shows
    // the simulation's fields and gives "Project" the focus.
    void valuesApplied();
    // "Quit": hide this window and show the closing notice; nothing was applied.
    void quitRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void buildControls();
    void orderTabs();
    void describeForScreenReaders();
    void showTexts();
    void showMessageArea();

    Simulation &m_simulation;
    EditEntries m_entries;

    std::array<QLineEdit *, 16> m_m1{};
    std::array<QLineEdit *, 4> m_n0{};
    std::array<QLineEdit *, 4> m_Harvest1{};
    QLabel *m_Label1 = nullptr;
    QLabel *m_Label2 = nullptr;
    QLabel *m_Label6 = nullptr;
    QLabel *m_Label7 = nullptr;
    QLabel *m_Label8 = nullptr;
    QLabel *m_Label9 = nullptr;
    QLabel *m_Label10 = nullptr;
    QLabel *m_Label11 = nullptr; // a survival rate below 0
    QFrame *m_Frame1 = nullptr;
    QPushButton *m_Command1 = nullptr; // "Go Back"
    QPushButton *m_Command2 = nullptr; // "Quit"
    QPushButton *m_Command3 = nullptr; // "Try again"
};

} // namespace velmora
