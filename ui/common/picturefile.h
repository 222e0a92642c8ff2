#pragma once

#include <QPixmap>
#include <QString>

// Reads one of the program's own pictures in the format its name ends in (png, bmp, jpg).
// Asking for that format, with detection off, keeps Qt from loading every image plugin just to
// ask each one whether it reads the file: at start-up that cost more than the pictures.
QPixmap readPicture(const QString &path);
