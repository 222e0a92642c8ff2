#include "ui/modelfiles/modelfiledialogs.h"

#include "modelfile/modelfile.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace velmora {

namespace {

// The dialogs' titles and filters, translated in one context of their own.
class ModelFileDialogText {
    Q_DECLARE_TR_FUNCTIONS(ModelFileDialogText)
};

QString runDialog(QFileDialog &dialog)
{
    //: Keep the pattern in brackets as it is.
    dialog.setNameFilters({ModelFileDialogText::tr("Velmora models (*.velmora)"),
                           //: Keep the pattern in brackets as it is.
                           ModelFileDialogText::tr("All files (*)")});
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
    QFileDialog dialog(parent, ModelFileDialogText::tr("Open model"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runDialog(dialog);
}

QString SystemModelFileDialogs::saveModelName(QWidget *parent, const QString &proposed)
{
    QFileDialog dialog(parent, ModelFileDialogText::tr("Save model"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed);
    return runDialog(dialog);
}

} // namespace velmora
