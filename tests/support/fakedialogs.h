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
        const QString chosen = fileNames.isEmpty() ? fileName : fileNames.takeFirst();
        // As the real dialog does it.
        if (!chosen.isEmpty() && !options.defaultSuffix.isEmpty()
            && QFileInfo(chosen).suffix().isEmpty())
            return chosen + QLatin1Char('.') + options.defaultSuffix;
        return chosen;
    }

    QStringList titles() const
    {
        QStringList all;
        for (const Shown &shown : messages)
            all.append(shown.title);
        return all;
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Shown &shown : messages)
            all.append(shown.text);
        return all;
    }

    QList<Shown> messages;
    QStringList proposals;
    QList<SaveDialogOptions> saveOptions;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList fileNames; // the answers of the next save dialogs, in turn
    QString fileName;      // the answer once they are used up; empty: the dialog was cancelled
};

} // namespace velmora
