#pragma once

#include "ui/common/dialogs.h"

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

    QString saveFileName(QWidget *, const QString &proposed) override
    {
        proposals.append(proposed);
        return fileName;
    }

    QList<Shown> messages;
    QStringList proposals;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QString fileName; // empty: the dialog was cancelled
};

} // namespace velmora
