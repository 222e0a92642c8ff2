#include "modelfile/modelfile.h"

#include "base/numbertext.h"
#include "demography/defaultmodel.h"
#include "demography/leslie.h"
#include "export/safewrite.h"
#include "model/simulation.h"
#include "modelfile/stagerows.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <algorithm>
#include <utility>

namespace velmora {

namespace {

const QString kFormat = QStringLiteral("velmora-model");

// Which model a key belongs to: a file holds the keys of one kind only.
enum class KeyKind { Any, Leslie, Stage };

struct KeyRule {
    const char *name;
    int since; // the first version that has it
    KeyKind kind;
};

// The keys in the order they are written and checked. A later block is one more line here
// and one more step in documentProblem.
const KeyRule kKeys[] = {
    {"format", 1, KeyKind::Any},
    {"version", 1, KeyKind::Any},
    {"title", 1, KeyKind::Any},
    {"notes", 1, KeyKind::Any},
    {"source", 2, KeyKind::Any},
    {"fecundities", 1, KeyKind::Leslie},
    {"survival", 1, KeyKind::Leslie},
    {"stages", 2, KeyKind::Stage},
    {"transitions", 2, KeyKind::Stage},
    {"reproduction", 2, KeyKind::Stage},
    {"clonal", 2, KeyKind::Stage},
    {"n0", 1, KeyKind::Any},
    {"harvest", 1, KeyKind::Any},
    {"density", 2, KeyKind::Any},
    {"harvestStages", 2, KeyKind::Any},
    {"exercise", 2, KeyKind::Any},
};

const KeyRule *keyRule(const QString &name)
{
    const auto found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                    [&name](const KeyRule &k) { return name == QLatin1String(k.name); });
    return found == std::end(kKeys) ? nullptr : found;
}

QString key(const char *name) { return QStringLiteral("\"%1\"").arg(QLatin1String(name)); }

QString element(const char *name, int index)
{
    return QStringLiteral("\"%1\"[%2]").arg(QLatin1String(name)).arg(index);
}

// A JSON value as it stands in a file: strings quoted and escaped, numbers in their shortest form.
QString jsonText(const QJsonValue &value)
{
    const QString array = QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    return array.mid(1, array.size() - 2);
}

QString shown(const QJsonValue &value) { return shownJsonValue(value); }

QString shown(double value) { return shownJsonValue(QJsonValue(value)); }

// The program writes every value as a number text once per step: that text must read back.
bool representable(double value)
{
    return std::isfinite(value) && strictValue(numberText(value)).ok();
}

struct ValueGroup {
    const char *name;
    int size;
    const char *what; // "a fecundity", for the messages
    bool survival;
};

const ValueGroup kGroups[] = {
    //: The subject of "%3 must be at least 0".
    {"fecundities", 4, QT_TRANSLATE_NOOP("ModelFileText", "a fecundity"), false},
    {"survival", 3, QT_TRANSLATE_NOOP("ModelFileText", "a survival rate"), true},
    {"n0", 4, QT_TRANSLATE_NOOP("ModelFileText", "an age class of N(0)"), false},
    {"harvest", 4, QT_TRANSLATE_NOOP("ModelFileText", "a harvest"), false},
};

double *groupValues(ModelValues &values, int group)
{
    switch (group) {
    case 0: return values.fecundities.data();
    case 1: return values.survival.data();
    case 2: return values.n0.data();
    default: return values.harvest.data();
    }
}

const double *groupValues(const ModelValues &values, int group)
{
    return groupValues(const_cast<ModelValues &>(values), group);
}

QString valueProblem(const ValueGroup &group, int index, double value)
{
    const QString at = element(group.name, index);
    if (!representable(value))
        return ModelFileText::tr("%1 is %2: too large for the program").arg(at, shown(value));
    if (group.survival && value > 1)
        return ModelFileText::tr("%1 is %2: a survival rate must be at most 1").arg(at, shown(value));
    if (value < 0)
        return ModelFileText::tr("%1 is %2: %3 must be at least 0")
            .arg(at, shown(value), ModelFileText::tr(group.what));
    return {};
}

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// Line and column (from 1) of a byte offset, for a parse error a teacher can find.
QString position(const QByteArray &bytes, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((bytes[i] & 0xC0) != 0x80) { // a character, not a continuation byte
            ++column;
        }
    }
    return ModelFileText::tr("line %1, column %2").arg(line).arg(column);
}

const char *const kOneStage = QT_TRANSLATE_NOOP("ModelFileText", "1 stage");
const char *const kStages = QT_TRANSLATE_NOOP("ModelFileText", "%1 stages");
const char *const kOneNumber = QT_TRANSLATE_NOOP("ModelFileText", "1 number");
const char *const kNumbers = QT_TRANSLATE_NOOP("ModelFileText", "%1 numbers");

// "1 row", "3 rows": `one` and `many` are marked texts, `many` with %1 for the number.
QString counted(int n, const char *one, const char *many)
{
    return n == 1 ? ModelFileText::tr(one) : ModelFileText::tr(many).arg(n);
}

bool isOneLine(const QString &text, int maxLength)
{
    return text.size() <= maxLength && std::none_of(text.begin(), text.end(), isControl);
}

QString textProblem(const QString &title, const QString &notes, const QString &source)
{
    if (!isOneLine(title, kModelTitleMaxLength))
        return ModelFileText::tr("%1 must be one line of at most %2 characters")
            .arg(key("title"))
            .arg(kModelTitleMaxLength);
    const auto badInNotes = [](QChar c) {
        return isControl(c) && c != QLatin1Char('\n') && c != QLatin1Char('\t');
    };
    if (std::any_of(notes.begin(), notes.end(), badInNotes))
        return ModelFileText::tr("%1 holds a control character; only line breaks and tabs may "
                              "stand in it")
            .arg(key("notes"));
    if (!isOneLine(source, kModelSourceMaxLength))
        return ModelFileText::tr("%1 must be one line of at most %2 characters")
            .arg(key("source"))
            .arg(kModelSourceMaxLength);
    return {};
}

// The matrices and vectors of a life cycle by the keys of its file, in their order.
struct MatrixKey {
    const char *name;
    Eigen::MatrixXd StageModel::*matrix;
    const char *what;
    bool optional;
};

const MatrixKey kMatrixKeys[] = {
    {"transitions", &StageModel::U, QT_TRANSLATE_NOOP("ModelFileText", "a transition"), false},
    {"reproduction", &StageModel::F, QT_TRANSLATE_NOOP("ModelFileText", "a fecundity"), false},
    {"clonal", &StageModel::C, QT_TRANSLATE_NOOP("ModelFileText", "a clonal rate"), true},
};

struct VectorKey {
    const char *name;
    Eigen::VectorXd StageModel::*vector;
    const char *what;
};

const VectorKey kVectorKeys[] = {
    {"n0", &StageModel::n0, "N(0)"},
    {"harvest", &StageModel::harvest, QT_TRANSLATE_NOOP("ModelFileText", "a harvest")},
};

QString stageName(const StageModel &model, int stage)
{
    return jsonText(QString::fromStdString(model.stages[size_t(stage)]));
}

QString numberProblem(const QString &at, double value, const char *what)
{
    if (!representable(value))
        return ModelFileText::tr("%1 is %2: too large for the program").arg(at, shown(value));
    if (value < 0)
        return ModelFileText::tr("%1 is %2: %3 must be at least 0").arg(at, shown(value), ModelFileText::tr(what));
    return {};
}

QString entryProblem(const StageModel &model, const MatrixKey &matrixKey, int row, int column)
{
    const QString at = ModelFileText::tr("%1[%2], from %3 to %4,")
                           .arg(element(matrixKey.name, row))
                           .arg(column)
                           .arg(stageName(model, column), stageName(model, row));
    return numberProblem(at, (model.*matrixKey.matrix)(row, column), matrixKey.what);
}

QString entryProblem(const StageModel &model, const VectorKey &vectorKey, int stage)
{
    const QString at = ModelFileText::tr("%1 of %2").arg(element(vectorKey.name, stage), stageName(model, stage));
    return numberProblem(at, (model.*vectorKey.vector)(stage), vectorKey.what);
}

QString stageCountProblem(int n)
{
    if (n == 0)
        return ModelFileText::tr("%1 is []: a model needs at least 1 stage").arg(key("stages"));
    if (n > kMaxStages)
        return ModelFileText::tr("%1 holds %2 names: the program takes at most %3 stages")
            .arg(key("stages"))
            .arg(n)
            .arg(kMaxStages);
    return {};
}

// The name of stage `i` against the rules and the names before it.
QString nameProblem(const std::vector<std::string> &names, int i)
{
    const std::string &name = names[size_t(i)];
    const QString at = element("stages", i);
    if (const StageNameProblem problem = stageNameProblem(name); problem != StageNameProblem::None)
        return ModelFileText::tr("%1 is %2: %3")
            .arg(at, shown(QJsonValue(QString::fromStdString(name))),
                 QString::fromStdString(stageNameProblemText(problem)));
    const auto earlier = std::find(names.begin(), names.begin() + i, name);
    if (earlier != names.begin() + i)
        return ModelFileText::tr("%1 is %2, as is %3: each stage needs a name of its own")
            .arg(at, shown(QJsonValue(QString::fromStdString(name))),
                 element("stages", int(earlier - names.begin())));
    return {};
}

// The rules that take the whole model: what the entries add up to.
QString wholeStageModelProblem(const StageModel &model)
{
    const StageModelCheck check = checkStageModel(model);
    if (check.problem == StageModelProblem::SurvivalAboveOne)
        return ModelFileText::tr("%1: the column of %2 adds up to %3: at most all of a stage can survive")
            .arg(key("transitions"), stageName(model, check.stage),
                 QString::fromStdString(numberText(model.U.col(check.stage).sum())));
    if (!representable(model.n0.sum()))
        return ModelFileText::tr("%1: the total of N(0) is too large for the program").arg(key("n0"));
    return {};
}

// The version of a file, or the problem with its "version" key.
QString versionProblem(const QJsonValue &version, int &number)
{
    if (version.isUndefined())
        return ModelFileText::tr("%1 is missing").arg(key("version"));
    if (version.isDouble() && version.toDouble() > kModelFileVersion)
        return ModelFileText::tr("%1 is %2: the file was written by a newer Velmora; this one reads "
                              "versions up to %3")
            .arg(key("version"), shown(version), QString::number(kModelFileVersion));
    const double value = version.toDouble();
    if (!version.isDouble() || value < 1 || value != std::floor(value))
        return ModelFileText::tr("%1 is %2, not a version from 1 to %3")
            .arg(key("version"), shown(version), QString::number(kModelFileVersion));
    number = int(value);
    return {};
}

// A file holds the keys of one model; `kind` is the one it holds.
QString keysProblem(const QJsonObject &object, int version, KeyKind &kind)
{
    QString first[3]; // the first key of each kind found
    // Keys come sorted, so the first unknown one is the same on every reading.
    for (const QString &name : object.keys()) {
        const KeyRule *rule = keyRule(name);
        if (!rule)
            return ModelFileText::tr("unknown key %1").arg(shown(QJsonValue(name)));
        if (rule->since > version)
            return ModelFileText::tr("%1 is a key of version %2 files; this file is version %3")
                .arg(shown(QJsonValue(name)), QString::number(rule->since), QString::number(version));
        if (first[int(rule->kind)].isEmpty())
            first[int(rule->kind)] = name;
    }
    const QString &leslie = first[int(KeyKind::Leslie)];
    const QString &stage = first[int(KeyKind::Stage)];
    if (!leslie.isEmpty() && !stage.isEmpty())
        return ModelFileText::tr("%1 and %2 stand in one file: a file holds either a 4-class Leslie "
                              "model (\"fecundities\", \"survival\") or a life cycle by stages "
                              "(\"stages\", \"transitions\", \"reproduction\")")
            .arg(shown(QJsonValue(leslie)), shown(QJsonValue(stage)));
    // A version 1 file names its missing Leslie keys, as it always did.
    if (leslie.isEmpty() && stage.isEmpty() && version > 1)
        return ModelFileText::tr("the file holds no model: it needs \"fecundities\" and \"survival\" "
                              "for a 4-class Leslie model, or \"stages\", \"transitions\" and "
                              "\"reproduction\" for a life cycle by stages");
    kind = stage.isEmpty() ? KeyKind::Leslie : KeyKind::Stage;
    return {};
}

// The texts that stand with either model.
struct ModelTexts {
    QString title;
    QString notes;
    QString source;
};

QString textsProblem(const QJsonObject &object, ModelTexts &texts)
{
    for (const auto &[name, text] : {std::pair{"title", &texts.title}, std::pair{"notes", &texts.notes},
                                     std::pair{"source", &texts.source}}) {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isUndefined())
            continue;
        if (!value.isString())
            return ModelFileText::tr("%1 is %2: it must be text in double quotes")
                .arg(key(name), shown(value));
        *text = value.toString();
    }
    // A file written on another system may end its note's lines with CR LF.
    texts.notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return textProblem(texts.title, texts.notes, texts.source);
}

QString leslieProblem(const QJsonObject &object, ModelValues &values)
{
    for (int g = 0; g < 4; ++g) {
        const ValueGroup &group = kGroups[g];
        const QJsonValue list = object.value(QLatin1String(group.name));
        if (list.isUndefined())
            return ModelFileText::tr("%1 is missing").arg(key(group.name));
        if (!list.isArray() || list.toArray().size() != group.size)
            return ModelFileText::tr("%1 is %2: it must be a list of %3 numbers, such as [%4]")
                .arg(key(group.name), shown(list), QString::number(group.size),
                     group.size == 3 ? QStringLiteral("0.5, 1, 0.5") : QStringLiteral("10, 10, 10, 10"));
        const QJsonArray array = list.toArray();
        double *groupNumbers = groupValues(values, g);
        for (int i = 0; i < group.size; ++i) {
            const QJsonValue value = array.at(i);
            if (!value.isDouble())
                return ModelFileText::tr("%1 is %2: it must be a number").arg(element(group.name, i), shown(value));
            groupNumbers[i] = value.toDouble();
            if (const QString problem = valueProblem(group, i, groupNumbers[i]); !problem.isEmpty())
                return problem;
        }
    }
    return modelValuesProblem(values);
}

QString namesProblem(const QJsonValue &list, std::vector<std::string> &names)
{
    if (!list.isArray())
        return ModelFileText::tr("%1 is %2: it must be a list of stage names in double quotes, such as "
                              "[\"seeds\", \"adults\"]")
            .arg(key("stages"), shown(list));
    if (const QString problem = stageCountProblem(int(list.toArray().size())); !problem.isEmpty())
        return problem;
    const QJsonArray array = list.toArray();
    for (int i = 0; i < array.size(); ++i) {
        if (!array.at(i).isString())
            return ModelFileText::tr("%1 is %2: a stage name must be text in double quotes")
                .arg(element("stages", i), shown(array.at(i)));
        names.push_back(array.at(i).toString().toStdString());
        if (const QString problem = nameProblem(names, i); !problem.isEmpty())
            return problem;
    }
    return {};
}

QString matrixProblem(const QJsonObject &object, const MatrixKey &matrixKey, StageModel &model)
{
    const int n = model.size();
    Eigen::MatrixXd &matrix = model.*matrixKey.matrix;
    matrix = Eigen::MatrixXd::Zero(n, n);
    const QJsonValue rows = object.value(QLatin1String(matrixKey.name));
    if (rows.isUndefined())
        return matrixKey.optional ? QString() : ModelFileText::tr("%1 is missing").arg(key(matrixKey.name));
    if (!rows.isArray() || rows.toArray().size() != n)
        return ModelFileText::tr("%1 is %2: it must be a list of %3, one for each stage, each a list "
                              "of %4")
            .arg(key(matrixKey.name), shown(rows),
                 counted(n, QT_TRANSLATE_NOOP("ModelFileText", "1 row"),
                         QT_TRANSLATE_NOOP("ModelFileText", "%1 rows")),
                 counted(n, kOneNumber, kNumbers));
    for (int r = 0; r < n; ++r) {
        const QJsonValue row = rows.toArray().at(r);
        const QString at = element(matrixKey.name, r);
        if (!row.isArray() || row.toArray().size() != n)
            return ModelFileText::tr("%1 is %2: it must be a row of %3, one for each stage")
                .arg(at, shown(row), counted(n, kOneNumber, kNumbers));
        for (int c = 0; c < n; ++c) {
            const QJsonValue value = row.toArray().at(c);
            if (!value.isDouble())
                return ModelFileText::tr("%1[%2] is %3: it must be a number").arg(at).arg(c).arg(shown(value));
            matrix(r, c) = value.toDouble();
            if (const QString problem = entryProblem(model, matrixKey, r, c); !problem.isEmpty())
                return problem;
        }
    }
    return {};
}

QString vectorProblem(const QJsonObject &object, const VectorKey &vectorKey, StageModel &model)
{
    const int n = model.size();
    Eigen::VectorXd &vector = model.*vectorKey.vector;
    vector = Eigen::VectorXd::Zero(n);
    const QJsonValue list = object.value(QLatin1String(vectorKey.name));
    if (list.isUndefined())
        return ModelFileText::tr("%1 is missing").arg(key(vectorKey.name));
    if (!list.isArray() || list.toArray().size() != n)
        return ModelFileText::tr("%1 is %2: it must be a list of %3, one for each stage")
            .arg(key(vectorKey.name), shown(list), counted(n, kOneNumber, kNumbers));
    for (int i = 0; i < n; ++i) {
        const QJsonValue value = list.toArray().at(i);
        if (!value.isDouble())
            return ModelFileText::tr("%1 is %2: it must be a number").arg(element(vectorKey.name, i), shown(value));
        vector(i) = value.toDouble();
        if (const QString problem = entryProblem(model, vectorKey, i); !problem.isEmpty())
            return problem;
    }
    return {};
}

QString stageProblem(const QJsonObject &object, StageModel &model)
{
    const QJsonValue names = object.value(QLatin1String("stages"));
    if (names.isUndefined())
        return ModelFileText::tr("%1 is missing").arg(key("stages"));
    if (const QString problem = namesProblem(names, model.stages); !problem.isEmpty())
        return problem;
    for (const MatrixKey &matrixKey : kMatrixKeys) {
        if (const QString problem = matrixProblem(object, matrixKey, model); !problem.isEmpty())
            return problem;
    }
    for (const VectorKey &vectorKey : kVectorKeys) {
        if (const QString problem = vectorProblem(object, vectorKey, model); !problem.isEmpty())
            return problem;
    }
    return wholeStageModelProblem(model);
}

// A list of stage names of `model` ("countedStages" in "density", "harvestStages"), each once.
// `in` follows the key in a message: "" or " in \"density\"".
QString stageListProblem(const QJsonValue &list, const char *name, const QString &in,
                         const StageModel &model, std::vector<std::string> &names)
{
    if (!list.isArray())
        return ModelFileText::tr("%1%2 is %3: it must be a list of stage names in double quotes")
            .arg(key(name), in, shown(list));
    const QJsonArray array = list.toArray();
    if (array.isEmpty())
        return ModelFileText::tr("%1%2 is []: leave it out to take every stage").arg(key(name), in);
    for (int i = 0; i < array.size(); ++i) {
        const QJsonValue item = array.at(i);
        const std::string stage = item.toString().toStdString();
        if (!item.isString()
            || std::find(model.stages.begin(), model.stages.end(), stage) == model.stages.end())
            return ModelFileText::tr("%1%2 is %3, which is not the name of a stage of the model")
                .arg(element(name, i), in, shown(item));
        if (std::find(names.begin(), names.end(), stage) != names.end())
            return ModelFileText::tr("%1%2 is %3, named twice").arg(element(name, i), in, shown(item));
        names.push_back(stage);
    }
    return {};
}

QString densityProblem(const QJsonValue &value, const StageModel &model, DensityBlock &block)
{
    const QString at = key("density");
    if (!value.isObject())
        return ModelFileText::tr("%1 is %2: it must be {\"form\": \"beverton-holt\", \"capacity\": K} "
                              "with \"ricker\" or \"ceiling\" as other forms")
            .arg(at, shown(value));
    const QJsonObject object = value.toObject();
    for (const QString &name : object.keys()) {
        if (name != QLatin1String("form") && name != QLatin1String("capacity")
            && name != QLatin1String("countedStages"))
            return ModelFileText::tr("unknown key %1 in %2").arg(shown(QJsonValue(name)), at);
    }
    const QJsonValue form = object.value(QLatin1String("form"));
    const std::optional<DensityForm> named =
        form.isString() ? densityFormFromKey(form.toString().toStdString()) : std::nullopt;
    if (form.isUndefined())
        return ModelFileText::tr("\"form\" in %1 is missing").arg(at);
    if (!named)
        return ModelFileText::tr("\"form\" in %1 is %2, not \"beverton-holt\", \"ricker\" or "
                              "\"ceiling\"")
            .arg(at, shown(form));
    block.form = *named;
    const QJsonValue capacity = object.value(QLatin1String("capacity"));
    if (capacity.isUndefined())
        return ModelFileText::tr("\"capacity\" in %1 is missing").arg(at);
    if (!capacity.isDouble() || !(capacity.toDouble() > 0) || !representable(capacity.toDouble()))
        return ModelFileText::tr("\"capacity\" in %1 is %2: K must be a number above 0")
            .arg(at, shown(capacity));
    block.capacity = capacity.toDouble();
    const QJsonValue counted = object.value(QLatin1String("countedStages"));
    if (!counted.isUndefined()) {
        if (const QString problem = stageListProblem(counted, "countedStages",
                                                     ModelFileText::tr(" in %1").arg(at), model,
                                                     block.countedStages);
            !problem.isEmpty())
            return problem;
    }
    const DensityBuild build = makeDensityModel(model, densitySettings(model, block));
    if (build.problem == DensityProblem::NoR0)
        return ModelFileText::tr("%1: a stage of the model never dies, so R0 has no value and K "
                              "cannot set the strength of the density dependence")
            .arg(at);
    if (build.problem == DensityProblem::R0NotAboveOne)
        return ModelFileText::tr("%1: R0 is %2, and a population that settles at K must more than "
                              "replace itself when sparse (R0 above 1)")
            .arg(at, QString::fromStdString(numberText(build.R0.value_or(0.0), 6)));
    return {};
}

// The density and the harvested stages, checked against the model they stand with.
QString yieldBlocksProblem(const QJsonObject &object, const StageModel &model, YieldBlocks &blocks)
{
    const QJsonValue density = object.value(QLatin1String("density"));
    if (!density.isUndefined()) {
        DensityBlock block;
        if (const QString problem = densityProblem(density, model, block); !problem.isEmpty())
            return problem;
        blocks.density = block;
    }
    const QJsonValue harvested = object.value(QLatin1String("harvestStages"));
    if (!harvested.isUndefined())
        return stageListProblem(harvested, "harvestStages", QString(), model, blocks.harvestStages);
    return {};
}

QString documentProblem(const QJsonObject &object, ModelFileRead &read)
{
    const QJsonValue format = object.value(QLatin1String("format"));
    if (format.isUndefined())
        return ModelFileText::tr("%1 is missing: this is not a Velmora model file").arg(key("format"));
    if (format.toString() != kFormat)
        return ModelFileText::tr("%1 is %2, not \"%3\": this is not a Velmora model file")
            .arg(key("format"), shown(format), kFormat);

    int version = 0;
    if (const QString problem = versionProblem(object.value(QLatin1String("version")), version);
        !problem.isEmpty())
        return problem;
    KeyKind kind = KeyKind::Any;
    if (const QString problem = keysProblem(object, version, kind); !problem.isEmpty())
        return problem;
    ModelTexts texts;
    if (const QString problem = textsProblem(object, texts); !problem.isEmpty())
        return problem;

    if (kind == KeyKind::Leslie) {
        ModelDocument document{texts.title, texts.notes, {}, texts.source};
        if (const QString problem = leslieProblem(object, document.values); !problem.isEmpty())
            return problem;
        if (const QString problem =
                yieldBlocksProblem(object, stageModelOf(document.values), document.yield);
            !problem.isEmpty())
            return problem;
        read.document = document;
    } else {
        StageModelDocument document{texts.title, texts.notes, texts.source, {}};
        if (const QString problem = stageProblem(object, document.model); !problem.isEmpty())
            return problem;
        if (const QString problem = yieldBlocksProblem(object, document.model, document.yield);
            !problem.isEmpty())
            return problem;
        read.stageDocument = document;
    }
    // A bad exercise leaves the model readable: the file opens as a model alone.
    const QJsonValue exercise = object.value(QLatin1String("exercise"));
    if (!exercise.isUndefined()) {
        ExerciseBlock block;
        read.exerciseProblem = exerciseBlockProblem(exercise, read.document ? &*read.document : nullptr,
                                                    read.stageDocument ? &*read.stageDocument : nullptr,
                                                    block);
        if (read.exerciseProblem.isEmpty())
            read.exercise = block;
    }
    return {};
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString keyLine(const char *name, const QString &value)
{
    return QStringLiteral("    \"%1\": %2").arg(QLatin1String(name), value);
}

QString listText(const QStringList &items)
{
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// Numbers in the shortest form that reads back as the same double.
template<typename Values>
QStringList numbersText(const Values &values)
{
    QStringList numbers;
    for (Eigen::Index i = 0; i < values.size(); ++i)
        numbers << jsonText(values(i));
    return numbers;
}

// The keys every file begins with; the texts only where there are any.
QStringList headLines(int version, const QString &title, const QString &notes, const QString &source)
{
    QStringList lines{keyLine("format", jsonText(kFormat)), keyLine("version", jsonText(version))};
    for (const auto &[name, text] : {std::pair{"title", &title}, std::pair{"notes", &notes},
                                     std::pair{"source", &source}}) {
        if (!text->isEmpty())
            lines << keyLine(name, jsonText(*text));
    }
    return lines;
}

// The density and harvested stages, where a document has them.
QStringList yieldLines(const YieldBlocks &blocks)
{
    const auto names = [](const std::vector<std::string> &stages) {
        QStringList quoted;
        for (const std::string &name : stages)
            quoted << jsonText(QString::fromStdString(name));
        return listText(quoted);
    };
    QStringList lines;
    if (const auto &density = blocks.density) {
        QString block = QStringLiteral("{\"form\": %1, \"capacity\": %2")
                            .arg(jsonText(QLatin1String(densityFormKey(density->form))),
                                 jsonText(density->capacity));
        if (!density->countedStages.empty())
            block += QStringLiteral(", \"countedStages\": ") + names(density->countedStages);
        lines << keyLine("density", block + QLatin1Char('}'));
    }
    if (!blocks.harvestStages.empty())
        lines << keyLine("harvestStages", names(blocks.harvestStages));
    return lines;
}

bool hasYieldBlocks(const YieldBlocks &blocks)
{
    return blocks.density || !blocks.harvestStages.empty();
}

// What a file would be refused for in its blocks: written files must open again.
QString yieldBlocksWriteProblem(const YieldBlocks &blocks, const StageModel &model)
{
    if (!hasYieldBlocks(blocks))
        return {};
    const QJsonDocument json = QJsonDocument::fromJson(
        (QStringLiteral("{") + yieldLines(blocks).join(QLatin1Char(',')) + QLatin1Char('}')).toUtf8());
    YieldBlocks read;
    return yieldBlocksProblem(json.object(), model, read);
}

QByteArray fileText(const QStringList &lines)
{
    return (QStringLiteral("{\n") + lines.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n")).toUtf8();
}

// Writes a model file safely, unless `problem` says the program would refuse to open it again.
template<typename Bytes>
ModelFileWrite saveModelFile(const QString &fileName, const QString &problem, Bytes bytesOf)
{
    ModelFileWrite result;
    const QString name = QDir::toNativeSeparators(fileName);
    if (!problem.isEmpty()) {
        // A file the program would refuse to open again is not written.
        result.message = ModelFileText::tr("\"%1\" was not written: %2").arg(name, problem);
        return result;
    }
    if (const auto failure = writeFileSafely(fileName, bytesOf())) {
        result.message = ModelFileText::tr("\"%1\" could not be written: %2")
                             .arg(name, oneLine(failure->reason));
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

bool ModelValues::operator==(const ModelValues &other) const
{
    return fecundities == other.fecundities && survival == other.survival && n0 == other.n0
           && harvest == other.harvest;
}

QString ModelFileRead::message() const
{
    return QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(fileName), problem);
}

QString ModelFileRead::exerciseMessage() const
{
    return ModelFileText::tr("\"%1\": %2; the model opened without its exercise")
        .arg(QDir::toNativeSeparators(fileName), exerciseProblem);
}

QString ModelFileRead::title() const
{
    return document ? document->title : stageDocument ? stageDocument->title : QString();
}

StageModelDocument ModelFileRead::asStageModel() const
{
    if (stageDocument)
        return *stageDocument;
    if (document)
        return {document->title, document->notes, document->source, stageModelOf(document->values),
                document->yield};
    return {};
}

bool DensityBlock::operator==(const DensityBlock &other) const
{
    return form == other.form && capacity == other.capacity && countedStages == other.countedStages;
}

std::vector<int> stageIndices(const StageModel &model, const std::vector<std::string> &names)
{
    std::vector<int> indices;
    for (const std::string &name : names) {
        const auto found = std::find(model.stages.begin(), model.stages.end(), name);
        if (found != model.stages.end())
            indices.push_back(int(found - model.stages.begin()));
    }
    return indices;
}

DensitySettings densitySettings(const StageModel &model, const DensityBlock &block)
{
    return DensitySettings{block.form, block.capacity, stageIndices(model, block.countedStages)};
}

QString shownJsonValue(const QJsonValue &value)
{
    QString text = jsonText(value);
    if (text.size() > 40)
        text = text.left(37) + QStringLiteral("...");
    return text;
}

PopulationModel populationModelOf(const ModelValues &values)
{
    PopulationModel model;
    for (size_t c = 0; c < 4; ++c)
        model.M[c] = values.fecundities[c];
    for (size_t i = 0; i < 3; ++i)
        model.M[4 * (i + 1) + i] = values.survival[i];
    model.H = values.harvest;
    model.N = values.n0;
    return model;
}

StageModel stageModelOf(const ModelValues &values)
{
    LeslieModel leslie;
    for (size_t c = 0; c < 4; ++c)
        leslie.M[c] = values.fecundities[c];
    for (size_t i = 0; i < 3; ++i)
        leslie.M[4 * (i + 1) + i] = values.survival[i];
    leslie.n0 = values.n0;
    leslie.harvest = values.harvest;
    return stageModelFromLeslie(leslie);
}

QString modelValuesProblem(const ModelValues &values)
{
    for (int g = 0; g < 4; ++g) {
        const double *group = groupValues(values, g);
        for (int i = 0; i < kGroups[g].size; ++i) {
            if (const QString problem = valueProblem(kGroups[g], i, group[i]); !problem.isEmpty())
                return problem;
        }
    }
    // Each value fits; the restart also adds N(0) up, and that total must fit as well.
    if (modelEntries(values).check() != BrokenRule::None)
        return ModelFileText::tr("%1: the total of N(0) is too large for the program").arg(key("n0"));
    return {};
}

QString modelTextProblem(const ModelDocument &document)
{
    return textProblem(document.title, document.notes, document.source);
}

QString stageModelProblem(const StageModelDocument &document)
{
    if (const QString problem = textProblem(document.title, document.notes, document.source);
        !problem.isEmpty())
        return problem;
    const StageModel &model = document.model;
    const int n = model.size();
    if (const QString problem = stageCountProblem(n); !problem.isEmpty())
        return problem;
    for (int i = 0; i < n; ++i) {
        if (const QString problem = nameProblem(model.stages, i); !problem.isEmpty())
            return problem;
    }
    for (const MatrixKey &matrixKey : kMatrixKeys) {
        const Eigen::MatrixXd &matrix = model.*matrixKey.matrix;
        if (matrix.rows() != n || matrix.cols() != n)
            return ModelFileText::tr("%1 is %2 x %3: it must have a row and a column for each of the %4")
                .arg(key(matrixKey.name))
                .arg(matrix.rows())
                .arg(matrix.cols())
                .arg(counted(n, kOneStage, kStages));
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                if (const QString problem = entryProblem(model, matrixKey, r, c); !problem.isEmpty())
                    return problem;
            }
        }
    }
    for (const VectorKey &vectorKey : kVectorKeys) {
        if ((model.*vectorKey.vector).size() != n)
            return ModelFileText::tr("%1 holds %2: it must hold one for each of the %3")
                .arg(key(vectorKey.name),
                     counted(int((model.*vectorKey.vector).size()), kOneNumber, kNumbers),
                     counted(n, kOneStage, kStages));
        for (int i = 0; i < n; ++i) {
            if (const QString problem = entryProblem(model, vectorKey, i); !problem.isEmpty())
                return problem;
        }
    }
    return wholeStageModelProblem(model);
}

ModelFileRead parseModelFile(const QByteArray &bytes)
{
    ModelFileRead read;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        read.problem = ModelFileText::tr("this is not JSON: %1 at %2")
                           .arg(error.errorString(), position(bytes, error.offset));
        return read;
    }
    if (!json.isObject()) {
        read.problem = ModelFileText::tr("this is not a Velmora model file: it holds no {...} object");
        return read;
    }
    read.problem = documentProblem(json.object(), read);
    return read;
}

ModelFileRead readModelFile(const QString &fileName)
{
    ModelFileRead read;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = ModelFileText::tr("it cannot be read: %1").arg(file.errorString());
    } else if (file.size() > kModelFileMaxBytes) {
        read.problem = ModelFileText::tr("it is larger than 1 MiB, far more than a model needs");
    } else {
        // A file that grows while it is read is cut at the limit, and then it is no JSON.
        const QByteArray bytes = file.read(kModelFileMaxBytes + 1);
        if (file.error() != QFileDevice::NoError)
            read.problem = ModelFileText::tr("it cannot be read: %1").arg(file.errorString());
        else if (bytes.size() > kModelFileMaxBytes)
            read.problem = ModelFileText::tr("it is larger than 1 MiB, far more than a model needs");
        else
            read = parseModelFile(bytes);
    }
    read.fileName = fileName;
    return read;
}

QByteArray modelFileBytes(const ModelDocument &document)
{
    // Without a key of version 2 the file stays version 1, which older programs read.
    const int version = document.source.isEmpty() && !hasYieldBlocks(document.yield)
                            ? kLeslieFileVersion
                            : kModelFileVersion;
    QStringList lines = headLines(version, document.title, document.notes, document.source);
    for (int g = 0; g < 4; ++g) {
        const double *values = groupValues(document.values, g);
        QStringList numbers;
        for (int i = 0; i < kGroups[g].size; ++i)
            numbers << jsonText(values[i]);
        lines << keyLine(kGroups[g].name, listText(numbers));
    }
    lines << yieldLines(document.yield);
    return fileText(lines);
}

QByteArray stageModelFileBytes(const StageModelDocument &document)
{
    const StageModel &model = document.model;
    QStringList lines = headLines(kModelFileVersion, document.title, document.notes, document.source);
    QStringList names;
    for (int i = 0; i < model.size(); ++i)
        names << stageName(model, i);
    lines << keyLine("stages", listText(names));
    for (const MatrixKey &matrixKey : kMatrixKeys) {
        const Eigen::MatrixXd &matrix = model.*matrixKey.matrix;
        if (matrixKey.optional && matrix.isZero(0.0))
            continue;
        // One row a line, so a teacher reads the matrix as it is printed in a paper.
        QStringList rows;
        for (Eigen::Index r = 0; r < matrix.rows(); ++r)
            rows << QStringLiteral("        ") + listText(numbersText(matrix.row(r)));
        lines << keyLine(matrixKey.name, QStringLiteral("[\n") + rows.join(QStringLiteral(",\n"))
                                             + QStringLiteral("\n    ]"));
    }
    for (const VectorKey &vectorKey : kVectorKeys)
        lines << keyLine(vectorKey.name, listText(numbersText(model.*vectorKey.vector)));
    lines << yieldLines(document.yield);
    return fileText(lines);
}

ModelFileWrite writeModelFile(const QString &fileName, const ModelDocument &document)
{
    QString problem = modelTextProblem(document);
    if (problem.isEmpty())
        problem = modelValuesProblem(document.values);
    if (problem.isEmpty())
        problem = yieldBlocksWriteProblem(document.yield, stageModelOf(document.values));
    return saveModelFile(fileName, problem, [&document] { return modelFileBytes(document); });
}

ModelFileWrite writeModelFile(const QString &fileName, const StageModelDocument &document)
{
    QString problem = stageModelProblem(document);
    if (problem.isEmpty())
        problem = yieldBlocksWriteProblem(document.yield, document.model);
    return saveModelFile(fileName, problem, [&document] { return stageModelFileBytes(document); });
}

EditEntries modelEntries(const ModelValues &values)
{
    EditEntries entries;
    for (int i = 0; i < 4; ++i) {
        entries.m1[size_t(kFecundityCells[size_t(i)])] = numberText(values.fecundities[size_t(i)]);
        entries.n0[size_t(i)] = numberText(values.n0[size_t(i)]);
        entries.Harvest1[size_t(i)] = numberText(values.harvest[size_t(i)]);
    }
    for (int i = 0; i < 3; ++i)
        entries.m1[size_t(kSurvivalCells[size_t(i)])] = numberText(values.survival[size_t(i)]);
    return entries;
}

std::optional<ModelValues> currentModelValues(const Simulation &simulation)
{
    const MainFields &fields = simulation.fields();
    ModelValues values;
    const auto read = [](const std::string &text, double &value) {
        const ReadResult result = strictValue(text);
        value = result.value;
        return result.ok();
    };
    for (size_t i = 0; i < 4; ++i) {
        if (!read(fields.m[size_t(kFecundityCells[i])], values.fecundities[i])
            || !read(fields.Harvest[i], values.harvest[i]))
            return std::nullopt;
        // The main window's N(t) moves on with the run; N(0) stays in the history.
        values.n0[i] = simulation.history().Nhist[i][0];
    }
    for (size_t i = 0; i < 3; ++i) {
        if (!read(fields.m[size_t(kSurvivalCells[i])], values.survival[i]))
            return std::nullopt;
    }
    return values;
}

} // namespace velmora
