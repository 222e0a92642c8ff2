#include "base/texts.h"

#include <QtTest>

using namespace velmora;

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void fillsPlaceholdersWhereTheLanguagePutThem_data();
    void fillsPlaceholdersWhereTheLanguagePutThem();
    void englishTextsBypassTheTranslator();
};

void TestTexts::fillsPlaceholdersWhereTheLanguagePutThem_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("text");
    QTest::addRow("order swapped by a language") << "%2 vor %1" << QStringList{"a", "b"}
                                                 << "b vor a";
    QTest::addRow("same placeholder twice") << "%1 of %1" << QStringList{"M"} << "M of M";
    QTest::addRow("ten is not one and a zero") << "%10 and %1" << QStringList{"x"} << "%10 and x";
    QTest::addRow("value holding a placeholder not filled again")
        << "%1 then %2" << QStringList{"%2", "b"} << "%2 then b";
    QTest::addRow("placeholder without value kept") << "%1 and %3" << QStringList{"a", "b"}
                                                    << "a and %3";
    QTest::addRow("zero is not ours") << "%0 %1" << QStringList{"a"} << "%0 a";
    QTest::addRow("per cent sign of a figure") << "1 % in %1 %" << QStringList{"it"}
                                               << "1 % in it %";
    QTest::addRow("pattern ends in a per cent sign") << "by %1%" << QStringList{"5"} << "by 5%";
}

void TestTexts::fillsPlaceholdersWhereTheLanguagePutThem()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, values);
    QFETCH(QString, text);
    std::vector<std::string> filled;
    for (const QString &value : values)
        filled.push_back(value.toStdString());
    QCOMPARE(QString::fromStdString(filledText(pattern.toStdString(), filled)), text);
}

// The labels `--json` prints are data: a translator installed for the windows must not reach
// them, on this thread, while the guard lives, and must reach the texts again after it.
void TestTexts::englishTextsBypassTheTranslator()
{
    setTextTranslator([](const char *, const char *) { return std::string("übersetzt"); });
    {
        const EnglishTexts english;
        QCOMPARE(translatedText("Test", "Notes"), std::string("Notes"));
        {
            const EnglishTexts nested;
        }
        QCOMPARE(translatedText("Test", "Notes"), std::string("Notes"));
    }
    QCOMPARE(translatedText("Test", "Notes"), std::string("übersetzt"));
    setTextTranslator({});
    QCOMPARE(translatedText("Test", "Notes"), std::string("Notes"));
}

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
