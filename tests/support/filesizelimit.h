#pragma once

#include <sys/resource.h>

#include <csignal>

namespace velmora {

// While it lives, this process cannot write a file beyond `bytes` bytes: the writes fail as
// on a disk that fills up. SIGXFSZ is ignored meanwhile, so the failing write reports the
// failure instead of ending the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{};
        if (getrlimit(RLIMIT_FSIZE, &m_before) == 0) {
            small = m_before;
            small.rlim_cur = bytes;
            m_set = setrlimit(RLIMIT_FSIZE, &small) == 0;
        }
    }
    ~FileSizeLimit()
    {
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_before{};
    void (*m_handler)(int) = SIG_DFL;
    bool m_set = false;
};

} // namespace velmora
