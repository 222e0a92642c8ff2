#include "language/languagechoice.h"
#include "tests/ui/shell/program.h"
#include "ui/common/programlook.h"
#include "ui/exercise/exercisewindow.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "ui/risk/riskwindow.h"
#include "ui/yield/yieldwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace velmora;

namespace {

QImage render(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

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

// The ink of a control's text at a size: what it paints with its text against what it paints
// without it, so frames, backgrounds and check marks cancel out.
template <typename Control>
QRect textInk(Control *control, QSize size)
{
    const QRect kept = control->geometry();
    control->resize(size);
    const QString text = control->text();
    const QImage painted = render(control);
    control->setText(QString());
    const QImage blank = render(control);
    control->setText(text);
    control->setGeometry(kept);
    return inkBox(painted, blank);
}

// A text is cut off when the control, given room to spare, paints more of it than at its own
// size; a wrapping label keeps its width, so it only gets more lines.
template <typename Control>
void checkFits(Control *control, bool keepsWidth, QStringList *cut)
{
    const QSize own = control->size();
    const QSize roomy(keepsWidth ? own.width() : own.width() * 3 + 200, own.height() * 4 + 100);
    const QRect ink = textInk(control, own);
    const QRect whole = textInk(control, roomy);
    if (whole.width() > ink.width() + 1 || whole.height() > ink.height() + 1)
        *cut << QStringLiteral("%1 \"%2\": %3x%4 px of %5x%6")
                    .arg(control->objectName(), control->text())
                    .arg(ink.width())
                    .arg(ink.height())
                    .arg(whole.width())
                    .arg(whole.height());
}

// Every caption, label and button text the window shows now.
void checkShown(QWidget *window, QStringList *cut)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty())
            checkFits(label, label->wordWrap(), cut);
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(window) && !button->text().isEmpty())
            checkFits(button, false, cut);
    }
}

// The window, and each page of its tabs in turn.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    checkShown(window, &cut);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == shown)
                continue;
            tabs->setCurrentIndex(i);
            checkShown(tabs->widget(i), &cut);
        }
        tabs->setCurrentIndex(shown);
    }
    cut.removeDuplicates();
    return cut;
}

QWidget *opened(Program &p, const QString &window)
{
    if (window == QLatin1String("title"))
        return p.navigation.titleScreen();
    if (window == QLatin1String("picture")) {
        QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
        return p.navigation.pictureScreen();
    }
    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
    QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Return);
    if (window == QLatin1String("risk")) {
        emit p.form().riskRequested();
        return p.navigation.risk();
    }
    if (window == QLatin1String("life cycle")) {
        emit p.form().lifeCycleRequested();
        return p.navigation.lifeCycle();
    }
    if (window == QLatin1String("harvest and yield")) {
        emit p.form().yieldRequested();
        return p.navigation.harvestAndYield();
    }
    if (window == QLatin1String("exercise")) {
        emit p.form().exampleRequested(
            QStringLiteral(":/examples/growth-and-harvest-exercise.velmora"));
        return p.navigation.exercise();
    }
    return p.open(window);
}

} // namespace

class TestLanguageLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void cutTextIsSeen_data();
    void cutTextIsSeen();
    void noTextIsCutOff_data();
    void noTextIsCutOff();
};

// Without this the window check below could pass on any layout.
void TestLanguageLayout::cutTextIsSeen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("cut");
    QTest::addRow("label with room") << "label" << QSize(400, 30) << false;
    QTest::addRow("label too narrow") << "label" << QSize(80, 30) << true;
    QTest::addRow("label too low") << "label" << QSize(400, 6) << true;
    QTest::addRow("wrapped label with lines to spare") << "wrapped" << QSize(120, 200) << false;
    QTest::addRow("wrapped label one line short") << "wrapped" << QSize(120, 30) << true;
    QTest::addRow("button with room") << "button" << QSize(400, 30) << false;
    QTest::addRow("button too narrow") << "button" << QSize(90, 30) << true;
}

void TestLanguageLayout::cutTextIsSeen()
{
    QFETCH(QString, kind);
    QFETCH(QSize, size);
    QFETCH(bool, cut);
    const QString text = QStringLiteral("Wachstumsrate und reproduktiver Wert");
    QWidget window;
    QStringList found;
    if (kind == QLatin1String("button")) {
        auto *button = new QPushButton(text, &window);
        button->resize(size);
        checkFits(button, false, &found);
    } else {
        auto *label = new QLabel(text, &window);
        label->setWordWrap(kind == QLatin1String("wrapped"));
        label->resize(size);
        checkFits(label, label->wordWrap(), &found);
    }
    QCOMPARE(!found.isEmpty(), cut);
}

void TestLanguageLayout::noTextIsCutOff_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    const char *const windows[] = {"title",    "picture",  "main",     "editing",
                                   "how to",   "intro",    "references", "quiz",
                                   "notice",   "dedication", "chart",  "analysis",
                                   "risk",     "life cycle", "harvest and yield", "exercise"};
    QStringList languages{QStringLiteral("en")};
    languages << translatedLanguages();
    for (const QString &language : languages) {
        for (const char *window : windows)
            QTest::addRow("%s %s", qPrintable(language), window) << language << window;
    }
}

// The fixed layouts are the same in every language: a longer word must fit, or be shortened.
void TestLanguageLayout::noTextIsCutOff()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    const InstalledLanguage installed(language);
    QCOMPARE(installed.ownInstalled(), language != QLatin1String("en"));

    Program p(false);
    QWidget *shown = opened(p, window);
    QVERIFY2(shown, qPrintable(window));
    const QStringList cut = cutTexts(shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestLanguageLayout)
#include "tst_languagelayout.moc"
