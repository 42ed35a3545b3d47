// The save's system calls with one of them failing on demand, as a disk that fails would.
#pragma once

#include <array>
#include <cerrno>
#include <string>
#include <vector>

#include "storage/file_ops.h"

namespace xs::test {

enum class TFaultAt { None, Open, Write, ShortWrite, DataSync, Close, Rename, SyncFolder, Unlink };

// Fails the `nth` call (from 1) of one kind with `error`, and any further calls named by Also. A
// ShortWrite fault writes half of the nth write's bytes and fails every write after it with
// `error`, as a disk that fills up does. `MaxWrite` above 0 makes every write a short one of at
// most that many bytes.
class TFaultyFileOps : public TFileOps {
public:
    TFaultyFileOps(TFaultAt at = TFaultAt::None, int nth = 1, int error = EIO) : Error_(error) {
        Also(at, nth);
    }
    // Fails the nth call of `at` as well.
    TFaultyFileOps& Also(TFaultAt at, int nth) {
        if (at != TFaultAt::None) Faults_.push_back({at, nth});
        return *this;
    }

    std::size_t MaxWrite = 0;
    std::vector<std::string> SyncedFolders;

    int Open(const char* path, int flags, mode_t mode) override {
        return Hit(TFaultAt::Open) ? -1 : TFileOps::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (MaxWrite > 0 && size > MaxWrite) size = MaxWrite;
        if (Hit(TFaultAt::Write) || Full_) return -1;
        if (!Hit(TFaultAt::ShortWrite)) return TFileOps::Write(fd, data, size);
        Full_ = true;
        return TFileOps::Write(fd, data, size / 2);
    }
    int DataSync(int fd) override { return Hit(TFaultAt::DataSync) ? -1 : TFileOps::DataSync(fd); }
    int Close(int fd) override {
        const int closed = TFileOps::Close(fd);
        return Hit(TFaultAt::Close) ? -1 : closed;
    }
    int Rename(const char* from, const char* to) override {
        return Hit(TFaultAt::Rename) ? -1 : TFileOps::Rename(from, to);
    }
    int SyncFolder(const char* path) override {
        SyncedFolders.emplace_back(path);
        return Hit(TFaultAt::SyncFolder) ? -1 : TFileOps::SyncFolder(path);
    }
    int Unlink(const char* path) override {
        return Hit(TFaultAt::Unlink) ? -1 : TFileOps::Unlink(path);
    }

private:
    struct TFault {
        TFaultAt At;
        int Nth;
    };
    // Counts the calls of each kind; sets errno on a failing one (and after a full disk).
    bool Hit(TFaultAt kind) {
        errno = Error_;
        const int call = ++Calls_[static_cast<std::size_t>(kind)];
        for (const TFault& f : Faults_)
            if (f.At == kind && f.Nth == call) return true;
        return false;
    }

    std::vector<TFault> Faults_;
    int Error_;
    std::array<int, 9> Calls_{};  // by TFaultAt
    bool Full_ = false;
};

}  // namespace xs::test
