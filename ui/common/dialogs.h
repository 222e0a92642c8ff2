#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace velmora {

// The program's modal boxes, behind one interface so tests can answer them without a hang.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual QMessageBox::StandardButton message(QWidget *parent, const QString &title,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::Icon icon) = 0;

    // A modal save dialog that offers `proposed`; returns the full path, or empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &proposed) = 0;
};

// Real Qt message boxes and Qt's own (non-native) save dialog.
class SystemDialogs : public Dialogs {
public:
    QMessageBox::StandardButton message(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon) override;
    QString saveFileName(QWidget *parent, const QString &proposed) override;
};

} // namespace velmora
