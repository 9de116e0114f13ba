#pragma once
// Helpers shared by the file-system tests: permission bits and links.

#include "support/TempDir.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace folianto::test {

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

constexpr uid_t nobodyId = 65534;

// Runs `check` in a child process as the unprivileged user "nobody" (root only) and returns
// its result, or nullopt when the child could not run. Permissions are not enforced for root,
// so this is how a root test run checks them.
inline std::optional<bool> runAsNobody(const std::function<bool()>& check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setgid(nobodyId) != 0 || ::setuid(nobodyId) != 0)
            ::_exit(2);
        ::_exit(check() ? 1 : 0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 1;
}

inline bool giveToNobody(const QString& path)
{
    return ::chown(QFile::encodeName(path).constData(), nobodyId, nobodyId) == 0;
}

inline mode_t modeOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

inline bool setMode(const QString& path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

inline bool makeLink(const QString& target, const QString& link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData())
        == 0;
}

} // namespace folianto::test
