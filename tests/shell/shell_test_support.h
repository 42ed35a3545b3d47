// Helpers of the main window and setup tests: a clean process state, data files and a started
// main window on a fixed screen.
#pragma once

#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/main_window.h"
#include "storage/data_file.h"
#include "storage/settings.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs::test {

inline void ResetAppData() {
    const auto blank = std::make_unique<TAppData>();
    AppData() = *blank;
}

inline TScreenMetrics Screen(int width, int height, int usable,
                             TFontClass fontClass = TFontClass::Regular) {
    return {width, height, usable, fontClass};
}

inline TDataFilePaths PathsIn(const QTemporaryDir& dir) {
    TDataFilePaths paths;
    paths.DataFile = dir.filePath(QStringLiteral("VelmorDuvidOzad.dat"));
    paths.OldDataFile = dir.filePath(QStringLiteral("VelmorXSData.dat"));
    return paths;
}

// A data file with valid preferences, the given geometry and font size, and one puzzle in slot 1.
inline void WriteValidFile(const TDataFilePaths& paths, TWindowRect window, int fontSize) {
    auto record = std::make_unique<TDataFileRecord>();
    TSettings& s = record->Settings;
    s.WindowLeft = window.Left;
    s.WindowTop = window.Top;
    s.WindowWidth = window.Width;
    s.WindowHeight = window.Height;
    s.FontSize = fontSize;
    AddSamplePuzzle(record->Library, s.LastPuzzleId, TPuzzleSize::Mini, 1);
    TScriptedMessages silent;
    QVERIFY(WriteDataFile(*record, paths, silent));
}

inline std::unique_ptr<TDataFileRecord> ReadBack(const TDataFilePaths& paths) {
    auto record = std::make_unique<TDataFileRecord>();
    if (!ReadDataFile(*record, paths)) return nullptr;
    return record;
}

// A shown main window that has run its start-up sequence.
inline std::unique_ptr<TfrmMain> StartMain(const TDataFilePaths& paths, TMessages& messages,
                                           TScreenMetrics screen, int* helpCalls = nullptr) {
    TMainWindowDeps deps;
    deps.Paths = paths;
    deps.Messages = &messages;
    deps.Screen = screen;
    deps.ShowHelp = [helpCalls] {
        if (helpCalls != nullptr) ++*helpCalls;
    };
    auto main = std::make_unique<TfrmMain>(deps);
    main->show();
    if (!QTest::qWaitFor([&] { return main->StartUpDone(); })) return nullptr;
    return main;
}

}  // namespace xs::test
