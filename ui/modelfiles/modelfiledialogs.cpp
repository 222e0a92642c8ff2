#include "ui/modelfiles/modelfiledialogs.h"

#include "modelfile/modelfile.h"

#include <QFileDialog>

namespace velmora {

namespace {

QString runDialog(QFileDialog &dialog)
{
    dialog.setNameFilters({QStringLiteral("Velmora models (*.velmora)"),
                           QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QLatin1String(kModelFileSuffix));
    // Qt's own dialog behaves the same on every desktop and can be driven in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString SystemModelFileDialogs::openModelName(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, QStringLiteral("Open model"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runDialog(dialog);
}

QString SystemModelFileDialogs::saveModelName(QWidget *parent, const QString &proposed)
{
    QFileDialog dialog(parent, QStringLiteral("Save model"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed);
    return runDialog(dialog);
}

} // namespace velmora
