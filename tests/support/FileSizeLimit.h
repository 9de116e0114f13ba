#pragma once
// A file-size limit for the current process, so that writes fail the way they do on a full
// disk, also for the super-user.

#include <sys/resource.h>
#include <csignal>

namespace folianto::test {

// Files written by this process may not grow beyond `bytes` while this object lives: the way
// the tests make a write fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace folianto::test
