// Starts the game: the program's identity, the message dialog and the main window.
#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "shell/about.h"
#include "shell/end_signals.h"
#include "shell/main_window.h"
#include "shell/show_msg.h"
#include "storage/data_file.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("VelmorDuvidOzad"));
    QApplication::setApplicationVersion(xs::ProgramVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("crosssums"));
    QApplication::setWindowIcon(xs::ProgramIcon());

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
    // Before the start-up reads the data file, a signal has nothing to save.
    xs::EndOnSignals(app, main);
    main.show();
    const int code = app.exec();
#if defined(__SANITIZE_ADDRESS__)
    // The leak check runs at a normal exit.
    return code;
#else
    // Every way out of the loop has saved by now: the data file and its folder are on disk and
    // the lock is gone. Taking the windows, fonts, printers and the display connection apart
    // would only keep the process alive after its window has gone.
    std::fflush(nullptr);
    std::_Exit(code);
#endif
}
