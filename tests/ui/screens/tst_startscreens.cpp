#include "ui/common/appfonts.h"
#include "ui/screens/backform.h"
#include "ui/screens/prophecy.h"
#include "ui/screens/symboltext.h"
#include "ui/screens/titleanimation.h"
#include "ui/screens/titlform.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace velmora;

namespace {

QLabel *titleLabel(const titlform &window, int index)
{
    return window.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(index));
}

// The indices of the title labels the window currently shows.
QList<int> shownTitles(const titlform &window)
{
    QList<int> shown;
    for (int i = 0; i < TitleAnimation::kLabels; ++i) {
        if (!titleLabel(window, i)->isHidden())
            shown << i;
    }
    return shown;
}

QColor pixelAt(QWidget &widget, QPoint at)
{
    return widget.grab().toImage().pixelColor(at);
}

} // namespace

class TestStartScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void backdropIsMaximisedInertAndBehind();
    void backdropColourOperation_data();
    void backdropColourOperation();
    void titleLayout_data();
    void titleLayout();
    void titleSmallestLabelIsGreek();
    void noTitleLabelBeforeFirstTick();
    void eachTickShowsExactlyOneLabel();
    void twoRunsShowSameSequence();
    void timerKeepsTickingWhileHidden();
    void pictureIsCentred();
    void keysLeaveScreens_data();
    void keysLeaveScreens();
    void clicksLeaveScreens_data();
    void clicksLeaveScreens();
    void doubleClickOnHintLeavesForMain();
    void closeRequestLeavesScreens();
};

void TestStartScreens::initTestCase()
{
    installFontSubstitutes();
}

void TestStartScreens::backdropIsMaximisedInertAndBehind()
{
    Backform backdrop;
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
    QVERIFY(backdrop.isMaximized());
    QCOMPARE(backdrop.geometry(), backdrop.screen()->geometry());
    QVERIFY(!backdrop.isEnabled());
    const Qt::WindowFlags flags = backdrop.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnBottomHint));
    QVERIFY(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    QCOMPARE(backdrop.backgroundColour(), QColor(0, 0, 64));
    QCOMPARE(pixelAt(backdrop, {backdrop.width() / 2, backdrop.height() / 2}), QColor(0, 0, 64));
    QVERIFY(!backdrop.close());
    QVERIFY(backdrop.isVisible());
}

void TestStartScreens::backdropColourOperation_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addRow("picture phase") << QColor(255, 255, 255);
    QTest::addRow("main phase") << QColor(0, 0, 0);
    QTest::addRow("back to title blue") << QColor(0, 0, 64);
}

void TestStartScreens::backdropColourOperation()
{
    QFETCH(QColor, colour);
    Backform backdrop;
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
    backdrop.setBackgroundColour(QColor(12, 34, 56));
    backdrop.setBackgroundColour(colour);
    QCOMPARE(backdrop.backgroundColour(), colour);
    // Disabled, it must still paint the colour, not a greyed one.
    QCOMPARE(pixelAt(backdrop, {5, 5}), colour);
}

void TestStartScreens::titleLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<double>("points");
    QTest::addRow("largest title") << "Label1_7" << QRect(8, 0, 641, 113) << 73.8;
    QTest::addRow("middle title") << "Label1_4" << QRect(40, 248, 385, 81) << 43.8;
    QTest::addRow("small title") << "Label1_1" << QRect(208, 368, 257, 41) << 24.0;
    QTest::addRow("hint") << "Label2" << QRect(80, 320, 113, 73) << 13.8;
}

void TestStartScreens::titleLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(double, points);
    titlform title;
    QCOMPARE(title.size(), QSize(709, 470));
    QVERIFY(title.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(title.palette().color(QPalette::Window), QColor(0, 0, 64));
    auto *label = title.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    if (name == QStringLiteral("Label2")) {
        QCOMPARE(label->text(), QStringLiteral("Press any key or click mouse to start."));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(label->wordWrap());
        QVERIFY(!label->isHidden());
    } else {
        QCOMPARE(label->text(), QStringLiteral("Velmora (II)"));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 128));
        QVERIFY(label->isHidden());
    }
}

void TestStartScreens::titleSmallestLabelIsGreek()
{
    titlform title;
    QLabel *label = titleLabel(title, 0);
    QCOMPARE(label->geometry(), QRect(416, 392, 217, 33));
    QCOMPARE(label->font().pointSizeF(), 18.0);
    // Either the Symbol face turns the caption into Greek, or the Greek is written out.
    if (isSymbolFace(label->font()))
        QCOMPARE(label->text(), QStringLiteral("Velmora (II)"));
    else
        QCOMPARE(label->text(), QStringLiteral("ςελμορα (ΙΙ)"));
}

void TestStartScreens::noTitleLabelBeforeFirstTick()
{
    QElapsedTimer clock;
    clock.start();
    titlform title;
    title.show();
    auto *timer = title.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 400);
    QVERIFY(timer->isActive());
    QVERIFY(shownTitles(title).isEmpty());
    QVERIFY(!title.findChild<QLabel *>(QStringLiteral("Label2"))->isHidden());

    QTRY_VERIFY_WITH_TIMEOUT(!shownTitles(title).isEmpty(), 3000);
    QVERIFY2(clock.elapsed() >= 399, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(shownTitles(title).size(), 1);
}

void TestStartScreens::eachTickShowsExactlyOneLabel()
{
    titlform title;
    title.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    title.show();
    TitleAnimation expected;
    bool sawRepeat = false;
    int previous = -1;
    for (int tick = 0; tick < 60; ++tick) {
        title.Timer1_Timer();
        const int k = expected.next().show;
        QCOMPARE(shownTitles(title), QList<int>{k});
        QVERIFY(titleLabel(title, k)->isVisible());
        sawRepeat = sawRepeat || k == previous;
        previous = k;
    }
    // A tick that draws the label already shown must leave it visible.
    QVERIFY(sawRepeat);
}

void TestStartScreens::twoRunsShowSameSequence()
{
    QList<int> runs[2];
    for (QList<int> &run : runs) {
        titlform title;
        title.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        for (int tick = 0; tick < 40; ++tick) {
            title.Timer1_Timer();
            run << shownTitles(title);
        }
    }
    QCOMPARE(runs[0], runs[1]);
    QCOMPARE(runs[0].size(), 40);
}

void TestStartScreens::timerKeepsTickingWhileHidden()
{
    titlform title;
    title.show();
    title.hide();
    QTRY_COMPARE_WITH_TIMEOUT(shownTitles(title).size(), 1, 3000);
    QVERIFY(title.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

void TestStartScreens::pictureIsCentred()
{
    Prophecy picture;
    QCOMPARE(picture.size(), QSize(650, 483));
    QVERIFY(picture.windowFlags().testFlag(Qt::FramelessWindowHint));
    auto *box = picture.findChild<QLabel *>(QStringLiteral("Picture1"));
    QVERIFY(box);
    QVERIFY(!box->pixmap().isNull());
    QCOMPARE(box->pixmap().size(), QSize(640, 480));
    // Left 75 and top 22.5 twips.
    QCOMPARE(box->geometry(), QRect(5, 2, 640, 480));
    QCOMPARE(box->cursor().shape(), Qt::BitmapCursor);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QCOMPARE(pixelAt(picture, {1, 1}), QColor(255, 255, 255));
}

void TestStartScreens::keysLeaveScreens_data()
{
    QTest::addColumn<bool>("onTitle");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("leaves");
    for (bool onTitle : {true, false}) {
        const char *screen = onTitle ? "title" : "picture";
        QTest::addRow("%s letter", screen) << onTitle << int(Qt::Key_Q) << true;
        QTest::addRow("%s digit", screen) << onTitle << int(Qt::Key_3) << true;
        QTest::addRow("%s space", screen) << onTitle << int(Qt::Key_Space) << true;
        QTest::addRow("%s enter", screen) << onTitle << int(Qt::Key_Return) << true;
        QTest::addRow("%s escape", screen) << onTitle << int(Qt::Key_Escape) << true;
        QTest::addRow("%s backspace", screen) << onTitle << int(Qt::Key_Backspace) << true;
        QTest::addRow("%s arrow", screen) << onTitle << int(Qt::Key_Right) << false;
        QTest::addRow("%s function key", screen) << onTitle << int(Qt::Key_F5) << false;
        QTest::addRow("%s shift", screen) << onTitle << int(Qt::Key_Shift) << false;
    }
}

void TestStartScreens::keysLeaveScreens()
{
    QFETCH(bool, onTitle);
    QFETCH(int, key);
    QFETCH(bool, leaves);
    std::unique_ptr<QWidget> screen;
    std::unique_ptr<QSignalSpy> spy;
    if (onTitle) {
        auto *title = new titlform;
        screen.reset(title);
        spy = std::make_unique<QSignalSpy>(title, &titlform::leaveForPicture);
    } else {
        auto *picture = new Prophecy;
        screen.reset(picture);
        spy = std::make_unique<QSignalSpy>(picture, &Prophecy::leave);
    }
    screen->show();
    QVERIFY(QTest::qWaitForWindowActive(screen.get()));
    // Sent to whatever has the focus, as a real key press is.
    QCOMPARE(QApplication::focusWidget(), screen.get());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(spy->count(), leaves ? 1 : 0);
    QVERIFY(screen->isVisible());
}

void TestStartScreens::clicksLeaveScreens_data()
{
    QTest::addColumn<bool>("onTitle");
    QTest::addColumn<QString>("target");
    QTest::addRow("title background") << true << "";
    QTest::addRow("title hint") << true << "Label2";
    QTest::addRow("title label") << true << "Label1_3";
    QTest::addRow("title symbol label") << true << "Label1_0";
    QTest::addRow("picture margin") << false << "";
    QTest::addRow("picture") << false << "Picture1";
}

void TestStartScreens::clicksLeaveScreens()
{
    QFETCH(bool, onTitle);
    QFETCH(QString, target);
    std::unique_ptr<QWidget> screen;
    std::unique_ptr<QSignalSpy> spy;
    if (onTitle) {
        auto *title = new titlform;
        screen.reset(title);
        spy = std::make_unique<QSignalSpy>(title, &titlform::leaveForPicture);
    } else {
        auto *picture = new Prophecy;
        screen.reset(picture);
        spy = std::make_unique<QSignalSpy>(picture, &Prophecy::leave);
    }
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
    QWidget *clicked = screen.get();
    QPoint at(2, 1);
    if (!target.isEmpty()) {
        clicked = screen->findChild<QWidget *>(target);
        QVERIFY(clicked);
        clicked->show();
        at = clicked->rect().center();
    } else {
        QCOMPARE(screen->childAt(at), nullptr);
    }
    QTest::mouseClick(clicked, Qt::LeftButton, {}, at);
    QCOMPARE(spy->count(), 1);
}

void TestStartScreens::doubleClickOnHintLeavesForMain()
{
    titlform title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    QSignalSpy toMain(&title, &titlform::leaveForMain);
    auto *hint = title.findChild<QLabel *>(QStringLiteral("Label2"));
    QTest::mouseDClick(hint, Qt::LeftButton);
    QCOMPARE(toMain.count(), 1);

    // A double click elsewhere is only a click.
    QTest::mouseDClick(&title, Qt::LeftButton, {}, QPoint(2, 1));
    QCOMPARE(toMain.count(), 1);
}

void TestStartScreens::closeRequestLeavesScreens()
{
    titlform title;
    title.show();
    QSignalSpy toPicture(&title, &titlform::leaveForPicture);
    QVERIFY(!title.close());
    QCOMPARE(toPicture.count(), 1);
    QVERIFY(title.isVisible());

    Prophecy picture;
    picture.show();
    QSignalSpy toMain(&picture, &Prophecy::leave);
    QVERIFY(!picture.close());
    QCOMPARE(toMain.count(), 1);
    QVERIFY(picture.isVisible());
}

QTEST_MAIN(TestStartScreens)
#include "tst_startscreens.moc"
