#include "cli/modeloptions.h"

#include "demography/defaultmodel.h"
#include "modelfile/modelfile.h"

#include <QFile>

#include <algorithm>

namespace velmora {

const std::vector<AcceptedOption> kModelOptions{
    {"--model", "FILE",
     QT_TRANSLATE_NOOP("CliText", "the values of a model file (.velmora); the options below\n"
                                  "override them, wherever they stand"),
     true},
    {"--matrix", "LIST",
     QT_TRANSLATE_NOOP("CliText", "fecundities f0,f1,f2,f3 and survival rates s0,s1,s2\n"
                                  "(default 0,1,2,1,0.5,1,0.5)")},
    {"--n0", "LIST", QT_TRANSLATE_NOOP("CliText", "N(0): four numbers (default 10,10,10,10)")},
    {"--harvest", "LIST", QT_TRANSLATE_NOOP("CliText", "H: four numbers (default 5,0,0,0)")}};

const char *const kValuesHelp = QT_TRANSLATE_NOOP(
    "CliText",
    "\n"
    "Each value must be a plain number (\"12\", \"-0.5\", \"1.5e3\"); anything else is\n"
    "refused. The values are checked with the editing window's rules: survival rates\n"
    "from 0 to 1, everything else at least 0, no number too large; a value against a\n"
    "rule is refused naming its option, the value and the rule. An option is given\n"
    "once at most.\n");

namespace {

// The rule a value of a model option breaks, in words, or nothing.
std::optional<std::string> brokenRule(const std::string &option, const std::string &name,
                                      const std::string &text, bool survival)
{
    const size_t first = text.find_first_not_of(' ');
    const std::string shown =
        first == std::string::npos ? text : text.substr(first, text.find_last_not_of(' ') - first + 1);
    const auto refused = [&](const char *rule) {
        return said(CliText::tr("%1: %2 = %3: %4")
                        .arg(typed(option), typed(name), typed(shown), CliText::tr(rule)));
    };
    const std::optional<double> value = entryValue(text);
    if (!value)
        return refused(QT_TRANSLATE_NOOP("CliText", "the number is beyond the range of a double"));
    if (survival && !(*value >= 0 && *value <= 1))
        return refused(QT_TRANSLATE_NOOP("CliText", "a survival rate must be from 0 to 1"));
    if (*value < 0) {
        if (option == "--matrix")
            return refused(QT_TRANSLATE_NOOP("CliText", "a fecundity must be 0 or more"));
        if (option == "--n0")
            return refused(QT_TRANSLATE_NOOP("CliText", "a number of animals must be 0 or more"));
        return refused(QT_TRANSLATE_NOOP("CliText", "a harvest must be 0 or more"));
    }
    return std::nullopt;
}

} // namespace

std::optional<Refusal> applyModelOption(const GivenOption &option, EditEntries &entries)
{
    return applyModelOption(option, entries, nullptr);
}

std::optional<Refusal> applyModelOption(const GivenOption &option, EditEntries &entries,
                                        std::string *title, std::string *notes)
{
    if (option.name == "--model") {
        const ModelFileRead read = readModelFile(QFile::decodeName(QByteArray::fromStdString(option.value)));
        if (!read.ok())
            return Refusal{"--model " + read.message().toStdString()};
        if (!read.document)
            return Refusal{"--model \"" + option.value + "\" holds a life cycle of "
                   + std::to_string(read.stageDocument->model.size())
                   + " stages; this command takes a 4-class Leslie model only"};
        entries = modelEntries(read.document->values);
        if (title)
            *title = read.document->title.toStdString();
        if (notes)
            *notes = read.document->notes.toStdString();
        return std::nullopt;
    }
    std::vector<std::string *> cells;
    std::vector<std::string> names;
    std::string shape;
    if (option.name == "--matrix") {
        for (const int index : kVitalRateCells)
            cells.push_back(&entries.m1[static_cast<size_t>(index)]);
        names = {"f0", "f1", "f2", "f3", "s0", "s1", "s2"};
        shape = "7 comma-separated values: f0,f1,f2,f3,s0,s1,s2";
    } else if (option.name == "--n0") {
        for (std::string &text : entries.n0)
            cells.push_back(&text);
        names = {"N0", "N1", "N2", "N3"};
        shape = "4 comma-separated values";
    } else {
        for (std::string &text : entries.Harvest1)
            cells.push_back(&text);
        names = {"H0", "H1", "H2", "H3"};
        shape = "4 comma-separated values";
    }
    const std::vector<std::string> values = splitList(option.value);
    if (values.size() != cells.size())
        return Refusal{option.name + " needs " + shape};
    for (const std::string &value : values)
        if (!plainNumber(value))
            return Refusal{option.name + ": \"" + value + "\" is not a number"};
    for (size_t i = 0; i < values.size(); ++i) {
        const bool survival = option.name == "--matrix" && i >= 4;
        if (const auto rule = brokenRule(option.name, names[i], values[i], survival))
            return Refusal{*rule, true};
    }
    for (size_t i = 0; i < values.size(); ++i)
        *cells[i] = values[i];
    return std::nullopt;
}

std::optional<std::string> brokenRuleOf(const EditEntries &entries)
{
    // Each value was checked as its option was read; what is left is a rule of the values
    // together, or of a model file's values.
    switch (entries.check()) {
    case BrokenRule::None:
        return std::nullopt;
    case BrokenRule::TooLarge:
        return said(CliText::tr("N(0) adds up to a total beyond the range of a double"));
    case BrokenRule::SurvivalAboveOne:
    case BrokenRule::SurvivalBelowZero:
        return said(CliText::tr("a survival rate must be from 0 to 1"));
    case BrokenRule::FecundityBelowZero:
        return said(CliText::tr("a fecundity must be 0 or more"));
    case BrokenRule::HarvestBelowZero:
        return said(CliText::tr("a harvest must be 0 or more"));
    case BrokenRule::PopulationBelowZero:
        return said(CliText::tr("a number of animals must be 0 or more"));
    }
    return std::nullopt;
}

ModelRun::ModelRun(EditEntries entries)
{
    simulation.startUp();
    entries.goBack(simulation);
}

} // namespace velmora
