// Starts the game: the program's identity, the message dialog and the main window.
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include <QApplication>
#include <QSocketNotifier>

#include "shell/about.h"
#include "shell/main_window.h"
#include "shell/show_msg.h"
#include "storage/data_file.h"

namespace {

// The signals that end the game as the end of the desktop session does: the puzzles are saved
// without asking.
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

// Ends the event loop with the shell's code for the signal; leaving the loop saves as at the end
// of a session (the main window listens to aboutToQuit). A signal during that save is not seen
// again, so the save finishes.
void EndOnSignals(QApplication& app) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPair) != 0) return;
    auto* notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        unsigned char byte = 0;
        if (read(signalPair[1], &byte, 1) != 1) return;
        notifier->setEnabled(false);
        // exit(), not quit(): quit() would close the windows first, and closing asks questions.
        QCoreApplication::exit(128 + byte);
    });
    struct sigaction action {};
    action.sa_handler = HandOver;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("VelmorDuvidOzad"));
    QApplication::setApplicationVersion(xs::ProgramVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("crosssums"));
    QApplication::setWindowIcon(xs::ProgramIcon());
    EndOnSignals(app);

    xs::TfrmShowMsg messages;
    xs::TMainWindowDeps deps;
    deps.Paths = xs::DefaultDataFilePaths();
    deps.Messages = &messages;
    deps.FontsChanged = [&messages](const xs::TProgramFonts& fonts) {
        messages.SetGeneralFont(fonts.General);
    };
    deps.MainReadyChanged = [&messages](bool ready) { messages.SetMainReady(ready); };
    xs::TfrmMain main(deps);
    messages.SetMainWindow(&main);
    main.show();
    return app.exec();
}
