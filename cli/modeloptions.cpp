#include "cli/modeloptions.h"

#include "demography/defaultmodel.h"
#include "modelfile/modelfile.h"

#include <QFile>

#include <algorithm>

namespace velmora {

const std::vector<AcceptedOption> kModelOptions{
    {"--model", true, true}, {"--matrix"}, {"--n0"}, {"--harvest"}};

const char *const kModelOptionsHelp =
    "  --model FILE     the values of a model file (.velmora); the options below\n"
    "                   override them, wherever they stand\n"
    "  --matrix LIST    fecundities f0,f1,f2,f3 and survival rates s0,s1,s2\n"
    "                   (default 0,1,2,1,0.5,1,0.5)\n"
    "  --n0 LIST        N(0): four numbers (default 10,10,10,10)\n"
    "  --harvest LIST   H: four numbers (default 5,0,0,0)\n";

const char *const kValuesHelp =
    "\n"
    "Each value must be a plain number (\"12\", \"-0.5\", \"1.5e3\"); anything else is\n"
    "refused. The values are checked with the editing window's rules: survival rates at\n"
    "most 1, everything else at least 0, no number too large; a broken rule is refused\n"
    "with the window's message.\n";

bool isModelOption(const std::string &name)
{
    return std::any_of(kModelOptions.begin(), kModelOptions.end(),
                       [&name](const AcceptedOption &option) { return option.name == name; });
}

std::optional<std::string> applyModelOption(const GivenOption &option, EditEntries &entries)
{
    return applyModelOption(option, entries, nullptr);
}

std::optional<std::string> applyModelOption(const GivenOption &option, EditEntries &entries,
                                            std::string *title, std::string *notes)
{
    if (option.name == "--model") {
        const ModelFileRead read = readModelFile(QFile::decodeName(QByteArray::fromStdString(option.value)));
        if (!read.ok())
            return "--model " + read.message().toStdString();
        entries = modelEntries(read.document->values);
        if (title)
            *title = read.document->title.toStdString();
        if (notes)
            *notes = read.document->notes.toStdString();
        return std::nullopt;
    }
    std::vector<std::string *> cells;
    std::string shape;
    if (option.name == "--matrix") {
        for (const int index : kVitalRateCells)
            cells.push_back(&entries.m1[static_cast<size_t>(index)]);
        shape = "7 comma-separated values: f0,f1,f2,f3,s0,s1,s2";
    } else if (option.name == "--n0") {
        for (std::string &text : entries.n0)
            cells.push_back(&text);
        shape = "4 comma-separated values";
    } else {
        for (std::string &text : entries.Harvest1)
            cells.push_back(&text);
        shape = "4 comma-separated values";
    }
    const std::vector<std::string> values = splitList(option.value);
    if (values.size() != cells.size())
        return option.name + " needs " + shape;
    for (const std::string &value : values)
        if (!plainNumber(value))
            return option.name + ": \"" + value + "\" is not a number";
    for (size_t i = 0; i < values.size(); ++i)
        *cells[i] = values[i];
    return std::nullopt;
}

std::optional<std::string> brokenRuleOf(const EditEntries &entries)
{
    const BrokenRule rule = entries.check();
    if (rule == BrokenRule::None)
        return std::nullopt;
    return brokenRuleMessage(rule);
}

ModelRun::ModelRun(EditEntries entries)
{
    simulation.startUp();
    entries.goBack(simulation);
}

} // namespace velmora
