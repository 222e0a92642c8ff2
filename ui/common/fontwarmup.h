#pragma once

#include <thread>

namespace velmora {

// Fills Qt's font database on a second thread while the first windows are being built, so
// the first text drawn does not wait for it. Create it right after the application object;
// it waits for the thread when destroyed.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread m_thread;
};

} // namespace velmora
