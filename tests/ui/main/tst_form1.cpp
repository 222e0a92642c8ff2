#include "tests/support/defaultrun.h"
#include "tests/support/fakedialogs.h"
#include "ui/main/form1.h"
#include "ui/common/programlook.h"
#include "model/simulation.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace velmora;

namespace {

// The main window around its own history and simulation, shown as the user sees it.
struct Window {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};
    FakeDialogs dialogs;
    bool started = (simulation.startUp(), true);
    Form1 form{simulation, dialogs};

    Window()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QString text(const QString &name) const
    {
        return form.findChild<QLineEdit *>(name)->text();
    }
    QPushButton *button(const QString &name) const
    {
        return form.findChild<QPushButton *>(name);
    }
    QWidget *widget(const QString &name) const { return form.findChild<QWidget *>(name); }
    void click(const QString &name) const
    {
        QWidget *w = widget(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    QStringList column(const QString &prefix) const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << text(prefix + QString::number(i));
        return texts;
    }
    // Which of Project, Transit, Graph, the two arrows and the banner are available.
    QString state() const
    {
        QString flags;
        for (bool on : {button("Command1")->isEnabled(), widget("Project")->isVisible(),
                        button("Command2")->isEnabled(), widget("Transit")->isVisible(),
                        button("Command4")->isEnabled(), widget("extinct")->isVisible()})
            flags += on ? QLatin1Char('1') : QLatin1Char('0');
        return flags;
    }
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void firstDisplayShowsDefaults();
    void clicksRunTheDefaultTable();
    void arrowImagesActLikeTheirButtons();
    void availabilityFollowsTheSteps();
    void rejectedStepShowsMessageBox();
    void endOfSimulationShowsBanner();
    void fieldsRefuseTyping();
    void printWithoutPrinterOffersPdf();
    void commandsAskForTheirWindows();
    void closeBoxEndsProgram();
};

void TestForm1::firstDisplayShowsDefaults()
{
    Window w;
    QCOMPARE(w.form.windowTitle(), QString("Velmora model based on Lewis-Leslie matrix"));
    QCOMPARE(w.form.size(), QSize(697, 532));
    QCOMPARE(w.column("n1_"), QStringList({"10", "10", "10", "10"}));
    QCOMPARE(w.column("Harvest_"), QStringList({"5", "0", "0", "0"}));
    QCOMPARE(w.text("m_4") + w.text("m_9") + w.text("m_14"), QString("0.510.5"));
    QCOMPARE(w.text("total1"), QString("40"));
    QCOMPARE(w.text("simu0"), QString("0"));
    QCOMPARE(w.text("n2_0").trimmed() + w.text("total2").trimmed() + w.text("growrate").trimmed()
                 + w.text("simut"),
             QString());
    QCOMPARE(w.state(), QString("110000"));
    QCOMPARE(QApplication::focusWidget(), w.button("Command1"));
    QVERIFY(w.form.findChild<QLabel *>("Label5")->text().contains(QString::number(QDate::currentDate().year())));
    // Cells are coloured by role: fecundities red, survival rates blue, the rest black.
    auto textColour = [&](const QString &name) {
        return w.form.findChild<QLineEdit *>(name)->palette().color(QPalette::Text);
    };
    QCOMPARE(textColour("m_2"), QColor(255, 0, 0));
    QCOMPARE(textColour("m_14"), QColor(0, 0, 255));
    QCOMPARE(textColour("m_13"), QColor(Qt::black));
    QCOMPARE(w.widget("m_14")->geometry(), QRect(112, 232, 49, 33));
    // A hover over the equation's numbers tells a first-time user that the context menu exists.
    QWidget *field = w.widget("Harvest_0");
    const QPoint centre = field->rect().center();
    QHelpEvent hover(QEvent::ToolTip, centre, field->mapToGlobal(centre));
    QApplication::sendEvent(field, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().contains("Menu key"), qPrintable(QToolTip::text()));
    QToolTip::hideText();
}

void TestForm1::clicksRunTheDefaultTable()
{
    Window w;
    const QList<QStringList> rows = defaultRunRows();
    for (int k = 1; k <= rows.size(); ++k) {
        w.click("Command1");
        QCOMPARE(w.column("n2_") << w.text("total2") << w.text("growrate"), rows[k - 1]);
        QCOMPARE(w.text("simut"), QString::number(k));
        w.click("Command2");
        QCOMPARE(w.column("n1_"), rows[k - 1].mid(0, 4));
        QCOMPARE(w.text("total1"), rows[k - 1][4]);
        QCOMPARE(w.text("simu0"), QString::number(k));
        QCOMPARE(w.text("n2_0") + w.text("total2") + w.text("growrate") + w.text("simut"), QString());
    }
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestForm1::arrowImagesActLikeTheirButtons()
{
    Window w;
    w.click("Project");
    QCOMPARE(w.column("n2_"), QStringList({"35", "5", "10", "5"}));
    QCOMPARE(w.state(), QString("001100"));
    QCOMPARE(QApplication::focusWidget(), w.button("Command2"));
    w.click("Transit");
    QCOMPARE(w.column("n1_"), QStringList({"35", "5", "10", "5"}));
    QCOMPARE(w.state(), QString("110000"));
    QCOMPARE(QApplication::focusWidget(), w.button("Command1"));
}

void TestForm1::availabilityFollowsTheSteps()
{
    Window w;
    for (int k = 1; k <= 4; ++k) {
        w.click("Command1");
        QCOMPARE(w.state(), k < 4 ? QString("001100") : QString("001110"));
        w.click("Command2");
        QCOMPARE(w.state(), k < 4 ? QString("110000") : QString("110010"));
    }
    // A changed matrix cell withdraws the shown projection; the arrows wait for the Restart.
    w.click("Command1");
    w.simulation.setMatrixCell(0, "1");
    w.form.showModel();
    QCOMPARE(w.text("n2_0") + w.text("total2") + w.text("growrate"), QString());
    QCOMPARE(w.state(), QString("100110"));
    w.simulation.Restart();
    w.form.showModel();
    QCOMPARE(w.state(), QString("110000"));
    QCOMPARE(QApplication::focusWidget(), w.button("Command1"));
}

void TestForm1::rejectedStepShowsMessageBox()
{
    Window w;
    for (int i = 0; i < 4; ++i)
        w.simulation.fields().Harvest[size_t(i)] = "100";
    w.simulation.Restart();
    w.form.showModel();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        w.click("Command1");
        QCOMPARE(w.dialogs.messages.size(), attempt);
        const FakeDialogs::Shown &box = w.dialogs.messages.last();
        QCOMPARE(box.text, QString("Population size = 0"));
        QCOMPARE(box.title, QString("N = 0"));
        QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(w.column("n2_") << w.text("total2") << w.text("growrate"),
                 QStringList({"0", "0", "0", "0", "0", "0"}));
        QCOMPARE(w.text("simut"), QString("1"));
        QCOMPARE(w.state(), QString("110000"));
    }
}

void TestForm1::endOfSimulationShowsBanner()
{
    Window w;
    for (int i = 0; i < 4; ++i)
        w.simulation.fields().n1[size_t(i)] = "0";
    w.simulation.Restart();
    w.form.showModel();
    w.click("Command1");
    QCOMPARE(w.state(), QString("000001"));
    QCOMPARE(w.form.findChild<QLabel *>("extinct")->text(),
             QString("Population size = 0.  End of simulation."));
    QCOMPARE(QApplication::focusWidget(), w.button("Command3"));
    QCOMPARE(w.text("simut"), QString("1"));
    QVERIFY(w.dialogs.messages.isEmpty());
}

void TestForm1::fieldsRefuseTyping()
{
    Window w;
    auto *field = w.form.findChild<QLineEdit *>("n1_0");
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "99");
    QTest::keyClick(field, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText("123");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), QString("10"));
    QVERIFY(!field->acceptDrops());
    w.click("Command1");
    QCOMPARE(w.text("n2_0"), QString("35")); // computed from the untouched "10"s
}

void TestForm1::printWithoutPrinterOffersPdf()
{
    Window w;
    w.click("Command1");
    const QStringList before = w.column("n2_");
    w.dialogs.answer = QMessageBox::No;
    w.click("Command7");
    if (w.dialogs.messages.isEmpty())
        QSKIP("a printer is set up here; the no-printer path cannot be reached");
    QCOMPARE(w.dialogs.messages.last().buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(w.dialogs.proposals.isEmpty());

    QTemporaryDir dir;
    w.dialogs.answer = QMessageBox::Yes;
    w.dialogs.fileName = dir.filePath("page");
    w.click("Command7");
    // The dialog adds the ending, so any question it asks is about the file written.
    QCOMPARE(w.dialogs.saveOptions.last().defaultSuffix, QString("pdf"));
    QVERIFY(QFile::exists(dir.filePath("page.pdf")));
    // The page, drawn by a PDF renderer of its own, must show the window: its place on the
    // page, shrunk to a coarse grid, matches the window's own image.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {"-r", "40", "-png", "-singlefile",
                                              dir.filePath("page.pdf"), dir.filePath("page")});
    QVERIFY2(render.waitForFinished(30000) && render.exitCode() == 0,
             "pdftoppm (poppler-utils) could not render the page");
    const QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    const QImage window = w.form.grab().toImage();
    const QSize fitted = window.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect placed(QPoint((page.width() - fitted.width()) / 2,
                              (page.height() - fitted.height()) / 2), fitted);
    const QSize grid(24, 16);
    const QImage seen = page.copy(placed)
                            .scaled(grid, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    const QImage shown = window.scaled(grid, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    double difference = 0;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const QColor a = seen.pixelColor(x, y);
            const QColor b = shown.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
                          + std::abs(a.blue() - b.blue());
        }
    difference /= 3.0 * grid.width() * grid.height();
    QVERIFY2(difference < 12, qPrintable(QString("mean difference %1 of 255").arg(difference)));
    QCOMPARE(w.column("n2_"), before);
    QCOMPARE(w.state(), QString("001100"));
}

void TestForm1::commandsAskForTheirWindows()
{
    Window w;
    const QList<QPair<QString, void (Form1::*)()>> commands = {
        {"Command8", &Form1::introRequested},  {"Label4", &Form1::introRequested},
        {"Command6", &Form1::howToRequested},  {"Command5", &Form1::changeDefaultsRequested},
        {"Command9", &Form1::quizRequested},   {"Command3", &Form1::quitRequested},
        {"cmdSave", &Form1::saveRequested},
    };
    for (const auto &[name, signal] : commands) {
        QSignalSpy spy(&w.form, signal);
        w.click(name);
        QVERIFY2(spy.count() == 1, qPrintable(name));
    }
    QSignalSpy graph(&w.form, &Form1::graphRequested);
    w.click("Command4"); // disabled until the fourth projection
    QCOMPARE(graph.count(), 0);
}

void TestForm1::closeBoxEndsProgram()
{
    Window w;
    QSignalSpy spy(&w.form, &Form1::closedByCloseBox);
    w.form.close();
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
