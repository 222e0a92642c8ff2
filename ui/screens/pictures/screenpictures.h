#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace velmora {

// The pictures of the picture screen, the quiz and the closing notice come in two layers: the
// art (shapes, colours, formulas and the program's name), which tools/makepictures draws into
// resources/pictures, and the words, which the window paints over it in the reader's language.

// The words of the life-cycle picture shown after the title screen.
struct LifeCycleWords {
    QString subtitle;
    QString ageClass; // "Age %1", with %1 the class number
    QString belowZero;
    QString begin;
};

// The words of the quiz card: its title, the task and three questions without their numbers.
struct QuizWords {
    QString title;
    QString task;
    QStringList questions;
};

// The words of the notice's emblem, under its age pyramid.
struct EmblemWords {
    QString ageClasses;
    QString since;
};

QImage lifeCycleArt();
QImage quizCardArt();
QImage noticeEmblemArt();

// Paint the words over the art of the same picture, each in the place and face the English has;
// a text longer than its place is set smaller rather than cut.
void paintLifeCycleWords(QImage &picture, const LifeCycleWords &words);
void paintQuizCardWords(QImage &picture, const QuizWords &words);
void paintNoticeEmblemWords(QImage &picture, const EmblemWords &words);

} // namespace velmora
