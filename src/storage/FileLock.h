#pragma once

// Takes an advisory lock on the whole of an open file, shared or exclusive. A workstation holds
// such a lock for the few milliseconds of one operation; one that holds it longer has hung or
// left a stale lock on the network share, so after a few seconds this gives up (false, errno
// set) instead of freezing this workstation too. A file system without locks counts as locked:
// the open-work-close pattern still keeps operations short.
namespace FileLock {

bool acquire(int fd, bool exclusive);

} // namespace FileLock
