#include "ui/common/appfonts.h"
#include "ui/charts/chartdata.h"
#include "ui/charts/chartimage.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/filesizelimit.h"
#include "ui/charts/larggraf.h"
#include "tests/ui/charts/testhistories.h"

#include <QtTest>

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace velmora;

Q_DECLARE_METATYPE(ChartImageFormat)

namespace {

// A shown chart window with the age structure of a short run.
struct Fixture {
    std::unique_ptr<Module1> history = defaultHistory(6);
    FakeDialogs dialogs;
    std::unique_ptr<Larggraf> window = std::make_unique<Larggraf>(*history, dialogs);

    QChartView *view() const { return window->findChild<QChartView *>("MSChart1"); }
    QMenu *menu() const { return window->findChild<QMenu *>("chartMenu"); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }

    bool show() const
    {
        window->show();
        window->drawAgeStructure();
        return QTest::qWaitForWindowActive(window.get());
    }
    QString title() const { return ageStructureChart(*history).settings.title; }
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

} // namespace

class TestChartMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fileByEnding_data();
    void fileByEnding();
    void menuOpensByMouseAndKeys_data();
    void menuOpensByMouseAndKeys();
    void menuEntriesWorkFromKeyboard();
    void savedImageIsValid_data();
    void savedImageIsValid();
    void unwritableFileShowsMessage_data();
    void unwritableFileShowsMessage();
    void fullDiskKeepsTheEarlierPicture_data();
    void fullDiskKeepsTheEarlierPicture();
    void addedEndingAsksBeforeReplacing_data();
    void addedEndingAsksBeforeReplacing();
    void cancelledDialogWritesNothing();
};

void TestChartMenu::initTestCase()
{
    installFontSubstitutes();
}

void TestChartMenu::fileByEnding_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<ChartImageFormat>("format");
    QTest::addRow("png") << "/d/chart.png" << "/d/chart.png" << ChartImageFormat::Png;
    QTest::addRow("PNG") << "/d/chart.PNG" << "/d/chart.PNG" << ChartImageFormat::Png;
    QTest::addRow("svg") << "/d/chart.svg" << "/d/chart.svg" << ChartImageFormat::Svg;
    QTest::addRow("Svg") << "/d/chart.Svg" << "/d/chart.Svg" << ChartImageFormat::Svg;
    QTest::addRow("pdf") << "/d/chart.pdf" << "/d/chart.pdf" << ChartImageFormat::Pdf;
    QTest::addRow("no ending") << "/d/chart" << "/d/chart.png" << ChartImageFormat::Png;
    QTest::addRow("unknown ending") << "/d/chart.jpg" << "/d/chart.jpg.png"
                                    << ChartImageFormat::Png;
    QTest::addRow("ending not last") << "/d/chart.svg.txt" << "/d/chart.svg.txt.png"
                                     << ChartImageFormat::Png;
    QTest::addRow("ending on the folder") << "/d.pdf/chart" << "/d.pdf/chart.png"
                                          << ChartImageFormat::Png;
    QTest::addRow("a dot alone") << "/d/chart." << "/d/chart..png" << ChartImageFormat::Png;
    QTest::addRow("only the ending") << "/d/.svg" << "/d/.svg" << ChartImageFormat::Svg;
}

void TestChartMenu::fileByEnding()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(ChartImageFormat, format);
    const ChartImageFile file = chartImageFile(chosen);
    QCOMPARE(file.fileName, written);
    QCOMPARE(file.format, format);
}

void TestChartMenu::menuOpensByMouseAndKeys_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("focus"); // the control that has the focus meanwhile
    QTest::addRow("right click on the chart") << "chart" << "Command1";
    QTest::addRow("right click on a button") << "Command5" << "Command5";
    QTest::addRow("Menu key on a button") << "menu" << "Command2";
    QTest::addRow("Menu key on the chart") << "menu" << "MSChart1";
    QTest::addRow("Shift+F10") << "shift+f10" << "Command8";
}

void TestChartMenu::menuOpensByMouseAndKeys()
{
    QFETCH(QString, how);
    QFETCH(QString, focus);
    Fixture f;
    QVERIFY(f.show());
    f.window->findChild<QWidget *>(focus)->setFocus();
    QWindow *window = f.window->windowHandle();
    const bool fromKeyboard = how == "menu" || how == "shift+f10";
    if (how == "menu") {
        QTest::keyClick(window, Qt::Key_Menu);
    } else if (how == "shift+f10") {
        QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QWidget *target = how == "chart" ? static_cast<QWidget *>(f.view())
                                         : f.window->findChild<QPushButton *>(how);
        QTest::mouseClick(window, Qt::RightButton, {},
                          target->mapTo(f.window.get(), target->rect().center()));
    }
    QMenu *menu = f.menu();
    QTRY_VERIFY(menu->isVisible());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, QStringList({"&Save chart as image...", "&Copy chart"}));
    // From the keyboard the first entry is ready for Return; a click chooses nothing yet.
    QCOMPARE(menu->activeAction(), fromKeyboard ? f.action("saveChartAsImage") : nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(f.dialogs.proposals.size(), 0);
}

void TestChartMenu::menuEntriesWorkFromKeyboard()
{
    Fixture f;
    QVERIFY(f.show());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QWindow *window = f.window->windowHandle();

    // Menu key, Return: the first entry.
    f.dialogs.fileName = dir.filePath("first.png");
    QTest::keyClick(window, Qt::Key_Menu);
    QTRY_VERIFY(f.menu()->isVisible());
    QTest::keyClick(f.menu(), Qt::Key_Return);
    QTRY_COMPARE(filesIn(dir.path()), QStringList{"first.png"});
    QVERIFY(!f.menu()->isVisible());

    // Shift+F10, then the underlined letter of "Copy chart".
    QGuiApplication::clipboard()->clear();
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(f.menu()->isVisible());
    QTest::keyClick(f.menu(), Qt::Key_C);
    QTRY_VERIFY(!QGuiApplication::clipboard()->image().isNull());
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), f.view()->size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             chartImage(*f.view()).convertToFormat(QImage::Format_RGB32));

    // The arrow keys move between the entries.
    QTest::keyClick(window, Qt::Key_Menu);
    QTRY_VERIFY(f.menu()->isVisible());
    QTest::keyClick(f.menu(), Qt::Key_Down);
    QCOMPARE(f.menu()->activeAction(), f.action("copyChart"));
    QTest::keyClick(f.menu(), Qt::Key_Escape);
    QCOMPARE(f.dialogs.messages.size(), 0);
}

void TestChartMenu::savedImageIsValid_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addRow("PNG") << "chart.png" << "chart.png";
    QTest::addRow("PNG without ending") << "chart" << "chart.png";
    QTest::addRow("SVG") << "chart.svg" << "chart.svg";
    QTest::addRow("SVG, upper case") << "CHART.SVG" << "CHART.SVG";
    QTest::addRow("PDF") << "chart.pdf" << "chart.pdf";
}

void TestChartMenu::savedImageIsValid()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    Fixture f;
    QVERIFY(f.show());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    f.dialogs.fileName = dir.filePath(chosen);
    f.action("saveChartAsImage")->trigger();

    QCOMPARE(f.dialogs.messages.size(), 0);
    // One file, and no temporary file left beside it.
    QCOMPARE(filesIn(dir.path()), QStringList{written});
    const QByteArray bytes = contents(dir.filePath(written));
    switch (chartImageFile(written).format) {
    case ChartImageFormat::Png: {
        QImage image;
        QVERIFY(image.loadFromData(bytes, "PNG"));
        QCOMPARE(image.size(), f.view()->size());
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
                 chartImage(*f.view()).convertToFormat(QImage::Format_RGB32));
        break;
    }
    case ChartImageFormat::Svg:
        QVERIFY(bytes.startsWith("<?xml") || bytes.startsWith("<svg"));
        QVERIFY(bytes.contains("<svg"));
        QVERIFY(bytes.trimmed().endsWith("</svg>"));
        // The titles are drawn as text, besides the chart's title naming the picture.
        QVERIFY(bytes.contains("<title>" + f.title().toUtf8() + "</title>"));
        for (const QString &text : {f.title(), ageStructureChart(*f.history).settings.yTitle,
                                    QString("time")})
            QVERIFY2(bytes.contains(">" + text.toUtf8() + "</text>"), qPrintable(text));
        break;
    case ChartImageFormat::Pdf:
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        QVERIFY(bytes.contains("/MediaBox"));
        break;
    }
}

void TestChartMenu::unwritableFileShowsMessage_data()
{
    QTest::addColumn<QString>("chosen"); // below the temporary folder
    QTest::addColumn<QString>("written");
    QTest::addRow("PNG in a missing folder") << "missing/chart.png" << "missing/chart.png";
    QTest::addRow("SVG below a file") << "plain/chart.svg" << "plain/chart.svg";
    QTest::addRow("PDF in place of a folder") << "taken.pdf" << "taken.pdf";
    QTest::addRow("ending added, in place of a folder") << "taken" << "taken.png";
}

void TestChartMenu::unwritableFileShowsMessage()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    Fixture f;
    QVERIFY(f.show());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(dir.path()).mkdir("taken.pdf") && QDir(dir.path()).mkdir("taken.png"));

    f.dialogs.fileName = dir.filePath(chosen);
    f.action("saveChartAsImage")->trigger();
    QCOMPARE(f.dialogs.messages.size(), 1);
    const FakeDialogs::Shown &shown = f.dialogs.messages.constFirst();
    QCOMPARE(shown.title, QString("Save chart as image"));
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QString start = "The chart could not be saved as \"" + dir.filePath(written) + "\":\n";
    QVERIFY2(shown.text.startsWith(start), qPrintable(shown.text));
    QVERIFY(shown.text.size() > start.size());
    QCOMPARE(filesIn(dir.path()), QStringList({"plain", "taken.pdf", "taken.png"}));
    QVERIFY(QFileInfo(dir.filePath("taken.png")).isDir());
}

void TestChartMenu::fullDiskKeepsTheEarlierPicture_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addRow("PNG") << "chart.png";
    QTest::addRow("SVG") << "chart.svg";
    QTest::addRow("PDF") << "chart.pdf";
}

void TestChartMenu::fullDiskKeepsTheEarlierPicture()
{
    QFETCH(QString, chosen);
    Fixture f;
    QVERIFY(f.show());
    QTemporaryDir dir;
    const QString path = dir.filePath(chosen);
    f.dialogs.fileName = path;
    f.action("saveChartAsImage")->trigger();
    const QByteArray earlier = contents(path);
    QVERIFY(earlier.size() > 2048); // the limit below cuts through a new copy

    f.window->ShowAgeDistribution();
    {
        // A disk that fills up after 2 KiB.
        const FileSizeLimit limit(2048);
        QVERIFY(limit.isSet());
        f.action("saveChartAsImage")->trigger();
    }
    QCOMPARE(f.dialogs.messages.size(), 1);
    const QString text = f.dialogs.messages.constFirst().text;
    QVERIFY2(text.startsWith("The chart could not be saved as \"" + path + "\":\n"),
             qPrintable(text));
    QVERIFY2(text.contains("File too large"), qPrintable(text));
    QCOMPARE(contents(path), earlier);
    QCOMPARE(filesIn(dir.path()), QStringList{chosen});
}

void TestChartMenu::addedEndingAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    // The save dialog adds ".png" to a bare name and asks about that name itself.
    QTest::addRow("bare name, ending added by the dialog")
        << "old" << "old.png" << QMessageBox::No << false << true;
    // Another ending is kept and ".png" added after the dialog: the program asks.
    QTest::addRow("other ending, kept") << "old.jpg" << "old.jpg.png" << QMessageBox::No << true
                                        << false;
    QTest::addRow("other ending, replaced") << "old.jpg" << "old.jpg.png" << QMessageBox::Yes
                                            << true << true;
    // The save dialog has asked about the very name it returned.
    QTest::addRow("name as chosen") << "old.png" << "old.png" << QMessageBox::No << false << true;
}

void TestChartMenu::addedEndingAsksBeforeReplacing()
{
    QFETCH(QString, chosen);
    QFETCH(QString, existing);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    Fixture f;
    QVERIFY(f.show());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile old(dir.filePath(existing));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier picture") > 0);
    old.close();

    f.dialogs.fileName = dir.filePath(chosen);
    f.dialogs.answer = answer;
    f.window->saveChartAsImage();
    QCOMPARE(f.dialogs.saveOptions.last().defaultSuffix, QString("png"));
    QCOMPARE(f.dialogs.messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(f.dialogs.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.dialogs.messages[0].text,
                 "The file \"" + dir.filePath(existing) + "\" already exists.\n"
                 "Do you want to replace it?");
    }
    QCOMPARE(contents(dir.filePath(existing)) == "earlier picture", !replaced);
    if (replaced)
        QVERIFY(!QImage(dir.filePath(existing)).isNull());
}

void TestChartMenu::cancelledDialogWritesNothing()
{
    Fixture f;
    QVERIFY(f.show());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    f.dialogs.fileName = dir.filePath("chart.svg");
    f.window->saveChartAsImage();
    f.dialogs.fileName.clear();
    f.window->saveChartAsImage();
    // The dialog offers the name chosen last.
    QCOMPARE(f.dialogs.proposals, QStringList({QString(), dir.filePath("chart.svg")}));
    QCOMPARE(filesIn(dir.path()), QStringList{"chart.svg"});
    QCOMPARE(f.dialogs.messages.size(), 0);
}

QTEST_MAIN(TestChartMenu)
#include "tst_chartmenu.moc"
