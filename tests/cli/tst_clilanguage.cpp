#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// velmora-cli run with LANG set to `lang` and no other locale variable over it.
Run runCli(const QString &lang, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *over : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(over));
    environment.insert(QStringLiteral("LANG"), lang);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_CLI), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class TestCliLanguage : public QObject {
    Q_OBJECT

private slots:
    void languageFollowsLang_data();
    void languageFollowsLang();
    void unknownLangIsRefusedWithOneLine_data();
    void unknownLangIsRefusedWithOneLine();
    void outputIsTheSameInEveryLanguage_data();
    void outputIsTheSameInEveryLanguage();
    void textSpeaksTheLanguageAndKeepsItsFigures_data();
    void textSpeaksTheLanguageAndKeepsItsFigures();
    void csvIsTheSameInEveryLanguage();
};

void TestCliLanguage::languageFollowsLang_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("refusal");
    const QStringList unknown{"analyze"};
    QTest::addRow("de_AT speaks German")
        << "de_AT.UTF-8" << unknown << QByteArray("unbekannter Befehl analyze; meinten Sie");
    QTest::addRow("fr_CA speaks French")
        << "fr_CA.UTF-8" << unknown << QByteArray("commande inconnue analyze ; vouliez-vous");
    QTest::addRow("pt_BR speaks English")
        << "pt_BR.UTF-8" << unknown << QByteArray("unknown command analyze; did you mean");
    QTest::addRow("--lang over LANG") << "de_DE.UTF-8" << QStringList{"--lang", "es", "analyze"}
                                      << QByteArray("comando desconocido analyze;");
    QTest::addRow("--lang en") << "fr_FR.UTF-8" << QStringList{"--lang=en", "analyze"}
                               << QByteArray("unknown command analyze;");
}

void TestCliLanguage::languageFollowsLang()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, refusal);
    const Run run = runCli(lang, arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith("velmora-cli: " + refusal), run.err.constData());
}

void TestCliLanguage::unknownLangIsRefusedWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("line");
    QTest::addRow("unknown code") << QStringList{"--lang", "xx", "analyse"}
                                  << QByteArray("velmora-cli: unknown language \"xx\" for --lang; "
                                                "the languages are de, en, es, fr "
                                                "(see velmora-cli --help)\n");
    QTest::addRow("empty code") << QStringList{"--lang=", "analyse"}
                                << QByteArray("velmora-cli: unknown language \"\" for --lang; "
                                              "the languages are de, en, es, fr "
                                              "(see velmora-cli --help)\n");
    QTest::addRow("no code") << QStringList{"--lang"}
                             << QByteArray("velmora-cli: option --lang needs a value "
                                           "(see velmora-cli --help)\n");
}

void TestCliLanguage::unknownLangIsRefusedWithOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, line);
    const Run run = runCli(QStringLiteral("C.UTF-8"), arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, line);
    QVERIFY(run.out.isEmpty());
}

// JSON is data: a script reads it the same whatever language, and locale, its reader has.
void TestCliLanguage::outputIsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addRow("analyse --json") << QStringList{"analyse", "--json"};
    QTest::addRow("risk --json")
        << QStringList{"risk", "--json", "--replicates", "50", "--steps", "5"};
}

void TestCliLanguage::outputIsTheSameInEveryLanguage()
{
    QFETCH(QStringList, command);
    const Run english = runCli(QStringLiteral("C.UTF-8"), command);
    QCOMPARE(english.status, 0);
    QVERIFY(!english.out.isEmpty());
    for (const QString &language : QStringList{"de", "es", "fr"}) {
        const Run other = runCli(language + QStringLiteral("_DE.UTF-8"),
                                 QStringList{"--lang", language} + command);
        QCOMPARE(other.status, 0);
        QCOMPARE(other.out, english.out);
    }
}

// The figures of a text, in order: a translation may move words but never change a number.
QStringList figures(const QByteArray &text)
{
    static const QRegularExpression number(QStringLiteral("-?\\d+(?:\\.\\d+)?(?:e[-+]?\\d+)?"));
    QStringList found;
    for (const QRegularExpressionMatch &match : number.globalMatch(QString::fromUtf8(text)))
        found << match.captured();
    return found;
}

// A text command answers in the language asked for, with the same figures as in English and
// the decimal point kept; its refusals too.
void TestCliLanguage::textSpeaksTheLanguageAndKeepsItsFigures_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QByteArray>("said");
    QTest::addRow("run, de") << "de" << QStringList{"run", "--steps", "2"}
                             << QByteArray("2 Project/Transit-Paare ausgeführt.");
    QTest::addRow("life cycle run, fr")
        << "fr"
        << QStringList{"run", "--stages", "a,b", "--transitions", "0,0;0.5,0.8", "--reproduction",
                       "0,2;0,0", "--steps", "1"}
        << QByteArray("1 pas exécuté.");
    QTest::addRow("yield, es") << "es"
                               << QStringList{"yield", "--density", "beverton-holt", "--capacity", "100"}
                               << QByteArray("Dependencia de la densidad: Beverton-Holt, K = 100");
    QTest::addRow("refusal, fr") << "fr" << QStringList{"run", "--steps", "5000"}
                                 << QByteArray("--steps demande un nombre entier de 0 à 1000");
    QTest::addRow("model file refusal, de")
        << "de" << QStringList{"analyse", "--stages", "a,b", "--transitions", "0,0;0.5", "--reproduction", "0,2;0,0"}
        << QByteArray("Zeile 2 enthält 1 Wert für 2 Stadien");
}

void TestCliLanguage::textSpeaksTheLanguageAndKeepsItsFigures()
{
    QFETCH(QString, language);
    QFETCH(QStringList, command);
    QFETCH(QByteArray, said);
    const Run english = runCli(QStringLiteral("C.UTF-8"), command);
    const Run other = runCli(QStringLiteral("C.UTF-8"), QStringList{"--lang", language} + command);
    QCOMPARE(other.status, english.status);
    const QByteArray text = other.out + other.err;
    QVERIFY2(text.contains(said), text.constData());
    QCOMPARE(figures(text), figures(english.out + english.err));
}

// A CSV is data: its head and cells are the same bytes whatever language the run speaks.
void TestCliLanguage::csvIsTheSameInEveryLanguage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto csvOf = [&dir](const QString &language) {
        const QString file = dir.filePath(language + QStringLiteral(".csv"));
        const Run run = runCli(QStringLiteral("C.UTF-8"),
                               QStringList{"--lang", language, "run", "--stages", "a,b", "--transitions",
                                           "0,0;0.5,0.8", "--reproduction", "0,2;0,0", "--density",
                                           "ricker", "--capacity", "50", "--strategy", "rate", "--level",
                                           "0.1", "--steps", "3", "--csv", file});
        QFile csv(file);
        return run.status == 0 && csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray();
    };
    const QByteArray english = csvOf(QStringLiteral("en"));
    QVERIFY(english.startsWith("t,a,b,total,growth rate,yield\r\n"));
    for (const QString &language : QStringList{"de", "es", "fr"})
        QCOMPARE(csvOf(language), english);
}

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "tst_clilanguage.moc"
