#include "language/languagechoice.h"

#include "base/texts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

namespace {

const QString kEnglish = QStringLiteral("en");

// The language part of "de_AT.UTF-8@euro", "fr-CA" or "de", in lower case.
QString languagePart(const QString &name)
{
    qsizetype end = 0;
    while (end < name.size() && name.at(end).isLetter() && name.at(end).unicode() < 128)
        ++end;
    return name.left(end).toLower();
}

// Installs the translator read from `file` in `folder`; nothing when it cannot be read.
std::unique_ptr<QTranslator> installed(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

QStringList translatedLanguages()
{
    return QStringLiteral(VELMORA_LANGUAGES).split(QLatin1Char(','));
}

QString languageOfLocale(const QString &localeName)
{
    const QString language = languagePart(localeName);
    return translatedLanguages().contains(language) ? language : kEnglish;
}

QString systemLanguage()
{
    return languageOfLocale(QLocale::system().name());
}

std::optional<QString> languageOfCode(const QString &code)
{
    const QString language = languagePart(code);
    const QString rest = code.mid(language.size());
    // A region after the language ("_AT", "-CA"), nothing else.
    const bool regional = rest.isEmpty()
                          || (rest.size() >= 3 && (rest.front() == QLatin1Char('_') || rest.front() == QLatin1Char('-'))
                              && languagePart(rest.mid(1)).size() == rest.size() - 1);
    if (!regional || (language != kEnglish && !translatedLanguages().contains(language)))
        return std::nullopt;
    return language;
}

QString unknownLanguageText(const QString &code)
{
    QStringList known = translatedLanguages();
    known << kEnglish;
    known.sort();
    return LanguageText::tr("unknown language \"%1\" for --lang; the languages are %2")
        .arg(code, known.join(QStringLiteral(", ")));
}

LanguageOption takeLanguageOption(QStringList &arguments)
{
    LanguageOption option;
    const QString name = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size();) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        QString code;
        qsizetype taken = 1;
        if (argument == name) {
            if (i + 1 < arguments.size())
                code = arguments.at(i + 1);
            taken = std::min<qsizetype>(2, arguments.size() - i);
        } else if (argument.startsWith(name + QLatin1Char('='))) {
            code = argument.mid(name.size() + 1);
        } else {
            ++i;
            continue;
        }
        arguments.remove(i, taken);
        const std::optional<QString> language = languageOfCode(code);
        option.language = language.value_or(QString());
        option.refused = !language;
        option.refusedCode = language ? QString() : code;
    }
    return option;
}

InstalledLanguage::InstalledLanguage(const QString &language)
{
    if (language == kEnglish || !translatedLanguages().contains(language))
        return;
    m_own = installed(QStringLiteral("velmora_") + language, QStringLiteral(":/i18n"));
    // The report lines and refusals of the plain C++ layers ask through the same translator.
    if (m_own)
        setTextTranslator([](const char *context, const char *source) {
            return QCoreApplication::translate(context, source).toStdString();
        });
    m_qt = installed(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InstalledLanguage::~InstalledLanguage()
{
    // Removed in the reverse order, so the application never holds a translator that is gone.
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    if (m_own) {
        setTextTranslator({});
        QCoreApplication::removeTranslator(m_own.get());
    }
}

} // namespace velmora
