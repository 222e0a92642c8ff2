#include "ui/common/appfonts.h"

namespace velmora {

void installFontSubstitutes()
{
    // fontconfig would give the Ming-style motto face a Latin font, which shows boxes.
    QFont::insertSubstitution(QStringLiteral("細明體"), QStringLiteral("AR PL UMing TW"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont appFont(const QString &family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont timesFont(double pointSize, bool bold)
{
    return appFont(QStringLiteral("Times New Roman"), pointSize, bold);
}

} // namespace velmora
