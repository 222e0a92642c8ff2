#include "cli/commandline.h"

#include "cli/commands.h"
#include "cli/options.h"
#include "language/languagechoice.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <exception>
#include <ostream>

namespace velmora {

namespace {

const std::array<const Command *, 6> kCommands{&kAnalyseCommand, &kRunCommand, &kRiskCommand,
                                               &kSaveModelCommand, &kYieldCommand,
                                               &kExerciseCommand};

const std::string kWho = "velmora-cli";

std::string generalHelp()
{
    //: The command and option names stay as they are; the lines keep their alignment.
    std::string help = said(CliText::tr("Usage: velmora-cli [--lang CODE] COMMAND [OPTIONS]\n"
                                        "       velmora-cli help COMMAND\n"
                                        "       velmora-cli --version\n\nCommands:\n"));
    for (const Command *command : kCommands) {
        std::string name = command->name;
        name.resize(12, ' ');
        std::string summary = said(CliText::tr(command->summary));
        // Continuation lines line up under the first.
        for (size_t at = summary.find('\n'); at != std::string::npos;
             at = summary.find('\n', at + 1))
            summary.insert(at + 1, std::string(14, ' '));
        help += "  " + name + summary + "\n";
    }
    return help
           + said(CliText::tr(
               "\nWithout model options a command uses the default model; --model FILE reads a\n"
               "model file, --stages with --transitions and --reproduction a life cycle.\n"
               "\"velmora-cli COMMAND --help\" or \"velmora-cli help COMMAND\" lists the options\n"
               "of a command; \"velmora-cli --version\" prints the version. --lang CODE (de, en,\n"
               "es, fr) chooses the language of the texts instead of the system's; JSON, CSV\n"
               "and the files written are the same in every language.\n"));
}

const Command *findCommand(const std::string &name)
{
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&name](const Command *c) { return name == c->name; });
    return command == kCommands.end() ? nullptr : *command;
}

int unknownCommand(std::ostream &err, const std::string &name)
{
    std::vector<std::string> names;
    for (const Command *command : kCommands)
        names.push_back(command->name);
    if (const auto nearest = nearestName(name, names))
        return refuse(err, kWho,
                      said(CliText::tr("unknown command %1; did you mean %2?")
                               .arg(typed(name), typed(*nearest))));
    return refuse(err, kWho, said(CliText::tr("unknown command %1").arg(typed(name))));
}

// "velmora-cli help [COMMAND]".
int help(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.size() > 1)
        return refuse(err, kWho, said(CliText::tr("help takes one COMMAND")));
    if (arguments.empty()) {
        out << generalHelp();
        return kExitOk;
    }
    const Command *command = findCommand(arguments.front());
    if (!command)
        return unknownCommand(err, arguments.front());
    out << command->help();
    return kExitOk;
}

} // namespace

int refuse(std::ostream &err, const std::string &who, const std::string &why)
{
    //: A refused command line: %1 is the program or command ("velmora-cli run"), %2 why.
    err << said(CliText::tr("%1: %2 (see %1 --help)").arg(typed(who), typed(why))) << '\n';
    return kExitUsage;
}

int refuseValues(std::ostream &err, const std::string &who, const std::string &message)
{
    err << who << ": " << message << '\n';
    return kExitUsage;
}

int refuseOption(std::ostream &err, const std::string &who, const Refusal &refusal)
{
    return refusal.ofValues ? refuseValues(err, who, refusal.text) : refuse(err, who, refusal.text);
}

std::string versionText()
{
    return kWho + " " + VELMORA_VERSION + "\n";
}

int runCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    // The program's own options come before the command; everything after the command's
    // name belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption languageOption(QStringLiteral("lang"), QString(),
                                            QStringLiteral("CODE"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(languageOption);
    QStringList texts{QString::fromStdString(kWho)};
    for (const std::string &a : arguments)
        texts << QString::fromLatin1(a.data(), qsizetype(a.size()));
    const bool parsed = parser.parse(texts);
    // The texts speak the chosen language from here on, the refusals of this line included;
    // an unknown code is refused in the system's.
    const QString code = parsed ? parser.value(languageOption) : QString();
    const std::optional<QString> asked = code.isEmpty() ? std::nullopt : languageOfCode(code);
    const InstalledLanguage installed(asked ? *asked : systemLanguage());
    if (parsed && parser.isSet(languageOption) && !asked)
        return refuse(err, kWho, said(unknownLanguageText(typed(code.toLatin1().toStdString()))));
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty() && arguments.back() == "--lang")
            return refuse(err, kWho,
                          said(CliText::tr("option %1 needs a value").arg(QStringLiteral("--lang"))));
        const std::string name = unknown.isEmpty() ? std::string() : unknown.front().toStdString();
        // A command's option before the command: say where it belongs.
        const auto given = std::find_if(arguments.begin(), arguments.end(),
                                        [](const std::string &a) { return a.rfind("-", 0) == 0; });
        return refuse(err, kWho,
                      said(CliText::tr("unknown option %1; options of a command come after "
                                       "its name")
                               .arg(typed(given == arguments.end() ? name : *given))));
    }
    if (parser.isSet(versionOption)) {
        out << versionText();
        return kExitOk;
    }
    if (parser.isSet(helpOption)) {
        out << generalHelp();
        return kExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return refuse(err, kWho, said(CliText::tr("no command given")));
    std::vector<std::string> rest;
    for (qsizetype i = 1; i < positional.size(); ++i)
        rest.push_back(positional[i].toLatin1().toStdString());
    const std::string name = positional.front().toLatin1().toStdString();
    if (name == "help")
        return help(rest, out, err);
    const Command *command = findCommand(name);
    if (!command)
        return unknownCommand(err, name);
    if (std::any_of(rest.begin(), rest.end(),
                    [](const std::string &a) { return a == "--help" || a == "-h"; })) {
        out << command->help();
        return kExitOk;
    }
    return command->run(rest, out, err);
}

int runCaught(const std::function<int()> &command, std::ostream &err)
{
    try {
        return command();
    } catch (const std::exception &e) {
        err << kWho << ": " << said(CliText::tr("the command stopped on an error: %1").arg(typed(e.what())))
            << '\n';
    } catch (...) {
        err << kWho << ": " << said(CliText::tr("the command stopped on an unknown error")) << '\n';
    }
    return kExitFailed;
}

int outputChecked(int status, std::ostream &out, std::FILE *file, std::ostream &err)
{
    errno = 0;
    out.flush(); // with the standard streams this is the fflush that meets the error
    const bool flushed = std::fflush(file) == 0;
    const bool lost = !out || !flushed || std::ferror(file);
    if (!lost)
        return status;
    const std::string reason =
        errno != 0 ? std::strerror(errno) : said(CliText::tr("write error"));
    err << kWho << ": "
        << said(CliText::tr("standard output could not be written (%1): the results are lost")
                    .arg(typed(reason)))
        << '\n';
    return kExitFailed;
}

} // namespace velmora
