#include "ui/common/printing.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/filesizelimit.h"

#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void pdfInsteadOfPrinterIsWrittenWhole_data();
    void pdfInsteadOfPrinterIsWrittenWhole();
};

void TestPrinting::pdfInsteadOfPrinterIsWrittenWhole_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addRow("written") << false;
    QTest::addRow("disk full at 1 KiB") << true;
}

void TestPrinting::pdfInsteadOfPrinterIsWrittenWhole()
{
    QFETCH(bool, diskFull);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("A printer is set up: printing does not offer a PDF.");
    QLabel window(QStringLiteral("A page to print"));
    window.resize(400, 300);
    window.show();
    QTemporaryDir dir;
    const QString path = dir.filePath("page.pdf");
    QFile earlierFile(path);
    const QByteArray earlier(3000, 'e');
    QVERIFY(earlierFile.open(QIODevice::WriteOnly) && earlierFile.write(earlier) == earlier.size());
    earlierFile.close();

    FakeDialogs dialogs;
    dialogs.answer = QMessageBox::Yes;
    dialogs.fileName = path;
    if (diskFull) {
        const FileSizeLimit limit(1024);
        QVERIFY(limit.isSet());
        printWindow(&window, dialogs);
    } else {
        printWindow(&window, dialogs);
    }

    const QByteArray written = contents(path);
    QCOMPARE(dialogs.messages.size(), diskFull ? 2 : 1); // the question, then the failure
    if (diskFull) {
        const QString text = dialogs.messages.last().text;
        QVERIFY2(text.startsWith("The PDF file \"" + path + "\" could not be written:\n"),
                 qPrintable(text));
        QVERIFY2(text.contains("File too large"), qPrintable(text));
        QCOMPARE(written, earlier);
    } else {
        QVERIFY(written.size() > 1024); // the limit above cuts through it
        QVERIFY(written.startsWith("%PDF-"));
        QVERIFY(written.trimmed().endsWith("%%EOF"));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.pdf"});
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
