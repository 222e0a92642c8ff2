#include "modelfile/stagerows.h"

#include <QtTest>

using namespace velmora;

namespace {

QString problemText(const StageTextRead &read)
{
    return QString::fromStdString(read.problem);
}

} // namespace

class TestStageRows : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void values_data();
    void values();
    void names_data();
    void names();
};

void TestStageRows::rows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stages");
    QTest::addColumn<QList<double>>("matrix"); // by rows
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");

    // Rows are the stage moved to: row 2 holds what seeds and adults give adults.
    QTest::addRow("two stages") << "0,2;0.5,0.8" << 2 << QList<double>{0, 2, 0.5, 0.8} << "" << 0 << 0;
    QTest::addRow("blanks and exponents") << " 0 , 1e-3 ;\t.5,8E-1 " << 2
                                          << QList<double>{0, 0.001, 0.5, 0.8} << "" << 0 << 0;
    QTest::addRow("one stage") << "1.5" << 1 << QList<double>{1.5} << "" << 0 << 0;
    // Rows typed over several lines of a shell: the line breaks around a value are blanks.
    QTest::addRow("a row a line") << "0,2;\n0.5,0.8\n" << 2 << QList<double>{0, 2, 0.5, 0.8} << ""
                                  << 0 << 0;
    // A decimal comma splits a value in two.
    QTest::addRow("decimal comma")
        << "0,2;0,5,0.8" << 2 << QList<double>{}
        << "row 2 holds 3 values for 2 stages: one for each stage, separated by \",\"" << 2 << 0;
    QTest::addRow("word") << "0,2;0.5,x" << 2 << QList<double>{}
                          << "row 2, value 2: \"x\" is not a number" << 2 << 2;
    QTest::addRow("empty value") << "0, ;0.5,0.8" << 2 << QList<double>{}
                                 << "row 1, value 2 is empty" << 1 << 2;
    QTest::addRow("empty text") << "" << 1 << QList<double>{} << "row 1, value 1 is empty" << 1 << 1;
    QTest::addRow("negative") << "0,2;-0.5,0.8" << 2 << QList<double>{}
                              << "row 2, value 1: -0.5 is below 0; rates and numbers of animals "
                                 "are at least 0"
                              << 2 << 1;
    QTest::addRow("beyond a double") << "1e999" << 1 << QList<double>{}
                                     << "row 1, value 1: 1e999 is too large for the program" << 1 << 1;
    // Reads as a double, but its number text rounds past the largest one.
    QTest::addRow("largest double") << "1.7976931348623157e308" << 1 << QList<double>{}
                                    << "row 1, value 1: 1.7976931348623157e308 is too large for "
                                       "the program"
                                    << 1 << 1;
    QTest::addRow("no stages") << "0" << 0 << QList<double>{}
                               << "a model has 1 to 100 stages, not 0" << 0 << 0;
}

void TestStageRows::rows()
{
    QFETCH(QString, text);
    QFETCH(int, stages);
    QFETCH(QList<double>, matrix);
    QFETCH(QString, problem);
    QFETCH(int, row);
    QFETCH(int, value);
    const StageRowsRead read = readStageRows(text.toStdString(), stages);
    QCOMPARE(problemText(read), problem);
    QCOMPARE(read.row, row);
    QCOMPARE(read.value, value);
    if (!read.ok())
        return;
    QCOMPARE(read.matrix.rows(), stages);
    QCOMPARE(read.matrix.cols(), stages);
    for (int r = 0; r < stages; ++r) {
        for (int c = 0; c < stages; ++c)
            QCOMPARE(read.matrix(r, c), matrix[r * stages + c]);
    }
}

void TestStageRows::values_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("problem");

    QTest::addRow("three stages") << "10, 0,2.5" << QList<double>{10, 0, 2.5} << "";
    QTest::addRow("two values") << "10,10" << QList<double>{}
                                << "2 values for 3 stages: one for each stage, separated by \",\"";
    QTest::addRow("negative") << "10,-1,0" << QList<double>{}
                              << "value 2: -1 is below 0; rates and numbers of animals are at least 0";
}

void TestStageRows::values()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, values);
    QFETCH(QString, problem);
    const StageValuesRead read = readStageValues(text.toStdString(), 3);
    QCOMPARE(problemText(read), problem);
    QCOMPARE(read.values.size(), values.size());
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(read.values(i), values[i]);
}

void TestStageRows::names_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("problem");

    QTest::addRow("blanks around the names") << QByteArray(" seeds,small rosettes , flowering plants")
                                             << QStringList{"seeds", "small rosettes", "flowering plants"}
                                             << "";
    QTest::addRow("50 characters, not ASCII")
        << QString(50, QChar(0x00e9)).toUtf8() << QStringList{QString(50, QChar(0x00e9))} << "";
    QTest::addRow("51 characters") << QByteArray(51, 'x') << QStringList{}
                                   << "name 1: a stage name must be at most 50 characters long";
    QTest::addRow("two commas") << QByteArray("seeds,,adults") << QStringList{}
                                << "name 2: a stage needs a name";
    QTest::addRow("same name twice")
        << QByteArray("adults,seeds, adults") << QStringList{}
        << "name 3 (\"adults\") is an earlier name as well: each stage needs a name of its own";
    QTest::addRow("tab inside") << QByteArray("seeds,a\tb") << QStringList{}
                                << "name 2: a stage name must be one line without tabs or control "
                                   "characters";
    QTest::addRow("not UTF-8") << QByteArray("seeds,\xC3\x28") << QStringList{}
                               << "name 2: a stage name must be UTF-8 text";
    QTest::addRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QStringList{}
                                       << "name 1: a stage name must be UTF-8 text";
    QByteArray many = "s";
    for (int i = 2; i <= 101; ++i)
        many += ",s" + QByteArray::number(i);
    QTest::addRow("101 names") << many << QStringList{}
                               << "101 names: the program takes at most 100 stages";
}

void TestStageRows::names()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, names);
    QFETCH(QString, problem);
    const StageNamesRead read = readStageNames(text.toStdString());
    QCOMPARE(problemText(read), problem);
    QStringList got;
    for (const std::string &name : read.names)
        got << QString::fromStdString(name);
    QCOMPARE(got, names);
}

QTEST_APPLESS_MAIN(TestStageRows)
#include "tst_stagerows.moc"
