#pragma once
// A failing disk for tests: while a FileSizeLimit lives, no file of this process may grow beyond the limit,
// and a write past it fails as on a full disk. Unlike a read-only folder it also fails for root.

#include <csignal>
#include <sys/resource.h>

namespace platform::testing
{

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old {};
    void (*m_handler)(int) = nullptr;
};

} // namespace platform::testing
