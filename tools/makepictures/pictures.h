#pragma once

#include <QDir>

namespace velmora {

// Each family of pictures writes its files into the given resources folder.
void makeMainPictures(const QDir &out);
// The program's icon and the icon of its model files at every hicolor size, into the icons
// folder beside the pictures folder.
void makeIconPictures(const QDir &out);
bool makeScreenPictures(const QDir &out); // false when a file could not be written

} // namespace velmora
