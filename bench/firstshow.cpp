// Preloaded (LD_PRELOAD) into a Qt program, ends it right after its first window has been
// exposed and painted, so its start can be timed and its peak memory read from outside.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

namespace {

class FirstShow : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Expose && qobject_cast<QWindow *>(watched)) {
            m_seen = true;
            // Queued behind the expose, whose handling paints the window.
            QTimer::singleShot(0, [] { _exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installFirstShow()
{
    QCoreApplication::instance()->installEventFilter(new FirstShow);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstShow)
