#include "ui/common/dialogs.h"
#include "ui/save/historysaver.h"
#include "model/simulation.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace velmora;

namespace {

const QStringList kEndings{"-age structure.txt", "-age distribution.txt",
                           "-total population and growth rate.txt",
                           "-growth-birth-death-survival-rate.txt"};

// Answers the save dialog from a list (an empty answer is a cancel) and records every box.
class FakeDialogs : public Dialogs {
public:
    QStringList answers;
    QStringList proposals;
    QStringList messages;

    QMessageBox::StandardButton message(QWidget *, const QString &, const QString &text,
                                        QMessageBox::StandardButtons, QMessageBox::Icon) override
    {
        messages << text;
        return QMessageBox::Ok;
    }
    QString saveFileName(QWidget *, const QString &proposed, const SaveDialogOptions &) override
    {
        proposals << proposed;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

struct Run {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation sim{*history};

    Run() { sim.startUp(); }
    void project(int steps)
    {
        for (int k = 0; k < steps; ++k) {
            QCOMPARE(sim.Projection(), ProjectionOutcome::Counted);
            sim.Transition();
        }
    }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Rows of an exported file without the header, each split into its cells.
QList<QList<QByteArray>> rows(const QString &path)
{
    QList<QByteArray> lines = contents(path).split('\n');
    QList<QList<QByteArray>> result;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        result << lines[i].chopped(1).split(',');
    return result;
}

bool near(const QByteArray &cell, double expected, double relative)
{
    bool ok = false;
    const double value = cell.toDouble(&ok);
    return ok && std::fabs(value - expected) <= relative * std::fabs(expected);
}

} // namespace

class TestHistorySaver : public QObject {
    Q_OBJECT

private slots:
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void dialogOffersLastChosenName();
    void shortNameIsRefused_data();
    void shortNameIsRefused();
    void failedFileIsReported_data();
    void failedFileIsReported();
    void realDialogWritesFilesOfEightSteps();
};

void TestHistorySaver::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("earlierExport");
    QTest::addRow("first use") << false;
    QTest::addRow("after an export") << true;
}

void TestHistorySaver::cancelWritesNothing()
{
    QFETCH(bool, earlierExport);
    QTemporaryDir dir;
    Run run;
    FakeDialogs dialogs;
    HistorySaver saver(*run.history, dialogs);
    const QString chosen = dir.filePath("run.csv");
    if (earlierExport) {
        dialogs.answers << chosen;
        saver.SaveGraphicData(nullptr);
    }
    const QByteArray earlier = contents(dir.filePath("run" + kEndings[0]));

    run.project(1);
    dialogs.answers << QString();
    saver.SaveGraphicData(nullptr);
    QCOMPARE(QString::fromStdString(run.history->SaveName), earlierExport ? chosen : QString());
    QCOMPARE(filesIn(dir.path()).size(), earlierExport ? 4 : 0);
    QCOMPARE(contents(dir.filePath("run" + kEndings[0])), earlier);
    QCOMPARE(dialogs.messages, QStringList());
}

void TestHistorySaver::dialogOffersLastChosenName()
{
    QTemporaryDir dir;
    Run run;
    FakeDialogs dialogs;
    HistorySaver saver(*run.history, dialogs);
    dialogs.answers << dir.filePath("a.txt") << QString() << dir.filePath("b.txt");
    for (int i = 0; i < 4; ++i)
        saver.SaveGraphicData(nullptr);
    QCOMPARE(dialogs.proposals,
             QStringList({QString(), dir.filePath("a.txt"), dir.filePath("a.txt"),
                          dir.filePath("b.txt")}));
    QCOMPARE(QString::fromStdString(run.history->SaveName), dir.filePath("b.txt"));
    QCOMPARE(filesIn(dir.path()).size(), 8);
}

void TestHistorySaver::shortNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("nothing left") << "abcd";
    QTest::addRow("would cut into the folder") << "sub/abc";
}

void TestHistorySaver::shortNameIsRefused()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(QDir::setCurrent(dir.path()));
    Run run;
    FakeDialogs dialogs;
    HistorySaver saver(*run.history, dialogs);
    dialogs.answers << name;
    saver.SaveGraphicData(nullptr);
    QDir::setCurrent(QFINDTESTDATA("."));
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].contains(QDir::toNativeSeparators(name)),
             qPrintable(dialogs.messages[0]));
    QCOMPARE(filesIn(dir.path()), QStringList{"sub"});
    QCOMPARE(filesIn(dir.filePath("sub")), QStringList());
}

void TestHistorySaver::failedFileIsReported_data()
{
    QTest::addColumn<int>("failing");
    QTest::addColumn<int>("written");
    QTest::addRow("first file: folder is a file") << 0 << 0;
    QTest::addRow("third file: name taken by a folder") << 2 << 2;
    QTest::addRow("last file: name taken by a folder") << 3 << 3;
}

void TestHistorySaver::failedFileIsReported()
{
    QFETCH(int, failing);
    QFETCH(int, written);
    QTemporaryDir dir;
    QString base = dir.filePath("run");
    if (failing == 0) {
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        base = dir.filePath("plain/run");
    } else {
        QVERIFY(QDir(dir.path()).mkdir("run" + kEndings[failing]));
    }
    Run run;
    run.project(2);
    FakeDialogs dialogs;
    HistorySaver saver(*run.history, dialogs);
    dialogs.answers << base + ".txt";
    saver.SaveGraphicData(nullptr);

    QCOMPARE(dialogs.messages.size(), 1);
    const QString message = dialogs.messages[0];
    const QString prefix = "The file \"" + QDir::toNativeSeparators(base + kEndings[failing])
                           + "\" could not be written:\n";
    QVERIFY2(message.startsWith(prefix), qPrintable(message));
    const QString reason = message.mid(prefix.size()).section('\n', 0, 0);
    QVERIFY2(!reason.trimmed().isEmpty(), qPrintable(message));
    QCOMPARE(message.contains("files after it were not written"), failing < 3);
    for (int file = 0; file < 4; ++file)
        QCOMPARE(QFileInfo(base + kEndings[file]).isFile(), file < written);
}

void TestHistorySaver::realDialogWritesFilesOfEightSteps()
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath("eight steps.csv");
    Run run;
    run.project(8);
    SystemDialogs dialogs;
    HistorySaver saver(*run.history, dialogs);
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Answers the modal dialog once it is up, as a user typing the path and pressing Save.
    bool answered = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
        if (!edit) {
            dialog->reject();
            return;
        }
        edit->setText(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
        answered = true;
    });
    answer.start(20);
    saver.SaveGraphicData(&window);
    QVERIFY(answered);
    QCOMPARE(QString::fromStdString(run.history->SaveName), chosen);
    QCOMPARE(saver.fileName(), chosen);

    // The same eight steps computed here, without the model: N(t+1) = M N(t) - H, clamped at 0.
    const double M[4][4] = {{0, 1, 2, 1}, {0.5, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0.5, 0}};
    const double H[4] = {5, 0, 0, 0};
    double N[9][4] = {{10, 10, 10, 10}};
    double total[9] = {40};
    for (int t = 0; t < 8; ++t) {
        total[t + 1] = 0;
        for (int r = 0; r < 4; ++r) {
            double sum = -H[r];
            for (int c = 0; c < 4; ++c)
                sum += M[r][c] * N[t][c];
            N[t + 1][r] = std::max(sum, 0.0);
            total[t + 1] += N[t + 1][r];
        }
    }

    const QString base = dir.filePath("eight steps");
    const auto structure = rows(base + kEndings[0]);
    const auto shares = rows(base + kEndings[1]);
    const auto totals = rows(base + kEndings[2]);
    const auto rates = rows(base + kEndings[3]);
    QCOMPARE(structure.size(), 9);
    QCOMPARE(shares.size(), 9);
    QCOMPARE(totals.size(), 9);
    QCOMPARE(rates.size(), 9);
    for (int t = 0; t <= 8; ++t) {
        QCOMPARE(structure[t][0].toInt(), t);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(near(structure[t][i + 1], N[t][i], 1e-14));
            QVERIFY(near(shares[t][i + 1], N[t][i] / total[t], 1e-14));
        }
        QVERIFY(near(totals[t][1], total[t], 1e-14));
        if (t == 8) {
            QCOMPARE(totals[t][2], QByteArray());
            QCOMPARE(rates[t], QList<QByteArray>({"8", "", "", "", ""}));
            continue;
        }
        const double growth = total[t + 1] / total[t];
        const double survival = (N[t + 1][1] + N[t + 1][2] + N[t + 1][3]) / total[t];
        QVERIFY(near(totals[t][2], growth, 5e-7));
        QVERIFY(near(rates[t][1], growth, 5e-7));
        QVERIFY(near(rates[t][2], N[t + 1][0] / total[t], 1e-14));
        QVERIFY(near(rates[t][3], 1 - survival, 1e-14));
        QVERIFY(near(rates[t][4], survival, 1e-14));
    }
}

QTEST_MAIN(TestHistorySaver)
#include "tst_historysaver.moc"
