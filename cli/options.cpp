#include "cli/options.h"

#include "base/numbertext.h"

#include <QCommandLineParser>

#include <algorithm>

namespace velmora {

namespace {

constexpr size_t kHelpColumn = 19; // where an option's description starts

// Latin-1 maps every byte to one character and back, so a file name in any encoding
// passes through the parser unchanged.
QString bytes(const std::string &text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }
std::string bytes(const QString &text) { return text.toLatin1().toStdString(); }

const AcceptedOption *findOption(const std::vector<AcceptedOption> &accepted,
                                 const std::string &name)
{
    const auto known = std::find_if(accepted.begin(), accepted.end(),
                                    [&name](const AcceptedOption &a) { return a.name == name; });
    return known == accepted.end() ? nullptr : &*known;
}

std::string unknownOption(const std::string &spelled, const std::vector<AcceptedOption> &accepted)
{
    std::vector<std::string> names;
    for (const AcceptedOption &a : accepted)
        names.push_back(a.name);
    const size_t dashes = spelled.find_first_not_of('-');
    const size_t start = std::min(dashes, spelled.size());
    const std::string name = "--" + spelled.substr(start, spelled.find('=') - start);
    if (const auto nearest = nearestName(name, names))
        return said(CliText::tr("unknown option %1; did you mean %2?")
                        .arg(typed(spelled), typed(*nearest)));
    return said(CliText::tr("unknown option %1").arg(typed(spelled)));
}

// The parser says only that it failed; the same walk over the arguments finds which one
// and why, in words that name the option as it was typed.
std::string whyRefused(const std::vector<std::string> &arguments,
                       const std::vector<AcceptedOption> &accepted, const QString &fallback)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (a == "--")
            break;
        if (a.rfind("--", 0) == 0) {
            const size_t equals = a.find('=');
            const std::string name = a.substr(0, equals);
            const AcceptedOption *known = findOption(accepted, name);
            if (name == "--help")
                continue;
            if (!known)
                return unknownOption(a, accepted);
            if (known->takesValue() && equals == std::string::npos) {
                if (i + 1 >= arguments.size())
                    return said(CliText::tr("option %1 needs a value").arg(typed(name)));
                ++i;
            } else if (!known->takesValue() && equals != std::string::npos) {
                return said(CliText::tr("option %1 takes no value").arg(typed(name)));
            }
        } else if (a.size() > 1 && a[0] == '-' && a != "-h") {
            return unknownOption(a, accepted);
        }
    }
    return bytes(fallback);
}

} // namespace

std::optional<std::string> readOptions(const std::vector<std::string> &arguments,
                                       const std::vector<AcceptedOption> &accepted,
                                       ReadOptions &read)
{
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    for (const AcceptedOption &a : accepted)
        parser.addOption(QCommandLineOption(bytes(a.name.substr(2)), QString(),
                                            bytes(a.valueName)));
    QStringList texts{QStringLiteral("velmora-cli")};
    for (const std::string &a : arguments)
        texts << bytes(a);
    if (!parser.parse(texts))
        return whyRefused(arguments, accepted, parser.errorText());

    // The parser keeps every value of a repeated option; a script that gives one twice has a
    // slip in it, and neither value is more likely the one meant.
    const QStringList found = parser.optionNames();
    for (const QString &name : found) {
        if (found.count(name) > 1)
            return said(CliText::tr("option --%1 is given more than once").arg(name));
    }
    for (const QString &name : found) {
        const AcceptedOption *known = findOption(accepted, "--" + bytes(name));
        if (!known)
            continue; // -h and --help: the command line shows the help before reading
        read.options.push_back(
            {known->name, known->takesValue() ? bytes(parser.value(name)) : std::string()});
    }
    std::stable_partition(read.options.begin(), read.options.end(),
                          [&accepted](const GivenOption &option) {
                              return findOption(accepted, option.name)->readFirst;
                          });
    for (const QString &other : parser.positionalArguments())
        read.others.push_back(bytes(other));
    return std::nullopt;
}

std::optional<std::string> readOptionsOnly(const std::vector<std::string> &arguments,
                                           const std::vector<AcceptedOption> &accepted,
                                           ReadOptions &read)
{
    if (auto problem = readOptions(arguments, accepted, read))
        return problem;
    if (!read.others.empty())
        return unexpectedArgument(read.others.front());
    return std::nullopt;
}

std::string unexpectedArgument(const std::string &argument)
{
    return said(CliText::tr("unexpected argument \"%1\": every value follows its option")
                    .arg(typed(argument)));
}

std::string optionsHelp(const std::vector<AcceptedOption> &accepted)
{
    std::string help;
    const auto add = [&help](std::string label, const std::string &text) {
        label = "  " + label;
        // A label too long for its column stands on a line of its own.
        if (label.size() + 1 > kHelpColumn)
            label += '\n';
        label.resize(label.back() == '\n' ? label.size() + kHelpColumn : kHelpColumn, ' ');
        std::string lines = text;
        for (size_t at = lines.find('\n'); at != std::string::npos; at = lines.find('\n', at + 1))
            lines.insert(at + 1, std::string(kHelpColumn, ' '));
        help += label + lines + '\n';
    };
    for (const AcceptedOption &a : accepted)
        add(a.name + (a.takesValue() ? " " + a.valueName : std::string()), said(CliText::tr(a.help)));
    add("-h, --help", said(CliText::tr("show this help")));
    return help;
}

namespace {

// Answers every text with its source; the last translator installed is asked first.
class SourceTranslator : public QTranslator {
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

EnglishData::EnglishData() : m_source(std::make_unique<SourceTranslator>())
{
    QCoreApplication::installTranslator(m_source.get());
}

EnglishData::~EnglishData() { QCoreApplication::removeTranslator(m_source.get()); }

std::optional<std::string> nearestName(const std::string &given,
                                       const std::vector<std::string> &known)
{
    std::optional<std::string> nearest;
    size_t best = 0;
    for (const std::string &name : known) {
        // Levenshtein distance, one row at a time.
        std::vector<size_t> row(name.size() + 1);
        for (size_t j = 0; j <= name.size(); ++j)
            row[j] = j;
        for (size_t i = 1; i <= given.size(); ++i) {
            size_t diagonal = row[0];
            row[0] = i;
            for (size_t j = 1; j <= name.size(); ++j) {
                const size_t above = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                                   diagonal + (given[i - 1] == name[j - 1] ? 0 : 1)});
                diagonal = above;
            }
        }
        const size_t distance = row[name.size()];
        // Two slips at most, and few against the word's length: "rn" is run, "cv" is nothing.
        const bool close = distance <= 2
                           && 3 * distance <= std::max(given.size(), name.size());
        if (close && (!nearest || distance < best)) {
            nearest = name;
            best = distance;
        }
    }
    return nearest;
}

std::vector<std::string> splitList(const std::string &text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos
                                                                       : comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(const std::string &text, int low, int high)
{
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<ReadResult> plainNumber(const std::string &text)
{
    const ReadResult read = strictValue(text);
    if (read.status == ReadStatus::NotANumber)
        return std::nullopt;
    return read;
}

} // namespace velmora
