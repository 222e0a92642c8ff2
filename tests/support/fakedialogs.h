#pragma once

#include "ui/common/dialogs.h"

#include <QFileInfo>
#include <QList>
#include <QString>

namespace velmora {


// Answers every modal box at once and records what was asked, so no test waits on a box.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
    };

    QMessageBox::StandardButton message(QWidget *, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon) override
    {
        messages.append({title, text, buttons, icon});
        return answer;
    }

    QString saveFileName(QWidget *, const QString &proposed,
                         const SaveDialogOptions &options) override
    {
        proposals.append(proposed);
        saveOptions.append(options);
        // As the real dialog does it.
        if (!fileName.isEmpty() && !options.defaultSuffix.isEmpty()
            && QFileInfo(fileName).suffix().isEmpty())
            return fileName + QLatin1Char('.') + options.defaultSuffix;
        return fileName;
    }

    QList<Shown> messages;
    QStringList proposals;
    QList<SaveDialogOptions> saveOptions;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QString fileName; // empty: the dialog was cancelled
};

} // namespace velmora
