#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// The fixed texts of the information windows and the closing notice, kept apart from the
// windows so they can be checked without building one.

// The eight lines of the how-to page, and its caption: the lines joined by single line feeds.
QStringList howToLines();
QString howToCaption();

// The introduction: fragments that join, with nothing between them, into one paragraph.
QStringList introductionFragments();
QString introductionText();

// The six references, one a line.
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

} // namespace velmora
