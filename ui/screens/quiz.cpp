#include "ui/screens/quiz.h"

#include "ui/common/appfonts.h"
#include "ui/common/picturefile.h"
#include "ui/screens/screentexts.h"
#include "ui/screens/screenwidgets.h"
#include "ui/common/twips.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace velmora {

namespace {
constexpr double kWidth = 9855;
constexpr double kHeight = 7545;
}

Quiz::Quiz(QWidget *parent)
    : QWidget(parent, fixedSingleBorder())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setUpWindow(this, QStringLiteral("Quiz"), tr("Quiz"), kWidth, kHeight,
                QColor(128, 255, 128));

    // The card's words are painted in the reader's language over its art.
    QImage card = readPictureFile(QStringLiteral(":/pictures/quizpicture.jpg")).toImage();
    const QuizWords words = quizWords();
    paintQuizCardWords(card, words);
    const QPixmap picture = QPixmap::fromImage(card);
    const double width = picture.width() * kTwipsPerPixel;
    const double height = picture.height() * kTwipsPerPixel;
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture);
    // Centred across, and raised 400 twips above the middle to leave room for the button.
    image->setGeometry(
        twipsRect((kWidth - width) / 2, (kHeight - height) / 2 - 400, width, height));
    // The questions are only drawn in the picture; a screen reader reads them from here.
    image->setAccessibleName(words.title);
    image->setAccessibleDescription(quizPictureText());

    QPushButton *back = addButton(this, QStringLiteral("Command1"),
                                  tr("Back to the mainform"), 3600, 6960, 3015, 495,
                                  timesFont(12, true), false);
    back->setAccessibleName(tr("Back to the main window"));
    connect(back, &QPushButton::clicked, this, &Quiz::backClicked);
}

void Quiz::closeEvent(QCloseEvent *event)
{
    emit closedByCloseBox();
    event->accept();
}

} // namespace velmora
