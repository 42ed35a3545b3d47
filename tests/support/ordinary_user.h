// Runs a test's body as an ordinary user, so that permission tests bind when the suite runs as
// root.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <gtest/gtest.h>
#include <QFile>

namespace xs::test {

// For root, forks: the parent waits and fails the test if the child did; the child gives the
// test's folder to nobody, becomes nobody, runs the rest of the test and ends with it (printing
// its own failures). For anyone else, nothing happens.
class TOrdinaryUser {
public:
    explicit TOrdinaryUser(const QString& folder) {
        if (::geteuid() != 0) return;
        std::fflush(nullptr);
        const pid_t child = ::fork();
        Parent_ = child != 0;
        if (Parent_) {
            int status = -1;
            EXPECT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_EQ(status, 0)
                << "the test run as nobody (exit 3: the ids could not be given up)";
            return;
        }
        constexpr uid_t kNobody = 65534;
        if (::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) != 0 ||
            ::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        Child_ = true;
    }
    ~TOrdinaryUser() {
        if (!Child_) return;
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    bool Parent() const { return Parent_; }

private:
    bool Parent_ = false;
    bool Child_ = false;
};

}  // namespace xs::test

// The rest of the test runs as nobody, owning `folder` (see TOrdinaryUser).
#define XS_AS_ORDINARY_USER(folder)                     \
    const xs::test::TOrdinaryUser ordinaryUser{folder}; \
    if (ordinaryUser.Parent()) return
