#include "model/numberfit.h"
#include "base/numbertext.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace velmora;

class TestNumberFit : public QObject {
    Q_OBJECT

private slots:
    void significantDigitsCounted_data();
    void significantDigitsCounted();
    void roundedToDigits_data();
    void roundedToDigits();
    void roundingStaysWithinHalfTheLastPlace_data();
    void roundingStaysWithinHalfTheLastPlace();
    void longestFormThatFits_data();
    void longestFormThatFits();
};

void TestNumberFit::significantDigitsCounted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addRow("leading zeros are no digits") << "0.00120" << 3;
    QTest::addRow("exponent form") << "1.5E+15" << 2;
    QTest::addRow("negative integer") << "-999" << 3;
    QTest::addRow("zeros closing an integer hold places") << "1500" << 2;
    QTest::addRow("zeros before a shown decimal count") << "100.0" << 4;
    QTest::addRow("widest text form") << "-1.23456789012346E-100" << 15;
    QTest::addRow("zero") << "0" << 0;
    QTest::addRow("empty") << "" << 0;
    QTest::addRow("word") << "abc" << 0;
    QTest::addRow("typed with a unit") << "5kg" << 0;
}

void TestNumberFit::significantDigitsCounted()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QCOMPARE(significantDigits(text.toStdString()), digits);
}

void TestNumberFit::roundedToDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("rounded"); // "-": no rounded form

    QTest::addRow("exponent kept, closing zero left out") << "1.0000000000001E+20" << 2
                                                      << "1E+20";
    QTest::addRow("total of N(t+1)") << "2.50000000000006E+20" << 3 << "2.5E+20";
    QTest::addRow("negative exponent") << "-1.23456789012346E-100" << 3 << "-1.23E-100";
    QTest::addRow("one digit, exponent") << "-1.23456789012346E-100" << 1 << "-1E-100";
    QTest::addRow("carry into a longer exponent") << "9.99999999999999E+99" << 2 << "1E+100";
    QTest::addRow("carry into a shorter negative exponent")
        << "9.99999999999999E-100" << 3 << "1E-99";
    QTest::addRow("lower-case exponent") << "1.25e-7" << 2 << "1.3E-07";
    QTest::addRow("third") << "0.333333333333333" << 3 << "0.333";
    QTest::addRow("two thirds") << "0.666666666666667" << 2 << "0.67";
    QTest::addRow("small plain decimal") << "0.0001234565" << 6 << "0.000123457";
    QTest::addRow("to the units") << "214552694.349876" << 9 << "214552694";
    QTest::addRow("one decimal") << "214552694.349876" << 10 << "214552694.3";
    QTest::addRow("into the integer digits") << "214552694.349876" << 4 << "2.146E+08";
    QTest::addRow("widest integer") << "-999999999999999" << 3 << "-1E+15";
    QTest::addRow("carry to the units") << "999.96" << 4 << "1000";
    QTest::addRow("carry past the units") << "99999.6" << 5 << "1E+05";
    QTest::addRow("first N(0)") << "12345678.9" << 8 << "12345679";
    QTest::addRow("half away from zero") << "1.5" << 1 << "2";
    QTest::addRow("negative half away from zero") << "-2.5" << 1 << "-3";
    QTest::addRow("below half") << "1.49999" << 2 << "1.5";
    QTest::addRow("shown zeros before a decimal") << "100.0" << 2 << "1E+02";
    QTest::addRow("closing zeros of a plain decimal") << "100.04" << 4 << "100";
    QTest::addRow("closing zeros after the point") << "0.1000004" << 3 << "0.1";
    QTest::addRow("place-holding zeros") << "1500" << 1 << "2E+03";
    QTest::addRow("leading plus") << "+12.25" << 3 << "12.3";
    QTest::addRow("leading point") << ".125" << 2 << "0.13";
    QTest::addRow("no fewer digits") << "0.5" << 1 << "-";
    QTest::addRow("as many digits") << "12.5" << 3 << "-";
    QTest::addRow("zero digits") << "12.5" << 0 << "-";
    QTest::addRow("zero") << "0" << 1 << "-";
    QTest::addRow("empty") << "" << 1 << "-";
    QTest::addRow("word") << "abc" << 1 << "-";
    QTest::addRow("infinity") << "Infinity" << 1 << "-";
    QTest::addRow("typed with a unit") << "12.5kg" << 2 << "-";
    QTest::addRow("two points") << "1.2.3" << 1 << "-";
    QTest::addRow("exponent without digits") << "1.5E" << 1 << "-";
    QTest::addRow("leading blank") << " 12.5" << 2 << "-";
    QTest::addRow("hexadecimal") << "&H1F" << 1 << "-";
    QTest::addRow("exponent beyond any double") << "1.5E+1234567" << 1 << "-";
}

void TestNumberFit::roundedToDigits()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(QString, rounded);
    const std::optional<std::string> result = roundedNumberText(text.toStdString(), digits);
    QCOMPARE(result ? QString::fromStdString(*result) : QStringLiteral("-"), rounded);
}

void TestNumberFit::roundingStaysWithinHalfTheLastPlace_data()
{
    QTest::addColumn<double>("value");
    for (double value : {1.00000000000012e20, 2.50000000000006e20, 214552694.349876,
                         0.333333333333333, -1.23456789012346e-100, -999999999999999.0,
                         12345678.9, 0.000123456789012345, 99999.99999999, 9.5e-5,
                         1.5e308, 4.9406564584124654e-324, -0.05})
        QTest::addRow("%s", numberText(value).c_str()) << value;
}

void TestNumberFit::roundingStaysWithinHalfTheLastPlace()
{
    QFETCH(double, value);
    const std::string text = numberText(value);
    const ReadResult whole = strictValue(text);
    QVERIFY(whole.ok());
    const int digits = significantDigits(text);
    QVERIFY(digits >= 1);
    for (int k = 1; k < digits; ++k) {
        const std::optional<std::string> rounded = roundedNumberText(text, k);
        QVERIFY(rounded);
        const ReadResult shown = strictValue(*rounded);
        QVERIFY2(shown.ok() || shown.status == ReadStatus::OutOfRange, rounded->c_str());
        if (!shown.ok())
            continue; // rounded up past the largest double: still the right digits
        // Fewer where the digits kept end in zeros before the point ("100000").
        QVERIFY(significantDigits(*rounded) <= k);
        QCOMPARE(std::signbit(shown.value), std::signbit(whole.value));
        // Off by at most half a unit of the last digit shown: it reads as the same number.
        const double power = std::floor(std::log10(std::fabs(whole.value)));
        const double halfPlace = 0.5 * std::pow(10.0, power - k + 1);
        const double slack = 8 * std::numeric_limits<double>::epsilon() * std::fabs(whole.value);
        QVERIFY2(std::fabs(shown.value - whole.value) <= halfPlace + slack,
                 qPrintable(QStringLiteral("%1 to %2 digits: %3")
                                .arg(QString::fromStdString(text)).arg(k)
                                .arg(QString::fromStdString(*rounded))));
    }
}

void TestNumberFit::longestFormThatFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room"); // characters that fit
    QTest::addColumn<QString>("shown"); // "-": nothing fits

    QTest::addRow("fits whole") << "40" << 5 << "40";
    QTest::addRow("total from the issue") << "1.00000000000012E+20" << 7 << "1E+20";
    QTest::addRow("integer part fits") << "214552694.349876" << 9 << "214552694";
    QTest::addRow("integer part does not fit") << "214552694.349876" << 8 << "2.15E+08";
    QTest::addRow("third") << "0.333333333333333" << 5 << "0.333";
    QTest::addRow("not even one digit") << "-1.23456789012346E-100" << 6 << "-";
    QTest::addRow("one digit just fits") << "-1.23456789012346E-100" << 7 << "-1E-100";
    QTest::addRow("word fits") << "abc" << 3 << "abc";
    QTest::addRow("word does not fit") << "abc" << 2 << "-";
}

void TestNumberFit::longestFormThatFits()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(QString, shown);
    const auto fits = [room](const std::string &s) { return s.size() <= size_t(room); };
    const std::optional<std::string> result = fittingNumberText(text.toStdString(), fits);
    QCOMPARE(result ? QString::fromStdString(*result) : QStringLiteral("-"), shown);
}

QTEST_APPLESS_MAIN(TestNumberFit)
#include "tst_numberfit.moc"
