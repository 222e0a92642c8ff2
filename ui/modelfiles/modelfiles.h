#pragma once

#include "model/editentries.h"
#include "modelfile/modelfile.h"

#include <QObject>
#include <QString>

class QWidget;

namespace velmora {

class Dialogs;
class ModelFileDialogs;
class Simulation;

// "Open model...", "Examples" and "Save model..." of the main window: picks the name, reads or
// writes the file and reports what went wrong in a message box. An opened model is applied as
// "Go Back" of the editing window applies its values; a life cycle by stages is handed on to
// the Life cycle window.
class ModelFiles : public QObject {
    Q_OBJECT

public:
    ModelFiles(Simulation &simulation, Dialogs &dialogs, ModelFileDialogs &fileDialogs);

    // Opens a model file: a refused file is reported over `parent` and changes nothing.
    bool open(const QString &fileName, QWidget *parent);
    void openFromDialog(QWidget *parent);
    // Puts a model that was read (a student's model of an exercise) in place as `open` does.
    void apply(const ModelFileRead &read);
    // Writes the model of the current run with the title and notes of the last model opened.
    void saveFromDialog(QWidget *parent);
    // "Save as exercise...": the model of the current run with an example question to edit.
    void saveExerciseFromDialog(QWidget *parent);

    // Of the model opened last; empty before the first.
    const QString &title() const { return m_title; }
    const QString &notes() const { return m_notes; }

signals:
    // The run restarted at t = 0 with the model's values; `entries` are its editing texts.
    void modelOpened(const velmora::EditEntries &entries);
    // A file of a life cycle by stages was read; the main window's model is left as it was.
    void stageModelOpened(const velmora::StageModelDocument &document);
    // A file holding an exercise was opened; the student's numbers wait for the name.
    void exerciseOpened(const velmora::ModelFileRead &read);

private:
    QString proposedName() const;

    Simulation &m_simulation;
    Dialogs &m_dialogs;
    ModelFileDialogs &m_fileDialogs;
    QString m_title;
    QString m_notes;
    QString m_fileName; // the file opened or saved last; a built-in example's own name
    QString m_folder;   // where the next dialog starts
};

} // namespace velmora
