#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace velmora {

// What a save dialog does with the chosen name before it returns it.
struct SaveDialogOptions {
    // Added to a name typed without an ending; any question is then about the name with it.
    QString defaultSuffix;
    // Whether the dialog asks before it returns the name of a file that exists. Off where the
    // chosen name is not the file that will be written.
    bool confirmOverwrite = true;
};

// The program's modal boxes, behind one interface so tests can answer them without a hang.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual QMessageBox::StandardButton message(QWidget *parent, const QString &title,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::Icon icon) = 0;

    // A modal save dialog that offers `proposed`; returns the full path, or empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &proposed,
                                 const SaveDialogOptions &options) = 0;
};

// Real Qt message boxes and Qt's own (non-native) save dialog.
class SystemDialogs : public Dialogs {
public:
    QMessageBox::StandardButton message(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon) override;
    QString saveFileName(QWidget *parent, const QString &proposed,
                         const SaveDialogOptions &options) override;
};

} // namespace velmora
