#include "language/languagechoice.h"
#include "ui/common/appfonts.h"
#include "ui/screens/copyrigh.h"
#include "ui/screens/howto.h"
#include "ui/screens/introfrm.h"
#include "ui/screens/prophecy.h"
#include "ui/screens/quiz.h"
#include "ui/screens/referenc.h"
#include "ui/screens/vater.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace velmora;

namespace {

enum class Window { Howto, Introfrm, Referenc, Quiz, Notice, Dedication, Picture };

// Windows are created on the heap, as the navigation does: the close box deletes them.
QWidget *create(Window which)
{
    switch (which) {
    case Window::Howto:
        return new Howto;
    case Window::Introfrm:
        return new Introfrm;
    case Window::Referenc:
        return new Referenc;
    case Window::Quiz:
        return new Quiz;
    case Window::Notice:
        return new copyrigh([] { return 2024; });
    case Window::Dedication:
        return new Vater;
    case Window::Picture:
        return new Prophecy;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowFrames_data();
    void windowFrames();
    void buttonsEmitTheirSignals_data();
    void buttonsEmitTheirSignals();
    void closeBoxEmitsAndDestroys_data();
    void closeBoxEmitsAndDestroys();
    void howToShowsTenCentredLines();
    void introductionWrapsAndScrolls();
    void referencesBackgroundClickOnly();
    void quizPictureSitsAboveTheMiddle();
    void noticeLayout();
    void noticeShowsYearOfItsCreation();
    void dedicationPictureCentredInFrame();
    void windowsSpeakTheInstalledLanguage_data();
    void windowsSpeakTheInstalledLanguage();
};

void TestInfoWindows::initTestCase()
{
    installFontSubstitutes();
}

void TestInfoWindows::windowFrames_data()
{
    QTest::addColumn<Window>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("background");
    QTest::addRow("how to") << Window::Howto << "Howto" << "How to" << QSize(446, 397)
                            << QColor(192, 192, 192);
    QTest::addRow("introduction") << Window::Introfrm << "Introfrm" << "Introduction"
                                  << QSize(510, 405) << QColor(192, 192, 192);
    QTest::addRow("references") << Window::Referenc << "Referenc" << "References"
                                << QSize(579, 413) << QColor(255, 255, 255);
    QTest::addRow("quiz") << Window::Quiz << "Quiz" << "Quiz" << QSize(657, 503)
                          << QColor(128, 255, 128);
    QTest::addRow("notice") << Window::Notice << "copyrigh" << "Copyright" << QSize(585, 446)
                            << QColor(192, 192, 192);
    QTest::addRow("dedication") << Window::Dedication << "Vater" << "Dedication"
                                << QSize(464, 530) << QColor(255, 255, 255);
}

void TestInfoWindows::windowFrames()
{
    QFETCH(Window, which);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QColor, background);
    std::unique_ptr<QWidget> window(create(which));
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(window->windowType(), which == Window::Dedication ? Qt::Dialog : Qt::Window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->grab().toImage().pixelColor(1, 1), background);
}

void TestInfoWindows::buttonsEmitTheirSignals_data()
{
    QTest::addColumn<Window>("which");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("signal");
    QTest::addRow("how to OK") << Window::Howto << "Command1" << "OK"
                               << QByteArray(SIGNAL(okClicked()));
    QTest::addRow("introduction OK") << Window::Introfrm << "Command1" << "OK"
                                     << QByteArray(SIGNAL(okClicked()));
    QTest::addRow("introduction references") << Window::Introfrm << "Command2" << "References"
                                             << QByteArray(SIGNAL(referencesClicked()));
    QTest::addRow("references OK") << Window::Referenc << "Command1" << "OK"
                                   << QByteArray(SIGNAL(okClicked()));
    QTest::addRow("quiz back") << Window::Quiz << "Command1" << "Back to the mainform"
                               << QByteArray(SIGNAL(backClicked()));
    QTest::addRow("notice OK") << Window::Notice << "Command1" << "OK"
                               << QByteArray(SIGNAL(okClicked()));
    QTest::addRow("dedication end") << Window::Dedication << "Command1" << "God rest his soul"
                                    << QByteArray(SIGNAL(endRequested()));
}

void TestInfoWindows::buttonsEmitTheirSignals()
{
    QFETCH(Window, which);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QByteArray, signal);
    std::unique_ptr<QWidget> window(create(which));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy spy(window.get(), signal.constData());
    QVERIFY(spy.isValid());
    auto *command = window->findChild<QPushButton *>(button);
    QVERIFY(command);
    QCOMPARE(command->text(), caption);
    QTest::mouseClick(command, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    // Leaving is the navigation's job: the window neither hides nor closes itself.
    QVERIFY(window->isVisible());
}

void TestInfoWindows::closeBoxEmitsAndDestroys_data()
{
    QTest::addColumn<Window>("which");
    QTest::addColumn<QByteArray>("signal");
    QTest::addRow("how to") << Window::Howto << QByteArray(SIGNAL(closedByCloseBox()));
    QTest::addRow("introduction") << Window::Introfrm << QByteArray(SIGNAL(closedByCloseBox()));
    QTest::addRow("references") << Window::Referenc << QByteArray(SIGNAL(closedByCloseBox()));
    QTest::addRow("quiz") << Window::Quiz << QByteArray(SIGNAL(closedByCloseBox()));
    QTest::addRow("notice") << Window::Notice << QByteArray(SIGNAL(closedByCloseBox()));
    // Closing the dedication ends the program like its button.
    QTest::addRow("dedication") << Window::Dedication << QByteArray(SIGNAL(endRequested()));
}

void TestInfoWindows::closeBoxEmitsAndDestroys()
{
    QFETCH(Window, which);
    QFETCH(QByteArray, signal);
    QPointer<QWidget> window(create(which));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QSignalSpy spy(window.data(), signal.constData());
    QVERIFY(window->close());
    QCOMPARE(spy.count(), 1);
    QTRY_VERIFY(window.isNull());
}

void TestInfoWindows::howToShowsTenCentredLines()
{
    Howto window;
    auto *label = window.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(16, 32, 417, 313));
    QCOMPARE(label->text().split(QLatin1Char('\n')).size(), 10);
    // Wrapped at the label's width, all ten lines fit its height.
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
             qPrintable(QString::number(label->heightForWidth(label->width()))));
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().pointSizeF(), 12.0);
    auto *ok = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(ok->geometry(), QRect(184, 360, 81, 33));
    QCOMPARE(ok->cursor().shape(), Qt::BitmapCursor);
}

void TestInfoWindows::introductionWrapsAndScrolls()
{
    Introfrm window;
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), QRect(16, 8, 481, 353));
    QVERIFY(text->isReadOnly());
    QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(text->font().bold());
    QCOMPARE(text->document()->blockCount(), 1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
}

void TestInfoWindows::referencesBackgroundClickOnly()
{
    Referenc window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = window.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *heading = window.findChild<QLabel *>(QStringLiteral("Label1_0"));
    QVERIFY(list && heading);
    QCOMPARE(list->geometry(), QRect(16, 40, 553, 321));
    QCOMPARE(heading->text(), QStringLiteral("References"));
    QCOMPARE(list->text().split(QLatin1Char('\n')).size(), 6);
    QVERIFY(list->alignment().testFlag(Qt::AlignLeft));

    QSignalSpy background(&window, &Referenc::backgroundClicked);
    QSignalSpy ok(&window, &Referenc::okClicked);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->rect().center());
    QTest::mouseClick(heading, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(background.count(), 0);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window.childAt(QPoint(5, 5)), nullptr);
    QCOMPARE(background.count(), 1);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(window.width() - 4, window.height() - 4));
    QCOMPARE(background.count(), 2);
    QCOMPARE(ok.count(), 0);
}

void TestInfoWindows::quizPictureSitsAboveTheMiddle()
{
    Quiz window;
    auto *image = window.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    QCOMPARE(image->pixmap().size(), QSize(544, 260));
    // Left 847.5 and top 1422.5 twips.
    QCOMPARE(image->geometry(), QRect(57, 95, 544, 260));
    auto *back = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(back->geometry(), QRect(240, 464, 201, 33));
    QVERIFY(back->font().bold());
}

void TestInfoWindows::noticeLayout()
{
    copyrigh window([] { return 2024; });
    struct Expected {
        const char *name;
        QRect geometry;
        QColor background;
        QColor text;
        bool bordered;
    };
    const Expected expected[] = {
        {"Label1", QRect(56, 8, 497, 25), QColor(192, 192, 192), QColor(0, 0, 255), false},
        {"Label3", QRect(24, 136, 369, 65), QColor(255, 0, 0), QColor(255, 255, 0), true},
        {"Label5", QRect(416, 176, 161, 49), QColor(192, 192, 192), QColor(0, 0, 255), false},
        {"Label7", QRect(24, 208, 369, 137), QColor(0, 0, 255), QColor(255, 255, 0), true},
        {"Label6", QRect(24, 352, 369, 89), QColor(0, 255, 255),
         QApplication::palette().color(QPalette::WindowText), true},
    };
    for (const Expected &e : expected) {
        auto *label = window.findChild<QLabel *>(QLatin1String(e.name));
        QVERIFY2(label, e.name);
        QCOMPARE(label->geometry(), e.geometry);
        QCOMPARE(label->palette().color(QPalette::Window), e.background);
        QCOMPARE(label->palette().color(QPalette::WindowText), e.text);
        QCOMPARE(label->frameShape() != QFrame::NoFrame, e.bordered);
    }
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Label1"))->text().isEmpty());
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Label2"))->text().isEmpty());
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Label3"))->font().bold());
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label6"))->font().pointSizeF(), 9.6);
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Label7"))
                ->alignment()
                .testFlag(Qt::AlignLeft));

    // The picture box is smaller than the picture here; the whole picture must still show.
    auto *box = window.findChild<QLabel *>(QStringLiteral("Picture1"));
    QCOMPARE(box->geometry(), QRect(440, 232, 118, 153));
    const QSize shown = box->pixmap().size();
    QVERIFY(shown.width() <= box->width() && shown.height() <= box->height());
    QVERIFY(shown.width() >= box->width() - 1 || shown.height() >= box->height() - 1);
    QVERIFY(std::abs(double(shown.width()) / shown.height() - 136.0 / 180.0) < 0.01);
}

void TestInfoWindows::noticeShowsYearOfItsCreation()
{
    int year = 2030;
    const YearClock clock = [&year] { return year; };
    const auto holderLine = [](const copyrigh &notice) {
        return notice.findChild<QLabel *>(QStringLiteral("Label5"))->text();
    };
    copyrigh before(clock);
    QVERIFY(holderLine(before).contains(QStringLiteral("1997-2030")));
    year = 2031;
    copyrigh after(clock);
    QVERIFY(holderLine(after).contains(QStringLiteral("1997-2031")));
    // A notice created before the change keeps its year while it exists.
    QVERIFY(holderLine(before).contains(QStringLiteral("1997-2030")));
}

void TestInfoWindows::dedicationPictureCentredInFrame()
{
    Vater window;
    auto *frame = window.findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->geometry(), QRect(24, 16, 433, 465));
    QVERIFY(frame->title().isEmpty());
    auto *picture = frame->findChild<QLabel *>(QStringLiteral("Picture2"));
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().size(), QSize(504, 559));
    // Larger than the frame here: centred, with an even margin trimmed on each side.
    QCOMPARE(picture->geometry(), QRect(-36, -47, 504, 559));
    auto *end = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(end->geometry(), QRect(88, 488, 305, 33));
    QCOMPARE(end->font().pointSizeF(), 14.4);
    QVERIFY(end->font().bold());
}

void TestInfoWindows::windowsSpeakTheInstalledLanguage_data()
{
    QTest::addColumn<Window>("which");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<QString>("picture");
    QTest::addRow("how to") << Window::Howto << true << QString();
    QTest::addRow("introduction") << Window::Introfrm << true << QString();
    QTest::addRow("references") << Window::Referenc << true << QString();
    QTest::addRow("dedication") << Window::Dedication << true << QString();
    // "Quiz" is German too.
    QTest::addRow("quiz card") << Window::Quiz << false << "Image1";
    QTest::addRow("notice emblem") << Window::Notice << true << "Picture1";
    // The picture screen's caption is never shown: it has no frame.
    QTest::addRow("life cycle") << Window::Picture << false << "Picture1";
}

// A context lupdate wrote without "velmora::" leaves a window English, as a picture whose
// words were baked in does.
void TestInfoWindows::windowsSpeakTheInstalledLanguage()
{
    QFETCH(Window, which);
    QFETCH(bool, titled);
    QFETCH(QString, picture);
    const auto pictureOf = [&picture](QWidget &window) {
        return window.findChild<QLabel *>(picture)->pixmap().toImage();
    };
    std::unique_ptr<QWidget> english(create(which));
    const QString title = english->windowTitle();
    const QImage englishPicture = picture.isEmpty() ? QImage() : pictureOf(*english);

    const InstalledLanguage german(QStringLiteral("de"));
    QVERIFY(german.ownInstalled());
    std::unique_ptr<QWidget> translated(create(which));
    if (titled)
        QVERIFY2(translated->windowTitle() != title, qPrintable(title));
    if (!picture.isEmpty()) {
        const QImage shown = pictureOf(*translated);
        QCOMPARE(shown.size(), englishPicture.size());
        QVERIFY(shown != englishPicture);
    }
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
