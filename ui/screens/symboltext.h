#pragma once

#include <QFont>
#include <QString>

namespace velmora {

// What the Symbol face shows for Latin text: each letter becomes the Greek letter at the
// same code in the Symbol encoding ("Velmora" -> "ςελμορα"); other characters stay.
QString symbolEncodingGreek(const QString &latin);

// True when `font` resolves to a face that uses the Symbol encoding for Latin letters.
bool isSymbolFace(const QFont &font);

} // namespace velmora
