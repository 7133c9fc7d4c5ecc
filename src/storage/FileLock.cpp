#include "FileLock.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <fcntl.h>

namespace {
constexpr std::chrono::milliseconds kLockWait{3000};
constexpr unsigned long kLockRetryMs = 20;
} // namespace

bool FileLock::acquire(int fd, bool exclusive) {
    struct flock lock {};
    lock.l_type = exclusive ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    const QDeadlineTimer deadline(kLockWait);
    while (::fcntl(fd, F_SETLK, &lock) < 0) {
        if (errno == ENOLCK || errno == EOPNOTSUPP)
            return true;
        if (errno == EINTR)
            continue;
        if ((errno != EACCES && errno != EAGAIN) || deadline.hasExpired())
            return false;
        QThread::msleep(kLockRetryMs);
    }
    return true;
}
