#include "ui/common/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace velmora;

class TestSaveDialog : public QObject {
    Q_OBJECT

private slots:
    void questionIsAboutTheFileReturned_data();
    void questionIsAboutTheFileReturned();
};

void TestSaveDialog::questionIsAboutTheFileReturned_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("question"); // the file a replace question names; empty: none
    QTest::addColumn<QString>("returned");

    QTest::addRow("history export: the chosen name exists, no question")
        << QStringList{"run.txt"} << "run.txt" << "" << false << "" << "run.txt";
    QTest::addRow("ordinary save: the chosen name exists, a question")
        << QStringList{"run.txt"} << "run.txt" << "" << true << "run.txt" << "run.txt";
    QTest::addRow("pdf typed bare, the pdf exists")
        << QStringList{"report.pdf"} << "report" << "pdf" << true << "report.pdf"
        << "report.pdf";
    QTest::addRow("pdf typed bare, only the bare name exists")
        << QStringList{"report"} << "report" << "pdf" << true << "" << "report.pdf";
    QTest::addRow("pdf typed with its ending, it exists")
        << QStringList{"report.pdf"} << "report.pdf" << "pdf" << true << "report.pdf"
        << "report.pdf";
    QTest::addRow("pdf, a new name") << QStringList{} << "fresh" << "pdf" << true << ""
                                     << "fresh.pdf";
}

void TestSaveDialog::questionIsAboutTheFileReturned()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, typed);
    QFETCH(QString, suffix);
    QFETCH(bool, confirm);
    QFETCH(QString, question);
    QFETCH(QString, returned);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : existing) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    }
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Plays the user: types the name into the dialog and presses Save; answers Yes to a
    // question and notes what it was about.
    QStringList questions;
    bool typedIn = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            questions << box->text();
            box->button(QMessageBox::Yes)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && !typedIn) {
            typedIn = true;
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->setText(dir.filePath(typed));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    user.start(20);

    SystemDialogs dialogs;
    SaveDialogOptions options;
    options.defaultSuffix = suffix;
    options.confirmOverwrite = confirm;
    const QString chosen = dialogs.saveFileName(&window, dir.filePath("proposed"), options);
    user.stop();

    QVERIFY(typedIn);
    QCOMPARE(chosen, dir.filePath(returned));
    if (question.isEmpty()) {
        QCOMPARE(questions, QStringList());
    } else {
        QCOMPARE(questions.size(), 1);
        QVERIFY2(questions.first().startsWith(question + QStringLiteral(" already exists")),
                 qPrintable(questions.first()));
    }
    // The dialog only picks a name; what exists is left as it was.
    for (const QString &name : existing)
        QCOMPARE(QFileInfo(dir.filePath(name)).size(), 4);
}

QTEST_MAIN(TestSaveDialog)
#include "tst_savedialog.moc"
