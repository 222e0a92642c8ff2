#pragma once

#include "base/numbertext.h"
#include "base/texts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// One option a command takes, and its lines in the command's help.
struct AcceptedOption {
    std::string name;      // "--steps"
    std::string valueName; // "K" as the help shows it; empty for a switch
    const char *help = ""; // what it does (QT_TRANSLATE_NOOP("CliText", ...)); may span lines
    bool readFirst = false; // handed over before the others, wherever it was given

    bool takesValue() const { return !valueName.empty(); }
};

// An option as it was given: "--steps 5" and "--steps=5" alike.
struct GivenOption {
    std::string name;
    std::string value; // empty for a switch
};

// Why a command line was refused: its words, and whether the options were understood but a
// value breaks a rule (no "see --help" after those).
struct Refusal {
    std::string text;
    bool ofValues = false;
};

// What the arguments after a command name hold.
struct ReadOptions {
    std::vector<GivenOption> options; // in the order given, those read first ahead
    std::vector<std::string> others;  // the arguments that are not options, such as a FILE
};

// Reads the arguments after the command name against the options the command takes
// (QCommandLineParser's syntax: "--name value", "--name=value", "--" ends the options).
// Returns the refusal (one line): an unknown option, with the nearest known one; a value
// missing or given to a switch; an option given twice. Nothing when all were understood.
std::optional<std::string> readOptions(const std::vector<std::string> &arguments,
                                       const std::vector<AcceptedOption> &accepted,
                                       ReadOptions &read);

// readOptions() for a command that takes nothing but options: an argument that is neither an
// option nor an option's value is refused as well.
std::optional<std::string> readOptionsOnly(const std::vector<std::string> &arguments,
                                           const std::vector<AcceptedOption> &accepted,
                                           ReadOptions &read);

// The refusal of an argument that is neither an option nor an option's value.
std::string unexpectedArgument(const std::string &argument);

// The option list of a command's help, one option a paragraph, "-h, --help" last.
std::string optionsHelp(const std::vector<AcceptedOption> &accepted);

// The known name nearest to `given` by edit distance, where it is close enough to be the
// one meant (a slip of a letter or two); else nothing.
std::optional<std::string> nearestName(const std::string &given,
                                       const std::vector<std::string> &known);

// The texts velmora-cli writes, in the user's language: CliText::tr("...").
class CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

// While it lives, every text asked for, through tr() as through translatedText, comes back in
// English, the source, whatever language is installed: for data (a CSV's sentences, the
// report lines --json prints), which is the same in every language.
class EnglishData {
public:
    EnglishData();
    ~EnglishData();
    EnglishData(const EnglishData &) = delete;
    EnglishData &operator=(const EnglishData &) = delete;

private:
    EnglishTexts m_plain; // the plain C++ layers' texts
    std::unique_ptr<QTranslator> m_source;
};

// A translated text as velmora-cli writes it (UTF-8).
inline std::string said(const QString &text) { return text.toStdString(); }
// A text typed on the command line, for a %1 of a translated text.
inline QString typed(const std::string &text) { return QString::fromStdString(text); }

// Splits "a,b,c" into its comma-separated texts (one text for no comma).
std::vector<std::string> splitList(const std::string &text);

// A whole number from `low` to `high` in plain decimal digits, or nothing.
std::optional<int> wholeNumber(const std::string &text, int low, int high);

// A plain number as a script would write it (blanks, a sign, digits with one ".", an
// exponent), or nothing. A number beyond the range of a double is still a number here, read
// with the status OutOfRange, so each caller decides what such a number means.
std::optional<ReadResult> plainNumber(const std::string &text);

} // namespace velmora
