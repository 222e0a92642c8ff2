#include "base/numbertext.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

using namespace velmora;

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void writesNumberTextForm_data();
    void writesNumberTextForm();
    void strictReading_data();
    void strictReading();
    void lenientReading_data();
    void lenientReading();
    void roundTripKeepsFifteenDigits();
    void ignoresUserLocale();
};

void TestNumberText::writesNumberTextForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("integer") << 35.0 << "35";
    QTest::addRow("small integer") << 5.0 << "5";
    QTest::addRow("half") << 2.5 << "2.5";
    QTest::addRow("below one") << 0.5 << "0.5";
    QTest::addRow("ratio") << 52.5 / 55 << "0.954545454545455";
    QTest::addRow("third") << 1.0 / 3 << "0.333333333333333";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("negative zero") << -0.0 << "0";
    QTest::addRow("negative") << -2.5 << "-2.5";
    QTest::addRow("smallest plain") << 0.0001 << "0.0001";
    QTest::addRow("just below plain") << 0.0000999 << "9.99E-05";
    QTest::addRow("exponent small") << 0.00002 << "2E-05";
    QTest::addRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::addRow("rounds up to 1E15") << 999999999999999.5 << "1E+15";
    QTest::addRow("exponent large") << 1.5e15 << "1.5E+15";
    QTest::addRow("three digit exponent") << 1e100 << "1E+100";
    QTest::addRow("negative exponent") << -2.5e-7 << "-2.5E-07";
    QTest::addRow("rounds to 15 digits") << 0.1 + 0.2 << "0.3";
    QTest::addRow("growth") << 101.875 / 85 << "1.19852941176471";
    QTest::addRow("tiny") << 4.9e-324 << "4.94065645841247E-324";
    QTest::addRow("max") << 1.7e308 << "1.7E+308";
}

void TestNumberText::writesNumberTextForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(numberText(value)), text);
}

void TestNumberText::strictReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("value");
    const int ok = int(ReadStatus::Ok);
    const int bad = int(ReadStatus::NotANumber);
    const int range = int(ReadStatus::OutOfRange);
    QTest::addRow("integer") << "35" << ok << 35.0;
    QTest::addRow("fraction") << "0.954545454545455" << ok << 0.954545454545455;
    QTest::addRow("blanks around") << "  17.5 " << ok << 17.5;
    QTest::addRow("leading sign") << "+3" << ok << 3.0;
    QTest::addRow("negative") << "-0.5" << ok << -0.5;
    QTest::addRow("exponent") << "1.5E+15" << ok << 1.5e15;
    QTest::addRow("small exponent") << "2E-05" << ok << 2e-5;
    QTest::addRow("no leading zero") << ".5" << ok << 0.5;
    QTest::addRow("single blank") << " " << bad << 0.0;
    QTest::addRow("empty") << "" << bad << 0.0;
    QTest::addRow("trailing text") << "5kg" << bad << 0.0;
    QTest::addRow("comma decimal") << "2,5" << bad << 0.0;
    QTest::addRow("two points") << "1.2.3" << bad << 0.0;
    QTest::addRow("exponent without digits") << "1E" << bad << 0.0;
    QTest::addRow("beyond double") << "1E+999" << range << 0.0;
    QTest::addRow("fifteen digit max") << "1.79769313486232E+308" << range << 0.0;
    QTest::addRow("underflow reads zero") << "1E-999" << ok << 0.0;
}

void TestNumberText::strictReading()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(double, value);
    const ReadResult read = strictValue(text.toStdString());
    QCOMPARE(int(read.status), status);
    if (read.ok())
        QCOMPARE(read.value, value);
}

void TestNumberText::lenientReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("outOfRange");
    QTest::addRow("letters") << "abc" << 0.0 << false;
    QTest::addRow("trailing blank") << "7 " << 7.0 << false;
    QTest::addRow("blanks inside") << " 1 5" << 15.0 << false;
    QTest::addRow("unit") << "5kg" << 5.0 << false;
    QTest::addRow("leading number") << "12abc" << 12.0 << false;
    QTest::addRow("exponent then text") << "2.5e1x" << 25.0 << false;
    QTest::addRow("D exponent") << "3D2" << 300.0 << false;
    QTest::addRow("exponent without digits") << "2e" << 2.0 << false;
    QTest::addRow("tabs and line feeds") << "\t1\n2" << 12.0 << false;
    QTest::addRow("no leading zero") << ".5" << 0.5 << false;
    QTest::addRow("trailing zero") << "2.50" << 2.5 << false;
    QTest::addRow("negative") << "-0.1" << -0.1 << false;
    QTest::addRow("second point ends") << "1.2.3" << 1.2 << false;
    QTest::addRow("comma ends") << "2,5" << 2.0 << false;
    QTest::addRow("sign alone") << "-" << 0.0 << false;
    QTest::addRow("empty") << "" << 0.0 << false;
    QTest::addRow("hex") << "&H1F" << 31.0 << false;
    QTest::addRow("hex is never negative") << "&HFFFF" << 65535.0 << false;
    QTest::addRow("octal") << "&o17" << 15.0 << false;
    QTest::addRow("octal stops at 8") << "&O78" << 7.0 << false;
    QTest::addRow("beyond double") << "1e999" << 0.0 << true;
    QTest::addRow("beyond double with blanks") << "1 e 999" << 0.0 << true;
    QTest::addRow("long hex") << "&H" + QString(300, 'F') << 0.0 << true;
}

void TestNumberText::lenientReading()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, outOfRange);
    const ReadResult read = lenientValue(text.toStdString());
    QCOMPARE(read.status == ReadStatus::OutOfRange, outOfRange);
    QVERIFY(read.status != ReadStatus::NotANumber);
    if (!outOfRange)
        QCOMPARE(read.value, value);
}

void TestNumberText::roundTripKeepsFifteenDigits()
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        if (!std::isfinite(x))
            continue;
        const std::string text = numberText(x);
        const ReadResult strict = strictValue(text);
        QVERIFY2(strict.ok(), text.c_str());
        QVERIFY2(std::fabs(strict.value - x) <= std::fabs(x) * 5.1e-15, text.c_str());
        QCOMPARE(numberText(strict.value), text);
        // The harvest is read leniently; it must read every written value the same way.
        QCOMPARE(lenientValue(text).value, strict.value);
    }
}

void TestNumberText::ignoresUserLocale()
{
    const char *previous = setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!setlocale(LC_NUMERIC, "de_DE.UTF-8") && !setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        QSKIP("no comma-decimal locale installed");
    QCOMPARE(numberText(2.5), std::string("2.5"));
    QCOMPARE(strictValue("2.5").value, 2.5);
    QCOMPARE(lenientValue("2.5").value, 2.5);
    setlocale(LC_NUMERIC, saved.c_str());
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
