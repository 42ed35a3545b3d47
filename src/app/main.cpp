// Starts the game: the program's identity, the message dialog and the main window.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QCoreApplication>

#include "app/command_line.h"
#include "app/desktop_access.h"
#include "shell/about.h"
#include "shell/end_signals.h"
#include "shell/main_window.h"
#include "shell/show_msg.h"
#include "storage/data_file.h"
#include "storage/language.h"

int main(int argc, char** argv) {
    xs::TGameCommandLine commandLine;
    {
        // Help, version and usage errors need no display: they are answered before the
        // application object connects to one.
        QCoreApplication early(argc, argv);
        xs::InstallTranslations(early, xs::ChooseLanguage(xs::WantedLanguages()));
        commandLine = xs::ParseGameCommandLine(QCoreApplication::arguments());
    }
    if (commandLine.Exit) {
        std::fputs(commandLine.Output.toLocal8Bit().constData(),
                   commandLine.ExitCode == 0 ? stdout : stderr);
        return commandLine.ExitCode;
    }
    QApplication app(argc, argv);
    xs::InstallTranslations(app, xs::ChooseLanguage(xs::WantedLanguages()));
    xs::InstallDesktopAccess();
    // No display name: Qt would append it to every window caption.
    QApplication::setApplicationName(QStringLiteral("VelmorDuvidOzad"));
    QApplication::setApplicationVersion(xs::ProgramVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("crosssums"));
    QApplication::setWindowIcon(xs::ProgramIcon());

    xs::TfrmShowMsg messages;
    xs::TMainWindowDeps deps;
    deps.Paths = xs::DefaultDataFilePaths();
    if (!commandLine.DataFile.isEmpty()) deps.Paths = xs::TDataFilePaths{commandLine.DataFile};
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
