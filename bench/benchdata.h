#pragma once

#include "ui/common/dialogs.h"
#include "model/module1.h"

#include <memory>

namespace velmora {

// A history of the default model with every slot used: tcount = 1000.
std::unique_ptr<Module1> fullHistory();

// Modal boxes answered at once: a benchmark must never wait for a click.
class QuietDialogs : public Dialogs {
public:
    QMessageBox::StandardButton message(QWidget *, const QString &, const QString &,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::Icon) override;
    QString saveFileName(QWidget *, const QString &, const SaveDialogOptions &) override;
};

} // namespace velmora
