#include "modelfile/modelfile.h"

#include "demography/defaultmodel.h"
#include "base/numbertext.h"
#include "model/simulation.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <algorithm>
#include <utility>

namespace velmora {

namespace {

const QString kFormat = QStringLiteral("velmora-model");

// The keys in the order they are written and checked.
const char *const kKeys[] = {"format", "version", "title", "notes",
                             "fecundities", "survival", "n0", "harvest"};

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

// The same, cut short where it is long, for a message.
QString shown(const QJsonValue &value)
{
    QString text = jsonText(value);
    if (text.size() > 40)
        text = text.left(37) + QStringLiteral("...");
    return text;
}

QString shown(double value) { return shown(QJsonValue(value)); }

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
    {"fecundities", 4, "a fecundity", false},
    {"survival", 3, "a survival rate", true},
    {"n0", 4, "an age class of N(0)", false},
    {"harvest", 4, "a harvest", false},
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
        return QStringLiteral("%1 is %2: too large for the program").arg(at, shown(value));
    if (group.survival && value > 1)
        return QStringLiteral("%1 is %2: a survival rate must be at most 1").arg(at, shown(value));
    if (value < 0)
        return QStringLiteral("%1 is %2: %3 must be at least 0")
            .arg(at, shown(value), QLatin1String(group.what));
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
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

QString documentProblem(const QJsonObject &object, ModelDocument &document)
{
    const QJsonValue format = object.value(QLatin1String("format"));
    if (format.isUndefined())
        return QStringLiteral("%1 is missing: this is not a Velmora model file").arg(key("format"));
    if (format.toString() != kFormat)
        return QStringLiteral("%1 is %2, not \"%3\": this is not a Velmora model file")
            .arg(key("format"), shown(format), kFormat);

    const QJsonValue version = object.value(QLatin1String("version"));
    if (version.isUndefined())
        return QStringLiteral("%1 is missing").arg(key("version"));
    if (version.isDouble() && version.toDouble() > kModelFileVersion)
        return QStringLiteral("%1 is %2: the file was written by a newer Velmora; this one reads "
                              "version %3")
            .arg(key("version"), shown(version), QString::number(kModelFileVersion));
    if (!version.isDouble() || version.toDouble() != kModelFileVersion)
        return QStringLiteral("%1 is %2, not %3")
            .arg(key("version"), shown(version), QString::number(kModelFileVersion));

    // Keys come sorted, so the first unknown one is the same on every reading.
    for (const QString &name : object.keys()) {
        if (std::none_of(std::begin(kKeys), std::end(kKeys),
                         [&name](const char *k) { return name == QLatin1String(k); }))
            return QStringLiteral("unknown key %1").arg(shown(QJsonValue(name)));
    }

    for (const auto &[name, text] : {std::pair{"title", &document.title},
                                     std::pair{"notes", &document.notes}}) {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isUndefined())
            continue;
        if (!value.isString())
            return QStringLiteral("%1 is %2: it must be text in double quotes")
                .arg(key(name), shown(value));
        *text = value.toString();
    }
    // A file written on another system may end its note's lines with CR LF.
    document.notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (const QString problem = modelTextProblem(document); !problem.isEmpty())
        return problem;

    for (int g = 0; g < 4; ++g) {
        const ValueGroup &group = kGroups[g];
        const QJsonValue list = object.value(QLatin1String(group.name));
        if (list.isUndefined())
            return QStringLiteral("%1 is missing").arg(key(group.name));
        if (!list.isArray() || list.toArray().size() != group.size)
            return QStringLiteral("%1 is %2: it must be a list of %3 numbers, such as [%4]")
                .arg(key(group.name), shown(list), QString::number(group.size),
                     group.size == 3 ? QStringLiteral("0.5, 1, 0.5") : QStringLiteral("10, 10, 10, 10"));
        const QJsonArray array = list.toArray();
        double *values = groupValues(document.values, g);
        for (int i = 0; i < group.size; ++i) {
            const QJsonValue value = array.at(i);
            if (!value.isDouble())
                return QStringLiteral("%1 is %2: it must be a number").arg(element(group.name, i), shown(value));
            values[i] = value.toDouble();
            if (const QString problem = valueProblem(group, i, values[i]); !problem.isEmpty())
                return problem;
        }
    }
    return modelValuesProblem(document.values);
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
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
        return QStringLiteral("%1: the total of N(0) is too large for the program").arg(key("n0"));
    return {};
}

QString modelTextProblem(const ModelDocument &document)
{
    if (document.title.size() > kModelTitleMaxLength
        || std::any_of(document.title.begin(), document.title.end(), isControl))
        return QStringLiteral("%1 must be one line of at most %2 characters")
            .arg(key("title"))
            .arg(kModelTitleMaxLength);
    const auto badInNotes = [](QChar c) {
        return isControl(c) && c != QLatin1Char('\n') && c != QLatin1Char('\t');
    };
    if (std::any_of(document.notes.begin(), document.notes.end(), badInNotes))
        return QStringLiteral("%1 holds a control character; only line breaks and tabs may "
                              "stand in it")
            .arg(key("notes"));
    return {};
}

ModelFileRead parseModelFile(const QByteArray &bytes)
{
    ModelFileRead read;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        read.problem = QStringLiteral("this is not JSON: %1 at %2")
                           .arg(error.errorString(), position(bytes, error.offset));
        return read;
    }
    if (!json.isObject()) {
        read.problem = QStringLiteral("this is not a Velmora model file: it holds no {...} object");
        return read;
    }
    ModelDocument document;
    read.problem = documentProblem(json.object(), document);
    if (read.problem.isEmpty())
        read.document = document;
    return read;
}

ModelFileRead readModelFile(const QString &fileName)
{
    ModelFileRead read;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = QStringLiteral("it cannot be read: %1").arg(file.errorString());
    } else if (file.size() > kModelFileMaxBytes) {
        read.problem = QStringLiteral("it is larger than 1 MiB, far more than a model needs");
    } else {
        // A file that grows while it is read is cut at the limit, and then it is no JSON.
        const QByteArray bytes = file.read(kModelFileMaxBytes + 1);
        if (file.error() != QFileDevice::NoError)
            read.problem = QStringLiteral("it cannot be read: %1").arg(file.errorString());
        else if (bytes.size() > kModelFileMaxBytes)
            read.problem = QStringLiteral("it is larger than 1 MiB, far more than a model needs");
        else
            read = parseModelFile(bytes);
    }
    read.fileName = fileName;
    return read;
}

QByteArray modelFileBytes(const ModelDocument &document)
{
    const auto line = [](const char *name, const QString &value) {
        return QStringLiteral("    \"%1\": %2").arg(QLatin1String(name), value);
    };
    QStringList lines;
    lines << line("format", jsonText(kFormat)) << line("version", jsonText(kModelFileVersion));
    if (!document.title.isEmpty())
        lines << line("title", jsonText(document.title));
    if (!document.notes.isEmpty())
        lines << line("notes", jsonText(document.notes));
    for (int g = 0; g < 4; ++g) {
        // Numbers in the shortest form that reads back as the same double.
        const double *values = groupValues(document.values, g);
        QStringList numbers;
        for (int i = 0; i < kGroups[g].size; ++i)
            numbers << jsonText(values[i]);
        lines << line(kGroups[g].name, QLatin1Char('[') + numbers.join(QStringLiteral(", ")) + QLatin1Char(']'));
    }
    return (QStringLiteral("{\n") + lines.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n")).toUtf8();
}

ModelFileWrite writeModelFile(const QString &fileName, const ModelDocument &document)
{
    ModelFileWrite result;
    const QString name = QDir::toNativeSeparators(fileName);
    QString problem = modelTextProblem(document);
    if (problem.isEmpty())
        problem = modelValuesProblem(document.values);
    if (!problem.isEmpty()) {
        // A file the program would refuse to open again is not written.
        result.message = QStringLiteral("\"%1\" was not written: %2").arg(name, problem);
        return result;
    }
    // Unbuffered: a buffered QSaveFile that fails only while flushing at commit (a full disk)
    // still renames the cut-off file over the old one.
    QSaveFile file(fileName);
    const QByteArray bytes = modelFileBytes(document);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < bytes.size();) {
        // A short write says nothing; the next one gives the reason.
        const qint64 step = file.write(bytes.constData() + done, bytes.size() - done);
        written = step > 0;
        done += step;
    }
    if (!written || !file.commit()) {
        result.message = QStringLiteral("\"%1\" could not be written: %2")
                             .arg(name, oneLine(file.errorString()));
        return result;
    }
    result.ok = true;
    return result;
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
