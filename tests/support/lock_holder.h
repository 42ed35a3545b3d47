// A forked process that takes the data file's lock under a program name and keeps it until it is
// killed, standing for the game or the companion in another process.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <memory>

#include <QCoreApplication>
#include <QString>

#include "storage/data_file_lock.h"

namespace xs::test {

class TLockHolder {
public:
    explicit TLockHolder(const QString& dataFile, const char* program = "holder") {
        int ready[2];
        if (pipe(ready) != 0) return;
        Pid = fork();
        if (Pid == 0) {
            close(ready[0]);
            static int argc = 1;
            static char arg0[] = "holder";
            static char* argv[] = {arg0, nullptr};
            std::unique_ptr<QCoreApplication> app;
            if (QCoreApplication::instance() == nullptr)
                app = std::make_unique<QCoreApplication>(argc, argv);
            QCoreApplication::setApplicationName(QString::fromLatin1(program));
            TDataFileLock lock(dataFile);
            const char status = lock.TryLock().Status == TLockStatus::Locked ? 'L' : 'F';
            if (write(ready[1], &status, 1) != 1) _exit(2);
            for (;;) pause();
        }
        close(ready[1]);
        char status = 0;
        if (read(ready[0], &status, 1) == 1) Locked = status == 'L';
        close(ready[0]);
    }
    ~TLockHolder() { Kill(); }
    TLockHolder(const TLockHolder&) = delete;
    TLockHolder& operator=(const TLockHolder&) = delete;

    void Kill() {
        if (Pid <= 0) return;
        kill(Pid, SIGKILL);
        waitpid(Pid, nullptr, 0);
        Pid = -1;
    }

    pid_t Pid = -1;
    bool Locked = false;
};

}  // namespace xs::test
