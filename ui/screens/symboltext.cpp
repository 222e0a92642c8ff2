#include "ui/screens/symboltext.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QList>

namespace velmora {

QString symbolEncodingGreek(const QString &latin)
{
    // Code 0x41 ('A') to 0x5A and 0x61 ('a') to 0x7A in the Symbol encoding.
    static const QString upper = QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    static const QString lower = QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    QString greek;
    greek.reserve(latin.size());
    for (const QChar c : latin) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            greek += upper.at(u - u'A');
        else if (u >= u'a' && u <= u'z')
            greek += lower.at(u - u'a');
        else
            greek += c;
    }
    return greek;
}

bool isSymbolFace(const QFont &font)
{
    const QString family = QFontInfo(font).family();
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

} // namespace velmora
