// Runs a test's body as an ordinary user, so that permission tests bind when the suite runs as
// root.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <initializer_list>

#include <gtest/gtest.h>
#include <QFile>
#include <QString>

namespace xs::test {

// The ids of "nobody", whom permissions bind.
constexpr uid_t kNobody = 65534;

// Runs `body` in this process for an ordinary user. For root it runs in a forked child that first
// gives the paths in `handOver` (the test's folders) to nobody and then becomes nobody; the
// child's failures are printed by the child and fail the test here.
inline void AsOrdinaryUser(std::initializer_list<QString> handOver,
                           const std::function<void()>& body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        for (const QString& path : handOver)
            if (::chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0) ::_exit(3);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "the child as nobody ended abnormally";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "as nobody (3: the ids could not be given up)";
}

}  // namespace xs::test
