#pragma once

#include <QPixmap>
#include <QString>

namespace velmora {

// Reads one of the program's own pictures in the format its name ends in (png, bmp, jpg).
// Asking for that format, with detection off, keeps Qt from loading every image plugin just to
// ask each one whether it reads the file: at start-up that cost more than the pictures.
QPixmap readPictureFile(const QString &path);

// The same for a picture to be shown: on a high-density screen its sharper "@2x" drawing is
// read instead, where there is one.
QPixmap readPicture(const QString &path);

} // namespace velmora
