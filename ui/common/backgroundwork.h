#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

class QProgressBar;

namespace velmora {

// One long computation of a window on a thread of its own: started, asked to stop, waited
// for. The window hands the results back to its own thread with postTo.
class BackgroundWork {
public:
    BackgroundWork() = default;
    ~BackgroundWork();
    BackgroundWork(const BackgroundWork &) = delete;
    BackgroundWork &operator=(const BackgroundWork &) = delete;

    // Clears the stop flag and starts `work`; returns the system's reason when it has no
    // thread to give, nothing when the work runs.
    std::optional<QString> start(std::function<void()> work);
    // The flag the computation checks to end early.
    const std::atomic<bool> *stopFlag() const { return &m_stop; }
    // Asks the computation to end at its next check.
    void requestStop() { m_stop = true; }
    // Waits for the thread once its result has arrived.
    void join();
    // Asks the computation to stop and waits for it: before the window goes.
    void stopAndWait();

private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

// Runs `call` on `receiver`'s thread later; dropped if the receiver is gone by then.
template <typename Call>
void postTo(QObject *receiver, Call &&call)
{
    QMetaObject::invokeMethod(receiver, std::forward<Call>(call), Qt::QueuedConnection);
}

// A progress callback for a computation: each share (0..1) is passed to `show` on
// `receiver`'s thread.
template <typename Show>
std::function<void(double)> postedProgress(QObject *receiver, Show show)
{
    return [receiver, show](double share) { postTo(receiver, [show, share] { show(share); }); };
}

// The progress bar of a window's computation, in thousandths of the work.
QProgressBar *makeProgressBar(QWidget *parent, const QString &accessibleName);

} // namespace velmora
