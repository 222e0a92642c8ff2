#include "ui/common/backgroundwork.h"

#include <QProgressBar>

#include <system_error>

namespace velmora {

BackgroundWork::~BackgroundWork()
{
    stopAndWait();
}

std::optional<QString> BackgroundWork::start(std::function<void()> work)
{
    m_stop = false;
    // A system out of threads refuses the work here; the caller says so.
    try {
        m_thread = std::thread(std::move(work));
    } catch (const std::system_error &e) {
        return QString::fromLocal8Bit(e.what());
    }
    return std::nullopt;
}

void BackgroundWork::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundWork::stopAndWait()
{
    m_stop = true;
    join();
}

QProgressBar *makeProgressBar(QWidget *parent, const QString &accessibleName)
{
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("progress"));
    bar->setRange(0, 1000);
    bar->setAccessibleName(accessibleName);
    return bar;
}

} // namespace velmora
