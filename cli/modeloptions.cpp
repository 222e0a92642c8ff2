#include "cli/modeloptions.h"

#include "base/numbertext.h"
#include "demography/defaultmodel.h"
#include "demography/leslie.h"
#include "modelfile/modelfile.h"
#include "modelfile/stagerows.h"

#include <QFile>

#include <algorithm>

namespace velmora {

const std::vector<AcceptedOption> kModelOptions{
    {"--model", "FILE",
     QT_TRANSLATE_NOOP("CliText", "the values of a model file (.velmora), a 4-class Leslie\n"
                                  "model or a life cycle of any size; the options below\n"
                                  "override them, wherever they stand"),
     true},
    {"--matrix", "LIST",
     QT_TRANSLATE_NOOP("CliText", "fecundities f0,f1,f2,f3 and survival rates s0,s1,s2 of\n"
                                  "the 4-class Leslie model (default 0,1,2,1,0.5,1,0.5)")},
    {"--stages", "NAMES",
     QT_TRANSLATE_NOOP("CliText", "a life cycle of any size instead: the names of its 1 to 100\n"
                                  "stages, separated by \",\" (\"seeds,adults\"); with\n"
                                  "--transitions and --reproduction; not with --matrix")},
    {"--transitions", "ROWS",
     QT_TRANSLATE_NOOP("CliText", "U, survival and growth: one row a stage, rows separated by\n"
                                  "\";\" and values by \",\" (\"0,0;0.5,0.8\"); row r, column c\n"
                                  "is what one member of stage c gives stage r in a step;\n"
                                  "each column adds up to at most 1")},
    {"--reproduction", "ROWS", QT_TRANSLATE_NOOP("CliText", "F, births, as ROWS (\"0,2;0,0\")")},
    {"--clonal", "ROWS",
     QT_TRANSLATE_NOOP("CliText", "C, clonal reproduction, as ROWS (default none)")},
    {"--n0", "LIST",
     QT_TRANSLATE_NOOP("CliText", "N(0): one number a class or stage (default 10 in each)")},
    {"--harvest", "LIST",
     QT_TRANSLATE_NOOP("CliText", "H: one number a class or stage (default 5,0,0,0 for the\n"
                                  "4-class model, 0 in each stage of a life cycle)")}};

const char *const kValuesHelp = QT_TRANSLATE_NOOP(
    "CliText",
    "\n"
    "Each value must be a plain number (\"12\", \"-0.5\", \"1.5e3\"); anything else is\n"
    "refused. The values are checked with the editing window's rules: survival rates\n"
    "from 0 to 1, everything else at least 0, no number too large; a value against a\n"
    "rule is refused naming its option, the value and the rule. An option is given\n"
    "once at most. A life cycle (--stages, or a --model file holding one) takes\n"
    "--n0, --harvest and ROWS for its number of stages; one that is a 4-class Leslie\n"
    "model (births into the first stage only, survival to the next stage only) is the\n"
    "4-class model.\n");

std::vector<AcceptedOption> withModelOptions(const std::vector<AcceptedOption> &own)
{
    std::vector<AcceptedOption> accepted = kModelOptions;
    accepted.insert(accepted.end(), own.begin(), own.end());
    return accepted;
}

std::string modelCommandHelp(const ModelCommandHelp &help,
                             const std::vector<AcceptedOption> &accepted)
{
    const std::string call = "velmora-cli " + help.command + " ";
    //: The head of a command's first syntax line.
    std::string usage = said(CliText::tr("Usage:"));
    //: The head of a command's second syntax line, under "Usage:".
    std::string orLine = said(CliText::tr("or:"));
    // Both heads end in one column, so the two forms of the call line up.
    const size_t head = std::max(QString::fromStdString(usage).size(),
                                 QString::fromStdString(orLine).size()) + 1;
    usage += std::string(head - size_t(QString::fromStdString(usage).size()), ' ');
    orLine = std::string(head - 1 - size_t(QString::fromStdString(orLine).size()), ' ') + orLine + ' ';
    const std::string indent(head + call.size(), ' ');
    const auto lines = [&indent](const std::vector<std::string> &options) {
        std::string text;
        for (const std::string &line : options)
            text += indent + line + "\n";
        return text;
    };
    return usage + call + "[--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]\n"
           + lines(help.usage) + orLine + call
           + "[--model FILE] [--stages NAMES --transitions ROWS\n" + indent
           + "--reproduction ROWS] [--clonal ROWS] [--n0 LIST] [--harvest LIST]\n"
           + lines(help.cycleUsage.empty() ? help.usage : help.cycleUsage) + "\n" + help.about
           + "\n" + said(CliText::tr("Options:")) + "\n" + optionsHelp(accepted) + said(CliText::tr(kValuesHelp))
           + help.exitStatus;
}

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

// Writes the values of --matrix, --n0 or --harvest into the editing window's texts. A value
// must be a plain number (a script's typo is refused, not read as the number it starts with)
// within the editing window's rule for it.
std::optional<Refusal> applyLeslieOption(const GivenOption &option, EditEntries &entries)
{
    std::vector<std::string *> cells;
    std::vector<std::string> names;
    const char *shape = nullptr;
    if (option.name == "--matrix") {
        for (const int index : kVitalRateCells)
            cells.push_back(&entries.m1[static_cast<size_t>(index)]);
        names = {"f0", "f1", "f2", "f3", "s0", "s1", "s2"};
        shape = QT_TRANSLATE_NOOP("CliText", "%1 needs 7 comma-separated values: f0,f1,f2,f3,s0,s1,s2");
    } else if (option.name == "--n0") {
        for (std::string &text : entries.n0)
            cells.push_back(&text);
        names = {"N0", "N1", "N2", "N3"};
        shape = QT_TRANSLATE_NOOP("CliText", "%1 needs 4 comma-separated values");
    } else {
        for (std::string &text : entries.Harvest1)
            cells.push_back(&text);
        names = {"H0", "H1", "H2", "H3"};
        shape = QT_TRANSLATE_NOOP("CliText", "%1 needs 4 comma-separated values");
    }
    const std::vector<std::string> values = splitList(option.value);
    if (values.size() != cells.size())
        return Refusal{said(CliText::tr(shape).arg(typed(option.name)))};
    for (const std::string &value : values)
        if (!plainNumber(value))
            return Refusal{said(CliText::tr("%1: \"%2\" is not a number").arg(typed(option.name), typed(value)))};
    for (size_t i = 0; i < values.size(); ++i) {
        const bool survival = option.name == "--matrix" && i >= 4;
        if (const auto rule = brokenRule(option.name, names[i], values[i], survival))
            return Refusal{*rule, true};
    }
    for (size_t i = 0; i < values.size(); ++i)
        *cells[i] = values[i];
    return std::nullopt;
}

// The first rule the values together break, in words, or nothing.
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

bool isLifeCycleOption(const std::string &name)
{
    return name == "--stages" || name == "--transitions" || name == "--reproduction"
           || name == "--clonal";
}

//: A number of stages, for the %1 of a refusal.
QString stagesText(int n)
{
    return n == 1 ? CliText::tr("1 stage") : CliText::tr("%1 stages").arg(n);
}

std::string quoted(const GivenOption &option)
{
    return option.name + " \"" + option.value + "\"";
}


// How a life cycle's texts were refused: the option and its value, then where and why.
Refusal refusedText(const GivenOption &option, const StageTextRead &read)
{
    // A value against a rule is a value's refusal; a wrong count of rows or values a slip
    // of the command line's form.
    return Refusal{quoted(option) + ": " + read.problem, read.value > 0};
}

ModelValues leslieValues(const LeslieModel &leslie)
{
    ModelValues values;
    for (size_t c = 0; c < 4; ++c)
        values.fecundities[c] = leslie.M[c];
    for (size_t i = 0; i < 3; ++i)
        values.survival[i] = leslie.M[4 * (i + 1) + i];
    values.n0 = leslie.n0;
    values.harvest = leslie.harvest;
    return values;
}

} // namespace

ModelOptionsReader::ModelOptionsReader(const std::vector<GivenOption> &given)
{
    for (const GivenOption &option : given) {
        if (!isLifeCycleOption(option.name))
            continue;
        m_lifeCycle = true;
        if (m_firstCycleOption.empty() || option.name == "--stages")
            m_firstCycleOption = option.name;
    }
}

std::optional<Refusal> ModelOptionsReader::take(const GivenOption &option)
{
    if (option.name == "--model")
        return takeModelFile(option);
    if (!m_lifeCycle)
        return applyLeslieOption(option, m_model.entries);
    if (option.name == "--matrix") {
        if (m_firstCycleOption.empty())
            //: %2 is a number of stages ("3 stages").
            return Refusal{said(CliText::tr("%1: --model's file gives its model as a life cycle of "
                                            "%2: change it with --transitions and --reproduction")
                                    .arg(typed(quoted(option)), stagesText(m_fileCycle->size())))};
        return Refusal{said(CliText::tr("%1: a 4-class Leslie matrix cannot be given with %2: give "
                                        "the life cycle's --transitions and --reproduction instead")
                                .arg(typed(quoted(option)), typed(m_firstCycleOption)))};
    }
    // The stages may come after the rows and lists that are read for them.
    m_cycleOptions.push_back(option);
    return std::nullopt;
}

std::optional<Refusal> ModelOptionsReader::takeModelFile(const GivenOption &option)
{
    const ModelFileRead read = readModelFile(QFile::decodeName(QByteArray::fromStdString(option.value)));
    if (!read.ok())
        return Refusal{said(CliText::tr("--model %1").arg(read.message()))};
    const StageModelDocument document = read.asStageModel();
    m_model.title = document.title.toStdString();
    m_model.notes = document.notes.toStdString();
    m_model.source = document.source.toStdString();
    m_model.yield = document.yield;
    if (read.stageDocument)
        m_lifeCycle = true;
    if (m_lifeCycle)
        m_fileCycle = document.model;
    else
        m_model.entries = modelEntries(read.document->values);
    return std::nullopt;
}

std::optional<Refusal> ModelOptionsReader::finish()
{
    if (m_lifeCycle) {
        if (const auto refusal = buildLifeCycle())
            return refusal;
    }
    if (m_model.lifeCycle)
        return std::nullopt;
    if (const auto message = brokenRuleOf(m_model.entries))
        return Refusal{*message, true};
    return std::nullopt;
}

std::optional<Refusal> ModelOptionsReader::buildLifeCycle()
{
    const auto given = [this](const char *name) {
        const auto found = std::find_if(m_cycleOptions.begin(), m_cycleOptions.end(),
                                        [name](const GivenOption &o) { return o.name == name; });
        return found == m_cycleOptions.end() ? nullptr : &*found;
    };
    StageModel cycle;
    if (const GivenOption *stages = given("--stages")) {
        const StageNamesRead names = readStageNames(stages->value);
        if (!names.ok())
            return refusedText(*stages, names);
        const int n = int(names.names.size());
        if (m_fileCycle && m_fileCycle->size() != n)
            //: %1 is the option with its value; %2 and %3 are numbers of stages ("3 stages").
            return Refusal{said(CliText::tr("%1 names %2, and --model's file has %3: give one "
                                            "name for each of them")
                                    .arg(typed(quoted(*stages)), stagesText(n),
                                         stagesText(m_fileCycle->size())))};
        if (m_fileCycle) {
            cycle = *m_fileCycle;
        } else {
            for (const char *needed : {"--transitions", "--reproduction"}) {
                if (!given(needed))
                    return Refusal{said(CliText::tr("--stages needs %1 ROWS as well: a life cycle "
                                                    "has survival and growth (U) and reproduction (F)")
                                            .arg(QLatin1String(needed)))};
            }
            cycle = emptyStageModel(n);
            cycle.n0.setConstant(10);
        }
        cycle.stages = names.names;
    } else if (m_fileCycle) {
        cycle = *m_fileCycle;
    } else {
        return Refusal{said(CliText::tr("%1 needs --stages NAMES, or --model with a file: the "
                                        "stages its values are read for")
                                .arg(typed(m_firstCycleOption)))};
    }
    for (const GivenOption &option : m_cycleOptions) {
        if (const auto refusal = applyLifeCycleOption(option, cycle))
            return refusal;
    }
    const StageModelCheck check = checkStageModel(cycle);
    if (check.problem == StageModelProblem::SurvivalAboveOne)
        return Refusal{said(CliText::tr("--transitions: the column of \"%1\" adds up to %2: at most "
                                        "all of a stage can survive")
                                .arg(typed(cycle.stages[size_t(check.stage)]),
                                     typed(numberText(cycle.U.col(check.stage).sum())))),
                       true};
    if (!strictValue(numberText(cycle.n0.sum())).ok())
        return Refusal{said(CliText::tr("--n0: N(0) adds up to a total beyond the range of a double")),
                       true};
    // Whatever the options let through still meets every rule of a model file.
    const StageModelDocument document{QString::fromStdString(m_model.title),
                                      QString::fromStdString(m_model.notes),
                                      QString::fromStdString(m_model.source), cycle};
    if (const QString problem = stageModelProblem(document); !problem.isEmpty())
        return Refusal{problem.toStdString(), true};
    if (const std::optional<LeslieModel> leslie = leslieFromStageModel(cycle))
        m_model.entries = modelEntries(leslieValues(*leslie));
    else
        m_model.lifeCycle = std::move(cycle);
    return std::nullopt;
}

std::optional<Refusal> ModelOptionsReader::applyLifeCycleOption(const GivenOption &option,
                                                                StageModel &cycle)
{
    const int n = cycle.size();
    Eigen::MatrixXd *matrix = option.name == "--transitions"    ? &cycle.U
                              : option.name == "--reproduction" ? &cycle.F
                              : option.name == "--clonal"       ? &cycle.C
                                                                : nullptr;
    if (matrix) {
        StageRowsRead read = readStageRows(option.value, n);
        if (!read.ok())
            return refusedText(option, read);
        *matrix = std::move(read.matrix);
    } else if (option.name == "--n0" || option.name == "--harvest") {
        StageValuesRead read = readStageValues(option.value, n);
        if (!read.ok())
            return refusedText(option, read);
        (option.name == "--n0" ? cycle.n0 : cycle.harvest) = std::move(read.values);
    }
    return std::nullopt;
}

ModelRun::ModelRun(EditEntries entries)
{
    simulation.startUp();
    entries.goBack(simulation);
}

} // namespace velmora
