#include "language/glossary.h"
#include "language/languagechoice.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

using namespace velmora;

namespace {

// The languages whose file has no unfinished entry left: a language comes in here once its
// translation is done, and from then on a new text left untranslated fails the test.
const QStringList kComplete{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};

// One entry of a .ts file; a plural entry has a translation per form.
struct Entry {
    QString context;
    QString source;
    QStringList translations;
    bool finished = false;
};

QList<Entry> readEntries(const QString &path, QString *error)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isEndElement() && name == QLatin1String("message"))
            entries.append(entry);
        if (!xml.isStartElement())
            continue;
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, false};
            plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            // "vanished" and "obsolete" entries are no longer in the sources: never shown.
            entry.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!plural)
                entry.translations.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            entry.translations.append(xml.readElementText());
        } else if (name != QLatin1String("TS") && name != QLatin1String("context")) {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

// The placeholders (%1, %L2, %n) and the numbers ("4", "0.5") of a text, sorted: what a
// translation has to keep, in any order.
QStringList keptParts(const QString &text)
{
    static const QRegularExpression parts(QStringLiteral("%L?(?:\\d+|n)|\\d+(?:\\.\\d+)?"));
    QStringList found;
    for (const QRegularExpressionMatch &match : parts.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

QString tsFile(const QString &language)
{
    return QFINDTESTDATA(QStringLiteral("../../translations/velmora_%1.ts").arg(language));
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void keptPartsSeesWhatATranslationLoses_data();
    void keptPartsSeesWhatATranslationLoses();
    void finishedEntriesKeepPlaceholdersAndNumbers_data();
    void finishedEntriesKeepPlaceholdersAndNumbers();
    void glossaryIsTranslated_data();
    void glossaryIsTranslated();
    void completeLanguagesHaveNoUnfinishedEntry_data();
    void completeLanguagesHaveNoUnfinishedEntry();
};

// Without this the file checks below could pass on any translation.
void TestTranslations::keptPartsSeesWhatATranslationLoses_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("kept");
    QTest::addRow("order changed") << "%1 of %2 steps" << "%2 Schritte: %1" << true;
    QTest::addRow("placeholder lost") << "%1 of %2" << "%1 von" << false;
    QTest::addRow("placeholder renumbered") << "step %1" << "Schritt %2" << false;
    QTest::addRow("plural count lost") << "%n animals" << "Tiere" << false;
    QTest::addRow("localised number") << "CV below 0.5" << "CV unter 0,5" << false;
    QTest::addRow("number changed") << "the first 4 stages" << "las 3 primeras" << false;
    QTest::addRow("ten is not one") << "%10" << "%1" << false;
    QTest::addRow("no parts") << "Run" << "Lancer" << true;
}

void TestTranslations::keptPartsSeesWhatATranslationLoses()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, kept);
    QCOMPARE(keptParts(translation) == keptParts(source), kept);
}

void TestTranslations::finishedEntriesKeepPlaceholdersAndNumbers_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages())
        QTest::addRow("%s", qPrintable(language)) << language;
}

void TestTranslations::finishedEntriesKeepPlaceholdersAndNumbers()
{
    QFETCH(QString, language);
    const QString path = tsFile(language);
    QVERIFY2(!path.isEmpty(), "no .ts file for the language");
    QString error;
    const QList<Entry> entries = readEntries(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!entries.isEmpty());
    for (const Entry &entry : entries) {
        if (!entry.finished)
            continue;
        for (const QString &translation : entry.translations) {
            QVERIFY2(!translation.isEmpty(), qPrintable(entry.context + ": " + entry.source));
            QVERIFY2(keptParts(translation) == keptParts(entry.source),
                     qPrintable(QStringLiteral("%1: \"%2\" -> \"%3\"")
                                    .arg(entry.context, entry.source, translation)));
        }
    }
}

void TestTranslations::glossaryIsTranslated_data()
{
    finishedEntriesKeepPlaceholdersAndNumbers_data();
}

// The glossary comes first in a new language, so its terms are there for every other text.
void TestTranslations::glossaryIsTranslated()
{
    QFETCH(QString, language);
    QString error;
    const QList<Entry> entries = readEntries(tsFile(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const char *term : glossaryTerms()) {
        const auto found = std::find_if(entries.begin(), entries.end(), [term](const Entry &e) {
            return e.context == QLatin1String("Glossary") && e.source == QLatin1String(term);
        });
        QVERIFY2(found != entries.end(), term);
        QVERIFY2(found->finished && !found->translations.constFirst().isEmpty(), term);
    }
}

// A row for every language (Qt Test cannot run a function on an empty table); only those of
// kComplete have to be without an unfinished entry, the others report how many are left.
void TestTranslations::completeLanguagesHaveNoUnfinishedEntry_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("complete");
    for (const QString &language : translatedLanguages())
        QTest::addRow("%s", qPrintable(language)) << language << kComplete.contains(language);
}

void TestTranslations::completeLanguagesHaveNoUnfinishedEntry()
{
    QFETCH(QString, language);
    QFETCH(bool, complete);
    QString error;
    const QList<Entry> entries = readEntries(tsFile(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList unfinished;
    for (const Entry &entry : entries) {
        if (!entry.finished)
            unfinished << entry.context + ": " + entry.source;
    }
    qInfo("%s: %lld entries, %lld unfinished", qPrintable(language),
          static_cast<long long>(entries.size()), static_cast<long long>(unfinished.size()));
    if (complete)
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join('\n')));
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
