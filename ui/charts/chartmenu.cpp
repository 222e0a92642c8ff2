#include "ui/charts/chartmenu.h"

#include "ui/charts/chartimage.h"
#include "ui/common/contextmenu.h"
#include "ui/common/dialogs.h"

#include <QAction>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

namespace velmora {

ChartMenu::ChartMenu(QWidget &window, Dialogs &dialogs, ChartAt chartAt)
    : QObject(&window)
    , m_window(window)
    , m_dialogs(dialogs)
    , m_chartAt(std::move(chartAt))
{
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("chartMenu"));
    QAction *save = m_menu->addAction(tr("&Save chart as image..."), this,
                                      &ChartMenu::saveChartAsImage);
    save->setObjectName(QStringLiteral("saveChartAsImage"));
    QAction *copy = m_menu->addAction(tr("&Copy chart"), this, &ChartMenu::copyChart);
    copy->setObjectName(QStringLiteral("copyChart"));

    // No chart where the request points: no menu.
    attachContextMenu(&window, m_menu, [this](const QPoint &globalPos, bool fromKeyboard) {
        m_target = m_chartAt(fromKeyboard ? nullptr : &globalPos);
        return m_target != nullptr;
    });
}

QChartView *ChartMenu::target() const
{
    return m_target ? m_target : m_chartAt(nullptr);
}

void ChartMenu::saveChartAsImage()
{
    QChartView *view = target();
    if (!view)
        return;
    const QString title = tr("Save chart as image");
    // A name typed without an ending becomes a PNG: the dialog adds it, so any question it
    // asks is about the file that is written.
    const QString chosen =
        m_dialogs.saveFileName(&m_window, m_imageName, {QStringLiteral("png"), true});
    if (chosen.isEmpty())
        return;
    m_imageName = chosen;
    const ChartImageFile file = chartImageFile(chosen);
    // The dialog asked about replacing the name it was given, not the one with ".png" added.
    if (file.fileName != chosen && QFileInfo(file.fileName).isFile()
        && m_dialogs.message(&m_window, title,
                             tr("The file \"%1\" already exists.\n"
                                "Do you want to replace it?")
                                 .arg(QDir::toNativeSeparators(file.fileName)),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning)
               != QMessageBox::Yes)
        return;
    if (const std::optional<QString> reason = saveChartImage(*view, file))
        m_dialogs.message(&m_window, title,
                          tr("The chart could not be saved as \"%1\":\n%2")
                              .arg(QDir::toNativeSeparators(file.fileName), *reason),
                          QMessageBox::Ok, QMessageBox::Warning);
}

void ChartMenu::copyChart()
{
    if (QChartView *view = target())
        QGuiApplication::clipboard()->setImage(chartImage(*view));
}

} // namespace velmora
