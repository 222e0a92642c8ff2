#include "ui/modelfiles/modelfiles.h"

#include "model/simulation.h"
#include "modelfile/modelfile.h"
#include "ui/common/dialogs.h"
#include "ui/modelfiles/modelfiledialogs.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

bool builtIn(const QString &fileName) { return fileName.startsWith(QLatin1Char(':')); }

} // namespace

ModelFiles::ModelFiles(Simulation &simulation, Dialogs &dialogs, ModelFileDialogs &fileDialogs)
    : m_simulation(simulation)
    , m_dialogs(dialogs)
    , m_fileDialogs(fileDialogs)
    , m_folder(QDir::homePath())
{
}

bool ModelFiles::open(const QString &fileName, QWidget *parent)
{
    const ModelFileRead read = readModelFile(fileName);
    if (!read.ok()) {
        m_dialogs.message(parent, tr("Open model"),
                          tr("This model file was not opened:\n%1\n\n"
                             "Nothing was changed.")
                              .arg(read.message()),
                          QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    if (!read.exerciseProblem.isEmpty())
        m_dialogs.message(parent, tr("Open model"), read.exerciseMessage(), QMessageBox::Ok,
                          QMessageBox::Warning);
    // An exercise's model opens with the file's own numbers and notes until the student's name
    // draws the student's.
    apply(read);
    if (read.exercise)
        emit exerciseOpened(read);
    return true;
}

void ModelFiles::apply(const ModelFileRead &read)
{
    const QString &fileName = read.fileName;
    // A life cycle, and a 4-class model with density dependence, which the main window's linear
    // model cannot hold, open in the Life cycle window.
    if (read.stageDocument || read.document->yield.density) {
        // The main window's model, title and file name stay; the next dialog starts here.
        if (!builtIn(fileName))
            m_folder = QFileInfo(fileName).absolutePath();
        emit stageModelOpened(read.asStageModel());
        return;
    }
    // The file's values passed the editing window's checks on reading, so "Go Back" applies them.
    EditEntries entries = modelEntries(read.document->values);
    entries.goBack(m_simulation);
    m_title = read.document->title;
    m_notes = read.document->notes;
    m_fileName = fileName;
    if (!builtIn(fileName))
        m_folder = QFileInfo(fileName).absolutePath();
    emit modelOpened(entries);
}

void ModelFiles::openFromDialog(QWidget *parent)
{
    const QString chosen = m_fileDialogs.openModelName(parent, m_folder);
    if (!chosen.isEmpty())
        open(chosen, parent);
}

QString ModelFiles::proposedName() const
{
    const QString name = m_fileName.isEmpty()
                             ? QStringLiteral("model.") + QLatin1String(kModelFileSuffix)
                             : QFileInfo(m_fileName).fileName();
    return QDir(m_folder).filePath(name);
}

void ModelFiles::saveFromDialog(QWidget *parent)
{
    const QString chosen = m_fileDialogs.saveModelName(parent, proposedName());
    if (chosen.isEmpty())
        return;
    const std::optional<ModelValues> values = currentModelValues(m_simulation);
    const ModelFileWrite written =
        values ? writeModelFile(chosen, {m_title, m_notes, *values})
               : ModelFileWrite{false, tr("\"%1\" was not written: the fields of the main "
                                          "window do not all hold numbers")
                                           .arg(QDir::toNativeSeparators(chosen))};
    if (!written.ok) {
        m_dialogs.message(parent, tr("Save model"),
                          //: %1 says what went wrong ("\"a.velmora\" could not be written: ...").
                          tr("The model file %1.\nA file of that name that was "
                             "already there is left as it was.")
                              .arg(written.message),
                          QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    m_fileName = chosen;
    m_folder = QFileInfo(chosen).absolutePath();
}

void ModelFiles::saveExerciseFromDialog(QWidget *parent)
{
    const QString chosen = m_dialogs.saveFileName(
        parent, QDir(m_folder).filePath(QStringLiteral("exercise.") + QLatin1String(kModelFileSuffix)),
        {QLatin1String(kModelFileSuffix), true});
    if (chosen.isEmpty())
        return;
    const std::optional<ModelValues> values = currentModelValues(m_simulation);
    ModelFileWrite written{false, tr("\"%1\" was not written: the fields of the main "
                                              "window do not all hold numbers")
                                      .arg(QDir::toNativeSeparators(chosen))};
    if (values) {
        ModelFileRead read;
        read.document = ModelDocument{m_title, m_notes, *values};
        const QString title = m_title.isEmpty() ? tr("Exercise") : m_title;
        written = writeExerciseFile(chosen, read, exampleExercise(title));
    }
    if (!written.ok) {
        m_dialogs.message(parent, tr("Save as exercise"),
                          tr("The exercise file %1.\nA file of that name that was "
                                      "already there is left as it was.")
                              .arg(written.message),
                          QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    m_folder = QFileInfo(chosen).absolutePath();
}

} // namespace velmora
