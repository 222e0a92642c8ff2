#pragma once

#include "ui/modelfiles/modelfiledialogs.h"

#include <QStringList>

namespace velmora {

// Answers the model file dialogs at once with `fileName` and records what they offered.
class FakeModelFileDialogs : public ModelFileDialogs {
public:
    QString openModelName(QWidget *, const QString &folder) override
    {
        folders.append(folder);
        return fileName;
    }

    QString saveModelName(QWidget *, const QString &proposed) override
    {
        proposals.append(proposed);
        return fileName;
    }

    QStringList folders;
    QStringList proposals;
    QString fileName; // empty: the dialog was cancelled
};

} // namespace velmora
