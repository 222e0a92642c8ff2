#pragma once

#include "ui/analysis/analysiswindow.h"
#include "ui/edit/changdat.h"
#include "ui/screens/copyrigh.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/fakemodelfiledialogs.h"
#include "ui/main/form1.h"
#include "ui/screens/howto.h"
#include "ui/screens/introfrm.h"
#include "ui/charts/larggraf.h"
#include "ui/shell/navigation.h"
#include "ui/screens/prophecy.h"
#include "ui/screens/quiz.h"
#include "ui/screens/referenc.h"
#include "model/simulation.h"
#include "ui/screens/titlform.h"
#include "ui/screens/vater.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace velmora {

// The whole program's windows around one history, started as the program starts them.
struct Program {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};
    FakeDialogs dialogs;
    FakeModelFileDialogs modelFileDialogs;
    int year = 2026;
    Navigation navigation{*history, simulation, dialogs, [this] { return year; }, &modelFileDialogs};
    QSignalSpy ended{&navigation, &Navigation::endRequested};

    // Started as the program starts, and led past the title and picture screens by keys.
    explicit Program(bool passStartScreens = true)
    {
        navigation.start();
        if (!passStartScreens)
            return;
        QTest::keyClick(navigation.titleScreen(), Qt::Key_A);
        QTest::keyClick(navigation.pictureScreen(), Qt::Key_Return);
    }

    Form1 &form() { return navigation.mainWindow(); }

    static void click(QWidget *window, const QString &name)
    {
        auto *button = window->findChild<QWidget *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    void clickMain(const QString &name) { click(&form(), name); }
    QString mainText(const QString &name)
    {
        return form().findChild<QLineEdit *>(name)->text();
    }

    // Opens a window of a program past its start screens the way a user does and returns it:
    // "main", "chart" (after four steps), "editing", "how to", "intro", "references",
    // "quiz", "analysis", "notice" or "dedication".
    QWidget *open(const QString &window)
    {
        if (window == QLatin1String("chart")) {
            for (int k = 0; k < 4; ++k) {
                clickMain(QStringLiteral("Command1"));
                clickMain(QStringLiteral("Command2"));
            }
            clickMain(QStringLiteral("Command4"));
            return navigation.larggraf();
        }
        const std::pair<const char *, const char *> openers[] = {
            {"editing", "Command5"}, {"how to", "Command6"}, {"intro", "Command8"},
            {"references", "Command8"}, {"quiz", "Command9"}, {"notice", "Command3"},
            {"dedication", "Command3"}};
        for (const auto &[name, opener] : openers) {
            if (window == QLatin1String(name))
                clickMain(QLatin1String(opener));
        }
        if (window == QLatin1String("references"))
            click(navigation.introfrm(), QStringLiteral("Command2"));
        if (window == QLatin1String("dedication"))
            click(navigation.notice(), QStringLiteral("Command1"));
        // The context menu's entry, without the menu's own event loop.
        if (window == QLatin1String("analysis"))
            emit form().analysisRequested();

        const std::pair<const char *, QWidget *> windows[] = {
            {"main", &form()},
            {"editing", navigation.changdat()},
            {"how to", navigation.howto()},
            {"intro", navigation.introfrm()},
            {"references", navigation.referenc()},
            {"quiz", navigation.quiz()},
            {"analysis", navigation.analysis()},
            {"notice", navigation.notice()},
            {"dedication", navigation.dedication()}};
        for (const auto &[name, shown] : windows) {
            if (window == QLatin1String(name))
                return shown;
        }
        return nullptr;
    }
};

} // namespace velmora
