#include "ui/save/historysaver.h"

#include "ui/common/dialogs.h"
#include "export/historyfiles.h"
#include "export/historywriter.h"

#include <QDir>

namespace velmora {

HistorySaver::HistorySaver(Module1 &history, Dialogs &dialogs)
    : m_history(history),
      m_dialogs(dialogs)
{
}

void HistorySaver::SaveGraphicData(QWidget *parent)
{
    // The four files are named after the chosen name, never the name itself: a question
    // about replacing it would be about a file that is not touched.
    SaveDialogOptions options;
    options.confirmOverwrite = false;
    const QString chosen = m_dialogs.saveFileName(parent, FileName, options);
    if (chosen.isEmpty())
        return;
    FileName = chosen;
    m_history.SaveName = chosen.toStdString();

    const QString baseName = exportBaseName(chosen);
    const ExportResult result = writeHistoryFiles(m_history, baseName);
    switch (result.status) {
    case ExportResult::Status::Written:
        return;
    case ExportResult::Status::NameKeepsNothing:
        m_dialogs.message(parent, tr("Save"),
                          tr("The name \"%1\" is too short.\n"
                             "The files are named after it without its last four characters, so "
                             "it needs at least four after the folder.\nNothing was saved.")
                              .arg(QDir::toNativeSeparators(chosen)),
                          QMessageBox::Ok, QMessageBox::Warning);
        return;
    case ExportResult::Status::FileFailed: {
        // The rates file is written last: only before it are other files left unwritten.
        const bool last = result.fileName == historyFileName(baseName, HistoryFile::Rates);
        //: %1 is a file name, %2 the reason the system gave.
        const QString text = last ? tr("The file \"%1\" could not be written:\n%2")
                                  : tr("The file \"%1\" could not be written:\n%2\n"
                                       "The files after it were not written.");
        m_dialogs.message(parent, tr("Save"),
                          text.arg(QDir::toNativeSeparators(result.fileName), result.reason),
                          QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    }
}

} // namespace velmora
