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

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "tst_clilanguage.moc"
