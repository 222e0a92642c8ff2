#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTranslator;

namespace velmora {

// The languages the texts are translated into, as two-letter codes ("de", ...), in the
// order of language/CMakeLists.txt; English, the language of the source texts, is not one.
QStringList translatedLanguages();

// The language for a locale name such as "de_AT.UTF-8", "fr-CA" or "C": its two-letter code
// when the texts are translated into it, else "en", the source texts.
QString languageOfLocale(const QString &localeName);

// The language of the system's locale (LANG, LC_MESSAGES, LC_ALL), as languageOfLocale().
QString systemLanguage();

// What "--lang CODE" asks for: "en", a translated language, or a regional form of either
// ("de_AT", "en-GB"), as its two-letter code; nothing for any other code.
std::optional<QString> languageOfCode(const QString &code);

// The one line that refuses an unknown "--lang CODE", naming the codes there are.
QString unknownLanguageText(const QString &code);

// The texts of the language choice.
class LanguageText {
    Q_DECLARE_TR_FUNCTIONS(LanguageText)
};

// A "--lang CODE" taken out of a program's arguments.
// The refusal is put in words only once the system's language is installed.
struct LanguageOption {
    QString language;    // the language asked for; empty when none, or when it was refused
    bool refused = false; // an unknown code was given (unknownLanguageText() says so)
    QString refusedCode;
};

// Takes every "--lang CODE" and "--lang=CODE" before a "--" out of `arguments` (the program
// name first, as QCoreApplication::arguments() gives them); the last one given counts.
LanguageOption takeLanguageOption(QStringList &arguments);

// The translations of one language, installed in the running application for as long as this
// lives: the program's own texts and Qt's (dialog buttons, file and print dialogs). English
// installs nothing, so its texts stay the source texts; without an application nothing is
// installed either.
class InstalledLanguage {
public:
    explicit InstalledLanguage(const QString &language);
    ~InstalledLanguage();
    InstalledLanguage(const InstalledLanguage &) = delete;
    InstalledLanguage &operator=(const InstalledLanguage &) = delete;

    // Whether the program's texts, and Qt's, of the language are installed.
    bool ownInstalled() const { return m_own != nullptr; }
    bool qtInstalled() const { return m_qt != nullptr; }

private:
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace velmora
