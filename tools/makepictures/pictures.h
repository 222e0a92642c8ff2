#pragma once

#include <QDir>

// Each family of pictures writes its files into the given resources folder.
void makeMainPictures(const QDir &out);
bool makeScreenPictures(const QDir &out); // false when a file could not be written
