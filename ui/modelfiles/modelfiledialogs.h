#pragma once

#include <QString>

class QWidget;

namespace velmora {

// The modal file dialogs of "Open model..." and "Save model...", behind one interface so tests
// can answer them without a hang.
class ModelFileDialogs {
public:
    virtual ~ModelFileDialogs() = default;

    // Offers the model files in `folder`; returns the full path, or empty when cancelled.
    virtual QString openModelName(QWidget *parent, const QString &folder) = 0;
    // Offers `proposed`; returns the full path, ending in ".velmora", or empty when cancelled.
    virtual QString saveModelName(QWidget *parent, const QString &proposed) = 0;
};

// Qt's own (non-native) dialogs, showing model files only.
class SystemModelFileDialogs : public ModelFileDialogs {
public:
    QString openModelName(QWidget *parent, const QString &folder) override;
    QString saveModelName(QWidget *parent, const QString &proposed) override;
};

} // namespace velmora
