#pragma once

// Write failures for the tests, also as root: a file size limit that makes a write fail part
// way, and a small file system that fills up (root only; mounted() says whether it is there).

#include <csignal>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>

namespace lumidex::fakes {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_handler)(int);
};

class SmallDisk
{
public:
    SmallDisk(std::string folder, const char *size) : m_folder(std::move(folder))
    {
        m_mounted = ::mount("tmpfs", m_folder.c_str(), "tmpfs", 0,
                            ("size=" + std::string(size)).c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount(m_folder.c_str());
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }

private:
    std::string m_folder;
    bool m_mounted = false;
};

} // namespace lumidex::fakes
