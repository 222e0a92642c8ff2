#pragma once

#include "model/module1.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace velmora {

class Dialogs;

// The main window's "Save": asks for a name and writes the four history files under it.
// Keeps the last chosen path so the next dialog offers it again.
class HistorySaver {
    Q_DECLARE_TR_FUNCTIONS(HistorySaver)

public:
    HistorySaver(Module1 &history, Dialogs &dialogs);

    // Runs one export. A cancelled dialog writes nothing and changes nothing; a refused
    // name or a file that cannot be written is reported in a message box over `parent`.
    void SaveGraphicData(QWidget *parent);

    // The path the dialog offers next: the last one chosen, empty before the first.
    const QString &fileName() const { return FileName; }

private:
    Module1 &m_history;
    Dialogs &m_dialogs;
    QString FileName;
};

} // namespace velmora
