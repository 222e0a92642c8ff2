#include "language/languagechoice.h"

#include <QtTest>

using namespace velmora;

class TestLanguageChoice : public QObject {
    Q_OBJECT

private slots:
    void localeChoosesItsLanguageOrEnglish_data();
    void localeChoosesItsLanguageOrEnglish();
    void langCodeIsALanguageOrARegionOfOne_data();
    void langCodeIsALanguageOrARegionOfOne();
    void langOptionIsTakenOutOfTheArguments_data();
    void langOptionIsTakenOutOfTheArguments();
    void installedLanguageSpeaksUntilItIsGone();
};

void TestLanguageChoice::localeChoosesItsLanguageOrEnglish_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addRow("region falls back") << "de_AT.UTF-8" << "de";
    QTest::addRow("French Canada") << "fr_CA.UTF-8" << "fr";
    QTest::addRow("BCP 47 form") << "es-MX" << "es";
    QTest::addRow("modifier") << "de_DE.ISO-8859-15@euro" << "de";
    QTest::addRow("untranslated language") << "pt_BR.UTF-8" << "en";
    QTest::addRow("three letters") << "deu" << "en";
    QTest::addRow("C") << "C.UTF-8" << "en";
    QTest::addRow("POSIX") << "POSIX" << "en";
    QTest::addRow("empty") << "" << "en";
}

void TestLanguageChoice::localeChoosesItsLanguageOrEnglish()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(languageOfLocale(locale), language);
}

void TestLanguageChoice::langCodeIsALanguageOrARegionOfOne_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language"); // empty: refused
    QTest::addRow("de") << "de" << "de";
    QTest::addRow("region") << "de_AT" << "de";
    QTest::addRow("upper case") << "FR" << "fr";
    QTest::addRow("English") << "en" << "en";
    QTest::addRow("English region") << "en-GB" << "en";
    QTest::addRow("unknown") << "xx" << "";
    QTest::addRow("untranslated language") << "pt" << "";
    QTest::addRow("empty") << "" << "";
    QTest::addRow("dangling separator") << "de_" << "";
    QTest::addRow("path") << "de/../../etc" << "";
    QTest::addRow("encoding") << "de.UTF-8" << "";
}

void TestLanguageChoice::langCodeIsALanguageOrARegionOfOne()
{
    QFETCH(QString, code);
    QFETCH(QString, language);
    QCOMPARE(languageOfCode(code).value_or(QString()), language);
}

void TestLanguageChoice::langOptionIsTakenOutOfTheArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("refused"); // the refused code; "-" for none
    QTest::addRow("none") << QStringList{"velmora", "a.velmora"}
                          << QStringList{"velmora", "a.velmora"} << "" << "-";
    QTest::addRow("before the file") << QStringList{"velmora", "--lang", "fr", "a.velmora"}
                                     << QStringList{"velmora", "a.velmora"} << "fr" << "-";
    QTest::addRow("with =") << QStringList{"velmora", "a.velmora", "--lang=de_AT"}
                            << QStringList{"velmora", "a.velmora"} << "de" << "-";
    QTest::addRow("unknown") << QStringList{"velmora", "--lang", "xx"}
                             << QStringList{"velmora"} << "" << "xx";
    QTest::addRow("no value") << QStringList{"velmora", "--lang"} << QStringList{"velmora"}
                              << "" << "";
    QTest::addRow("last counts") << QStringList{"velmora", "--lang=xx", "--lang", "es"}
                                 << QStringList{"velmora"} << "es" << "-";
    QTest::addRow("after --") << QStringList{"velmora", "--", "--lang"}
                              << QStringList{"velmora", "--", "--lang"} << "" << "-";
    QTest::addRow("program name") << QStringList{"--lang"} << QStringList{"--lang"} << "" << "-";
}

void TestLanguageChoice::langOptionIsTakenOutOfTheArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, left);
    QFETCH(QString, language);
    QFETCH(QString, refused);
    const LanguageOption option = takeLanguageOption(arguments);
    QCOMPARE(arguments, left);
    QCOMPARE(option.language, language);
    QCOMPARE(option.refused, refused != QLatin1String("-"));
    if (option.refused)
        QCOMPARE(option.refusedCode, refused);
}

void TestLanguageChoice::installedLanguageSpeaksUntilItIsGone()
{
    const char *own = "unknown command %1";
    {
        const InstalledLanguage german(QStringLiteral("de"));
        QVERIFY(german.ownInstalled());
        QCOMPARE(QCoreApplication::translate("CliText", own),
                 QStringLiteral("unbekannter Befehl %1"));
        // Qt's own texts, as its message boxes show them (qt6-translations-l10n).
        QVERIFY(german.qtInstalled());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
    }
    QCOMPARE(QCoreApplication::translate("CliText", own), QString::fromLatin1(own));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "tst_languagechoice.moc"
