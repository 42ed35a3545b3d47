// The system calls a save makes, behind one seam, so that tests can make any of them fail.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace xs {

// Each call behaves as the system call of its name: -1 with errno set on failure. The default
// makes the real call; tests override the ones they want to fail.
class TFileOps {
public:
    virtual ~TFileOps() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int DataSync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Link(const char* from, const char* to);
    virtual int Unlink(const char* path);
    // Makes the folder's list of names durable (fsync of the folder).
    virtual int SyncFolder(const char* path);
};

// The real calls.
TFileOps& SystemFileOps();

}  // namespace xs
