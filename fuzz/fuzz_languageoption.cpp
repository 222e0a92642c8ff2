// The language choice on arbitrary arguments (the input split at line breaks) and on the same
// lines read as locale names: "--lang" is taken out wherever it stands before a "--", and
// nothing else is, the language chosen is English or a translated one, a refusal names what
// was given, and any locale name speaks a language there is.
#include "fuzz/fuzzcheck.h"
#include "language/languagechoice.h"

#include <cstdint>
#include <sstream>
#include <string>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    QStringList arguments{QStringLiteral("velmora")};
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        arguments << QString::fromStdString(line);
    const QStringList given = arguments;

    QStringList rest = arguments;
    const LanguageOption option = takeLanguageOption(rest);

    QStringList known = translatedLanguages();
    known << QStringLiteral("en");
    require(option.refused ? option.language.isEmpty() : true,
            "a refused code still chose a language", text);
    require(option.language.isEmpty() || known.contains(option.language),
            "a language chosen that has no texts", text);
    if (option.refused)
        require(unknownLanguageText(option.refusedCode).contains(option.refusedCode),
                "a refusal that does not name the code given", text);

    // What is left is what was given, less the "--lang" options (each with its code, even a
    // "--") before the first "--" that is no option's code.
    qsizetype kept = 0;
    bool options = true;
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QString &argument = given.at(i);
        if (i > 0 && options && argument == QLatin1String("--lang")) {
            ++i;
            continue;
        }
        if (i > 0 && options && argument.startsWith(QLatin1String("--lang=")))
            continue;
        options = options && argument != QLatin1String("--");
        require(kept < rest.size() && rest.at(kept) == argument,
                "an argument other than --lang was taken or changed", text);
        ++kept;
    }
    require(kept == rest.size(), "arguments were added", text);

    for (const QString &line : given)
        require(known.contains(languageOfLocale(line)), "a locale without a language", text);
    return 0;
}
