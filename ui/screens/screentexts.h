#pragma once

#include "ui/screens/pictures/screenpictures.h"

#include <QString>
#include <QStringList>

namespace velmora {

// The fixed texts of the information windows and the closing notice, kept apart from the
// windows so they can be checked without building one; each in the reader's language.

// The eight lines of the how-to page, and its caption: the lines joined by single line feeds.
QStringList howToLines();
QString howToCaption();

// The introduction as first written in English: fragments that join, with nothing between
// them, into one paragraph, which is the English of introductionText().
QStringList introductionFragments();
// The introduction in the reader's language, one paragraph.
QString introductionText();

// The six references, one a line: cited as published, in every language.
QStringList referenceList();
QString referencesCaption();

// The closing notice.
QString noticeProtection();
QString noticeRights();
// Names this project as rights holder from 1997 to `currentYear`.
QString noticeHolder(int currentYear);
QString noticeCitation();
QString noticeDownloads();

// What the pictures show, for those who cannot see them: read out by screen readers.
QString lifeCyclePictureText();
QString quizPictureText();

// The words painted over the pictures.
LifeCycleWords lifeCycleWords();
QuizWords quizWords();
EmblemWords emblemWords();

} // namespace velmora
