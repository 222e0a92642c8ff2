#include "model/numberfit.h"
#include "base/numbertext.h"
#include "model/simulation.h"
#include "tests/support/fakedialogs.h"
#include "ui/analysis/analysiswindow.h"
#include "ui/common/numberfield.h"
#include "ui/common/programlook.h"
#include "ui/edit/changdat.h"
#include "ui/main/form1.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <memory>

using namespace velmora;

namespace {

// The widest texts the number text form writes, and the long ones a run reaches.
const char *const kWidestTexts[] = {
    "-1.23456789012346E-100", "-1.79769313486232E+308", "-999999999999999",
    "0.333333333333333",      "-0.000123456789012345",  "1.00000000000012E+20",
    "214552694.349876",       "2.50000000000006E+20",   "12345678.9",
};

// Where a rendering differs from the same field without text: the ink of the text.
QRect inkBox(const QImage &withText, const QImage &blank)
{
    QRect ink;
    for (int y = 0; y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            if (withText.pixel(x, y) != blank.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// How wide a text's ink is, drawn alone with room to spare.
int inkWidth(const FittedText &text, const QWidget *onScreen)
{
    QImage blank(1200, 120, QImage::Format_RGB32);
    blank.setDotsPerMeterX(qRound(onScreen->logicalDpiX() / 0.0254));
    blank.setDotsPerMeterY(qRound(onScreen->logicalDpiY() / 0.0254));
    blank.fill(Qt::white);
    QImage drawn = blank;
    QPainter painter(&drawn);
    painter.setFont(text.font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(100, 0, 1000, 120), Qt::AlignCenter, text.text);
    painter.end();
    return inkBox(drawn, blank).width();
}

QImage render(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The shown text reads as the whole one: the same text, or the whole value rounded to the
// digits shown (off by at most half a unit of the last of them). Read as long doubles, as a
// rounding may pass the largest double.
QString readsAsWhole(const QString &shown, const QString &whole)
{
    if (shown == whole)
        return {};
    const int digits = significantDigits(shown.toStdString());
    if (digits < 1 || digits >= significantDigits(whole.toStdString()))
        return QStringLiteral("\"%1\" is no shorter number than \"%2\"").arg(shown, whole);
    const std::string shownText = shown.toStdString();
    const std::string wholeText = whole.toStdString();
    const long double read = std::strtold(shownText.c_str(), nullptr);
    const long double value = std::strtold(wholeText.c_str(), nullptr);
    // A nudge, so that a power of ten is not taken for the one below it.
    const long double power = std::floor(std::log10(std::fabs(read)) + 1e-9L);
    const long double halfPlace = 0.5L * std::pow(10.0L, power - digits + 1);
    if (std::fabs(read - value) > halfPlace * (1 + 1e-12L))
        return QStringLiteral("\"%1\" is not \"%2\" rounded").arg(shown, whole);
    return {};
}

// A field at rest shows `whole` whole or rounded, inside its box, no smaller than two thirds
// of its font unless one digit is all that is left, a smaller font 2 px clear of the frame;
// tool tip and accessible value hold it all.
void checkField(NumberField *field, const QString &whole)
{
    const QString name = field->window()->objectName() + QLatin1Char('.') + field->objectName();
    field->setText(QString());
    const QImage blank = render(field);
    field->setText(whole);
    const QImage painted = render(field);
    const FittedText shown = field->shown();

    const QString wrong = readsAsWhole(shown.text, whole);
    QVERIFY2(wrong.isEmpty(), qPrintable(name + QStringLiteral(": ") + wrong));

    const QRect box = field->textBox();
    const QRect ink = inkBox(painted, blank);
    QVERIFY2(!ink.isEmpty(), qPrintable(name + QStringLiteral(": nothing painted")));
    // Drawn past its box, a text would cover the field's margin and frame.
    QVERIFY2(ink.left() >= box.left() && ink.right() <= box.right(),
             qPrintable(QStringLiteral("%1: \"%2\" painted over %3..%4 in a box of %5..%6")
                            .arg(name, shown.text)
                            .arg(ink.left())
                            .arg(ink.right())
                            .arg(box.left())
                            .arg(box.right())));
    // In a smaller font the longest texts fill their room: their ink keeps 2 px clear of the
    // frame, which Fusion draws in the field's outermost pixels.
    if (shown.font != field->font()) {
        QVERIFY2(ink.left() >= 3 && ink.right() <= field->width() - 4,
                 qPrintable(QStringLiteral("%1: \"%2\" inked over %3..%4 in a field %5 px wide")
                                .arg(name, shown.text)
                                .arg(ink.left())
                                .arg(ink.right())
                                .arg(field->width())));
    }
    // All of the shown text is there, none of it cut off by the box.
    const int full = inkWidth(shown, field);
    QVERIFY2(std::abs(ink.width() - full) <= 1,
             qPrintable(QStringLiteral("%1: ink %2 px wide for \"%3\" of %4 px")
                            .arg(name)
                            .arg(ink.width())
                            .arg(shown.text)
                            .arg(full)));

    const bool oneDigit = significantDigits(shown.text.toStdString()) <= 1;
    QVERIFY2(oneDigit || shown.font.pointSizeF() >= field->font().pointSizeF() * 0.66,
             qPrintable(name + QStringLiteral(": font shrunk below two thirds")));

    QCOMPARE(field->toolTip(), shown.text == whole ? QString() : whole);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Value), whole);
}

} // namespace

class TestNumberFields : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void widestTextsShowWholeOrRounded_data();
    void widestTextsShowWholeOrRounded();
    void fitShrinksBeforeItRounds_data();
    void fitShrinksBeforeItRounds();
    void wordsEndInAnEllipsis();
    void typingShowsTheTextAsTyped();
    void analysisFiguresFitTheirColumns();

private:
    std::unique_ptr<Module1> m_history;
    std::unique_ptr<Simulation> m_simulation;
    FakeDialogs m_dialogs;
    std::unique_ptr<Form1> m_main;
    std::unique_ptr<Changdat> m_editing;
};

void TestNumberFields::initTestCase()
{
    applyProgramLook();
    m_history = std::make_unique<Module1>();
    m_simulation = std::make_unique<Simulation>(*m_history);
    m_simulation->startUp();
    m_main = std::make_unique<Form1>(*m_simulation, m_dialogs);
    m_main->show();
    m_editing = std::make_unique<Changdat>(*m_simulation);
    m_editing->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editing.get()));
}

void TestNumberFields::cleanupTestCase()
{
    m_editing.reset();
    m_main.reset();
}

void TestNumberFields::widestTextsShowWholeOrRounded_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : kWidestTexts)
        QTest::addRow("%s", text) << QString::fromLatin1(text);
}

void TestNumberFields::widestTextsShowWholeOrRounded()
{
    QFETCH(QString, text);
    const QList<NumberField *> fields =
        m_main->findChildren<NumberField *>() + m_editing->findChildren<NumberField *>();
    // Every number field of both windows: 33 in the main window, 24 in the editing window.
    QCOMPARE(fields.size(), 57);
    m_editing->setFocus(); // no cell is being typed in
    for (NumberField *field : fields) {
        const QString before = field->text();
        checkField(field, text);
        field->setText(before);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestNumberFields::fitShrinksBeforeItRounds_data()
{
    // The room is the width of `roomFor` drawn at full size ("full") or at two thirds of it,
    // less `less` pixels.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("roomFor");
    QTest::addColumn<bool>("atFullSize");
    QTest::addColumn<double>("less");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("size"); // "full", "smaller", "two thirds", "below two thirds"

    QTest::addRow("fits") << "40" << "40" << true << 0.0 << "40" << "full";
    QTest::addRow("shrinks a little") << "12345678.9" << "12345678.9" << true << 1.0
                                      << "12345678.9" << "smaller";
    QTest::addRow("shrinks to two thirds") << "12345678.9" << "12345678.9" << false << 0.0
                                           << "12345678.9" << "two thirds";
    QTest::addRow("rounds at two thirds") << "1.23456789012346E+20" << "1.23E+20" << false
                                          << 0.0 << "1.23E+20" << "two thirds";
    QTest::addRow("exponent form where the units do not fit")
        << "214552694.349876" << "2.1E+08" << false << 0.0 << "2.1E+08" << "two thirds";
    QTest::addRow("one digit gets smaller still")
        << "-1.23456789012346E-100" << "-1E-100" << false << 2.0 << "-1E-100"
        << "below two thirds";
}

void TestNumberFields::fitShrinksBeforeItRounds()
{
    QFETCH(QString, text);
    QFETCH(QString, roomFor);
    QFETCH(bool, atFullSize);
    QFETCH(double, less);
    QFETCH(QString, shown);
    QFETCH(QString, size);
    const QFont font = m_main->findChild<NumberField *>(QStringLiteral("n1_0"))->font();
    QFont twoThirds = font;
    twoThirds.setPointSizeF(font.pointSizeF() * 2 / 3);
    const QWidget *screen = m_main.get();
    const qreal width =
        QFontMetricsF(atFullSize ? font : twoThirds, screen).horizontalAdvance(roomFor) - less;

    const FittedText fitted = fitFieldText(text, font, width, screen);
    QCOMPARE(fitted.text, shown);
    QVERIFY(QFontMetricsF(fitted.font, screen).horizontalAdvance(fitted.text) <= width);
    const qreal points = fitted.font.pointSizeF();
    if (size == QLatin1String("full"))
        QCOMPARE(points, font.pointSizeF());
    else if (size == QLatin1String("smaller"))
        QVERIFY(points < font.pointSizeF() && points > twoThirds.pointSizeF());
    else if (size == QLatin1String("two thirds"))
        QCOMPARE(points, twoThirds.pointSizeF());
    else
        QVERIFY(points < twoThirds.pointSizeF());
}

void TestNumberFields::wordsEndInAnEllipsis()
{
    const QFont font = m_main->findChild<NumberField *>(QStringLiteral("n1_0"))->font();
    const FittedText fitted = fitFieldText(QStringLiteral("far too many words"), font, 60,
                                           m_main.get());
    QVERIFY2(fitted.text.endsWith(QChar(0x2026)), qPrintable(fitted.text));
    QVERIFY(QFontMetricsF(fitted.font, m_main.get()).horizontalAdvance(fitted.text) <= 60);
}

void TestNumberFields::typingShowsTheTextAsTyped()
{
    auto *cell = m_editing->findChild<NumberField *>(QStringLiteral("n0_0"));
    QVERIFY(cell);
    m_editing->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_editing.get()));
    m_editing->setFocus();
    cell->setText(QStringLiteral("0.333333333333333"));
    const QImage atRest = render(cell);

    cell->setFocus();
    QTRY_VERIFY(cell->hasFocus());
    QTest::keyClick(cell, Qt::Key_End);
    QTest::keyClick(cell, Qt::Key_7);
    QCOMPARE(cell->text(), QStringLiteral("0.3333333333333337"));
    // While typing, the cell is an ordinary line edit: the digits run to the box's edges.
    const QImage typing = render(cell);
    QVERIFY(typing != atRest);
    cell->setText(QString());
    const QImage blank = render(cell);
    cell->setText(QStringLiteral("0.3333333333333337"));
    QTest::keyClick(cell, Qt::Key_End);
    const QRect ink = inkBox(render(cell), blank);
    QVERIFY(ink.width() >= cell->textBox().width() - 4);

    // Left again, the cell shows the fitted form.
    m_editing->findChild<QWidget *>(QStringLiteral("Command1"))->setFocus();
    QVERIFY(!cell->hasFocus());
    QVERIFY(readsAsWhole(cell->shown().text, cell->text()).isEmpty());
}

void TestNumberFields::analysisFiguresFitTheirColumns()
{
    // N(0) of the issue: figures of every length, 6 digits each, in a fixed-size window.
    const std::array<std::string, 4> n0 = {"12345678.9", "0.333333333333333", "1E+20", "10"};
    for (size_t i = 0; i < 4; ++i) {
        m_simulation->fields().n1[i] = n0[i];
        m_simulation->fields().Harvest[i] = "-1.23456789012346E-100";
    }
    m_simulation->Restart();
    AnalysisWindow window(*m_simulation);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (NumberLabel *figure : window.findChildren<NumberLabel *>()) {
        if (figure->text().isEmpty())
            continue;
        const FittedText shown = figure->shown();
        QVERIFY2(readsAsWhole(shown.text, figure->text()).isEmpty(),
                 qPrintable(figure->objectName() + QStringLiteral(": ") + shown.text));
        QVERIFY(QFontMetricsF(shown.font, figure).horizontalAdvance(shown.text)
                <= figure->contentsRect().width());
        // Inside the window: no column pushed off its right edge.
        QVERIFY(figure->geometry().right() < window.width());
        QCOMPARE(figure->toolTip(), shown.text == figure->text() ? QString() : figure->text());
    }
    // Five figures a row: the growth, the stable and reproductive values, the equilibrium.
    QVERIFY(window.findChildren<NumberLabel *>().size() >= 20);
}

QTEST_MAIN(TestNumberFields)
#include "tst_numberfields.moc"
