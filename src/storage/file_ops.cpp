// The real system calls behind the save's seam.
#include "storage/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace xs {

int TFileOps::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t TFileOps::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int TFileOps::DataSync(int fd) {
    return ::fdatasync(fd);
}

int TFileOps::Close(int fd) {
    return ::close(fd);
}

int TFileOps::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int TFileOps::Link(const char* from, const char* to) {
    return ::link(from, to);
}

int TFileOps::Unlink(const char* path) {
    return ::unlink(path);
}

int TFileOps::SyncFolder(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

TFileOps& SystemFileOps() {
    static TFileOps ops;
    return ops;
}

}  // namespace xs
