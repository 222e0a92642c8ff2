#include "tests/ui/shell/program.h"
#include "ui/common/programlook.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QGraphicsView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtPlugin>

using namespace velmora;

namespace {

struct RecordedEvent {
    QObject *object;
    QAccessible::Event type;
};

QList<RecordedEvent> &recordedEvents()
{
    static QList<RecordedEvent> events;
    return events;
}

// Stands in for a screen reader: with none attached, the toolkit hands every accessibility
// event to the bridges it finds, and this one keeps them for the test to read.
class EventRecorder : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        recordedEvents().append({event->object(), event->type()});
    }
};

} // namespace

class EventRecorderPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "accessibilityrecorder.json")

public:
    QAccessibleBridge *create(const QString &) override
    {
        // The toolkit never deletes its bridges; held here, the recorder is no leak.
        static EventRecorder *recorder = new EventRecorder;
        return recorder;
    }
};

Q_IMPORT_PLUGIN(EventRecorderPlugin)

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString describe(QWidget *widget)
{
    return QStringLiteral("%1 \"%2\" in %3")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
             widget->window()->objectName());
}

// What a screen reader user operates or reads in a window: the window itself, its enabled and
// visible buttons, fields, text boxes, pictures and charts.
QList<QWidget *> controls(QWidget *window)
{
    QList<QWidget *> found{window};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        const auto *label = qobject_cast<QLabel *>(w);
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
            || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)
            || qobject_cast<QGraphicsView *>(w) || (label && !label->pixmap().isNull()))
            found << w;
    }
    return found;
}

int alertsFor(QObject *object)
{
    return int(std::count_if(recordedEvents().cbegin(), recordedEvents().cend(),
                             [object](const RecordedEvent &e) {
                                 return e.object == object && e.type == QAccessible::Alert;
                             }));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
    void fieldsReportTheirTexts_data();
    void fieldsReportTheirTexts();
    void namesSayWhatAControlIs_data();
    void namesSayWhatAControlIs();
    void editingMessageIsAnnouncedWhenItAppears_data();
    void editingMessageIsAnnouncedWhenItAppears();
};

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"title", "picture", "main", "main after a projection", "chart",
                               "editing", "how to", "intro", "references", "quiz", "analysis",
                               "notice", "dedication"})
        QTest::addRow("%s", window) << window;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, window);
    const bool startScreens = window == "title" || window == "picture";
    Program p(!startScreens);
    QWidget *shown = nullptr;
    if (window == "title") {
        shown = p.navigation.titleScreen();
    } else if (window == "picture") {
        QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
        shown = p.navigation.pictureScreen();
    } else if (window == "main after a projection") {
        p.clickMain("Command1");
        shown = &p.form();
    } else {
        shown = p.open(window);
    }
    QVERIFY(shown && shown->isVisible());

    for (QWidget *control : controls(shown)) {
        QVERIFY2(!accessible(control)->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(describe(control)));
    }
}

void TestAccessibility::fieldsReportTheirTexts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("fields");
    QTest::addRow("main") << "main" << 33;
    QTest::addRow("editing") << "editing" << 24;
    QTest::addRow("intro") << "intro" << 1;
}

void TestAccessibility::fieldsReportTheirTexts()
{
    QFETCH(QString, window);
    QFETCH(int, fields);
    Program p;
    p.clickMain("Command1"); // N(t+1), its total and the growth rate are filled in
    QWidget *shown = p.open(window);
    QVERIFY(shown);

    int checked = 0;
    int filled = 0;
    for (QWidget *w : shown->findChildren<QWidget *>()) {
        QString text;
        bool readOnly = false;
        if (auto *line = qobject_cast<QLineEdit *>(w)) {
            text = line->text();
            readOnly = line->isReadOnly();
        } else if (auto *box = qobject_cast<QPlainTextEdit *>(w)) {
            text = box->toPlainText();
            readOnly = box->isReadOnly();
        } else {
            continue;
        }
        ++checked;
        filled += text.isEmpty() ? 0 : 1;
        QAccessibleInterface *field = accessible(w);
        QAccessibleTextInterface *textFace = field->textInterface();
        QVERIFY2(textFace, qPrintable(describe(w)));
        QCOMPARE(textFace->text(0, textFace->characterCount()), text);
        QCOMPARE(field->text(QAccessible::Value), text);
        QCOMPARE(bool(field->state().readOnly), readOnly);
    }
    QCOMPARE(checked, fields);
    QCOMPARE(filled, fields);
}

void TestAccessibility::namesSayWhatAControlIs_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addRow("main N(t+1)") << "main" << "n2_2" << "N(t+1), age class 2";
    QTest::addRow("main harvest") << "main" << "Harvest_0" << "Harvest, age class 0";
    QTest::addRow("main growth rate") << "main" << "growrate" << "Growth rate";
    QTest::addRow("main project") << "main" << "Command1" << "Project: compute N(t+1)";
    QTest::addRow("fecundity") << "editing" << "m1_1" << "Fecundity of age class 1";
    QTest::addRow("survival") << "editing" << "m1_4" << "Survival rate from age class 0 to 1";
    QTest::addRow("last survival") << "editing" << "m1_14" << "Survival rate from age class 2 to 3";
    QTest::addRow("zero cell") << "editing" << "m1_5" << "M, row 1, column 1 (always 0)";
    QTest::addRow("last zero cell") << "editing" << "m1_15" << "M, row 3, column 3 (always 0)";
    QTest::addRow("N(0)") << "editing" << "n0_2" << "N(0), age class 2";
    QTest::addRow("editing harvest") << "editing" << "Harvest1_0" << "Harvest, age class 0";
    QTest::addRow("go back") << "editing" << "Command1" << "Go Back: check and apply the values";
    QTest::addRow("lone figure") << "analysis" << "lambdaValue0" << "Dominant eigenvalue lambda: ";
    QTest::addRow("figure of a class") << "analysis" << "stableDistributionValue2"
                                       << "Stable age distribution, class 2: ";
    // Figures under other columns than the classes are named by those columns.
    QTest::addRow("figure of a rate") << "analysis" << "rate_f1Value1"
                                      << "f1, the fecundity of class 1, sensitivity: ";
    QTest::addRow("empty figure") << "analysis" << "lambdaValue1" << "";
}

void TestAccessibility::namesSayWhatAControlIs()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    Program p;
    QWidget *shown = p.open(window);
    QVERIFY(shown);
    auto *widget = shown->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    const QString said = accessible(widget)->text(QAccessible::Name);
    if (name.endsWith(": ")) {
        // A figure is named by what it is, followed by its value.
        const auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label && !label->text().isEmpty());
        QCOMPARE(said, name + label->text());
    } else {
        QCOMPARE(said, name);
    }
}

void TestAccessibility::editingMessageIsAnnouncedWhenItAppears_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addRow("survival above 1") << "m1_9" << "1.5" << "Label1";
    QTest::addRow("negative fecundity") << "m1_3" << "-1" << "Label7";
    QTest::addRow("negative harvest") << "Harvest1_3" << "-0.5" << "Label8";
    QTest::addRow("negative N(0)") << "n0_1" << "-2" << "Label9";
    QTest::addRow("too large") << "n0_0" << "1e400" << "Label10";
}

void TestAccessibility::editingMessageIsAnnouncedWhenItAppears()
{
    QFETCH(QString, cell);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Program p;
    QWidget *edit = p.open("editing");
    QVERIFY(QTest::qWaitForWindowActive(edit));
    auto *label = edit->findChild<QLabel *>(message);
    auto *tryAgain = edit->findChild<QPushButton *>("Command3");
    QVERIFY(label && tryAgain);
    QAccessibleInterface *said = accessible(label);
    QCOMPARE(said->role(), QAccessible::AlertMessage);
    QCOMPARE(said->text(QAccessible::Name), label->text());

    edit->findChild<QLineEdit *>(cell)->setText(value);
    recordedEvents().clear();
    Program::click(edit, "Command1");
    QVERIFY(label->isVisible());
    QCOMPARE(alertsFor(label), 1);
    // The focus moves to "Try again", which tells what went wrong.
    QVERIFY(tryAgain->hasFocus());
    QCOMPARE(accessible(tryAgain)->text(QAccessible::Description), label->text());

    Program::click(edit, "Command3");
    QVERIFY(!label->isVisible());
    QVERIFY(accessible(tryAgain)->text(QAccessible::Description).isEmpty());
    QCOMPARE(alertsFor(label), 1);

    // Shown again for the same value: announced again.
    Program::click(edit, "Command1");
    QCOMPARE(alertsFor(label), 2);
    for (const char *other : {"Label1", "Label7", "Label8", "Label9", "Label10"}) {
        if (message != QLatin1String(other))
            QCOMPARE(alertsFor(edit->findChild<QLabel *>(other)), 0);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
