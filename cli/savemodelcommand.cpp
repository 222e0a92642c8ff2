#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/modeloptions.h"
#include "modelfile/modelfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <ostream>

namespace velmora {

namespace {

std::vector<AcceptedOption> saveModelOptions()
{
    return withModelOptions(
        {{"--title", "TEXT",
          QT_TRANSLATE_NOOP("CliText", "one line of at most 100 characters, shown with the model\n"
                                       "(default: the title of --model's file, else none)")},
         {"--notes", "TEXT",
          QT_TRANSLATE_NOOP("CliText", "what the student should look for; a line break in TEXT\n"
                                       "(bash: $'one\\ntwo') starts a new line (default: the notes\n"
                                       "of --model's file, else none)")},
         {"--force", "",
          QT_TRANSLATE_NOOP("CliText", "replace FILE if it is there already")}});
}

std::string saveModelHelp()
{
    return modelCommandHelp(
        {"save-model",
         {"[--title TEXT] [--notes TEXT] [--force] FILE"},
         {},
         said(CliText::tr(
             "Writes a model file (.velmora) that \"Open model...\" of the main window and\n"
             "--model read: the default model, or the model of --model, with the other\n"
             "model options over it. A FILE without an ending gets \".velmora\". A file\n"
             "already there is left as it is, unless --force is given. A 4-class Leslie\n"
             "model is written as a version 1 file, any other life cycle as version 2; the\n"
             "source of --model's file is kept.\n")),
         said(CliText::tr(
             "\nExit status 0 when written; 1 with one line on standard error when the file\n"
             "cannot be written (a file already there is left as it was); 2 with one line on\n"
             "standard error, and nothing written, for a bad option or value or for a FILE\n"
             "already there without --force.\n"))},
        saveModelOptions());
}

std::string fileText(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

int saveModel(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli save-model";
    // FILE is the one argument that is neither an option nor an option's value.
    ReadOptions given;
    if (const auto problem = readOptions(arguments, saveModelOptions(), given))
        return refuse(err, who, *problem);
    const std::vector<std::string> &files = given.others;
    if (files.size() > 1)
        return refuse(err, who, said(CliText::tr("more than one FILE given: \"%1\" and \"%2\"")
                                         .arg(typed(files[0]), typed(files[1]))));
    if (files.empty())
        return refuse(err, who, said(CliText::tr("no FILE given: the model file to write comes last")));
    QString fileName = QFile::decodeName(QByteArray::fromStdString(files.front()));
    if (fileName.endsWith(u'/'))
        return refuse(err, who, said(CliText::tr("FILE \"%1\" names a folder").arg(typed(files.front()))));
    // As the save dialog does: a name without an ending becomes a model file's name.
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".") + QLatin1String(kModelFileSuffix);
    ModelOptionsReader model(given.options);
    std::optional<std::string> givenTitle;
    std::optional<std::string> givenNotes;
    bool force = false;
    for (const GivenOption &option : given.options) {
        if (option.name == "--force")
            force = true;
        else if (option.name == "--title")
            givenTitle = option.value;
        else if (option.name == "--notes")
            givenNotes = option.value;
        else if (const auto problem = model.take(option))
            return refuseOption(err, who, *problem);
    }
    if (const auto problem = model.finish())
        return refuseOption(err, who, *problem);

    const ChosenModel &chosen = model.model();
    const QString title = QString::fromStdString(givenTitle.value_or(chosen.title));
    const QString notes = QString::fromStdString(givenNotes.value_or(chosen.notes));
    const QString source = QString::fromStdString(chosen.source);
    ModelDocument document{title, notes, {}, source};
    QString problem;
    if (chosen.lifeCycle) {
        problem = stageModelProblem({title, notes, source, *chosen.lifeCycle});
    } else {
        // The values as the main window would show them after "Go Back": 15 digits each.
        const ModelRun run(chosen.entries);
        document.values = *currentModelValues(run.simulation);
        problem = modelTextProblem(document);
        if (problem.isEmpty())
            problem = modelValuesProblem(document.values);
    }
    if (!problem.isEmpty())
        return refuseValues(err, who, problem.toStdString());

    // A teacher's exercise is not replaced by a slip of the file name.
    if (!force && QFileInfo::exists(fileName))
        return refuseValues(err, who,
                            said(CliText::tr("the file \"%1\" is there already; give --force to "
                                             "replace it")
                                     .arg(fileName)));
    const ModelFileWrite written =
        chosen.lifeCycle
            ? writeModelFile(fileName, StageModelDocument{title, notes, source, *chosen.lifeCycle})
            : writeModelFile(fileName, document);
    if (!written.ok) {
        err << who << ": " << written.message.toStdString() << '\n';
        return kExitFailed;
    }
    out << said(CliText::tr("Wrote %1").arg(typed(fileText(fileName)))) << '\n';
    return kExitOk;
}

} // namespace

const Command kSaveModelCommand{"save-model",
                                QT_TRANSLATE_NOOP("CliText",
                                                  "write a model file (.velmora) for the main "
                                                  "window's \"Open model...\" and\n--model"),
                                saveModelHelp, saveModel};

} // namespace velmora
