// Ending the game by a signal.
#include "shell/end_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QCoreApplication>
#include <QSocketNotifier>

#include "manage/create_screen.h"
#include "platform/ui_text.h"
#include "shell/main_window.h"

namespace xs {

namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A handler may do next to nothing; it hands the signal to the event loop through this pair.
int signalPair[2] = {-1, -1};

void HandOver(int signal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // The socket does not block: with a byte already waiting, one more changes nothing.
    (void)!write(signalPair[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

bool EndOnSignals(QCoreApplication& app, TfrmMain& main) {
    if (signalPair[0] >= 0) return true;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPair) != 0)
        return false;
    auto* notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&main] {
        static bool ending = false;
        unsigned char byte = 0;
        if (read(signalPair[1], &byte, 1) != 1) return;
        if (ending) {
            // The save itself runs without the event loop, so a later signal is only seen while
            // the close waits on a message (a failed save's): it ends the game there, saving
            // nothing more. Before the close has begun, the save is still to come.
            if (!main.Closing()) return;
            const std::string holds = main.AbandonClose();
            const QString said =
                UiText("crosssums: a second signal ends the game without saving: %1\n")
                    .arg(QString::fromStdString(holds));
            std::fputs(said.toLocal8Bit().constData(), stderr);
            std::fflush(stderr);
            std::_Exit(128 + byte);
        }
        ending = true;
        // A batch runs inside the event loop, which cannot end before the batch returns.
        main.frmCreate->StopForSession();
        // exit(), not quit(): quit() would close the windows first, and closing asks questions.
        QCoreApplication::exit(128 + byte);
    });
    struct sigaction action {};
    action.sa_handler = HandOver;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) sigaction(signal, &action, nullptr);
    return true;
}

}  // namespace xs
