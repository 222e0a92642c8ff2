#include "ui/screens/characterkey.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/symboltext.h"
#include "ui/screens/titleanimation.h"

#include <QRegularExpression>
#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

using namespace velmora;

class TestScreenRules : public QObject {
    Q_OBJECT

private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void uniformStaysInsideUnitInterval();
    void stepHidesWhatThePreviousStepShowed();
    void endLabelsShowHalfAsOften();
    void characterKeys_data();
    void characterKeys();
    void symbolEncodingGreek_data();
    void symbolEncodingGreek();
    void howToHasTenLinesWithoutTrailingBreak();
    void introductionIsOneParagraph();
    void introductionInEnglishIsTheFragmentsJoined();
    void referencesAreSixFullCitations();
    void noticeHolderYears_data();
    void noticeHolderYears();
    void noticeCitationAndDownloads();
};

void TestScreenRules::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("rounded");
    QTest::addRow("zero") << 0.0 << 0LL;
    QTest::addRow("below half") << 0.4999999 << 0LL;
    QTest::addRow("half to even 0") << 0.5 << 0LL;
    QTest::addRow("above half") << 0.5000001 << 1LL;
    QTest::addRow("one and a half to 2") << 1.5 << 2LL;
    QTest::addRow("two and a half to 2") << 2.5 << 2LL;
    QTest::addRow("three and a half to 4") << 3.5 << 4LL;
    QTest::addRow("six and a half to 6") << 6.5 << 6LL;
    QTest::addRow("just below 7") << 7 * std::nextafter(1.0, 0.0) << 7LL;
    QTest::addRow("negative half to even 0") << -0.5 << 0LL;
    QTest::addRow("negative one and a half") << -1.5 << -2LL;
}

void TestScreenRules::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(long long, rounded);
    QCOMPARE(roundHalfToEven(value), rounded);
}

void TestScreenRules::uniformStaysInsideUnitInterval()
{
    TitleAnimation animation;
    double low = 1;
    double high = 0;
    for (int i = 0; i < 200000; ++i) {
        const double r = animation.nextUniform();
        QVERIFY2(r >= 0 && r < 1, qPrintable(QString::number(r, 'g', 17)));
        low = std::min(low, r);
        high = std::max(high, r);
    }
    QVERIFY(low < 0.001);
    QVERIFY(high > 0.999);
}

void TestScreenRules::stepHidesWhatThePreviousStepShowed()
{
    TitleAnimation animation;
    QCOMPARE(animation.index(), 0);
    int previous = 0;
    for (int i = 0; i < 500; ++i) {
        const TitleAnimation::Step step = animation.next();
        QCOMPARE(step.hide, previous);
        QVERIFY(step.show >= 0 && step.show < TitleAnimation::kLabels);
        QCOMPARE(animation.index(), step.show);
        previous = step.show;
    }
}

void TestScreenRules::endLabelsShowHalfAsOften()
{
    constexpr int kSteps = 140000;
    std::array<int, TitleAnimation::kLabels> counts{};
    TitleAnimation animation;
    for (int i = 0; i < kSteps; ++i)
        ++counts[size_t(animation.next().show)];
    for (int k = 0; k < TitleAnimation::kLabels; ++k) {
        const double expected = (k == 0 || k == 7) ? 1.0 / 14 : 1.0 / 7;
        const double share = double(counts[size_t(k)]) / kSteps;
        // About five standard deviations of a share near 1/7 over this many steps.
        QVERIFY2(std::abs(share - expected) < 0.005,
                 qPrintable(QStringLiteral("label %1: %2").arg(k).arg(share)));
    }
}

void TestScreenRules::characterKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("character");
    QTest::addRow("letter") << int(Qt::Key_A) << "a" << true;
    QTest::addRow("capital") << int(Qt::Key_V) << "V" << true;
    QTest::addRow("digit") << int(Qt::Key_7) << "7" << true;
    QTest::addRow("space") << int(Qt::Key_Space) << " " << true;
    QTest::addRow("punctuation") << int(Qt::Key_Period) << "." << true;
    QTest::addRow("return") << int(Qt::Key_Return) << "\r" << true;
    QTest::addRow("keypad enter") << int(Qt::Key_Enter) << "\r" << true;
    QTest::addRow("escape") << int(Qt::Key_Escape) << "\x1b" << true;
    QTest::addRow("backspace") << int(Qt::Key_Backspace) << "\b" << true;
    QTest::addRow("return without text") << int(Qt::Key_Return) << "" << true;
    QTest::addRow("left arrow") << int(Qt::Key_Left) << "" << false;
    QTest::addRow("down arrow") << int(Qt::Key_Down) << "" << false;
    QTest::addRow("function key") << int(Qt::Key_F1) << "" << false;
    QTest::addRow("shift") << int(Qt::Key_Shift) << "" << false;
    QTest::addRow("control") << int(Qt::Key_Control) << "" << false;
    QTest::addRow("delete with control code") << int(Qt::Key_Delete) << "\x7f" << false;
    QTest::addRow("tab") << int(Qt::Key_Tab) << "\t" << false;
}

void TestScreenRules::characterKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, character);
    QCOMPARE(producesCharacter(key, text), character);
}

void TestScreenRules::symbolEncodingGreek_data()
{
    QTest::addColumn<QString>("latin");
    QTest::addColumn<QString>("greek");
    QTest::addRow("title") << "Velmora (II)" << QStringLiteral("ςελμορα (ΙΙ)");
    QTest::addRow("alphabet ends") << "AZaz" << QStringLiteral("ΑΖαζ");
    QTest::addRow("variant letters") << "JjVv" << QStringLiteral("ϑϕςϖ");
    QTest::addRow("digits and signs stay") << "09 ()+" << "09 ()+";
    QTest::addRow("empty") << "" << "";
}

void TestScreenRules::symbolEncodingGreek()
{
    QFETCH(QString, latin);
    QFETCH(QString, greek);
    QCOMPARE(::symbolEncodingGreek(latin), greek);
}

void TestScreenRules::howToHasTenLinesWithoutTrailingBreak()
{
    const QString caption = howToCaption();
    const QStringList lines = caption.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 10);
    QVERIFY(!caption.endsWith(QLatin1Char('\n')));
    QCOMPARE(lines.first(), QStringLiteral("Click on  \"How To\" to see this page."));
    QCOMPARE(lines.at(1), QStringLiteral("Click on  \"Quit\" to quit the program."));
    for (const QString &line : lines.mid(0, 9))
        QVERIFY2(line.startsWith(QStringLiteral("Click ")) && line.endsWith(QLatin1Char('.')),
                 qPrintable(line));
    // The one way to the context menu a student is never shown.
    QVERIFY(lines.at(8).contains(QStringLiteral("right mouse button")));
    QVERIFY(lines.at(8).contains(QStringLiteral("Menu key")));
    // A class adds its language with one file and one CMake line.
    QVERIFY(lines.last().contains(QStringLiteral("translations/velmora_xx.ts")));
    QVERIFY(lines.last().contains(QStringLiteral("language/CMakeLists.txt")));
}

void TestScreenRules::introductionIsOneParagraph()
{
    const QStringList fragments = introductionFragments();
    QCOMPARE(fragments.size(), 38);
    for (int i = 0; i + 1 < fragments.size(); ++i)
        QVERIFY2(fragments.at(i).endsWith(QLatin1Char(' ')), qPrintable(fragments.at(i)));
    QVERIFY(!fragments.last().endsWith(QLatin1Char(' ')));
    const QString text = introductionText();
    QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
    for (const char *year : {"1942", "1945", "1948"})
        QVERIFY(fragments.first().contains(QLatin1String(year)));
    QVERIFY(text.contains(QStringLiteral("This program Velmora (II) is designed for my "
                                         "ecological class.  You can use this program")));
}

// The translated units were split from the fragments by hand: a slip would change the English.
void TestScreenRules::introductionInEnglishIsTheFragmentsJoined()
{
    QCOMPARE(introductionText(), introductionFragments().join(QString()));
}

void TestScreenRules::referencesAreSixFullCitations()
{
    const QStringList references = referenceList();
    QCOMPARE(references.size(), 6);
    QCOMPARE(referencesCaption(), references.join(QLatin1Char('\n')));
    // Authors, year, title, journal, volume: first page-last page.
    const QRegularExpression citation(
        QStringLiteral("^[A-Z][a-z]+, [A-Z]\\. .*\\b(19\\d\\d)\\. .+\\. [A-Z][A-Za-z ]+ "
                       "(\\d+): (\\d+)-(\\d+)\\.$"));
    for (const QString &reference : references) {
        const QRegularExpressionMatch match = citation.match(reference);
        QVERIFY2(match.hasMatch(), qPrintable(reference));
        QVERIFY2(match.captured(3).toInt() < match.captured(4).toInt(), qPrintable(reference));
    }
    QVERIFY(references.last().startsWith(QStringLiteral("Leslie, P. H. 1945. On the use of "
                                                        "matrices in certain population")));
    QVERIFY(references.last().endsWith(QStringLiteral("Biometrika 33: 183-212.")));
}

void TestScreenRules::noticeHolderYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("years");
    QTest::addRow("now") << 2025 << "1997-2025";
    QTest::addRow("next century") << 2101 << "1997-2101";
    QTest::addRow("the year after") << 1998 << "1997-1998";
    QTest::addRow("first year alone") << 1997 << "1997";
    QTest::addRow("clock set too early") << 1980 << "1997";
}

void TestScreenRules::noticeHolderYears()
{
    QFETCH(int, year);
    QFETCH(QString, years);
    const QString line = noticeHolder(year);
    QVERIFY2(line.contains(years + QStringLiteral(" the Velmora project")), qPrintable(line));
    QVERIFY(!line.contains(QStringLiteral("1997-1997")));
}

void TestScreenRules::noticeCitationAndDownloads()
{
    const QString citation = noticeCitation();
    QVERIFY(citation.startsWith(QStringLiteral(
        "If you use this program in your research, please cite the following  reference in "
        "your paper:\n\n")));
    QCOMPARE(citation.count(QLatin1Char('\n')), 2);
    QVERIFY(citation.contains(QStringLiteral("1997")));

    const QStringList lines = noticeDownloads().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(1).startsWith(QLatin1Char('(')) && lines.at(1).endsWith(QStringLiteral(") or")));
    QVERIFY(lines.at(3).startsWith(QLatin1Char('(')) && lines.at(3).endsWith(QStringLiteral(").")));
    // Every address the program shows lies under the reserved example domain.
    const QRegularExpression address(QStringLiteral("https?://([^/\\s]+)"));
    int addresses = 0;
    for (const QString &text : {citation, noticeDownloads()}) {
        auto it = address.globalMatch(text);
        while (it.hasNext()) {
            const QString host = it.next().captured(1);
            QVERIFY2(host == QStringLiteral("example.org")
                         || host.endsWith(QStringLiteral(".example.org")),
                     qPrintable(host));
            ++addresses;
        }
    }
    QCOMPARE(addresses, 3);
}

QTEST_APPLESS_MAIN(TestScreenRules)
#include "tst_screenrules.moc"
