#include "ui/common/printing.h"

#include "export/safewrite.h"
#include "ui/common/dialogs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace velmora {

namespace {

// The printing messages, in a context of their own rather than the shared "QObject".
class Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

} // namespace

void paintWindowImage(QWidget *window, QPainter &painter, const QRect &target)
{
    const QPixmap image = window->grab();
    if (image.isNull() || target.isEmpty())
        return;
    const QSize fitted = image.size().scaled(target.size(), Qt::KeepAspectRatio);
    const QRect placed(target.x() + (target.width() - fitted.width()) / 2,
                       target.y() + (target.height() - fitted.height()) / 2, fitted.width(),
                       fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(placed, image);
}

bool printWindowTo(QWidget *window, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page(0, 0, device.width(), device.height());
    paintWindowImage(window, painter, page);
    return painter.end();
}

void printWindow(QWidget *window, Dialogs &dialogs)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        if (!printWindowTo(window, printer)) {
            dialogs.message(window, Printing::tr("Print"),
                            Printing::tr("The page could not be sent to the printer."),
                            QMessageBox::Ok, QMessageBox::Warning);
        }
        return;
    }

    const auto answer = dialogs.message(
        window, Printing::tr("Print"),
        Printing::tr("No printer is set up on this computer.\n"
                     "Do you want to save the page as a PDF file instead?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return;
    // The dialog adds the ending itself, so a question about replacing a file is about the
    // file written; a name given with another ending is written as given.
    SaveDialogOptions options;
    options.defaultSuffix = QStringLiteral("pdf");
    const QString path = dialogs.saveFileName(window, QStringLiteral("page.pdf"), options);
    if (path.isEmpty())
        return;
    // The page is rendered into memory and then written in one checked piece, so a failure
    // leaves an earlier PDF of that name whole instead of half a new one.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(300);
        painted = printWindowTo(window, pdf);
    }
    std::optional<FileWriteFailure> failure;
    if (!painted)
        failure = FileWriteFailure{path, Printing::tr("The page could not be drawn.")};
    else
        failure = writeFileSafely(path, bytes.data());
    if (failure) {
        dialogs.message(window, Printing::tr("Print"),
                        Printing::tr("The PDF file \"%1\" could not be written:\n%2")
                            .arg(QDir::toNativeSeparators(path), failure->reason),
                        QMessageBox::Ok, QMessageBox::Warning);
    }
}

} // namespace velmora
