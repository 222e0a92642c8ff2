#include "modelfile/modelexamples.h"
#include "modelfile/modelfile.h"
#include "tests/modelfile/badmodelfiles.h"
#include "tests/ui/shell/program.h"
#include "ui/common/programlook.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "ui/modelfiles/noteswindow.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace velmora;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kExercise =
    "{\"format\": \"velmora-model\", \"version\": 1, \"title\": \"Exercise <3>\",\n"
    " \"notes\": \"Watch the total.\\nAnd the growth rate.\", \"fecundities\": [0, 0.4, 0.8, 0.4],\n"
    " \"survival\": [0.5, 0.8, 0.5], \"n0\": [100, 90, 80, 70], \"harvest\": [1, 2, 3, 4]}\n";

// Everything a user can see of the model: the main window's fields, the step counter, the
// editing window's texts and message, the heading's tool tip.
struct Seen {
    QStringList main;
    int tcount = -1;
    QStringList editing;
    bool editingMotto = false;
    QString toolTip;

    bool operator==(const Seen &o) const
    {
        return main == o.main && tcount == o.tcount && editing == o.editing
               && editingMotto == o.editingMotto && toolTip == o.toolTip;
    }
};

QStringList texts(QWidget *window, const QString &prefix, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << window->findChild<QLineEdit *>(prefix + QString::number(i))->text();
    return list;
}

Seen seen(Program &p)
{
    Seen s;
    QWidget *form = &p.form();
    s.main = texts(form, "m_", 16) + texts(form, "n1_", 4) + texts(form, "Harvest_", 4)
             + texts(form, "n2_", 4);
    for (const char *name : {"total1", "total2", "growrate", "simu0", "simut"})
        s.main << p.mainText(name);
    s.tcount = p.history->tcount;
    if (Changdat *editing = p.navigation.changdat()) {
        s.editing = texts(editing, "m1_", 16) + texts(editing, "n0_", 4)
                    + texts(editing, "Harvest1_", 4);
        s.editingMotto = editing->entries().messages.mottoShown();
    }
    s.toolTip = form->findChild<QLabel *>("Label4")->toolTip();
    return s;
}

// Types into the editing window and leaves it with "Go Back" (or, when refused, stays there).
void typeAndGoBack(Program &p, const QString &field, const QString &text)
{
    p.clickMain("Command5");
    auto *edit = p.navigation.changdat()->findChild<QLineEdit *>(field);
    edit->setText(text);
    Program::click(p.navigation.changdat(), "Command1");
}

void step(Program &p, int pairs)
{
    for (int k = 0; k < pairs; ++k) {
        p.clickMain("Command1");
        p.clickMain("Command2");
    }
}

// Opens the main window's context menu with the Menu key and types `keys` into it.
// Opens the main window's context menu from the keyboard and types the keys into it.
void chooseFromMenu(Form1 &form, const QList<Qt::Key> &keys)
{
    QWidget *focus = form.focusWidget() ? form.focusWidget() : &form;
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, focus->rect().center(),
                              focus->mapToGlobal(focus->rect().center()));
    QApplication::sendEvent(focus, &menuKey);
    for (Qt::Key key : keys) {
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), key);
    }
}

} // namespace

class TestModelFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void openedModelRestartsTheRunAsGoBackDoes();
    void editingWindowMadeLaterShowsTheOpenedModel();
    void badFileIsRefusedAndNothingChanges_data();
    void badFileIsRefusedAndNothingChanges();
    void cancelledOpenChangesNothing();
    void menuEntriesByTheirKeys_data();
    void menuEntriesByTheirKeys();
    void examplesMenuOpensEveryExample();
    void modelWithDensityOpensInLifeCycle();
    void aboutThisModelIsOfferedOnlyWithSomethingToShow();
    void notesWindowLeavesWithTheMainWindow();
    void saveWritesNZeroNotTheCurrentStep();
    void saveProposesTheOpenedFileAndKeepsItsTitle();
    void saveFailureIsReportedNamingTheFile_data();
    void saveFailureIsReportedNamingTheFile();
    void fileGivenAtStartOpensAfterTheStartScreens();
    void badFileGivenAtStartLeavesTheDefaultModel();
    void analysisWindowShowsTheTitle();
};

void TestModelFiles::openedModelRestartsTheRunAsGoBackDoes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    QVERIFY(writeBytes(path, kExercise));

    // The same values typed into the editing window: what "Go Back" makes of them.
    Program typed;
    typed.clickMain("Command5");
    Changdat *editing = typed.navigation.changdat();
    const QStringList values{"0", "0.4", "0.8", "0.4", "0.5", "0.8", "0.5"};
    const int cells[] = {0, 1, 2, 3, 4, 9, 14};
    for (int i = 0; i < 7; ++i)
        editing->findChild<QLineEdit *>(QString("m1_%1").arg(cells[i]))->setText(values[i]);
    for (int i = 0; i < 4; ++i) {
        editing->findChild<QLineEdit *>(QString("n0_%1").arg(i))->setText(QString::number(100 - 10 * i));
        editing->findChild<QLineEdit *>(QString("Harvest1_%1").arg(i))->setText(QString::number(i + 1));
    }
    Program::click(editing, "Command1");
    QVERIFY(typed.form().isVisible());

    Program p;
    p.clickMain("Command5"); // an editing window that exists, with a message left on show
    auto *survival = p.navigation.changdat()->findChild<QLineEdit *>("m1_4");
    survival->setText("2");
    Program::click(p.navigation.changdat(), "Command1");
    QVERIFY(!p.navigation.changdat()->entries().messages.mottoShown());
    Program::click(p.navigation.changdat(), "Command2"); // "Quit", then back by the close box
    p.navigation.notice()->close();
    QTRY_VERIFY(p.form().isVisible());
    step(p, 3);

    p.modelFileDialogs.fileName = path;
    emit p.form().openModelRequested();
    QCOMPARE(p.dialogs.messages.size(), 0);
    Seen opened = seen(p);
    Seen expected = seen(typed);
    QCOMPARE(opened.main, expected.main);
    QCOMPARE(opened.tcount, 0);
    QCOMPARE(opened.editing, expected.editing);
    QVERIFY(opened.editingMotto);
    QVERIFY(opened.toolTip.contains("Model: Exercise &lt;3&gt;"));
    QCOMPARE(p.form().focusWidget(), p.form().findChild<QWidget *>("Command1"));

    // The notes come up at once, over the main window.
    NotesWindow *notes = p.navigation.notes();
    QVERIFY(notes && notes->isVisible());
    QCOMPARE(notes->findChild<QLabel *>("titleLabel")->text(), "Exercise <3>");
    QCOMPARE(notes->findChild<QPlainTextEdit *>("notesText")->toPlainText(),
             "Watch the total.\nAnd the growth rate.");
    QVERIFY(p.form().isVisible());
}

void TestModelFiles::editingWindowMadeLaterShowsTheOpenedModel()
{
    Program p;
    QVERIFY(!p.navigation.changdat());
    emit p.form().exampleRequested(":/examples/oscillating.velmora");
    p.clickMain("Command5");
    Changdat *editing = p.navigation.changdat();
    QCOMPARE(texts(editing, "m1_", 4), QStringList({"0", "0", "0", "8"}));
    QCOMPARE(texts(editing, "n0_", 4), QStringList({"50", "10", "10", "10"}));
    QCOMPARE(texts(editing, "Harvest1_", 4), QStringList({"0", "0", "0", "0"}));
    // "Go Back" without a change keeps the opened model.
    Program::click(editing, "Command1");
    QCOMPARE(texts(&p.form(), "m_", 4), QStringList({"0", "0", "0", "8"}));
}

void TestModelFiles::badFileIsRefusedAndNothingChanges_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    for (const BadModelFile &bad : badModelFiles())
        QTest::addRow("%s", bad.name) << bad.bytes << bad.problem;
    QTest::addRow("larger than 1 MiB")
        << QByteArray(kModelFileMaxBytes + 1, ' ')
        << "it is larger than 1 MiB, far more than a model needs";
}

void TestModelFiles::badFileIsRefusedAndNothingChanges()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString good = dir.filePath("good.velmora");
    const QString bad = dir.filePath("bad file.velmora");
    QVERIFY(writeBytes(good, kExercise));
    QVERIFY(writeBytes(bad, bytes));

    Program p;
    p.modelFileDialogs.fileName = good;
    emit p.form().openModelRequested();
    p.navigation.notes()->hide();
    typeAndGoBack(p, "Harvest1_0", "6");
    step(p, 2);
    p.clickMain("Command1");
    p.clickMain("Command5");
    p.navigation.changdat()->findChild<QLineEdit *>("n0_1")->setText("7kg");
    Program::click(p.navigation.changdat(), "Command2"); // "Quit", then back
    p.navigation.notice()->close();
    QTRY_VERIFY(p.form().isVisible());
    const Seen before = seen(p);
    const QByteArray saved = QByteArray(reinterpret_cast<const char *>(p.history.get()),
                                        sizeof(Module1::Nhist));

    p.modelFileDialogs.fileName = bad;
    emit p.form().openModelRequested();
    QCOMPARE(p.dialogs.messages.size(), 1);
    const FakeDialogs::Shown &box = p.dialogs.messages.first();
    QCOMPARE(box.title, "Open model");
    QCOMPARE(box.text, "This model file was not opened:\n\"" + bad + "\": " + problem
                           + "\n\nNothing was changed.");
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY(seen(p) == before);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(p.history.get()), sizeof(Module1::Nhist)),
             saved);
    QCOMPARE(p.navigation.modelFiles().title(), "Exercise <3>");
    QVERIFY(!p.navigation.notes()->isVisible());
    // The next dialog still starts where the good file was.
    emit p.form().openModelRequested();
    QCOMPARE(p.modelFileDialogs.folders.last(), dir.path());
}

void TestModelFiles::cancelledOpenChangesNothing()
{
    Program p;
    step(p, 2);
    const Seen before = seen(p);
    p.modelFileDialogs.fileName.clear();
    emit p.form().openModelRequested();
    QCOMPARE(p.modelFileDialogs.folders, QStringList{QDir::homePath()});
    QVERIFY(seen(p) == before);
    QVERIFY(p.dialogs.messages.isEmpty());
    QVERIFY(!p.navigation.notes());
}

void TestModelFiles::menuEntriesByTheirKeys_data()
{
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("argument");
    QTest::addRow("analysis") << QList<Qt::Key>{Qt::Key_A} << "analysisRequested" << QString();
    QTest::addRow("open") << QList<Qt::Key>{Qt::Key_O} << "openModelRequested" << QString();
    QTest::addRow("save") << QList<Qt::Key>{Qt::Key_S} << "saveModelRequested" << QString();
    QTest::addRow("about") << QList<Qt::Key>{Qt::Key_B} << "aboutModelRequested" << QString();
    QTest::addRow("second example") << QList<Qt::Key>{Qt::Key_X, Qt::Key_2} << "exampleRequested"
                                    << ":/examples/declining.velmora";
    QTest::addRow("fifth example") << QList<Qt::Key>{Qt::Key_X, Qt::Key_5} << "exampleRequested"
                                   << ":/examples/harvest-above-limit.velmora";
    QTest::addRow("escape") << QList<Qt::Key>{Qt::Key_Escape} << QString() << QString();
}

void TestModelFiles::menuEntriesByTheirKeys()
{
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(QString, signal);
    QFETCH(QString, argument);
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.startUp();
    FakeDialogs dialogs;
    Form1 form(simulation, dialogs);
    form.setModelTitle("Exercise", false);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QStringList emitted;
    QString example;
    connect(&form, &Form1::analysisRequested, [&] { emitted << "analysisRequested"; });
    connect(&form, &Form1::openModelRequested, [&] { emitted << "openModelRequested"; });
    connect(&form, &Form1::saveModelRequested, [&] { emitted << "saveModelRequested"; });
    connect(&form, &Form1::aboutModelRequested, [&] { emitted << "aboutModelRequested"; });
    connect(&form, &Form1::exampleRequested, [&](const QString &path) {
        emitted << "exampleRequested";
        example = path;
    });
    chooseFromMenu(form, keys);
    QCOMPARE(emitted, signal.isEmpty() ? QStringList() : QStringList{signal});
    QCOMPARE(example, argument);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestModelFiles::examplesMenuOpensEveryExample()
{
    for (const ModelExample &example : modelExamples()) {
        Program p;
        emit p.form().exampleRequested(example.path);
        QVERIFY2(p.dialogs.messages.isEmpty(), qPrintable(example.fileName));
        if (example.stageModel) {
            // A life cycle opens in its own window with its source; the main window keeps its model.
            const ModelFileRead read = readModelFile(example.path);
            QVERIFY(p.navigation.lifeCycle() && p.navigation.lifeCycle()->isVisible());
            QCOMPARE(p.navigation.lifeCycle()->stageModel().stages, read.stageDocument->model.stages);
            QCOMPARE(p.navigation.lifeCycle()->source(), read.stageDocument->source);
            QVERIFY(p.navigation.modelFiles().title().isEmpty());
            continue;
        }
        const ModelFileRead read = readModelFile(example.path);
        QCOMPARE(p.mainText("Harvest_0"),
                 QString::fromStdString(modelEntries(read.document->values).Harvest1[0]));
        QCOMPARE(p.navigation.modelFiles().title(), example.title);
        QVERIFY(p.navigation.notes()->isVisible());
    }
}

// The main window holds the linear model only: a 4-class model with density dependence opens in
// the Life cycle window, whose Step and Run use it.
void TestModelFiles::modelWithDensityOpensInLifeCycle()
{
    Program p;
    QTemporaryDir dir;
    const QString path = dir.filePath("density.velmora");
    ModelDocument document{"Level off", QString(), {{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {0, 0, 0, 0}}};
    document.yield.density = DensityBlock{DensityForm::Ricker, 500, {"1", "2"}};
    QVERIFY(writeModelFile(path, document).ok);
    const QString mainHarvest = p.mainText("Harvest_0");
    QVERIFY(p.navigation.modelFiles().open(path, &p.form()));
    LifeCycleWindow *window = p.navigation.lifeCycle();
    QVERIFY(window && window->isVisible());
    const std::optional<DensitySettings> density = window->density();
    QVERIFY(density);
    QCOMPARE(density->capacity, 500.0);
    QCOMPARE(density->counted, (std::vector<int>{1, 2}));
    QCOMPARE(p.mainText("Harvest_0"), mainHarvest);
}

void TestModelFiles::aboutThisModelIsOfferedOnlyWithSomethingToShow()
{
    Program p;
    const auto aboutEnabled = [&p] {
        chooseFromMenu(p.form(), {});
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QAction *about = menu ? menu->findChild<QAction *>("aboutModel") : nullptr;
        const bool enabled = about && about->text() == "A&bout this model" && about->isEnabled();
        if (menu)
            menu->close();
        return enabled;
    };
    QVERIFY(!aboutEnabled());
    emit p.form().exampleRequested(":/examples/declining.velmora");
    QVERIFY(aboutEnabled());

    // Closed, the notes come back from the menu.
    Program::click(p.navigation.notes(), "Command1");
    QVERIFY(!p.navigation.notes()->isVisible());
    emit p.form().aboutModelRequested();
    QVERIFY(p.navigation.notes()->isVisible());
    QCOMPARE(p.navigation.notes()->findChild<QLabel *>("titleLabel")->text(),
             "A declining population");

    // A model without title and notes leaves nothing to show about it.
    QTemporaryDir dir;
    ModelDocument bare;
    bare.values = {{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    QVERIFY(writeModelFile(dir.filePath("bare.velmora"), bare).ok);
    p.modelFileDialogs.fileName = dir.filePath("bare.velmora");
    emit p.form().openModelRequested();
    QVERIFY(!p.navigation.notes()->isVisible());
    QVERIFY(!aboutEnabled());
    QCOMPARE(p.form().findChild<QLabel *>("Label4")->toolTip(), "Introduction");
}

void TestModelFiles::notesWindowLeavesWithTheMainWindow()
{
    Program p;
    emit p.form().exampleRequested(":/examples/default.velmora");
    QVERIFY(p.navigation.notes()->isVisible());
    p.clickMain("Command6"); // "How To"
    QVERIFY(!p.form().isVisible());
    QVERIFY(!p.navigation.notes()->isVisible());
}

void TestModelFiles::saveWritesNZeroNotTheCurrentStep()
{
    QTemporaryDir dir;
    Program p;
    typeAndGoBack(p, "m1_14", "0.25");
    step(p, 3);
    p.clickMain("Command1");
    QCOMPARE(p.mainText("simu0"), "3");

    p.modelFileDialogs.fileName = dir.filePath("mine.velmora");
    emit p.form().saveModelRequested();
    QCOMPARE(p.modelFileDialogs.proposals, QStringList{QDir::home().filePath("model.velmora")});
    QVERIFY(p.dialogs.messages.isEmpty());
    const ModelFileRead read = readModelFile(dir.filePath("mine.velmora"));
    QVERIFY2(read.ok(), qPrintable(read.message()));
    const ModelValues expected{{0, 1, 2, 1}, {0.5, 1, 0.25}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    QVERIFY(read.document->values == expected);
    QVERIFY(read.document->title.isEmpty());
    // Saving changed nothing of the run.
    QCOMPARE(p.mainText("simu0"), "3");
    QCOMPARE(p.history->tcount, 4);

    // A cancelled dialog writes nothing.
    p.modelFileDialogs.fileName.clear();
    emit p.form().saveModelRequested();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"mine.velmora"});
}

void TestModelFiles::saveProposesTheOpenedFileAndKeepsItsTitle()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    QVERIFY(writeBytes(path, kExercise));
    Program p;
    emit p.form().exampleRequested(":/examples/oscillating.velmora");
    p.modelFileDialogs.fileName = dir.filePath("copy.velmora");
    emit p.form().saveModelRequested();
    // A built-in example is offered under its own name, in the folder of the dialogs.
    QCOMPARE(p.modelFileDialogs.proposals.last(), QDir::home().filePath("oscillating.velmora"));
    QCOMPARE(readModelFile(dir.filePath("copy.velmora")).document->title,
             modelExamples().at(2).title);

    p.modelFileDialogs.fileName = path;
    emit p.form().openModelRequested();
    typeAndGoBack(p, "Harvest1_3", "0");
    p.modelFileDialogs.fileName = path;
    emit p.form().saveModelRequested();
    QCOMPARE(p.modelFileDialogs.proposals.last(), path);
    const ModelFileRead read = readModelFile(path);
    QCOMPARE(read.document->title, "Exercise <3>");
    QCOMPARE(read.document->notes, "Watch the total.\nAnd the growth rate.");
    QCOMPARE(read.document->values.harvest, (std::array<double, 4>{1, 2, 3, 0}));
}

void TestModelFiles::saveFailureIsReportedNamingTheFile_data()
{
    QTest::addColumn<QString>("survival");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::addRow("missing folder") << "0.5" << "missing/out.velmora"
                                    << "could not be written: No such file or directory";
}

void TestModelFiles::saveFailureIsReportedNamingTheFile()
{
    QFETCH(QString, survival);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    Program p;
    typeAndGoBack(p, "m1_4", survival);
    QCOMPARE(p.mainText("m_4"), survival);
    p.modelFileDialogs.fileName = dir.filePath(name);
    emit p.form().saveModelRequested();
    QCOMPARE(p.dialogs.messages.size(), 1);
    QCOMPARE(p.dialogs.messages.first().title, "Save model");
    QCOMPARE(p.dialogs.messages.first().text,
             "The model file \"" + dir.filePath(name) + "\" " + reason
                 + ".\nA file of that name that was already there is left as it was.");
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestModelFiles::fileGivenAtStartOpensAfterTheStartScreens()
{
    Program p(false);
    p.navigation.openModelAtStart(":/examples/declining.velmora");
    QVERIFY(p.navigation.titleScreen()->isVisible());
    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
    QCOMPARE(p.navigation.modelFiles().title(), QString()); // nothing opened before the main window
    QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Return);
    QTRY_COMPARE(p.mainText("n1_0"), "100");
    QCOMPARE(texts(&p.form(), "m_", 4), QStringList({"0", "0.4", "0.8", "0.4"}));
    QCOMPARE(p.mainText("simu0"), "0");
    QVERIFY(p.form().isVisible());
    QTRY_VERIFY(p.navigation.notes() && p.navigation.notes()->isVisible());
}

void TestModelFiles::badFileGivenAtStartLeavesTheDefaultModel()
{
    Program p(false);
    p.navigation.openModelAtStart("/nowhere/exercise.velmora");
    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
    QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Return);
    QTRY_COMPARE(p.dialogs.messages.size(), 1);
    QVERIFY(p.dialogs.messages.first().text.contains(
        "\"/nowhere/exercise.velmora\": it cannot be read: No such file or directory"));
    QCOMPARE(texts(&p.form(), "n1_", 4), QStringList({"10", "10", "10", "10"}));
    QCOMPARE(p.mainText("Harvest_0"), "5");
    // Shown again later, the main window opens nothing more.
    p.clickMain("Command6");
    Program::click(p.navigation.howto(), "Command1");
    QCOMPARE(p.dialogs.messages.size(), 1);
}

void TestModelFiles::analysisWindowShowsTheTitle()
{
    Program p;
    emit p.form().exampleRequested(":/examples/declining.velmora");
    QWidget *analysis = p.open("analysis");
    auto *heading = analysis->findChild<QLabel *>("titleLabel");
    QVERIFY(heading->text().contains("A declining population"));
    Program::click(analysis, "cmdBack");
    // A window that exists takes the next title.
    p.modelFileDialogs.fileName = ":/examples/oscillating.velmora";
    emit p.form().openModelRequested();
    QVERIFY(heading->text().contains("only the oldest class breeds"));
}

QTEST_MAIN(TestModelFiles)
#include "tst_modelfiles.moc"
